#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files/Files.h"
#include "platform/files/SysError.h"
#include "platform/vb/Err.h"

namespace files {

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
