#pragma once
// Reading a tournament's result file (Filsti) into Dommertabell: the regular
// import, which reads a file only once, and the test variant, which reads every
// row whatever its status. All changes to both files land in one transaction.
#include <cstdint>
#include <string>

#include "platform/dao/Dao.h"

void Les_Inn_Dommerfil();
void Les_Inn_Dommerfil_Test();
// During an import, with the file attached: marks every status-0 row whose match is
// already live for its referee (or came earlier in the file) with status 4, in one
// statement. Counts into AntallDuplikater and sets DuplikatFunnet when it found any.
void Sjekk_Duplikat();

namespace innlesing {

inline int16_t DuplikatFunnet = 0;
inline int32_t AntallDuplikater = 0;

// The last result file the import opened, kept apart from Filsti and DBaseFil,
// which other work sets to its own files. The printouts and the duplicates
// window read this one.
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

// The message every failed import shows, followed by the reason.
inline constexpr const char* FeilMelding = "OBS, Feil ved innlesing av dommerfil fra klubb! ";
// The alias the result file is attached under on the tournament database during an import.
inline constexpr const char* Alias = "Resultatfil";

} // namespace innlesing
