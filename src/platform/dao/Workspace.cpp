// Workspace 0: opening and creating files, and transactions that span every
// open connection (savepoints for the inner levels).
#include "platform/dao/Connection.h"
#include "platform/dao/Errors.h"
#include "platform/dao/Journals.h"

#include <utility>

namespace dao {

using detail::Fail;

namespace {

std::string begin(int level) { return level == 1 ? std::string("BEGIN") : "SAVEPOINT dao_tx" + std::to_string(level); }
std::string end(int level, bool commit) {
    if (level == 1) return commit ? "COMMIT" : "ROLLBACK";
    const std::string name = "dao_tx" + std::to_string(level);
    return commit ? "RELEASE " + name : "ROLLBACK TO " + name + "; RELEASE " + name;
}

// The handle's own flag: when the last copy of an unclosed handle goes, its share of the file goes too.
std::shared_ptr<bool> handleFlag(const std::shared_ptr<DatabaseImpl>& conn) {
    return std::shared_ptr<bool>(new bool(false), [conn](bool* flag) {
        if (!*flag) conn->releaseHandle();
        delete flag;
    });
}

// SQLite undoes a whole transaction by itself on some failures (disk full, I/O
// error); the connection is then back in autocommit and has nothing left to undo.
bool undoneByEngine(const DatabaseImpl& conn) { return conn.db && sqlite3_get_autocommit(conn.db); }

void undo(DatabaseImpl& conn, int level) {
    if (!undoneByEngine(conn)) conn.exec(end(level, false));
}

// Ends one transaction level on every connection; the first failure is raised after all were tried.
// A commit that fails undoes the level everywhere, so the files stay all-or-nothing, and
// leaves a note that the caller's Rollback of that level has nothing more to do: the
// commit's own error is then the one the caller passes on.
void finish(bool commit) {
    auto& reg = detail::registry();
    const int undone = std::exchange(reg.undoneLevel, 0);
    if (!commit && undone > 0 && undone == reg.txDepth + 1) return;
    if (reg.txDepth == 0) Fail(dao::errnum::NoTransaction);
    const int level = reg.txDepth;
    std::vector<std::shared_ptr<DatabaseImpl>> taking;
    for (auto& conn : reg.connections())
        if (conn->txDepth == level) taking.push_back(std::move(conn));
    std::exception_ptr failure;
    for (const auto& conn : taking) {
        try {
            if (!commit) {
                undo(*conn, level);
            } else if (undoneByEngine(*conn)) {
                // An earlier failure, caught and ignored, took the work with it.
                Fail(dao::errnum::DiskError, "transaksjonen ble avbrutt av en tidligere feil");
            } else if (level == 1) {
                detail::Commit(conn->db);
            } else {
                conn->exec(end(level, true));
            }
        } catch (...) {
            if (!failure) failure = std::current_exception();
        }
    }
    if (commit && failure) {
        for (const auto& conn : taking) {
            try {
                undo(*conn, level);
            } catch (...) {
            }
        }
        reg.undoneLevel = level;
    }
    for (const auto& conn : taking) {
        --conn->txDepth;
        // Tables or fields made in the undone work are gone again.
        if (!commit || failure) conn->schemaChanged();
        if (level == 1 && conn->proven) detail::MarkFile(*conn, commit && !failure);
    }
    reg.txDepth = level - 1;
    if (failure) std::rethrow_exception(failure);
}
} // namespace

namespace detail {

void JoinTransaction(DatabaseImpl& conn) {
    const int depth = registry().txDepth;
    for (int level = conn.txDepth + 1; level <= depth; ++level) {
        conn.exec(begin(level));
        conn.txDepth = level;
    }
}

} // namespace detail

Database Workspace::OpenDatabase(const std::string& path, bool exclusive, bool readOnly) {
    Database db;
    db.impl_ = detail::OpenConnection(path, exclusive, readOnly);
    db.closed_ = handleFlag(db.impl_);
    return db;
}

Database Workspace::CreateDatabase(const std::string& path, const std::string&, int) {
    // Our collation is the same whatever the locale, and there is one file format.
    Database db;
    db.impl_ = detail::CreateConnection(path, false);
    db.closed_ = handleFlag(db.impl_);
    return db;
}

Database Workspace::CreateDatabaseIn(const std::string& emptyFile) {
    Database db;
    db.impl_ = detail::CreateConnection(emptyFile, true);
    db.closed_ = handleFlag(db.impl_);
    return db;
}

void Workspace::BeginTrans() {
    auto& reg = detail::registry();
    reg.undoneLevel = 0;
    const int level = reg.txDepth + 1;
    const auto conns = reg.connections();
    std::vector<std::shared_ptr<DatabaseImpl>> begun;
    try {
        for (const auto& conn : conns) {
            if (conn->txDepth != level - 1) continue;
            detail::WriteBegins(conn->db);
            conn->exec(begin(level));
            ++conn->txDepth;
            begun.push_back(conn);
        }
    } catch (...) {
        for (const auto& conn : begun) {
            sqlite3_exec(conn->db, end(level, false).c_str(), nullptr, nullptr, nullptr);
            --conn->txDepth;
        }
        throw;
    }
    reg.txDepth = level;
}

void Workspace::CommitTrans() { finish(true); }

void Workspace::Rollback() { finish(false); }

bool Workspace::InTransaction() const { return detail::registry().txDepth > 0; }

void Workspace::Close() {
    auto& reg = detail::registry();
    for (const auto& conn : reg.connections()) conn->close();
    reg.txDepth = 0;
    reg.undoneLevel = 0;
}

Workspace& DBEngine::Workspaces(int index) {
    if (index != 0) Fail(dao::errnum::NoSuchItem, "Workspaces(" + std::to_string(index) + ")");
    static Workspace workspace;
    return workspace;
}

} // namespace dao
