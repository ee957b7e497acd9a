// Whole-file writes: a failure at any step leaves the target as it was and nothing
// of ours beside it. (Killed writers: the copy and distribution-file kill tests.)
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "FilesTestSupport.h"
#include "platform/files/WholeFile.h"
#include "support/FullDisk.h"
#include "support/TestEnv.h"

using namespace filetest;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WholeFile, EachFailureLeavesTheOldTargetAndNothingBesideIt) {
    const struct {
        const char* what;
        int number;
        std::function<int(const std::string& target)> write;
    } cases[] = {
        {"full disk", 61,
         [](const std::string& target) {
             const std::string answer = kdtest::WithFullDisk(64 << 10, [&] {
                 return std::to_string(ErrorOf([&] {
                     files::WholeFile out(target);
                     out.Write(std::string(1 << 20, 'n'));
                     out.Commit();
                 }));
             });
             return answer.empty() ? -1 : std::stoi(answer);
         }},
        {"a file of the name appeared meanwhile", 58,
         [](const std::string& target) {
             return ErrorOf([&] {
                 files::WholeFile out(target);
                 out.Write("ny");
                 out.Commit(files::WholeFile::Replace::Never);
             });
         }},
        {"the folder is missing", 76,
         [](const std::string& target) { return ErrorOf([&] { files::WholeFile out(target + ".d/x"); }); }},
        {"the target is a folder", 75,
         [](const std::string& target) {
             fs::create_directory(target + ".mappe");
             const int number = ErrorOf([&] { files::WholeFile out(target + ".mappe"); });
             fs::remove(target + ".mappe");
             return number;
         }},
    };
    for (const auto& c : cases) {
        kdtest::TempDir dir;
        const std::string target = dir.write("Rapport.rtf", "gammel");
        EXPECT_EQ(c.write(target), c.number) << c.what;
        EXPECT_EQ(kdtest::ReadFile(target), "gammel") << c.what;
        EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"Rapport.rtf"}) << c.what;
    }
}

TEST(WholeFile, CommitReplacesTheTargetAndDropsAJournalLeftBesideIt) {
    kdtest::TempDir dir;
    const std::string target = dir.write("RankingListe.rlt", "gammel");
    // A journal of the file being replaced would be rolled back into the new one.
    dir.write("RankingListe.rlt-journal", "gammel journal");
    files::WholeFile out(target);
    out.Stream() << "ny " << 42;
    out.Commit();
    EXPECT_EQ(kdtest::ReadFile(target), "ny 42");
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"RankingListe.rlt"});
}

// Our temporary files whose writer is gone (no lock held on them) go with the next
// write into their folder, and their journals with them; a live writer's stay, and so
// does every file that only looks like ours: another name form, a link, a folder.
TEST(WholeFile, OnlyOurOwnLeftoversGoAndNoneWhoseWriterLives) {
    kdtest::TempDir dir;
    const std::vector<std::string> dead = {".Dommerrapport.rtf.kdtmp-Ab12Cd", ".Cup.KVX.kdtmp-Zz9Yy8",
                                           ".Cup.KVX.kdtmp-Zz9Yy8-journal", ".Cup.KVX.kdtmp-Borte9-journal"};
    const std::vector<std::string> live = {".brev.eml.kdtmp-Live01", ".brev.eml.kdtmp-Live01-journal"};
    std::vector<std::string> kept = {".Dommerrapport.rtf.backup", ".brev.eml.gammel", ".KV_Dommere.kvz.123.tmp",
                                     ".notater.kdtmp-2024.txt", ".brev.eml.kdtmp-AbC12", ".brev.eml.kdtmp-AbC1234",
                                     ".kdtmp-AbC123", ".brev.eml.kdtmp-Ab_123", "Dommerrapport.rtf.kdtmp-AbC123",
                                     ".notat.kdtmp-x-journal", ".brev.eml.kdtmp-Aæ123"};
    for (const auto& names : {dead, live, kept})
        for (const auto& name : names) dir.write(name, "x");
    fs::create_symlink(dir.write("Dommerrapport.rtf", "hans"), dir.file(".Lenke.rtf.kdtmp-Lenke1"));
    fs::create_directory(dir.file(".Mappe.rtf.kdtmp-Mappe1"));
    kept.insert(kept.end(), {"Dommerrapport.rtf", ".Lenke.rtf.kdtmp-Lenke1", ".Mappe.rtf.kdtmp-Mappe1"});
    // Another process writing its whole file, holding its lock.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        ::flock(::open(dir.file(live.front()).c_str(), O_RDWR), LOCK_EX);
        (void)!::write(ready[1], "j", 1);
        ::pause();
    }
    char c;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    std::vector<std::string> expected = kept;
    expected.insert(expected.end(), live.begin(), live.end());
    for (auto* names : {&expected, &kept}) {
        files::WholeFile(dir.file("Dommerrapport.rtf")).Commit();
        std::sort(names->begin(), names->end());
        EXPECT_EQ(Names(dir.path()), *names);
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
    }
    ::close(ready[0]), ::close(ready[1]);
}

// A file of our name form that another user left in a shared folder is not ours to
// remove, lock or no lock. Only root can give a file to another user: skipped otherwise.
TEST(WholeFile, AnotherUsersFileOfOurNameFormStays) {
    if (!kdtest::RunningAsRoot()) GTEST_SKIP() << "only root can make a file another user's";
    kdtest::TempDir dir;
    const std::vector<std::string> names = {".Delt.rtf.kdtmp-Annen1", ".Delt.rtf.kdtmp-Annen1-journal", ".Delt.rtf.kdtmp-Borte1-journal"};
    for (const auto& name : names) ASSERT_EQ(::chown(dir.write(name, "x").c_str(), 65534, 65534), 0);
    files::WholeFile(dir.file("Delt.rtf")).Commit();
    EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{".Delt.rtf.kdtmp-Annen1", ".Delt.rtf.kdtmp-Annen1-journal",
                                                           ".Delt.rtf.kdtmp-Borte1-journal", "Delt.rtf"}));
}

} // namespace
