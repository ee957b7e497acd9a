#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/files/Files.h"
#include "platform/files/Mounts.h"

namespace files {

std::vector<std::string> Drives() {
    std::vector<std::string> places = {"/media", "/mnt"};
    if (const char* user = std::getenv("USER"); user && *user) places.push_back(std::string("/run/media/") + user);
    std::ifstream in("/proc/self/mounts");
    std::ostringstream table;
    table << in.rdbuf();
    std::vector<std::string> drives = {"/"};
    for (const std::string& point : detail::MountPointsUnder(table.str(), places))
        if (IsFolder(point)) drives.push_back(point);
    return drives;
}

} // namespace files
