#pragma once
// A full disk without a mount: the work runs in a child process whose files may not
// grow past a limit (writes past it fail with EFBIG, as on a disk that has run full).
#include <functional>
#include <string>

namespace kdtest {

// Runs work in a forked child with RLIMIT_FSIZE at limitBytes and SIGXFSZ ignored;
// returns the text the work returned there ("" when the child died).
std::string WithFullDisk(long limitBytes, const std::function<std::string()>& work);

} // namespace kdtest
