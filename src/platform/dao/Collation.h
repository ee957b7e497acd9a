#pragma once
// Text comparison as the program expects it on every connection: NOCASE folds
// the Latin-1 letters too and puts Æ, Ø, Å after Z; LIKE folds them alike.
struct sqlite3;

namespace dao::detail {

void RegisterTextRules(sqlite3* db);

} // namespace dao::detail
