#pragma once
// The referee reports, started from the register window's report mode.
#include <cstdint>

// The registered referees of the report type chosen in the register.
void Print_Registrerte_Dommere();
void Print_Overskrift_Registrerte_Dommere();

// The status list of one game: 1 Boccia, 2 Curling.
void Print_Dommerstatus(int16_t& spill);
void Print_Overskrift_Dommerstatus();

// The searches by name and by club, into the window Search_Data, and its print.
void Sok_Navn();
void Sok_Lag();
void Print_Sokeresultat();

// The sheet of the selected referee (ValgtDommer).
void Print_Dommer_Rapport();

// Every referee with his count of refereed matches per game.
void Print_Antall_Domte_Kamper();
void Print_Overskrift_Antall_Kamper();
