#include "support/AnnenProsess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace kdtest {

AnnenProsess::AnnenProsess(const std::string& fil, const std::string& sql) {
    int rør[2];
    if (::pipe(rør) != 0) throw std::runtime_error("pipe");
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(rør[1], STDOUT_FILENO);
        ::close(rør[0]);
        const char* skript =
            "import sqlite3, sys, time\n"
            "c = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
            "for s in sys.argv[2].split(';'):\n"
            "    c.execute(s)\n"
            "print('laast', flush=True)\n"
            "time.sleep(60)\n";
        ::execlp("python3", "python3", "-c", skript, fil.c_str(), sql.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(rør[1]);
    char c = 0;
    // Waits until the lock is taken (or the child is gone).
    while (::read(rør[0], &c, 1) == 1 && c != '\n') {
    }
    ::close(rør[0]);
}

AnnenProsess::~AnnenProsess() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
}

} // namespace kdtest
