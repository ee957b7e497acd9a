#include "platform/dao/Journals.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/dao/Errors.h"

namespace dao::detail {

namespace {

namespace fs = std::filesystem;

constexpr std::array<unsigned char, 8> kMagic = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
// Magic, record count, checksum seed, original size, sector size, page size.
constexpr long long kHeader = 28;

class Reader {
public:
    explicit Reader(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
        struct stat st {};
        if (fd_ >= 0 && ::fstat(fd_, &st) == 0) size_ = st.st_size;
    }
    ~Reader() {
        if (fd_ >= 0) ::close(fd_);
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    bool opened() const { return fd_ >= 0; }
    long long size() const { return size_; }
    bool read(void* to, long long n, long long at) const {
        return n >= 0 && ::pread(fd_, to, static_cast<size_t>(n), at) == static_cast<ssize_t>(n);
    }
private:
    int fd_;
    long long size_ = 0;
};

uint32_t bigEndian(const unsigned char* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

// The super-journal a journal of a commit over several files names at its end, or "".
std::string superJournalOf(const Reader& journal) {
    const long long size = journal.size();
    std::array<unsigned char, 16> tail{};   // name length, checksum, magic
    if (size < kHeader + 16 || !journal.read(tail.data(), 16, size - 16)) return {};
    if (!std::equal(kMagic.begin(), kMagic.end(), tail.begin() + 8)) return {};
    const long long length = bigEndian(tail.data());
    if (length <= 0 || length > size - kHeader - 16) return {};
    std::string name(static_cast<size_t>(length), '\0');
    if (!journal.read(name.data(), length, size - 16 - length)) return {};
    // Summed char by char, as the engine wrote it: a record that does not add up names nothing.
    uint32_t sum = 0;
    for (char c : name) sum += static_cast<uint32_t>(c);
    return sum == bigEndian(tail.data() + 4) ? name : std::string();
}

enum class Journal {
    Done,       // missing, emptied or finalized, or it names a super-journal that is gone: the commit passed
    Unsynced,   // written, but its header not yet made valid: the database file is as before
    Hot,        // the next read rolls the database file back with it
};

// Whether the engine could still roll the journal back: it begins with its magic, or it
// is there but cannot be read.
bool mayBeRolledBack(const std::string& journal) {
    if (::access(journal.c_str(), F_OK) != 0) return false;
    const Reader reader(journal);
    std::array<unsigned char, kMagic.size()> magic{};
    if (!reader.opened()) return true;
    return reader.size() >= kHeader && reader.read(magic.data(), magic.size(), 0) && magic == kMagic;
}

Journal stateOf(const std::string& path) {
    const Reader journal(path);
    if (journal.size() <= 0) return Journal::Done;
    std::array<unsigned char, kHeader> header{};
    const long long n = std::min(journal.size(), kHeader);
    if (!journal.read(header.data(), n, 0)) return Journal::Hot;   // unreadable: nothing is claimed
    if (std::all_of(header.begin(), header.begin() + n, [](unsigned char b) { return b == 0; })) return Journal::Done;
    if (!std::equal(kMagic.begin(), kMagic.end(), header.begin())) return Journal::Unsynced;
    const std::string super = superJournalOf(journal);
    if (!super.empty() && ::access(super.c_str(), F_OK) != 0) return Journal::Done;
    return Journal::Hot;
}

// The engine names a super-journal after the database of its commit: "-mj", six
// upper-case hex digits, a 9, and two more ("-mj%06X9%02X").
bool superJournalName(const std::string& name, const std::string& database) {
    const std::string prefix = database + "-mj";
    if (name.size() != prefix.size() + 9 || !name.starts_with(prefix)) return false;
    const std::string_view tail = std::string_view(name).substr(prefix.size());
    const auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
    return tail[6] == '9' && std::all_of(tail.begin(), tail.begin() + 6, hex) && std::all_of(tail.begin() + 7, tail.end(), hex);
}

// A super-journal of ours that nobody needs: a plain file of this user whose content lists
// only journals beside the database, none of which the engine could still roll back (one
// with a valid header, whichever super-journal it names). An empty one is what a kill
// leaves between the engine making the file and writing its list: no journal can name a
// super-journal before its list is written, and the file holds nothing to lose. Anything
// else of the name stays.
bool staleSuperJournal(const std::string& super, const fs::path& folder) {
    const int fd = ::open(super.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st {};
    const bool ours = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
    std::string list;
    if (ours && st.st_size > 0 && st.st_size <= (1 << 20)) {
        list.resize(static_cast<size_t>(st.st_size));
        if (::pread(fd, list.data(), list.size(), 0) != static_cast<ssize_t>(list.size())) list.clear();
    }
    ::close(fd);
    if (ours && st.st_size == 0) return true;
    if (list.empty() || list.back() != '\0') return false;
    for (size_t at = 0; at < list.size();) {
        const size_t end = list.find('\0', at);
        const fs::path child(list.substr(at, end - at));
        at = end + 1;
        std::error_code ec;
        if (!child.is_absolute() || !child.filename().string().ends_with("-journal") ||
            !fs::equivalent(child.parent_path(), folder, ec) || mayBeRolledBack(child.string()))
            return false;
    }
    return true;
}

// The engine's own rule for where a journal's first record starts.
long long sectorSize(sqlite3_file* file) {
    if (file->pMethods->xDeviceCharacteristics(file) & SQLITE_IOCAP_POWERSAFE_OVERWRITE) return 512;
    const int size = file->pMethods->xSectorSize(file);
    return size < 32 ? 512 : std::min(size, 65536);
}

// After a COMMIT that answered with an error, the engine has either undone the work
// itself (its journal played back, then finalized) or passed its commit point (the
// journal finalized, its records left). Both leave a zeroed header; what tells them apart
// is the page in the journal's first record: played back, the file holds it again.
// Where the records are gone (a journal deleted or emptied) nothing is claimed.
// This rests on how the engine ends a transaction in exclusive locking mode with a
// rollback journal (as every connection here is opened): it keeps the journal and only
// zeroes its header, the records staying behind it. In any other mode the journal is
// deleted or truncated, and a failure is told as one.
bool fileHoldsTheCommit(sqlite3* db, const char* schema) {
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db, schema, SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file || !file->pMethods) return false;
    const Reader journal(sqlite3_filename_journal(sqlite3_db_filename(db, schema)));
    std::array<unsigned char, kHeader> header{};
    if (journal.size() < kHeader || !journal.read(header.data(), kHeader, 0)) return false;
    if (!std::all_of(header.begin(), header.end(), [](unsigned char b) { return b == 0; })) return false;
    std::array<unsigned char, 2> sizeField{};
    if (file->pMethods->xRead(file, sizeField.data(), 2, 16) != SQLITE_OK) return false;
    const long long pageSize = sizeField[0] == 0 && sizeField[1] == 1 ? 65536 : (sizeField[0] << 8 | sizeField[1]);
    std::vector<unsigned char> record(static_cast<size_t>(4 + pageSize)), page(static_cast<size_t>(pageSize));
    if (pageSize < 512 || !journal.read(record.data(), 4 + pageSize, sectorSize(file))) return false;
    const uint32_t pageNumber = bigEndian(record.data());
    if (pageNumber == 0 ||
        file->pMethods->xRead(file, page.data(), static_cast<int>(pageSize), (pageNumber - 1) * pageSize) != SQLITE_OK)
        return false;
    return !std::equal(page.begin(), page.end(), record.begin() + 4);
}

// The schema of the one file the transaction under way writes; "" when it writes none or
// several. A commit over several files goes through a super-journal and empties their
// journals at its end: nothing is left to decode, and nothing is claimed.
std::string onlyFileWritten(sqlite3* db) {
    std::string written;
    for (int i = 0; const char* schema = sqlite3_db_name(db, i); ++i) {
        const char* file = sqlite3_db_filename(db, schema);
        if (!file || !*file || sqlite3_txn_state(db, schema) != SQLITE_TXN_WRITE) continue;   // temp has no journal to tell
        if (!written.empty()) return {};
        written = schema;
    }
    return written;
}

} // namespace

bool CommitReachedFiles(sqlite3* db, const std::string& written) {
    // The journal of the file the commit wrote tells; another file's journal left from an
    // earlier commit of the session tells nothing of this one.
    if (written.empty() || !fileHoldsTheCommit(db, written.c_str())) return false;
    for (int i = 0; const char* schema = sqlite3_db_name(db, i); ++i) {
        const char* file = sqlite3_db_filename(db, schema);
        if (schema == written || !file || !*file) continue;   // temp and in-memory schemas have no journal of their own
        if (stateOf(sqlite3_filename_journal(file)) == Journal::Hot) return false;
    }
    return true;
}

bool JournalIsHot(const std::string& journalPath) { return stateOf(journalPath) == Journal::Hot; }

void Commit(sqlite3* db) {
    const std::string written = onlyFileWritten(db);
    const int rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) return;
    // A failing sync after the journal was finalized comes back as an error, but the
    // engine had passed its commit point: told as a failure, the work would be done twice.
    const int kind = rc & 0xff;
    if ((kind == SQLITE_IOERR || kind == SQLITE_FULL) && sqlite3_get_autocommit(db) && CommitReachedFiles(db, written)) {
        NoteStoredDespiteFailure(db);
        return;
    }
    FailSqlite(db, rc, "COMMIT");
}

void RemoveStaleJournals(const std::string& path) {
    const fs::path file(path);
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    std::vector<std::string> supers;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (superJournalName(it->path().filename().string(), file.filename().string())) supers.push_back(it->path().string());
    const std::string journal = path + "-journal";
    const bool journalThere = ::access(journal.c_str(), F_OK) == 0;
    if (!journalThere && supers.empty()) return;

    // Held as a writer holds it: a hot journal is rolled back by the lock's first read,
    // and no other process is in the middle of a commit to the file.
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK &&
        sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK) {
        if (journalThere && stateOf(journal) != Journal::Hot) ::unlink(journal.c_str());
        for (const std::string& super : supers)
            if (staleSuperJournal(super, folder)) ::unlink(super.c_str());
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

} // namespace dao::detail
