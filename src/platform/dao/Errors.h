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

// A commit on db was stored though the disk answered with an error: until the next write
// on db, its next failure tells that the change is stored and only what came after failed,
// so the user does not make the change again.
void NoteStoredDespiteFailure(sqlite3* db);
// A write begins on db: its failures are its own again.
void WriteBegins(sqlite3* db);

} // namespace dao::detail
