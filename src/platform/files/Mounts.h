#pragma once
// The mount table, read for the drive list.
#include <string>
#include <vector>

namespace files::detail {

// Mount points in a mount table's text (the layout of /proc/self/mounts) that
// lie in or under one of the given folders, octal escapes decoded, sorted, unique.
std::vector<std::string> MountPointsUnder(const std::string& mountTable, const std::vector<std::string>& folders);

} // namespace files::detail
