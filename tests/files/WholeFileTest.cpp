// Whole-file writes: a failure at any step leaves the target as it was and nothing
// of ours beside it. (Killed writers: the copy and distribution-file kill tests.)
// Older builds' leftovers are cleared by the next write.
#include <fcntl.h>
#include <gtest/gtest.h>
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

// Temporary files of the program's writers before WholeFile: they go with the next
// write into their folder unless a live writer holds them; look-alikes stay.
TEST(WholeFile, OlderWritersLeftoversGoUnlessHeldAndLookAlikesStay) {
    kdtest::TempDir dir, elsewhere;
    const std::vector<std::string> older = {
        ".KV_Dommere.kvz.123456789.tmp", ".KV_Dommere.kvz.123456789.tmp-journal", ".Dommerrapport.rtf.aB3xY9",
        ".DommerOversikt_12.RTF.Q1w2E3", ".KV_Dommere.eml.zZ09aa", ".RankingListe.rlt.ny", ".RankingListe.rlt.ny-journal",
        ".Kopi.KVX.kdkopi-Zz9Yy8"};
    const std::vector<std::string> held = {".KV_Dommere.kvz.77.tmp", ".KV_Dommere.kvz.77.tmp-journal", ".Dommerrapport.rtf.Hold01"};
    const std::vector<std::string> others = {
        ".notater", ".bashrc.AbC123", ".KV_Dommere.kvz.12a.tmp", ".KV_Dommere.kvz.1234567890.tmp", ".Dommerrapport.rtf.AbC12",
        ".andre.kvz.5.tmp", ".RankingListe.rlt.ny2", "Dommerrapport.rtf.AbC123", ".Lenke.rtf.Lenke1", ".Mappe.rtf.Mappe1"};
    for (const auto& names : {older, held, others})
        for (const auto& name : names) dir.write(name, "x");
    // A link to someone else's file and a folder look alike but are no leftovers.
    fs::remove(dir.file(".Lenke.rtf.Lenke1"));
    fs::create_symlink(elsewhere.write("hans.rtf", "hans"), dir.file(".Lenke.rtf.Lenke1"));
    fs::remove(dir.file(".Mappe.rtf.Mappe1"));
    fs::create_directory(dir.file(".Mappe.rtf.Mappe1"));

    // An older build still writing: it holds its files open and takes no lock.
    int ready[2], release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        ::close(release[1]);
        for (const auto& name : held) ::open(dir.file(name).c_str(), O_RDWR);
        char c = 1;
        (void)!::write(ready[1], &c, 1);
        (void)!::read(release[0], &c, 1);
        ::_exit(0);
    }
    ::close(release[0]);
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);

    const auto write = [&](const std::string& name) {
        files::WholeFile out(dir.file(name));
        out.Write("ny");
        out.Commit();
    };
    write("Rapport.rtf");
    std::vector<std::string> expected = held;
    expected.insert(expected.end(), others.begin(), others.end());
    expected.push_back("Rapport.rtf");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(dir.path()), expected);
    EXPECT_EQ(kdtest::ReadFile(elsewhere.file("hans.rtf")), "hans");

    ::close(release[1]);
    int status = 0;
    ::waitpid(writer, &status, 0);
    write("Rapport2.rtf");
    expected.erase(std::remove_if(expected.begin(), expected.end(),
                                  [&](const std::string& n) { return std::find(held.begin(), held.end(), n) != held.end(); }),
                   expected.end());
    expected.push_back("Rapport2.rtf");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(dir.path()), expected);
    for (int fd : {ready[0], ready[1]}) ::close(fd);
}

} // namespace
