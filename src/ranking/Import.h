#pragma once
// The two ways ranking entries come in: from a database of the tournament
// program (".bcd") or from another tournament database of this program
// (".KVX"). Each replaces every entry of the open database, and the second
// also takes over the settings of the lists both files have.
//
// The source is opened and checked first (a file, a database, not the open one,
// with table Ranking and the columns read); only then are the entries replaced,
// all in one transaction. A bad source leaves everything as it was and is told
// with "Kunne ikke lese rankinglister fra:", the path and the reason. The
// source is closed again in every case.
#include <string>

// False, told as a bad source is, when sti is the open database: the choosers
// ask this before their question, which would promise a deletion that never comes.
bool Importkilde_Godtatt(const std::string& sti);

void Importer_Fra_Turneringsfil(const std::string& sti);
void Importer_Fra_Dommerdatabase(const std::string& sti);
