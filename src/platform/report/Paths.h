#pragma once
// Paths as the program names them: the file system it ran on found names
// without regard to case.
#include <string>

namespace report {

// The path with each part that exists under another case spelled as it lies
// on disk; parts that do not exist are kept as given.
std::string FindWithoutCase(const std::string& path);

} // namespace report
