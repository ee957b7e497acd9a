#pragma once
// The engine's error numbers with Norwegian texts naming the object concerned,
// and the translation of SQLite's result codes into them.
#include <string>
#include <string_view>

#include "platform/vb/Err.h"

struct sqlite3;

namespace dao::detail {

// Numbers the layer raises beyond those the program tests by name.
namespace num {
constexpr int ObjectExists = 3012;
constexpr int DuplicateKey = 3022;
constexpr int NoTransaction = 3034;
constexpr int InvalidPath = 3044;       // not vb::errnum::PathNotFound (76): the engine's own
constexpr int SelectNotExecutable = 3065;
constexpr int BadName = 3125;
constexpr int FieldNotUpdatable = 3164;
constexpr int RecordDeleted = 3167;
constexpr int TableLocked = 3211;
constexpr int NoFieldDefined = 3264;
constexpr int IndexExists = 3284;
constexpr int NullNotAllowed = 3314;
constexpr int ObjectInvalid = 3420;
constexpr int Reserved = 3000;
constexpr int FileGone = 3024;       // the open file was deleted or moved away
constexpr int FileReplaced = 3197;   // another program replaced or wrote the open file
} // namespace num

// Throws vb::Err with the number and the standard Norwegian text, naming the object when given.
[[noreturn]] void Fail(int number, std::string_view object = {});
// Throws vb::Err for a failed SQLite call, read from the connection's last message.
[[noreturn]] void FailSqlite(sqlite3* db, int rc, std::string_view sql = {});

} // namespace dao::detail
