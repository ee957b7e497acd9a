#pragma once
// A tournament database made for a test with the program's own table creators.
#include <string>
#include <utility>
#include <vector>

#include "platform/vb/Variant.h"

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

// Inserts one referee into DBase: the columns given with their values, then each
// flag column True and each text column with its text.
void LeggInnDommer(const std::vector<std::pair<std::string, vb::Variant>>& kolonner,
                   const std::vector<std::string>& flagg = {}, const std::vector<std::pair<std::string, std::string>>& tekster = {});

} // namespace kdtest
