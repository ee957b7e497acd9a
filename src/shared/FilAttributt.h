#pragma once
// Makes a read-only database file writable before it is opened or read.
#include <string>

namespace shared {

// Attribute word exactly 1 or 33 becomes 0; any other word stays. Raises the
// file layer's errors (52 for a name with a wildcard, 53 for a missing file).
void GjorSkrivbar(const std::string& path);

} // namespace shared
