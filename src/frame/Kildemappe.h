#pragma once
// Whether a folder is a copy of the program's own source (a clone of its
// repository, an unpacked source archive): a bad place for the user's files.
#include <string>

// True when the folder holds the CMakeLists.txt that declares this project.
bool ErKildemappe(const std::string& mappe);
