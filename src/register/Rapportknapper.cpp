// The report mode's buttons: each starts one referee report or search.
#include "register/Dommere_Init.h"
#include "reports/Rapporter.h"
#include "state/ProgramState.h"

void Dommere_Init::C_SkrivRapport_Click() { Print_Registrerte_Dommere(); }

void Dommere_Init::SSCommand3_Click() { Print_Dommer_Rapport(); }

// The search print takes its title from the kind of the last search, also one
// that stopped at its empty-input message.
void Dommere_Init::SSCommand4_Click() {
    Sok_Navn();
    state::SokKlubb = 0;
}

void Dommere_Init::SSCommand5_Click() {
    Sok_Lag();
    state::SokKlubb = -1;
}

void Dommere_Init::SSCommand6_Click() { Print_Antall_Domte_Kamper(); }

void Dommere_Init::SSCommand8_Click() {
    int16_t spill = 1;
    Print_Dommerstatus(spill);
}

void Dommere_Init::SSCommand9_Click() {
    int16_t spill = 2;
    Print_Dommerstatus(spill);
}
