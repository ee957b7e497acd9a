#pragma once
// The one SQLite connection per database file of this process, shared by every
// Database handle on the file, with its caches of statements, table layouts
// and recordset plans; and the process-wide list of open files.
#include <sqlite3.h>
#include <sys/types.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/dao/Dao.h"
#include "platform/dao/Schema.h"
#include "platform/dao/Statement.h"

namespace dao {

namespace detail {

struct FileId {
    dev_t dev = 0;
    ino_t ino = 0;
    auto operator<=>(const FileId&) const = default;
};

struct Plan;

// The database file as this process last left it: what a write first proves unchanged.
// Its times are no part of it: a touch, a sync or a backup tool sets them without writing.
struct FileMark {
    FileId id;
    long long size = 0;
    std::array<unsigned char, 100> header{};   // the engine's file header, change counter included
    bool operator==(const FileMark&) const = default;
};

} // namespace detail

struct DatabaseImpl {
    ~DatabaseImpl();
    sqlite3* db = nullptr;          // null once closed
    std::string path;
    detail::FileId id;
    bool readOnly = false;
    bool exclusive = false;
    unsigned long long serial = 0;  // this opening's number, never reused in the process
    long long schemaChanges = 0;
    int handles = 0;                // open Database handles on this connection
    int txDepth = 0;                // workspace transaction levels this connection takes part in
    long affected = 0;
    std::vector<std::pair<std::string, detail::FileId>> attached;   // alias, file
    detail::FileMark mark;          // the file as this connection last left it
    bool proven = false;            // proved unchanged for the workspace transaction under way
    bool markLoose = false;         // after a failure only the file's identity is proved next
    bool sweepWal = false;          // its reads made the -wal and -shm of a file in WAL mode

    sqlite3* handle() const;        // 3420 once closed
    void exec(const std::string& sql);
    // A prepared statement for the text, shared and kept for the next use; never one that a
    // forward-only recordset is still running.
    std::shared_ptr<detail::Statement> statement(const std::string& sql);
    // The kept statement, or one of the same text for this use alone while the kept one runs.
    std::shared_ptr<detail::Statement> idle(const std::shared_ptr<detail::Statement>& kept);
    // The layout of a table (case-insensitive name), null when it does not exist.
    std::shared_ptr<const detail::TableInfo> table(std::string_view schema, std::string_view name);
    // How a source text opens as a recordset (defined with the recordsets).
    std::shared_ptr<const detail::Plan> plan(const std::string& source, bool updatable);
    // Drops everything derived from the schema after a change to it.
    void schemaChanged();
    void addHandle() { ++handles; }
    void releaseHandle() noexcept;
    void close() noexcept;

private:
    // A prepared statement for one holder alone, finalized at close as the shared ones are.
    std::shared_ptr<detail::Statement> ownStatement(const std::string& sql);
    std::unordered_map<std::string, std::shared_ptr<detail::Statement>> statements_;
    std::vector<std::weak_ptr<detail::Statement>> issued_;   // finalized at close, wherever they are held
    std::unordered_map<std::string, std::shared_ptr<const detail::TableInfo>> tables_;
    std::unordered_map<std::string, std::shared_ptr<const detail::Plan>> plans_;
};

namespace detail {

// Workspace 0: the open files and the transaction level.
struct Registry {
    std::map<FileId, std::weak_ptr<DatabaseImpl>> open;
    std::map<FileId, DatabaseImpl*> attached;   // files ATTACHed to a connection
    int txDepth = 0;
    int undoneLevel = 0;    // the level a failed commit undid, whose Rollback is still to come
    std::vector<std::shared_ptr<DatabaseImpl>> connections();   // those still open
};
Registry& registry();

// Opening, creating and attaching files (Opening.cpp).
std::shared_ptr<DatabaseImpl> OpenConnection(const std::string& path, bool exclusive, bool readOnly);
// inEmptyFile: the file exists, empty, and is the caller's to remove on failure.
std::shared_ptr<DatabaseImpl> CreateConnection(const std::string& path, bool inEmptyFile);
void AttachFile(DatabaseImpl& conn, const std::string& path, const std::string& alias);
void DetachFile(DatabaseImpl& conn, const std::string& alias);
// A file in WAL mode keeps the -wal and -shm a read-only connection made; only a connection
// able to write removes them, as the file's last connection, when it closes. Leaves them to
// any other connection on the file, and where the file cannot be written.
void SweepWal(const std::string& path) noexcept;
// ALTER TABLE ADD COLUMN with the column's check, without re-checking the existing rows.
void AddColumn(DatabaseImpl& conn, const std::string& table, const Field& f);
// A connection opened while the workspace is in a transaction takes part in it.
void JoinTransaction(DatabaseImpl& conn);

// Notes the file as it stands after this connection's own work (FileMark.cpp);
// settled: the work ended without an error.
void MarkFile(DatabaseImpl& conn, bool settled) noexcept;
// What another program did to the file at the connection's name since this connection
// last left it: 0 (nothing), FileGone (deleted or moved away) or FileReplaced (another
// file put there, or this one written into). Its times alone are no change.
int ForeignChange(const DatabaseImpl& conn);
// Refuses a write into a file that is gone, replaced or written by another program
// since this connection last left it: 3024 or 3197, and nothing is written.
void ProveFileUnchanged(DatabaseImpl& conn);

// One write on the connection. It first proves the file unchanged (once per workspace
// transaction); outside one it runs as a transaction of its own, committed by commit().
class Writing {
public:
    explicit Writing(DatabaseImpl& conn);
    ~Writing();     // undoes its own transaction when commit() was not reached
    Writing(const Writing&) = delete;
    Writing& operator=(const Writing&) = delete;
    void commit();
private:
    DatabaseImpl& conn_;
    bool own_ = false;
};

} // namespace detail
} // namespace dao
