#pragma once
// The engine's error numbers with Norwegian texts naming the object concerned,
// and the translation of SQLite's result codes into them.
#include <string>
#include <string_view>

#include "platform/dao/ErrorNumbers.h"
#include "platform/vb/Err.h"

struct sqlite3;

namespace dao::detail {

// Throws vb::Err with the number and the standard Norwegian text, naming the object when given.
[[noreturn]] void Fail(int number, std::string_view object = {});
// Throws vb::Err for a failed SQLite call, read from the connection's last message.
[[noreturn]] void FailSqlite(sqlite3* db, int rc, std::string_view sql = {});

} // namespace dao::detail
