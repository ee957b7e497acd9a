#pragma once
// The open-database gate: every data function tests Databasenavn first.
#include <string>

namespace shared {

inline constexpr const char* GateMelding = "Du må åpne fil/database først!";
// The wording of "System&Data" alone.
inline constexpr const char* GateMeldingSystemdata = "Du må åpne en database/fil først!!";

// Reading referees in is refused once the register holds any (the menu and the read-in itself).
inline constexpr const char* HarDommereMelding =
    "Databasen inneholder allerede dommere!\rDa er denne funksjon ikke tillatt!\r"
    "Du må i såfall opprette en ny database først!";

// True when no database is open: the message has been shown and the caller does nothing more.
bool IngenDatabaseApen(const std::string& melding = GateMelding);

} // namespace shared
