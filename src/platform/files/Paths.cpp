#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/files/Files.h"
#include "platform/vb/Err.h"

namespace files {

namespace {
bool isSeparator(char c) { return c == '/' || c == '\\'; }
} // namespace

std::string Join(const std::string& folder, const std::string& name) {
    size_t from = 0;
    while (from < name.size() && isSeparator(name[from])) ++from;
    const std::string rest = name.substr(from);
    if (folder.empty()) return rest;
    size_t end = folder.size();
    while (end > 0 && isSeparator(folder[end - 1])) --end;
    return folder.substr(0, end) + "/" + rest;
}

std::string BaseName(const std::string& path) {
    const size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FolderOf(const std::string& path) {
    const size_t cut = path.find_last_of("/\\");
    if (cut == std::string::npos) return "";
    return cut == 0 ? "/" : path.substr(0, cut);
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/";
}

std::string DataFolder() { return Join(HomeFolder(), "KvistrelDommer"); }

void CheckFileName(const std::string& name) {
    // Wildcards count in the last part only: Linux folders may carry "*" and "?" in their names.
    size_t end = name.size();
    while (end > 1 && isSeparator(name[end - 1])) --end;
    const std::string last = BaseName(name.substr(0, end));
    if (name.empty() || last.find_first_of("*?") != std::string::npos || name.find('\0') != std::string::npos)
        vb::Raise(vb::errnum::BadFileName);
}

} // namespace files
