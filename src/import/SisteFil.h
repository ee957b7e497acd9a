#pragma once
// The last result file the import opened, kept apart from Filsti and DBaseFil,
// which other work sets to its own files. The printouts and the duplicates
// window read this one.
#include <string>

#include "platform/dao/Dao.h"

namespace innlesing {

inline std::string SisteFil;
inline dao::Database SisteBase;
inline std::string SisteDatabase;   // Databasenavn when the file was opened
bool HarSisteFil();
// Closes the kept handle (a new import, the program's end, tests).
void Glem_Siste_Fil();
// The kept file belongs to the database open now: when another is opened (new,
// open, save-as) the file is let go, the import window emptied and the duplicates
// window closed, so that no button acts on the file of the database before.
void FolgDatabasen();

} // namespace innlesing
