#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/files/Files.h"
#include "platform/files/SysError.h"
#include "platform/files/WholeFile.h"
#include "platform/vb/Err.h"

namespace files {

namespace {

struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

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
    WholeFile copy(target);
    std::vector<char> buf(1 << 16);
    for (;;) {
        const ssize_t n = ::read(in.fd, buf.data(), buf.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) detail::RaiseErrno(errno);
        if (n == 0) break;
        copy.Write(std::string_view(buf.data(), static_cast<size_t>(n)));
    }
    copy.SetMode((src.st_mode & 0777) | S_IRUSR | S_IWUSR);
    copy.Commit();
}

} // namespace files
