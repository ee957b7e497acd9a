#include "support/FullDisk.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kdtest {

std::string WithFullDisk(long limitBytes, const std::function<std::string()>& work) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(limitBytes), static_cast<rlim_t>(limitBytes)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string answer;
        try {
            answer = work();
        } catch (...) {
            answer = "unexpected exception";
        }
        for (size_t done = 0; done < answer.size();) {
            const ssize_t n = ::write(pipeFds[1], answer.data() + done, answer.size() - done);
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string answer;
    char buf[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;) answer.append(buf, static_cast<size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? answer : "";
}

} // namespace kdtest
