#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/files/Files.h"
#include "platform/files/SysError.h"
#include "platform/vb/Err.h"

namespace files {

namespace {

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Our temporary copies are hidden files with this in their name; the copying
// process holds a lock on its own for as long as it lives.
constexpr const char* kCopyMark = ".kdkopi-";

// The copy's bytes go to a temporary file beside the target, which only a
// finished copy replaces: a failure leaves the target as it was.
class TempFile {
public:
    explicit TempFile(const std::string& target) {
        const std::string folder = FolderOf(target).empty() ? "." : FolderOf(target);
        std::string pattern = Join(folder, "." + BaseName(target) + kCopyMark + "XXXXXX");
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        fd_ = ::mkstemp(buf.data());
        if (fd_ < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
            vb::Raise(vb::errnum::PermissionDenied, "Ingen tilgang: du har ikke lov til å skrive i mappen " + folder);
        if (fd_ < 0) detail::RaiseErrno(errno, detail::Missing::Folder);
        path_ = buf.data();
        ::flock(fd_, LOCK_EX);
    }
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    int fd() const { return fd_; }
    // Closes the file and moves it onto the target.
    void commit(const std::string& target) {
        const int fd = fd_;
        fd_ = -1;
        if (::fsync(fd) != 0 || ::close(fd) != 0) detail::RaiseErrno(errno);
        if (::rename(path_.c_str(), target.c_str()) != 0) detail::RaiseErrno(errno);
        path_.clear();
    }

private:
    int fd_ = -1;
    std::string path_;
};

struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

void RemoveCopyLeftovers(const std::string& folder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() < 2 || name[0] != '.' || name.find(kCopyMark) == std::string::npos) continue;
        const std::string path = Join(folder, name);
        const Fd fd{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW)};
        // A lock we can take means the copy that made the file is gone.
        if (fd.fd >= 0 && ::flock(fd.fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
    }
    ::closedir(dir);
}

void FileCopy(const std::string& source, const std::string& target) {
    CheckFileName(source);
    CheckFileName(target);
    struct stat src {};
    if (::stat(source.c_str(), &src) != 0) detail::RaiseErrno(errno);
    if (S_ISDIR(src.st_mode)) vb::Raise(vb::errnum::PathFileAccess);

    const std::string folder = FolderOf(target).empty() ? "." : FolderOf(target);
    struct stat dir {};
    if (::stat(folder.c_str(), &dir) != 0 || !S_ISDIR(dir.st_mode)) vb::Raise(vb::errnum::PathNotFound);

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        // Copying a file onto itself would only destroy it.
        if (old.st_dev == src.st_dev && old.st_ino == src.st_ino) vb::Raise(vb::errnum::PermissionDenied);
        if (S_ISDIR(old.st_mode) || !(old.st_mode & S_IWUSR)) vb::Raise(vb::errnum::PathFileAccess);
    }

    const Fd in{::open(source.c_str(), O_RDONLY | O_CLOEXEC)};
    if (in.fd < 0) detail::RaiseErrno(errno);
    RemoveCopyLeftovers(folder);
    TempFile temp(target);
    std::vector<char> buf(1 << 16);
    for (;;) {
        const ssize_t n = ::read(in.fd, buf.data(), buf.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) detail::RaiseErrno(errno);
        if (n == 0) break;
        if (!writeAll(temp.fd(), buf.data(), static_cast<size_t>(n))) detail::RaiseErrno(errno ? errno : EIO);
    }
    if (::fchmod(temp.fd(), (src.st_mode & 0777) | S_IRUSR | S_IWUSR) != 0) detail::RaiseErrno(errno);
    temp.commit(target);
}

} // namespace files
