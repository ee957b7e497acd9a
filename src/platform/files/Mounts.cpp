#include "platform/files/Mounts.h"

#include <algorithm>
#include <sstream>

namespace files::detail {

namespace {

// The table writes blanks, tabs, newlines and backslashes in names as \ooo.
std::string decode(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string oct = field.substr(i + 1, 3);
            if (std::all_of(oct.begin(), oct.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>(std::stoi(oct, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool inOrUnder(const std::string& path, const std::string& folder) {
    return path == folder || (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
                              path[folder.size()] == '/');
}

} // namespace

std::vector<std::string> MountPointsUnder(const std::string& mountTable, const std::vector<std::string>& folders) {
    std::vector<std::string> out;
    std::istringstream lines(mountTable);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string device, point;
        if (!(fields >> device >> point)) continue;
        point = decode(point);
        if (std::any_of(folders.begin(), folders.end(), [&](const std::string& f) { return inOrUnder(point, f); }))
            out.push_back(point);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

} // namespace files::detail
