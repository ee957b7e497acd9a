// A stop signal (a logout's SIGTERM) while the import writes, to the import as the program
// runs it: the program is gone within two seconds, both files are whole, and the import is
// in them fully or not at all.
#include "Fixture.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "state/ProgramState.h"

extern char** environ;

namespace fs = std::filesystem;

namespace importtest {
namespace {

using Klokke = std::chrono::steady_clock;

class Stopp : public ImportTest {};

// The first value of the first row, read with the plain SQLite library; "" when there is none.
std::string verdi(const std::string& sti, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(sti.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    std::string ut;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW && sqlite3_column_text(s, 0))
        ut = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
    sqlite3_finalize(s);
    sqlite3_close(db);
    return ut;
}

struct Kjoring {
    pid_t pid = 0;
    int ut = -1;   // what the program writes to its standard output
};

Kjoring start(const std::string& db, const std::string& dkv, bool svar) {
    int ror[2];
    EXPECT_EQ(::pipe2(ror, O_CLOEXEC), 0);
    posix_spawn_file_actions_t handlinger;
    posix_spawn_file_actions_init(&handlinger);
    posix_spawn_file_actions_adddup2(&handlinger, ror[1], 1);
    char* argv[] = {const_cast<char*>(KD_IMPORT_UNDER_STOPP), const_cast<char*>(db.c_str()), const_cast<char*>(dkv.c_str()),
                    const_cast<char*>(svar ? "svar" : nullptr), nullptr};
    Kjoring k;
    EXPECT_EQ(posix_spawn(&k.pid, KD_IMPORT_UNDER_STOPP, &handlinger, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&handlinger);
    ::close(ror[1]);
    k.ut = ror[0];
    return k;
}

std::string linje(int fd) {
    std::string ut;
    for (char c; ::read(fd, &c, 1) == 1 && c != '\n';) ut += c;
    return ut;
}

// Waits for the program's end (at most ten seconds, then it is killed); its status.
int slutt(pid_t pid) {
    int status = 0;
    for (int i = 0; i < 1000; ++i) {
        if (::waitpid(pid, &status, WNOHANG) == pid) return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return status;
}

TEST_F(Stopp, AStopWhileTheImportWritesEndsTheProgramWithinTwoSecondsWithTheImportWholeOrNotBegun) {
    constexpr int Rader = 50000;
    const StorImport filer = storImport(Rader);
    const std::string &db = filer.db, &dkv = filer.dkv;
    const auto gjenopprett = [&] { filer.legg(); };
    const auto kamper = [&] { return verdi(db, "SELECT count(*) FROM Dommertabell"); };

    // A run that is not stopped: the import is whole, and how long it takes here.
    gjenopprett();
    Kjoring hel = start(db, dkv, true);
    ASSERT_EQ(linje(hel.ut), "skriver");
    const auto fra = Klokke::now();
    const int status = slutt(hel.pid);
    const auto varighet = std::chrono::duration_cast<std::chrono::microseconds>(Klokke::now() - fra);
    ::close(hel.ut);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    ASSERT_EQ(kamper(), std::to_string(1 + Rader));

    std::mt19937 tilfeldig(20261210);
    int for_ = 0, etter = 0;
    // Under load the timing shifts: trials go on, bounded, until a stop finds the import unfinished.
    for (int runde = 0; runde < 8 || (for_ == 0 && runde < 40); ++runde) {
        SCOPED_TRACE(runde);
        gjenopprett();
        Kjoring k = start(db, dkv, false);
        ASSERT_EQ(linje(k.ut), "skriver");
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<long long>(0, varighet.count())(tilfeldig)));
        const auto sendt = Klokke::now();
        ::kill(k.pid, SIGTERM);
        const int s = slutt(k.pid);
        const auto borte = Klokke::now() - sendt;
        ::close(k.ut);
        EXPECT_TRUE(WIFEXITED(s) && WEXITSTATUS(s) == 0) << s;
        EXPECT_LT(borte, std::chrono::seconds(2)) << std::chrono::duration_cast<std::chrono::milliseconds>(borte).count() << " ms";

        // Closed as "Avslutt" closes: no journal left to roll back, both files whole.
        EXPECT_FALSE(fs::exists(db + "-journal"));
        EXPECT_FALSE(fs::exists(dkv + "-journal"));
        EXPECT_EQ(verdi(db, "PRAGMA integrity_check"), "ok");
        EXPECT_EQ(verdi(dkv, "PRAGMA integrity_check"), "ok");
        const std::string i = kamper();
        const std::string ulest = verdi(dkv, "SELECT count(*) FROM dommerdata WHERE Status = 0");
        const std::string lest = verdi(dkv, "SELECT count(*) FROM dommerdata WHERE Status = 1");
        const std::string filstatus = verdi(dkv, "SELECT Status FROM Versjon");
        const bool uendret = i == "1" && ulest == std::to_string(Rader) && lest == "0" && filstatus == "0";
        const bool innlest = i == std::to_string(1 + Rader) && ulest == "0" && lest == std::to_string(Rader) && filstatus == "1";
        EXPECT_TRUE(uendret || innlest) << i << " matches, " << ulest << " unread, " << lest << " read, file status " << filstatus;
        for_ += uendret;
        etter += innlest;
    }
    std::cout << "stopped before the commit " << for_ << " times, after it " << etter << " times (whole import "
              << varighet.count() / 1000 << " ms)\n";
    EXPECT_GT(for_, 0) << "no stop came while the import was unfinished";
    state::DBase = dao::DBEngine::Workspaces(0).OpenDatabase(dbsti);
}

} // namespace
} // namespace importtest
