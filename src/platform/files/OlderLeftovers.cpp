#include "platform/files/OlderLeftovers.h"

#include <dirent.h>

#include <algorithm>
#include <cctype>
#include <string_view>

namespace files::detail {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool allDigits(std::string_view s) { return !s.empty() && std::all_of(s.begin(), s.end(), isDigit); }

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether the process whose fd folder this is holds the file open. A folder we may
// not read is another program's: agents of the user make themselves undumpable, and
// no build of ours ever did. One that ended meanwhile holds nothing.
bool holds(const std::string& fdFolder, const struct stat& file) {
    DIR* fds = ::opendir(fdFolder.c_str());
    if (!fds) return false;
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
    std::string_view n = name;
    const bool journal = n.ends_with("-journal");
    if (journal) n.remove_suffix(std::string_view("-journal").size());
    if (n == ".RankingListe.rlt.ny") return true;
    const std::string_view kvz = ".KV_Dommere.kvz.", tmp = ".tmp";
    if (n.size() > kvz.size() + tmp.size() && n.starts_with(kvz) && n.ends_with(tmp)) {
        const std::string_view number = n.substr(kvz.size(), n.size() - kvz.size() - tmp.size());
        return number.size() <= 9 && allDigits(number);
    }
    // mkstemp's six letters or digits after ".<name>.rtf.", ".<name>.eml." or ".<name>.kdkopi-".
    if (journal || n.size() < 8 || n[0] != '.') return false;
    const std::string_view random = n.substr(n.size() - 6);
    if (!std::all_of(random.begin(), random.end(), [](char c) { return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }))
        return false;
    std::string before(n.substr(1, n.size() - 7));
    if (before.ends_with(".kdkopi-")) return before.size() > 8;
    std::transform(before.begin(), before.end(), before.begin(), [](unsigned char c) { return std::tolower(c); });
    return before.size() > 5 && (before.ends_with(".rtf.") || before.ends_with(".eml."));
}

bool HeldOpen(const struct stat& file) {
    // Where even our own descriptors are hidden, no process can be told apart.
    DIR* own = ::opendir("/proc/self/fd");
    if (!own) return true;
    ::closedir(own);
    DIR* proc = ::opendir("/proc");
    if (!proc) return true;
    bool held = false;
    while (!held) {
        const dirent* entry = ::readdir(proc);
        if (!entry) break;
        if (!allDigits(entry->d_name)) continue;
        const std::string process = std::string("/proc/") + entry->d_name;
        struct stat owner {};
        if (::stat(process.c_str(), &owner) != 0 || owner.st_uid != file.st_uid) continue;
        held = holds(process + "/fd", file);
    }
    ::closedir(proc);
    return held;
}

} // namespace files::detail
