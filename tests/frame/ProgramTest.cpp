// The program itself, started as a user starts it: its command line answered
// without a display, one cache folder whatever the command's case, and the end on a
// stop signal (a logout's SIGTERM, Ctrl+C's SIGINT) as "Avslutt" ends it: on its
// own, its database closed whole, nothing of ours left.
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "frame/FrameFixture.h"

namespace kdtest {
namespace {

namespace fs = std::filesystem;

bool Until(const std::function<bool()>& what) {
    for (int i = 0; i < 3000 && !what(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return what();
}

std::string Les(const std::string& sti) {
    std::ostringstream s;
    s << std::ifstream(sti).rdbuf();
    return s.str();
}

// Over ssh or on a text console there is no display: the command line is still
// answered, with the exit codes the manual page gives.
TEST(ProgramTest, CommandLineIsAnsweredWithoutADisplay) {
    TempDir hjem;
    const struct { std::string argumenter; int kode; std::string ut, feil; } runder[] = {
        {"--bogus", 2, "", "KvistrelDommer: ukjent valg «--bogus»\nBruk: KvistrelDommer [--help] [--version] [DATABASE]\n"
                           "Se «KvistrelDommer --help».\n"},
        {"-style fusion a.kvx b.kvx", 2, "", "KvistrelDommer: bare én database kan åpnes om gangen\n"
                                             "Bruk: KvistrelDommer [--help] [--version] [DATABASE]\nSe «KvistrelDommer --help».\n"},
        {"--version", 0, "KvistrelDommer " KD_VERSION "\n", ""},
    };
    for (const auto& r : runder) {
        SCOPED_TRACE(r.argumenter);
        const std::string kommando = "env -i HOME=" + hjem.path() + " PATH=/usr/bin:/bin '" KD_PROGRAM "' " + r.argumenter +
                                     " >" + hjem.file("ut") + " 2>" + hjem.file("feil");
        const int status = std::system(kommando.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), r.kode);
        EXPECT_EQ(Les(hjem.file("ut")), r.ut);
        EXPECT_EQ(Les(hjem.file("feil")), r.feil);
    }
    EXPECT_EQ(std::system(("env -i '" KD_PROGRAM "' --help >" + hjem.file("ut")).c_str()), 0);
    EXPECT_EQ(Les(hjem.file("ut")).rfind("Bruk: KvistrelDommer [--help]", 0), 0u);
    EXPECT_FALSE(fs::exists(hjem.file("KvistrelDommer")));
}

// The lower-case command keeps its drawings in the same cache folder as the program's own name.
TEST(ProgramTest, OneCacheFolderWhateverTheCommandsCase) {
    TempDir hjem;
    fs::permissions(hjem.path(), fs::perms::owner_all, fs::perm_options::replace);
    std::string kommando = hjem.file("kvistreldommer"), bilder = hjem.file(".cache/KvistrelDommer/bilder");
    fs::create_symlink(KD_PROGRAM, kommando);
    std::string home = "HOME=" + hjem.path(), run = "XDG_RUNTIME_DIR=" + hjem.path(), qpa = "QT_QPA_PLATFORM=offscreen";
    char* argv[] = {kommando.data(), nullptr};
    char* env[] = {home.data(), run.data(), qpa.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, kommando.c_str(), nullptr, nullptr, argv, env), 0);
    const bool tegnet = Until([&] { return fs::is_directory(bilder) && !fs::is_empty(bilder); });
    ::kill(pid, SIGTERM);
    int status = 0;
    if (!Until([&] { return ::waitpid(pid, &status, WNOHANG) == pid; })) ::kill(pid, SIGKILL), ::waitpid(pid, &status, 0);
    EXPECT_TRUE(tegnet);
    std::vector<std::string> mapper;
    for (const auto& e : fs::directory_iterator(hjem.file(".cache"))) mapper.push_back(e.path().filename().string());
    EXPECT_EQ(mapper, std::vector<std::string>{"KvistrelDommer"});
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
