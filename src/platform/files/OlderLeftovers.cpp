#include "platform/files/OlderLeftovers.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <regex>

namespace files::detail {

namespace {

bool allDigits(const char* s) {
    if (!*s) return false;
    for (; *s; ++s)
        if (*s < '0' || *s > '9') return false;
    return true;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether the process whose fd folder this is holds the file open; unreadable is
// set when the folder cannot be read.
bool holds(const std::string& fdFolder, const struct stat& file, bool& unreadable) {
    DIR* fds = ::opendir(fdFolder.c_str());
    if (!fds) {
        // A process that ended meanwhile holds nothing.
        unreadable = errno != ENOENT;
        return false;
    }
    bool found = false;
    while (const dirent* fd = ::readdir(fds)) {
        struct stat st {};
        if (fd->d_name[0] != '.' && ::stat((fdFolder + "/" + fd->d_name).c_str(), &st) == 0 && sameFile(st, file)) {
            found = true;
            break;
        }
    }
    ::closedir(fds);
    return found;
}

} // namespace

bool IsOlderWriteLeftover(const std::string& name) {
    static const std::regex patterns[] = {
        std::regex(R"(\.KV_Dommere\.kvz\.[0-9]{1,9}\.tmp(-journal)?)"),
        std::regex(R"(\.RankingListe\.rlt\.ny(-journal)?)"),
        std::regex(R"(\..+\.(rtf|eml)\.[A-Za-z0-9]{6})", std::regex::icase),
        std::regex(R"(\..+\.kdkopi-[A-Za-z0-9]{6})"),
    };
    return std::any_of(std::begin(patterns), std::end(patterns), [&](const std::regex& p) { return std::regex_match(name, p); });
}

bool HeldOpen(const struct stat& file) {
    DIR* proc = ::opendir("/proc");
    if (!proc) return true;
    bool held = false, unreadable = false;
    while (!held && !unreadable) {
        const dirent* entry = ::readdir(proc);
        if (!entry) break;
        if (!allDigits(entry->d_name)) continue;
        const std::string process = std::string("/proc/") + entry->d_name;
        struct stat owner {};
        if (::stat(process.c_str(), &owner) != 0 || owner.st_uid != file.st_uid) continue;
        held = holds(process + "/fd", file, unreadable);
    }
    ::closedir(proc);
    return held || unreadable;
}

} // namespace files::detail
