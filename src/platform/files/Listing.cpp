#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "platform/files/Files.h"
#include "platform/files/SysError.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"

namespace files {

namespace {

struct Wanted {
    bool files = false;
    bool folders = false;
    bool hidden = false;
};

std::vector<std::string> list(const std::string& folder, const std::string& pattern, Wanted wanted) {
    const std::string where = folder.empty() ? "." : folder;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(where.c_str()), ::closedir);
    if (!dir) detail::RaiseErrno(errno, detail::Missing::Folder);
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (name[0] == '.' && !wanted.hidden) continue;
        struct stat st {};
        if (::stat(Join(where, name).c_str(), &st) != 0) continue;   // a dangling link lists as nothing
        const bool isDir = S_ISDIR(st.st_mode);
        if (isDir ? !wanted.folders : !(wanted.files && S_ISREG(st.st_mode))) continue;
        if (!pattern.empty() && !PatternMatches(name, pattern)) continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int order = vb::StrCompText(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

// One pattern of a ";" list as a Like pattern: only * and ? are wildcards in file names.
std::string likePattern(const std::string& one) {
    if (one == "*.*") return "*";   // also names without an extension
    std::string out;
    for (char c : one) {
        if (c == '[' || c == '#') out += std::string("[") + c + "]";
        else out += c;
    }
    return out;
}

} // namespace

bool PatternMatches(const std::string& name, const std::string& pattern) {
    size_t from = 0;
    while (from <= pattern.size()) {
        size_t end = pattern.find(';', from);
        if (end == std::string::npos) end = pattern.size();
        const std::string one = vb::Trim(pattern.substr(from, end - from));
        if (!one.empty() && vb::LikeMatch(name, likePattern(one), true)) return true;
        from = end + 1;
    }
    return false;
}

std::vector<std::string> Folders(const std::string& folder) {
    return list(folder, "", Wanted{.folders = true});
}

std::vector<std::string> FilesIn(const std::string& folder, const std::string& pattern) {
    return list(folder, pattern, Wanted{.files = true});
}

std::string Dir(const std::string& pathPattern, int attributes) {
    if (pathPattern.empty()) vb::Raise(vb::errnum::BadFileName);
    const bool withFolders = attributes & vbDirectory;
    const std::string base = BaseName(pathPattern);
    if (base.find_first_of("*?") == std::string::npos) {
        if (!Exists(pathPattern) || (IsFolder(pathPattern) && !withFolders)) return "";
        return base;
    }
    const std::string folder = FolderOf(pathPattern);
    if (!folder.empty() && !IsFolder(folder)) return "";
    const auto names = list(folder, base, Wanted{.files = true, .folders = withFolders, .hidden = bool(attributes & vbHidden)});
    return names.empty() ? "" : names.front();
}

} // namespace files
