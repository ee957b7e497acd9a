// Whole-file writes: a failure at any step leaves the target as it was and nothing
// of ours beside it. (Killed writers: the copy and distribution-file kill tests.)
// Older builds' leftovers are cleared by the next write.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
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

// Older builds' temporary files go with the next write into their folder, unless a
// live writer holds them; look-alikes, links and folders stay. A process of the user
// that hides its descriptors (as agents do) holds none of them; root reads them
// anyway, so only a run as a user (as CI runs) proves that part.
TEST(WholeFile, OlderWritersLeftoversGoUnlessHeldAndLookAlikesStay) {
    kdtest::TempDir dir;
    const std::vector<std::string> held = {".KV_Dommere.kvz.77.tmp", ".KV_Dommere.kvz.77.tmp-journal", ".Dommerrapport.rtf.Hold01"};
    std::vector<std::string> kept = {".notater", ".bashrc.AbC123", ".KV_Dommere.kvz.1234567890.tmp", ".Dommerrapport.rtf.AbC12",
                                     ".RankingListe.rlt.ny2", "Dommerrapport.rtf.AbC123"};
    for (const auto& name : {".KV_Dommere.kvz.123456789.tmp", ".KV_Dommere.kvz.123456789.tmp-journal", ".DommerOversikt_12.RTF.Q1w2E3",
                             ".KV_Dommere.eml.zZ09aa", ".RankingListe.rlt.ny", ".RankingListe.rlt.ny-journal", ".Kopi.KVX.kdkopi-Zz9Yy8"})
        dir.write(name, "x");
    for (const auto& names : {held, kept})
        for (const auto& name : names) dir.write(name, "x");
    fs::create_symlink(dir.write("Dommerrapport.rtf", "hans"), dir.file(".Lenke.rtf.Lenke1"));
    fs::create_directory(dir.file(".Mappe.rtf.Mappe1"));
    kept.insert(kept.end(), {"Dommerrapport.rtf", ".Lenke.rtf.Lenke1", ".Mappe.rtf.Mappe1"});
    // An older build still writing: its files open, no lock taken.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        for (const auto& name : held) ::open(dir.file(name).c_str(), O_RDWR);
        (void)!::write(ready[1], "j", 1);
        ::pause();
    }
    const pid_t agent = ::fork();
    if (agent == 0) {
        ::prctl(PR_SET_DUMPABLE, 0);
        (void)!::write(ready[1], "a", 1);
        ::pause();
    }
    char c;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    std::vector<std::string> expected = kept;
    expected.insert(expected.end(), held.begin(), held.end());
    for (auto* names : {&expected, &kept}) {
        files::WholeFile(dir.file("Dommerrapport.rtf")).Commit();
        std::sort(names->begin(), names->end());
        EXPECT_EQ(Names(dir.path()), *names);
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
    }
    ::kill(agent, SIGKILL);
    ::waitpid(agent, nullptr, 0);
    ::close(ready[0]), ::close(ready[1]);
}

} // namespace
