#pragma once
// What SQLite's rollback journals beside a database file tell: whether a commit
// that answered with an error had passed its commit point, and which of the
// journals a killed program left behind are no longer needed by anyone.
#include <string>

struct sqlite3;

namespace dao::detail {

// True when the one file a COMMIT that answered with an error wrote (its schema name,
// taken before the COMMIT) holds the work, and no other file of the connection has a
// journal left to roll back. Asked right after the COMMIT failed, before anything reads
// the files again. Needs exclusive locking mode and a rollback journal (Journals.cpp).
bool CommitReachedFiles(sqlite3* db, const std::string& written);

// True when the journal at path would roll its database file back at the next open: a
// journal left after a commit (emptied, zeroed or never made valid) is not.
bool JournalIsHot(const std::string& journalPath);

// Commits the connection's transaction; an error after the commit point is no failure:
// the change is stored and the next read finds it.
void Commit(sqlite3* db);

// Removes the stale journals of ours beside a database file: its journal once no longer
// hot, and the engine's super-journals of it (by their exact name form, this user's plain
// files) that list only finished journals beside it. Only while the file can be locked
// exclusively (a hot journal is rolled back first), never one another process uses.
void RemoveStaleJournals(const std::string& path);

} // namespace dao::detail
