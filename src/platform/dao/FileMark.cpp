// A write goes only into the file the connection opened and last wrote. SQLite's locks
// are advisory and its exclusive mode trusts its cache: a file deleted, replaced or
// overwritten by another program under the open connection would otherwise take pages
// meant for another file, or come out damaged.
#include <sys/stat.h>

#include <optional>

#include "platform/dao/Connection.h"
#include "platform/dao/Errors.h"
#include "platform/dao/Journals.h"

namespace dao::detail {

namespace {

// The header as it lies on disk, read through the connection's own descriptor: opening
// another one on the file and closing it would drop the connection's locks. The engine
// rewrites it at every commit of ours (the change counter), and so does any other writer.
std::array<unsigned char, 100> headerOnDisk(sqlite3* db) {
    std::array<unsigned char, 100> header{};
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) == SQLITE_OK && file && file->pMethods)
        file->pMethods->xRead(file, header.data(), static_cast<int>(header.size()), 0);
    return header;
}

std::optional<FileMark> markOf(const DatabaseImpl& conn) {
    struct stat st {};
    if (::stat(conn.path.c_str(), &st) != 0) return std::nullopt;
    return FileMark{{st.st_dev, st.st_ino}, static_cast<long long>(st.st_size), headerOnDisk(conn.db)};
}

} // namespace

int ForeignChange(const DatabaseImpl& conn) {
    const auto now = markOf(conn);
    if (!now) return dao::errnum::FileGone;
    if (now->id != conn.id || (!conn.readOnly && !conn.markLoose && *now != conn.mark)) return dao::errnum::FileReplaced;
    return 0;
}

void MarkFile(DatabaseImpl& conn, bool settled) noexcept {
    conn.proven = false;
    // After a failure the engine may roll its journal back into the file later, at a
    // read of its own choosing: until the next write of ours only the identity holds.
    conn.markLoose = !settled;
    if (!conn.db || conn.readOnly) return;
    if (const auto now = markOf(conn)) conn.mark = *now;
}

void ProveFileUnchanged(DatabaseImpl& conn) {
    if (const int number = ForeignChange(conn)) Fail(number, conn.path);
}

Writing::Writing(DatabaseImpl& conn) : conn_(conn) {
    if (conn.readOnly || conn.proven) return;   // the engine refuses the write; or proved for this transaction
    ProveFileUnchanged(conn);
    if (conn.txDepth > 0 || !sqlite3_get_autocommit(conn.handle())) {
        conn.proven = true;
        return;
    }
    conn.exec("BEGIN");
    own_ = true;
}

Writing::~Writing() {
    if (!own_) return;
    if (!sqlite3_get_autocommit(conn_.db)) sqlite3_exec(conn_.db, "ROLLBACK", nullptr, nullptr, nullptr);
    MarkFile(conn_, false);
}

void Writing::commit() {
    if (!own_) return;
    Commit(conn_.db);   // on failure the destructor undoes what is left and notes the file
    own_ = false;
    MarkFile(conn_, true);
}

} // namespace dao::detail
