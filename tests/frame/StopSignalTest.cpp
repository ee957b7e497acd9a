// The program itself ends on a stop signal (a logout's SIGTERM, Ctrl+C's SIGINT) as
// "Avslutt" ends it: on its own, its database closed whole, nothing of ours left.
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "frame/FrameFixture.h"

namespace kdtest {
namespace {

namespace fs = std::filesystem;

bool Until(const std::function<bool()>& what) {
    for (int i = 0; i < 3000 && !what(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return what();
}

using StopSignalTest = FrameTest;

TEST_F(StopSignalTest, TheProgramEndsAsAvsluttEndsIt) {
    const std::string laget = makeDatabase("Laget.KVX");
    // Signal, milliseconds after the program catches it, and whether to wait for the open database
    // first; with a file for program folder the start waits in a box telling so.
    const struct { int signal, ms; bool apen, mappeErFil = false; } runder[] = {
        {SIGTERM, 0, true}, {SIGINT, 0, true}, {SIGTERM, 0, false}, {SIGINT, 60, false}, {SIGTERM, 200, false}, {SIGTERM, 300, false, true}};
    for (const auto& r : runder) {
        SCOPED_TRACE(&r - runder);
        TempDir hjem;
        fs::permissions(hjem.path(), fs::perms::owner_all, fs::perm_options::replace);   // the runtime folder too
        const std::string mappe = hjem.file("KvistrelDommer"), base = mappe + "/Cup.KVX", laas = hjem.file("KvistrelDommer.lock");
        if (r.mappeErFil) std::ofstream(mappe) << "x";
        else fs::create_directory(mappe), fs::copy_file(laget, base);
        std::string home = "HOME=" + hjem.path(), run = "XDG_RUNTIME_DIR=" + hjem.path(), qpa = "QT_QPA_PLATFORM=offscreen";
        char* argv[] = {const_cast<char*>(KD_PROGRAM), const_cast<char*>("Cup.KVX"), nullptr};
        char* env[] = {home.data(), run.data(), qpa.data(), nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, KD_PROGRAM, nullptr, nullptr, argv, env), 0);
        ASSERT_TRUE(Until([&] {   // its handler is in place ("SigCgt" in its status)
            std::ifstream status("/proc/" + std::to_string(pid) + "/status");
            for (std::string line; std::getline(status, line);)
                if (line.rfind("SigCgt:", 0) == 0) return ((std::stoull(line.substr(7), nullptr, 16) >> (r.signal - 1)) & 1) == 1;
            return false;
        }));
        sqlite3* db = nullptr;
        sqlite3_open_v2(base.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        const auto ok = [&](const char* sql) {   // SQLITE_ABORT on a row other than "ok"
            return sqlite3_exec(db, sql, [](void*, int, char** v, char**) { return std::string(v[0]) == "ok" ? 0 : 1; }, nullptr, nullptr);
        };
        EXPECT_TRUE(!r.apen || Until([&] { return ok("SELECT 'ok' FROM sqlite_master") == SQLITE_BUSY; }));
        EXPECT_TRUE(!r.mappeErFil || Until([&] { return fs::exists(laas); }));
        std::this_thread::sleep_for(std::chrono::milliseconds(r.ms));
        ::kill(pid, r.signal);
        int status = 0;
        if (!Until([&] { return ::waitpid(pid, &status, WNOHANG) == pid; })) ::kill(pid, SIGKILL), ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        EXPECT_FALSE(fs::exists(laas));
        // No journal, nothing else beside it, and whole.
        EXPECT_TRUE(r.mappeErFil || std::distance(fs::directory_iterator(mappe), fs::directory_iterator()) == 1);
        EXPECT_TRUE(r.mappeErFil || ok("PRAGMA integrity_check") == SQLITE_OK);
        sqlite3_close_v2(db);
    }
}

} // namespace
} // namespace kdtest
