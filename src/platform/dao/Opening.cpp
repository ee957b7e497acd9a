// Opening, creating and attaching database files. A file is proved to be a
// whole database before it is taken into use, and is then held exclusively.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/dao/Collation.h"
#include "platform/dao/Connection.h"
#include "platform/dao/Errors.h"
#include "platform/dao/Journals.h"
#include "platform/dao/Stopping.h"

namespace dao::detail {

namespace {

constexpr const char* kApplicationId = "PRAGMA application_id = 1263944780";   // marks files made here

[[noreturn]] void cannotOpen(const std::string& path, const char* reason) {
    Fail(dao::errnum::CannotOpen, "'" + path + "' (" + reason + ")");
}

std::string folderOf(const std::string& path) {
    const auto parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

struct Proof {
    FileId id;
    long long size = 0;
};

// What stat can tell without opening a descriptor (closing one would drop
// SQLite's locks on a file this process holds).
Proof proveFile(const std::string& path, bool forWriting) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) cannotOpen(path, "filen finnes ikke");
    if (S_ISDIR(st.st_mode)) cannotOpen(path, "det er en mappe");
    if (!S_ISREG(st.st_mode)) cannotOpen(path, "ikke en vanlig fil");
    if (st.st_size == 0) cannotOpen(path, "filen er tom");
    if (forWriting && ::access(path.c_str(), W_OK) != 0) cannotOpen(path, "filen er skrivebeskyttet");
    if (forWriting && ::access(folderOf(path).c_str(), W_OK) != 0) cannotOpen(path, "mappen er skrivebeskyttet");
    return {{st.st_dev, st.st_ino}, static_cast<long long>(st.st_size)};
}

long long pragmaNumber(sqlite3* db, const std::string& pragma) {
    sqlite3_stmt* stmt = nullptr;
    long long value = -1;
    int rc = sqlite3_prepare_v2(db, pragma.c_str(), -1, &stmt, nullptr);
    if (rc == SQLITE_OK && (rc = sqlite3_step(stmt)) == SQLITE_ROW) value = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return rc == SQLITE_ROW ? value : -(rc + 1000);
}

int readSchema(sqlite3* db, const std::string& schema) {
    return sqlite3_exec(db, ("SELECT count(*) FROM " + Quote(schema) + ".sqlite_master").c_str(), nullptr, nullptr, nullptr);
}

// Why the schema of a file could not be read: busy or locked by another process, or
// something that is no whole database.
[[noreturn]] void refuseUnreadable(int rc, const std::string& path) {
    if ((rc & 0xff) == SQLITE_BUSY) Fail(dao::errnum::InUse, path);
    if ((rc & 0xff) == SQLITE_LOCKED) cannotOpen(path, "filen er låst");
    if ((rc & 0xff) == SQLITE_CANTOPEN) cannotOpen(path, "filen kan ikke åpnes");
    cannotOpen(path, "filen er ikke en database, eller den er skadet");
}

// Reads the schema of one file of the connection: a foreign or damaged file is
// refused here, and a file locked by another process answers busy.
void proveDatabase(sqlite3* db, const std::string& schema, const std::string& path, long long fileSize) {
    const int rc = readSchema(db, schema);
    if (rc != SQLITE_OK) refuseUnreadable(rc, path);
    const long long pages = pragmaNumber(db, "PRAGMA " + Quote(schema) + ".page_count");
    const long long pageSize = pragmaNumber(db, "PRAGMA " + Quote(schema) + ".page_size");
    if (pages <= 0 || pageSize <= 0 || pages * pageSize > fileSize) cannotOpen(path, "databasen er avkortet eller skadet");
}

// Takes the exclusive lock at once, so a second process is refused at its open, not later.
void lockExclusively(sqlite3* db, const std::string& path) {
    const int rc = sqlite3_exec(db, "BEGIN EXCLUSIVE; COMMIT;", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) return;
    // The error is read before the rollback, whose own message ("no transaction is
    // active", after a disk error undid it already) would take its place.
    try {
        if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED) Fail(dao::errnum::InUse, path);
        FailSqlite(db, rc);
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void run(sqlite3* db, const std::string& sql) {
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) FailSqlite(db, rc, sql);
}

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Owned = std::unique_ptr<sqlite3, Closer>;

Owned openSqlite(const std::string& path, bool readOnly) {
    sqlite3* raw = nullptr;
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    Owned db(raw);
    if (rc != SQLITE_OK) cannotOpen(path, "filen kan ikke åpnes");
    if (!readOnly && sqlite3_db_readonly(raw, "main") == 1) cannotOpen(path, "filen er skrivebeskyttet");
    RegisterTextRules(raw);
    WatchForStop(raw);
    return db;
}

// A process killed in the middle of a write leaves a journal that the next connection
// able to write rolls back ("hot"); a read-only connection cannot and answers
// READONLY_ROLLBACK. The rollback is the one write a file gets before it is proved:
// it puts back the whole file as it was before the killed write began.
void rollBackHotJournal(const std::string& path) {
    if (::access(path.c_str(), W_OK) != 0 || ::access(folderOf(path).c_str(), W_OK) != 0)
        cannotOpen(path, "en avbrutt skriving kan ikke rulles tilbake fordi filen er skrivebeskyttet");
    Owned db = openSqlite(path, false);
    const int rc = readSchema(db.get(), "main");
    if (rc != SQLITE_OK) refuseUnreadable(rc, path);
}

bool walFilesThere(const std::string& path) {
    return ::access((path + "-wal").c_str(), F_OK) == 0 || ::access((path + "-shm").c_str(), F_OK) == 0;
}

// A read-only connection on the file, after any journal left by a crash was rolled back.
Owned openReadOnly(const std::string& path) {
    Owned db = openSqlite(path, true);
    if (readSchema(db.get(), "main") != SQLITE_READONLY_ROLLBACK) return db;
    db.reset();
    rollBackHotJournal(path);
    return openSqlite(path, true);
}

std::shared_ptr<DatabaseImpl> adopt(Owned db, const std::string& path, const FileId& id, bool exclusive, bool readOnly) {
    // The whole match table stays in memory for the counts and lists that read it again and
    // again, up to a federation's million matches (about 100 MiB; at most 256 MiB, taken only
    // as pages are read; SQLite's default is 2 MiB).
    run(db.get(), "PRAGMA cache_size = -262144");
    static unsigned long long openings = 0;
    auto conn = std::make_shared<DatabaseImpl>();
    conn->serial = ++openings;
    conn->db = db.release();
    conn->path = path;
    conn->id = id;
    conn->exclusive = exclusive;
    conn->readOnly = readOnly;
    conn->handles = 1;
    registry().open[id] = conn;
    MarkFile(*conn, true);
    JoinTransaction(*conn);
    return conn;
}

std::string fileUri(const std::string& path, bool readOnly) {
    std::string uri = "file:";
    for (char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            static constexpr char hex[] = "0123456789ABCDEF";
            uri += '%';
            uri += hex[(static_cast<unsigned char>(c) >> 4) & 0xF];
            uri += hex[static_cast<unsigned char>(c) & 0xF];
        } else {
            uri += c;
        }
    }
    return uri + (readOnly ? "?mode=ro" : "?mode=rw");
}

// A name this process holds open must still lead to the file it opened, as it left it: a
// second handle on a replacement would write into another file than the one the program
// shows, and one sharing the connection of a file another program wrote would read the
// old file's pages.
void refuseLostName(const std::string& path) {
    for (const auto& conn : registry().connections()) {
        if (conn->path != path) continue;
        if (const int number = ForeignChange(*conn)) Fail(number, path);
    }
}

} // namespace

std::shared_ptr<DatabaseImpl> OpenConnection(const std::string& path, bool exclusive, bool readOnly) {
    refuseLostName(path);
    const Proof proof = proveFile(path, !readOnly);
    auto& reg = registry();
    if (reg.attached.count(proof.id)) Fail(dao::errnum::InUse, path);
    if (const auto it = reg.open.find(proof.id); it != reg.open.end()) {
        if (auto conn = it->second.lock(); conn && conn->db) {
            if (!readOnly && conn->readOnly) cannotOpen(path, "filen er allerede åpnet skrivebeskyttet");
            if (exclusive && !conn->exclusive) {
                conn->exec("PRAGMA locking_mode = EXCLUSIVE");
                // Within a transaction the lock comes with the next write instead.
                if (conn->txDepth == 0) lockExclusively(conn->db, path);
                conn->exclusive = true;
            }
            conn->addHandle();
            return conn;
        }
    }
    // What a killed program left beside the file goes before this connection can take a journal into use.
    if (!readOnly) RemoveStaleJournals(path);
    const bool walBefore = walFilesThere(path);
    Owned db = readOnly ? openReadOnly(path) : openSqlite(path, false);
    // Exclusive locking and a rollback journal keep a finalized journal beside the file:
    // the outcome of a failed commit is read from it (Journals.cpp).
    if (exclusive) run(db.get(), "PRAGMA locking_mode = EXCLUSIVE");
    try {
        proveDatabase(db.get(), "main", path, proof.size);
    } catch (...) {
        db.reset();
        if (readOnly && !walBefore) SweepWal(path);
        throw;
    }
    if (!readOnly) run(db.get(), "PRAGMA journal_mode = DELETE");
    if (exclusive) lockExclusively(db.get(), path);
    auto conn = adopt(std::move(db), path, proof.id, exclusive, readOnly);
    conn->sweepWal = readOnly && !walBefore;
    return conn;
}

void SweepWal(const std::string& path) noexcept {
    if (!walFilesThere(path)) return;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK)
        readSchema(db, "main");
    sqlite3_close(db);
}

std::shared_ptr<DatabaseImpl> CreateConnection(const std::string& path, bool inEmptyFile) {
    struct stat st {};
    const std::string folder = folderOf(path);
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) Fail(dao::errnum::InvalidPath, folder);
    if (inEmptyFile) {
        if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != 0) Fail(dao::errnum::DatabaseExists, path);
    } else {
        const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) Fail(dao::errnum::DatabaseExists, path);
            if (errno == ENOENT || errno == ENOTDIR) Fail(dao::errnum::InvalidPath, folder);
            cannotOpen(path, "filen kan ikke opprettes");
        }
        ::close(fd);
    }
    try {
        Owned db = openSqlite(path, false);
        run(db.get(), "PRAGMA locking_mode = EXCLUSIVE");
        run(db.get(), "PRAGMA journal_mode = DELETE");
        // The whole-file writer flushes its temporary file to disk before it replaces the target.
        if (inEmptyFile) run(db.get(), "PRAGMA synchronous = OFF");
        // A first write, so the new file is a database and never an empty file.
        run(db.get(), std::string("BEGIN EXCLUSIVE; ") + kApplicationId + "; COMMIT;");
        if (::stat(path.c_str(), &st) != 0) cannotOpen(path, "filen forsvant");
        return adopt(std::move(db), path, {st.st_dev, st.st_ino}, true, false);
    } catch (...) {
        if (!inEmptyFile) ::unlink(path.c_str());
        throw;
    }
}

void AttachFile(DatabaseImpl& conn, const std::string& path, const std::string& alias) {
    sqlite3* db = conn.handle();
    if (alias.empty() || SameName(alias, "main") || SameName(alias, "temp")) Fail(dao::errnum::BadName, alias);
    for (const auto& [name, file] : conn.attached)
        if (SameName(name, alias)) Fail(dao::errnum::ObjectExists, alias);
    if (conn.txDepth > 0 || !sqlite3_get_autocommit(db)) Fail(dao::errnum::InUse, path);
    const Proof proof = proveFile(path, !conn.readOnly);
    auto& reg = registry();
    if (reg.attached.count(proof.id) || proof.id == conn.id) Fail(dao::errnum::InUse, path);
    if (const auto it = reg.open.find(proof.id); it != reg.open.end() && !it->second.expired()) Fail(dao::errnum::InUse, path);

    // Proved on its own, read-only, before the attach can write to it.
    const bool walBefore = walFilesThere(path);
    proveDatabase(openReadOnly(path).get(), "main", path, proof.size);
    if (!walBefore) SweepWal(path);

    const auto attach = std::make_shared<Statement>(db, "ATTACH DATABASE ?1 AS " + Quote(alias));
    {
        Use use(*attach);
        const std::string uri = fileUri(path, conn.readOnly);
        sqlite3_bind_text(*use, 1, uri.c_str(), -1, SQLITE_TRANSIENT);
        try {
            use.step();
        } catch (const vb::Err&) {
            refuseUnreadable(sqlite3_extended_errcode(db), path);
        }
    }
    attach->finalize();
    try {
        if (conn.exclusive) run(db, "PRAGMA " + Quote(alias) + ".locking_mode = EXCLUSIVE");
        proveDatabase(db, alias, path, proof.size);
        if (!conn.readOnly) run(db, "PRAGMA " + Quote(alias) + ".journal_mode = DELETE");
        if (conn.exclusive) lockExclusively(db, path);
    } catch (...) {
        sqlite3_exec(db, ("DETACH DATABASE " + Quote(alias)).c_str(), nullptr, nullptr, nullptr);
        throw;
    }
    conn.attached.emplace_back(alias, proof.id);
    reg.attached[proof.id] = &conn;
    conn.schemaChanged();
}

void DetachFile(DatabaseImpl& conn, const std::string& alias) {
    for (auto it = conn.attached.begin(); it != conn.attached.end(); ++it) {
        if (!SameName(it->first, alias)) continue;
        conn.schemaChanged();   // cached statements on the file would keep it busy
        conn.exec("DETACH DATABASE " + Quote(it->first));
        registry().attached.erase(it->second);
        conn.attached.erase(it);
        return;
    }
    Fail(dao::errnum::NoSuchItem, alias);
}

} // namespace dao::detail
