#pragma once
// Reading a tournament's result file (Filsti) into Dommertabell: the regular
// import, which reads a file only once, and the test variant, which reads every
// row whatever its status. All changes to both files land in one transaction.

void Les_Inn_Dommerfil();
void Les_Inn_Dommerfil_Test();

namespace innlesing {

// The message every failed import shows, followed by the reason.
inline constexpr const char* FeilMelding = "OBS, Feil ved innlesing av dommerfil fra klubb! ";
// The alias the result file is attached under on the tournament database during an import.
inline constexpr const char* Alias = "Resultatfil";

} // namespace innlesing
