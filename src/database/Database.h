#pragma once
// The tournament database's procedures: creation, names and pattern, opening
// with upgrade, save-as, tournament data. They work on the program-wide state.

// Creates the new database named in NyDBase (after its OK) and opens it.
void Opprett_Ny_Database();
// Databasenavn = Katalog & Filnavn, DatabaseFilnavn = its bare name; warns on a foreign extension.
void Sett_Databasenavn();
// Filmonster = "*.KVX".
void Sett_Filmonster();
// Opens Databasenavn into DBase and upgrades its schema to version 9.
void Oppgrader_Database();
// Copies the open database to Katalog & Filnavn and opens the copy; Filnavn
// itself keeps what was typed.
void Lagre_Database_Som();
// Shows the tournament data window Tdata.
void Ny_Turnering();
// The box with the open database's system data.
void Vis_Systemdata();
// The five table creators, on DBase. Versjon (with its row) and Dommertabell pass
// every failure on; the other three skip a table that exists already.
void Opprett_Versjon();
void Opprett_Dommere();
void Opprett_Dommertabell();
void Opprett_Ranking();
void Opprett_Ranking_KlData();
