#include "platform/files/Program.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace files {

int StartProgram(const std::string& file, std::vector<std::string> args, pid_t& pid) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    return ::posix_spawnp(&pid, file.c_str(), nullptr, nullptr, argv.data(), environ);
}

ChildState LookAtChild(pid_t child, int& status) {
    pid_t done = 0;
    do done = ::waitpid(child, &status, WNOHANG);
    while (done < 0 && errno == EINTR);
    if (done == 0) return ChildState::Running;
    return done < 0 ? ChildState::Lost : ChildState::Ended;
}

} // namespace files
