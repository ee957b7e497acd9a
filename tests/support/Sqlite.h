#pragma once
// Setting up a database file for a test through SQLite itself, each step checked,
// so a case never goes on with a file that is not what it says.
#include <string>

namespace kdtest {

// Runs the SQL on the file; a failure to open or to run it is a fatal test failure.
void RunSql(const std::string& path, const std::string& sql);
// Switches the file to write-ahead logging and checks SQLite took it.
void SwitchToWal(const std::string& path);

} // namespace kdtest
