#include <sys/stat.h>

#include <cerrno>

#include "platform/files/Files.h"
#include "platform/files/SysError.h"

namespace files {

namespace {

struct stat statOf(const std::string& path) {
    CheckFileName(path);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) detail::RaiseErrno(errno);
    return st;
}

bool isDotName(const std::string& name) { return name.size() > 1 && name[0] == '.' && name != ".."; }

} // namespace

int GetAttr(const std::string& path) {
    const struct stat st = statOf(path);
    int word = vbNormal;
    if (S_ISDIR(st.st_mode)) word |= vbDirectory;
    if (!(st.st_mode & S_IWUSR)) word |= vbReadOnly;
    if (isDotName(BaseName(path))) word |= vbHidden;
    return word;
}

void SetAttr(const std::string& path, int attributes) {
    const struct stat st = statOf(path);
    const mode_t mode = (attributes & vbReadOnly) ? (st.st_mode & ~S_IWUSR) : (st.st_mode | S_IWUSR);
    if ((mode & 07777) == (st.st_mode & 07777)) return;
    if (::chmod(path.c_str(), mode & 07777) != 0) detail::RaiseErrno(errno);
}

bool Exists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool ExistsInAnyCase(const std::string& path) {
    if (Exists(path)) return true;
    const std::string name = BaseName(path);
    if (name.empty() || name.find_first_of("*?;") != std::string::npos) return false;
    const std::string folder = FolderOf(path).empty() ? "." : FolderOf(path);
    return IsFolder(folder) && !FilesIn(folder, name).empty();
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace files
