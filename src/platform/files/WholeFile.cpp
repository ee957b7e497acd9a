#include "platform/files/WholeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <set>
#include <streambuf>
#include <vector>

#include "platform/files/Files.h"
#include "platform/files/OlderLeftovers.h"
#include "platform/files/SysError.h"
#include "platform/vb/Err.h"

namespace files {

namespace {

// Our temporary files are hidden and carry this in their name; a database built in one
// has its journal beside it under the same name with this ending (so had the older ones).
constexpr const char* kMark = ".kdtmp-";
constexpr const char* kJournal = "-journal";

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
        const std::string name = entry->d_name;
        if (name.size() < 2 || name[0] != '.') continue;
        const bool current = name.find(kMark) != std::string::npos;
        if (!current && !detail::IsOlderWriteLeftover(name)) continue;
        const std::string path = Join(in, name);
        if (name.ends_with(kJournal)) {
            journals.push_back(path);
            continue;
        }
        if (!current) {
            // Never opened here: a file an older build is still writing stays.
            struct stat st {};
            if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && !detail::HeldOpen(st)) ::unlink(path.c_str());
            continue;
        }
        if (ours().count(path)) continue;
        const Fd fd{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW)};
        // A lock we can take means the writer that made the file is gone.
        if (fd.fd >= 0 && ::flock(fd.fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
    }
    ::closedir(dir);
    // A journal outlives its database only when both were left behind.
    for (const std::string& journal : journals) {
        struct stat st {};
        const std::string base = journal.substr(0, journal.size() - std::char_traits<char>::length(kJournal));
        if (::stat(base.c_str(), &st) != 0 && errno == ENOENT) ::unlink(journal.c_str());
    }
}

WholeFile::WholeFile(const std::string& target) : target_(target) {
    CheckFileName(target);
    folder_ = FolderOf(target).empty() ? "." : FolderOf(target);
    struct stat st {};
    if (::stat(folder_.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) vb::Raise(vb::errnum::PathNotFound, "Mappen finnes ikke: " + folder_);
    if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) vb::Raise(vb::errnum::PathFileAccess, "Det er en mappe: " + target);
    RemoveWriteLeftovers(folder_);
    std::string pattern = Join(folder_, '.' + BaseName(target) + kMark + "XXXXXX");
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
        ::unlink((temp_ + kJournal).c_str());
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
    ::unlink((target_ + kJournal).c_str());
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
