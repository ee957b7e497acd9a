#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/files/Files.h"
#include "platform/files/SysError.h"
#include "platform/vb/Err.h"

namespace files {

void MakeFolderPath(const std::string& path) {
    using namespace vb::errnum;
    CheckFileName(path);
    const auto cannot = [&](int err) {
        detail::RaiseErrno(err, detail::Missing::Folder,
                           "Kan ikke lage mappen " + path + ": " + vb::ErrorText(detail::ErrnoNumber(err, detail::Missing::Folder)) + ".");
    };
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return;
        if (!S_ISLNK(st.st_mode)) vb::Raise(PathFileAccess, path + " er en fil, ikke en mappe.");
        std::error_code ignored;
        const std::string target = std::filesystem::read_symlink(path, ignored).string();
        if (::stat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) vb::Raise(PathNotFound, path + " er en lenke til " + target + ", som ikke finnes.");
            cannot(errno);
        }
        if (!S_ISDIR(st.st_mode)) vb::Raise(PathFileAccess, path + " er en lenke til filen " + target + ", ikke en mappe.");
        return;
    }
    // Not there, or a part above it is no folder: the parent tells which.
    if (errno != ENOENT && errno != ENOTDIR) cannot(errno);
    const std::string parent = FolderOf(path);
    if (!parent.empty() && parent != path) MakeFolderPath(parent);
    if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) cannot(errno);
}

void MkDir(const std::string& path) {
    CheckFileName(path);
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) vb::Raise(vb::errnum::PathFileAccess);
    if (::mkdir(path.c_str(), 0777) != 0) detail::RaiseErrno(errno, detail::Missing::Folder);
}

void Kill(const std::string& path) {
    CheckFileName(path);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) detail::RaiseErrno(errno);
    // A folder is no file, and a write-protected file is kept, as the runtime refused both.
    if (S_ISDIR(st.st_mode) || (S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR))) vb::Raise(vb::errnum::PathFileAccess);
    if (::unlink(path.c_str()) != 0) detail::RaiseErrno(errno);
}

void RmDir(const std::string& path) {
    CheckFileName(path);
    if (::rmdir(path.c_str()) == 0) return;
    if (errno == ENOTEMPTY || errno == EEXIST) vb::Raise(vb::errnum::PathFileAccess);
    detail::RaiseErrno(errno, detail::Missing::Folder);
}

} // namespace files
