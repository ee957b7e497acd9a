#pragma once
// Other programs the desktop offers (the mail client, the help viewer): started with an
// argument list, never through a shell, and looked at without waiting for them.
#include <sys/types.h>

#include <string>
#include <vector>

namespace files {

// Starts file (searched on PATH when it holds no "/") with args (args[0] its own name).
// 0 and the child in pid, or the errno of the failed start.
int StartProgram(const std::string& file, std::vector<std::string> args, pid_t& pid);

enum class ChildState { Running, Ended, Lost };
// Whether the child has ended, without waiting; when it has, its wait status in status.
ChildState LookAtChild(pid_t child, int& status);

} // namespace files
