#include "platform/files/WholeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <set>
#include <streambuf>
#include <vector>

#include "platform/files/Files.h"
#include "platform/files/SysError.h"
#include "platform/vb/Err.h"

namespace files {

namespace {

// Our temporary files are named "." + target + kMark + mkstemp's six letters or digits;
// a database built in one has its journal beside it under the same name with this ending.
constexpr std::string_view kMark = ".kdtmp-";
constexpr std::string_view kJournal = "-journal";
constexpr size_t kRandom = 6;

// Whether the name has exactly the form our temporary files (or their journals) have:
// a user's file that merely looks like one is not ours to remove.
bool namedAsOurs(std::string_view name, bool& journal) {
    journal = name.ends_with(kJournal);
    if (journal) name.remove_suffix(kJournal.size());
    if (name.size() <= 1 + kMark.size() + kRandom || name[0] != '.') return false;
    const std::string_view random = name.substr(name.size() - kRandom);
    return name.substr(name.size() - kRandom - kMark.size(), kMark.size()) == kMark &&
           std::all_of(random.begin(), random.end(), [](unsigned char c) { return std::isalnum(c) && c < 0x80; });
}

// A plain file of this user, opened without following a link.
int openOwnFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

// The temporary files this process is writing: the cleaner must not open them (closing
// a descriptor of a file drops every lock SQLite holds on it in this process).
std::set<std::string>& ours() {
    static auto* live = new std::set<std::string>;
    return *live;
}

struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

void raiseErrno(int err) { detail::RaiseErrno(err ? err : EIO, detail::Missing::Folder); }

bool syncFolder(const std::string& folder) {
    const Fd dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    return dir.fd >= 0 && ::fsync(dir.fd) == 0;
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

mode_t defaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

// Keeps the first failure; later writes are dropped.
class WholeFile::Buffer : public std::streambuf {
public:
    explicit Buffer(int fd) : fd_(fd), data_(1 << 16) { setp(data_.data(), data_.data() + data_.size()); }
    int error() const { return error_; }
    void put(const char* data, size_t size) {
        if (error_ == 0 && !writeAll(fd_, data, size)) error_ = errno ? errno : EIO;
    }

protected:
    int overflow(int c) override {
        flush();
        if (c != traits_type::eof()) {
            *pptr() = static_cast<char>(c);
            pbump(1);
        }
        return error_ ? traits_type::eof() : traits_type::not_eof(c);
    }
    int sync() override {
        flush();
        return error_ ? -1 : 0;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        if (n >= static_cast<std::streamsize>(data_.size())) {
            flush();
            put(s, static_cast<size_t>(n));
            return error_ ? 0 : n;
        }
        return std::streambuf::xsputn(s, n);
    }

private:
    void flush() {
        put(pbase(), static_cast<size_t>(pptr() - pbase()));
        setp(data_.data(), data_.data() + data_.size());
    }
    int fd_;
    int error_ = 0;
    std::vector<char> data_;
};

void RemoveWriteLeftovers(const std::string& folder) {
    const std::string in = folder.empty() ? "." : folder;
    std::vector<std::string> journals;
    DIR* dir = ::opendir(in.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        bool journal = false;
        if (!namedAsOurs(entry->d_name, journal)) continue;
        const std::string path = Join(in, entry->d_name);
        if (journal) {
            journals.push_back(path);
            continue;
        }
        if (ours().count(path)) continue;
        const Fd fd{openOwnFile(path)};
        // A lock we can take means the writer that made the file is gone.
        if (fd.fd >= 0 && ::flock(fd.fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
    }
    ::closedir(dir);
    // A journal outlives its database only when both were left behind.
    for (const std::string& journal : journals) {
        struct stat st {};
        const std::string base = journal.substr(0, journal.size() - kJournal.size());
        if (::lstat(base.c_str(), &st) != 0 && errno == ENOENT && Fd{openOwnFile(journal)}.fd >= 0) ::unlink(journal.c_str());
    }
}

WholeFile::WholeFile(const std::string& target) : target_(target) {
    CheckFileName(target);
    folder_ = FolderOf(target).empty() ? "." : FolderOf(target);
    struct stat st {};
    if (::stat(folder_.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) vb::Raise(vb::errnum::PathNotFound, "Mappen finnes ikke: " + folder_);
    if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) vb::Raise(vb::errnum::PathFileAccess, "Det er en mappe: " + target);
    RemoveWriteLeftovers(folder_);
    std::string pattern = Join(folder_, '.' + BaseName(target) + std::string(kMark) + "XXXXXX");
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
        vb::Raise(vb::errnum::PermissionDenied, "Ingen tilgang: du har ikke lov til å skrive i mappen " + folder_);
    if (fd_ < 0) raiseErrno(errno);
    // A constructor that throws runs no destructor: a failed set-up removes its file itself.
    if (::fchmod(fd_, defaultMode()) != 0) {
        const int err = errno;
        ::unlink(pattern.c_str());
        ::close(fd_);
        raiseErrno(err);
    }
    temp_ = pattern;
    ours().insert(temp_);
    ::flock(fd_, LOCK_EX);
}

WholeFile::~WholeFile() {
    stream_.reset();
    buffer_.reset();
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        ::unlink((temp_ + std::string(kJournal)).c_str());
        ours().erase(temp_);
    }
    if (fd_ >= 0) ::close(fd_);
}

std::ostream& WholeFile::Stream() {
    if (!stream_) {
        buffer_ = std::make_unique<Buffer>(fd_);
        stream_ = std::make_unique<std::ostream>(buffer_.get());
    }
    return *stream_;
}

void WholeFile::Write(std::string_view bytes) { Stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size())); }

void WholeFile::SetMode(unsigned mode) {
    if (::fchmod(fd_, static_cast<mode_t>(mode & 07777)) != 0) raiseErrno(errno);
}

void WholeFile::Commit(Replace replace) {
    if (stream_) stream_->flush();
    if (buffer_ && buffer_->error()) raiseErrno(buffer_->error());
    // The bytes and the folder's entry for them reach the disk before the rename can.
    if (::fsync(fd_) != 0 || !syncFolder(folder_)) raiseErrno(errno);
    if (replace == Replace::Never && Exists(target_)) vb::Raise(vb::errnum::FileExists, target_);
    // A journal beside the target belongs to the file being replaced, or to none: left
    // there, the next open would roll it back into the new file.
    ::unlink((target_ + std::string(kJournal)).c_str());
    if (replace == Replace::Never) {
        if (::renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) != 0) {
            int err = errno;
            // File systems without the no-replace rename: test, then rename.
            if (err == EINVAL || err == ENOSYS) err = Exists(target_) ? EEXIST : (::rename(temp_.c_str(), target_.c_str()) == 0 ? 0 : errno);
            if (err == EEXIST) vb::Raise(vb::errnum::FileExists, target_);
            if (err != 0) raiseErrno(err);
        }
    } else if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        raiseErrno(errno);
    }
    ours().erase(temp_);
    temp_.clear();
    // The file is in place; this only hastens the rename to the disk.
    syncFolder(folder_);
}

} // namespace files
