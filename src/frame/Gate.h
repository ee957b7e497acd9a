#pragma once
// The open-database gate: every data function tests Databasenavn first.
#include <string>

namespace frame {

inline constexpr const char* GateMelding = "Du må åpne fil/database først!";
// The wording of "System&Data" alone.
inline constexpr const char* GateMeldingSystemdata = "Du må åpne en database/fil først!!";

// True when no database is open: the message has been shown and the caller does nothing more.
bool IngenDatabaseApen(const std::string& melding = GateMelding);

} // namespace frame
