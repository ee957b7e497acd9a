// The program itself, started as a user starts it, ends on a stop signal (a
// logout's SIGTERM, Ctrl+C's SIGINT) as "Avslutt" ends it: it exits on its own,
// its database closed whole, nothing of its own left beside it.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "frame/FrameFixture.h"

extern char** environ;

namespace kdtest {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Waits up to 30 seconds for what.
bool Until(const std::function<bool()>& what) {
    for (auto end = std::chrono::steady_clock::now() + 30s; std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(10ms))
        if (what()) return true;
    return false;
}

// Whether the process has its own handler for the signal in place.
bool Catches(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

// Whether another program finds the database locked (the program holds it open).
bool Locked(const std::string& path) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
    return rc == SQLITE_BUSY;
}

std::string Check(const std::string& path) {
    sqlite3* db = nullptr;
    std::string answer = "ikke åpnet";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
        sqlite3_exec(db, "PRAGMA integrity_check", [](void* out, int, char** v, char**) {
            *static_cast<std::string*>(out) = v[0] ? v[0] : "";
            return 0;
        }, &answer, nullptr);
    sqlite3_close_v2(db);
    return answer;
}

using StopSignalTest = FrameTest;

TEST_F(StopSignalTest, TheProgramEndsAsAvsluttEndsIt) {
    enum class Naar { DatabaseOpen, DuringStart, BoxAtStart };
    const struct {
        const char* hva;
        int signal;
        Naar naar;
        int ventMs = 0;
    } runder[] = {
        {"SIGTERM with the database open", SIGTERM, Naar::DatabaseOpen},
        {"SIGINT with the database open", SIGINT, Naar::DatabaseOpen},
        // While the command line's database is being opened, or before.
        {"SIGTERM at once", SIGTERM, Naar::DuringStart, 0},
        {"SIGINT a little later", SIGINT, Naar::DuringStart, 60},
        {"SIGTERM later still", SIGTERM, Naar::DuringStart, 200},
        // The start waits in a box telling that the program folder is a file.
        {"SIGTERM at a box of the start", SIGTERM, Naar::BoxAtStart},
    };
    const std::string laget = makeDatabase("Laget.KVX");
    addReferee(laget, 7);
    for (const auto& r : runder) {
        SCOPED_TRACE(r.hva);
        TempDir hjem;
        const std::string mappe = hjem.file("KvistrelDommer"), kjoring = hjem.file("run");
        const std::string base = mappe + "/Cup.KVX", laas = kjoring + "/KvistrelDommer.lock";
        fs::create_directory(kjoring);
        fs::permissions(kjoring, fs::perms::owner_all, fs::perm_options::replace);
        if (r.naar == Naar::BoxAtStart) {
            std::ofstream(mappe) << "ikke en mappe";
        } else {
            fs::create_directory(mappe);
            fs::copy_file(laget, base);
        }

        std::vector<std::string> miljo;
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind("HOME=", 0) != 0 && std::string(*e).rfind("XDG_RUNTIME_DIR=", 0) != 0) miljo.push_back(*e);
        miljo.push_back("HOME=" + hjem.path());
        miljo.push_back("XDG_RUNTIME_DIR=" + kjoring);
        std::vector<char*> env, argv = {const_cast<char*>(KD_PROGRAM), const_cast<char*>("Cup.KVX"), nullptr};
        for (auto& m : miljo) env.push_back(m.data());
        env.push_back(nullptr);
        const std::string logg = hjem.file("utskrift.txt");
        posix_spawn_file_actions_t filer;
        posix_spawn_file_actions_init(&filer);
        posix_spawn_file_actions_addopen(&filer, 1, logg.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        posix_spawn_file_actions_adddup2(&filer, 1, 2);
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, KD_PROGRAM, &filer, nullptr, argv.data(), env.data()), 0);
        posix_spawn_file_actions_destroy(&filer);

        ASSERT_TRUE(Until([&] { return Catches(pid, r.signal); }));
        if (r.naar == Naar::DatabaseOpen) {
            EXPECT_TRUE(Until([&] { return Locked(base); }));
        }
        if (r.naar == Naar::BoxAtStart) {
            EXPECT_TRUE(Until([&] { return fs::exists(laas); }));
            std::this_thread::sleep_for(300ms);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(r.ventMs));
        ::kill(pid, r.signal);
        int status = 0;
        if (!Until([&] { return ::waitpid(pid, &status, WNOHANG) == pid; })) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            ADD_FAILURE() << "the program did not end";
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status << "\n" << ReadFile(logg);
        // Nothing of ours stays: no lock, no journal, no temporary file.
        EXPECT_FALSE(fs::exists(laas));
        if (r.naar != Naar::BoxAtStart) {
            std::vector<std::string> navn;
            for (const auto& e : fs::directory_iterator(mappe)) navn.push_back(e.path().filename().string());
            EXPECT_EQ(navn, std::vector<std::string>{"Cup.KVX"});
            EXPECT_EQ(Check(base), "ok");
        }
    }
}

} // namespace
} // namespace kdtest
