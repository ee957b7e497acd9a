#pragma once
// What SQLite's rollback journals beside a database file tell: whether a commit
// that answered with an error had passed its commit point, and which of the
// journals a killed program left behind are no longer needed by anyone.
#include <string>

struct sqlite3;

namespace dao::detail {

// True when every file of the connection has its last commit on disk: no journal of
// the connection is still one that the next read will roll back. Asked right after a
// COMMIT failed, before anything reads the files again.
bool CommitReachedFiles(sqlite3* db);

// Commits the connection's transaction; an error after the commit point is no failure:
// the change is stored and the next read finds it.
void Commit(sqlite3* db);

// Removes the stale journals of ours beside a database file: a journal that is no
// longer hot and super-journals that no hot journal names. Only while the file can be
// locked exclusively (a hot journal is rolled back first), never one another process uses.
void RemoveStaleJournals(const std::string& path);

} // namespace dao::detail
