#pragma once
// A tournament database made for a test with the program's own table creators.
#include <string>

namespace kdtest {

// The tables made: all five, or without the two ranking tables.
enum class Tabeller { Alle, UtenRanking };

// Makes a new tournament database at path, named "Norges Valmorisk" and made by
// opprettetAv; DBase is left open on it.
void LagTurneringsbase(const std::string& path, const std::string& opprettetAv = "Norges Valmorisk",
                       Tabeller tabeller = Tabeller::Alle);

// As LagTurneringsbase, with Arbeidsomrade on the default workspace and Databasenavn = path.
void ApneNyTurnering(const std::string& path, const std::string& opprettetAv = "Norges Valmorisk",
                     Tabeller tabeller = Tabeller::Alle);

} // namespace kdtest
