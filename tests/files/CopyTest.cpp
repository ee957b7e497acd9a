#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "FilesTestSupport.h"
#include "platform/files/Files.h"
#include "support/TestEnv.h"

using filetest::ErrorOf;
using kdtest::ReadFile;
using namespace files;

namespace {
const std::string kDatabase = std::string("SQLite format 3\0", 16) + std::string(5000, '\x7f') + "slutt";

} // namespace

class Copy : public ::testing::Test {
protected:
    kdtest::TempDir dir;
    std::string source = dir.write("Turnering1.KVX", kDatabase);
};

TEST_F(Copy, CopiesByteForByte) {
    FileCopy(source, dir.file("Ny.KVX"));
    EXPECT_EQ(ReadFile(dir.file("Ny.KVX")), kDatabase);
    EXPECT_EQ(ReadFile(source), kDatabase);
    EXPECT_EQ(FilesIn(dir.path(), "*"), (std::vector<std::string>{"Ny.KVX", "Turnering1.KVX"}));
    EXPECT_EQ(Dir(dir.file(".*"), vbHidden), "");   // no temporary file left
}

TEST_F(Copy, CopyIsWritableEvenFromAWriteProtectedSource) {
    ::chmod(source.c_str(), 0444);
    FileCopy(source, dir.file("Ny.KVX"));
    EXPECT_EQ(GetAttr(dir.file("Ny.KVX")), vbNormal);
}

TEST_F(Copy, ReplacesAWritableTarget) {
    const std::string target = dir.write("Gammel.KVX", "gammelt innhold som er lengre enn null");
    FileCopy(source, target);
    EXPECT_EQ(ReadFile(target), kDatabase);
}

TEST_F(Copy, OntoItselfIsRefusedAndTheFileKept) {
    EXPECT_EQ(ErrorOf([&] { FileCopy(source, source); }), 70);
    EXPECT_EQ(ErrorOf([&] { FileCopy(source, dir.path() + "/./Turnering1.KVX"); }), 70);
    ASSERT_EQ(::link(source.c_str(), dir.file("Lenke.KVX").c_str()), 0);
    EXPECT_EQ(ErrorOf([&] { FileCopy(source, dir.file("Lenke.KVX")); }), 70);
    EXPECT_EQ(ReadFile(source), kDatabase);
    EXPECT_EQ(Dir(dir.file(".*"), vbHidden), "");
}

TEST_F(Copy, WriteProtectedOrFolderTargetIsPathFileAccess) {
    const std::string target = dir.write("Beskyttet.KVX", "beskyttet");
    ::chmod(target.c_str(), 0444);
    EXPECT_EQ(ErrorOf([&] { FileCopy(source, target); }), 75);
    EXPECT_EQ(ReadFile(target), "beskyttet");
    ::mkdir(dir.file("Mappe.KVX").c_str(), 0755);
    EXPECT_EQ(ErrorOf([&] { FileCopy(source, dir.file("Mappe.KVX")); }), 75);
    EXPECT_TRUE(IsFolder(dir.file("Mappe.KVX")));
    EXPECT_EQ(ReadFile(source), kDatabase);
    EXPECT_EQ(Dir(dir.file(".*"), vbHidden), "");
}

TEST_F(Copy, MissingSourceFolderSourceOrTargetFolder) {
    EXPECT_EQ(ErrorOf([&] { FileCopy(dir.file("borte.KVX"), dir.file("Ny.KVX")); }), 53);
    EXPECT_EQ(ErrorOf([&] { FileCopy(dir.path(), dir.file("Ny.KVX")); }), 75);
    EXPECT_EQ(ErrorOf([&] { FileCopy(source, dir.file("borte/Ny.KVX")); }), 76);
    EXPECT_EQ(ErrorOf([&] { FileCopy(source, source + "/Ny.KVX"); }), 76);
    EXPECT_EQ(ErrorOf([&] { FileCopy(source, dir.file("*.KVX")); }), 52);
    EXPECT_EQ(ErrorOf([&] { FileCopy("", dir.file("Ny.KVX")); }), 52);
    EXPECT_FALSE(Exists(dir.file("Ny.KVX")));
}

TEST_F(Copy, PermissionDeniedWithoutRoot) {
    if (kdtest::RunningAsRoot()) GTEST_SKIP() << "root writes and reads past permissions";
    const std::string locked = dir.file("laast");
    ::mkdir(locked.c_str(), 0555);
    EXPECT_EQ(ErrorOf([&] { FileCopy(source, locked + "/Ny.KVX"); }), 70);
    const std::string unreadable = dir.write("hemmelig.KVX", "x");
    ::chmod(unreadable.c_str(), 0200);
    EXPECT_EQ(ErrorOf([&] { FileCopy(unreadable, dir.file("Ny.KVX")); }), 70);
    EXPECT_FALSE(Exists(dir.file("Ny.KVX")));
}

TEST(Folders, MkDirKillRmDir) {
    kdtest::TempDir dir;
    const std::string folder = dir.file("Dommerrapport");
    MkDir(folder);
    EXPECT_TRUE(IsFolder(folder));
    EXPECT_EQ(ErrorOf([&] { MkDir(folder); }), 75);
    EXPECT_EQ(ErrorOf([&] { MkDir(dir.write("fil", "x")); }), 75);
    EXPECT_EQ(ErrorOf([&] { MkDir(dir.file("borte/under")); }), 76);
    EXPECT_EQ(ErrorOf([] { MkDir(""); }), 52);

    const std::string f = dir.write("Dommerrapport/a.rtf", "x");
    EXPECT_EQ(ErrorOf([&] { RmDir(folder); }), 75);
    Kill(f);
    EXPECT_FALSE(Exists(f));
    EXPECT_EQ(ErrorOf([&] { Kill(f); }), 53);
    RmDir(folder);
    EXPECT_FALSE(Exists(folder));
    EXPECT_EQ(ErrorOf([&] { RmDir(folder); }), 76);
}

TEST(Folders, KillRefusesFoldersWildcardsAndWriteProtectedFiles) {
    kdtest::TempDir dir;
    const std::string f = dir.write("a.kvx", "x");
    ::chmod(f.c_str(), 0444);
    EXPECT_EQ(ErrorOf([&] { Kill(f); }), 75);
    EXPECT_TRUE(Exists(f));
    EXPECT_EQ(ErrorOf([&] { Kill(dir.file("*.kvx")); }), 52);
    EXPECT_TRUE(Exists(f));
    EXPECT_EQ(ErrorOf([&] { Kill(dir.path()); }), 75);
}

namespace {
// Hidden files of a folder (our temporary copies among them).
std::vector<std::string> Hidden(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (name[0] == '.') names.push_back(name);
    }
    return names;
}
} // namespace

TEST_F(Copy, KilledCopiesLeaveTheTargetWholeOrAbsentAndTheNextCopyClearsTheirLeftovers) {
    const std::string big = dir.write("Stor.KVX", std::string(24u << 20, 'k'));
    const std::string target = dir.file("Kopi.KVX");
    std::mt19937 random(20261208);
    int killedMidway = 0;
    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            try {
                FileCopy(big, target);
            } catch (...) {
            }
            ::_exit(0);
        }
        ::usleep(static_cast<useconds_t>(random() % 40000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFSIGNALED(status)) ++killedMidway;
        if (Exists(target)) {
            EXPECT_EQ(std::filesystem::file_size(target), 24u << 20);
        }
        ::unlink(target.c_str());
    }
    ASSERT_GT(killedMidway, 0);
    // The next copy into the folder removes what the killed ones left behind.
    FileCopy(source, dir.file("Neste.KVX"));
    EXPECT_EQ(Hidden(dir.path()), std::vector<std::string>{});
}

TEST_F(Copy, LeftoverCleaningSparesLiveCopiesAndOtherHiddenFiles) {
    const std::string levende = dir.write(".Cup.KVX.kdtmp-AbC123", "under arbeid");
    dir.write(".notater", "brukerens egen fil");
    dir.write(".Cup.KVX.kdtmp-Dod456", "drept");
    // A database built in a temporary file has its journal beside it.
    dir.write(".Cup.KVX.kdtmp-AbC123-journal", "levende journal");
    dir.write(".Cup.KVX.kdtmp-Dod456-journal", "drept journal");
    dir.write(".Cup.KVX.kdtmp-Borte9-journal", "journal uten fil");
    const int fd = ::open(levende.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);   // as the copy that is still writing it holds it
    RemoveWriteLeftovers(dir.path());
    auto hidden = Hidden(dir.path());
    std::sort(hidden.begin(), hidden.end());
    EXPECT_EQ(hidden, (std::vector<std::string>{".Cup.KVX.kdtmp-AbC123", ".Cup.KVX.kdtmp-AbC123-journal", ".notater"}));
    ::close(fd);
    RemoveWriteLeftovers(dir.path());
    EXPECT_EQ(Hidden(dir.path()), std::vector<std::string>{".notater"});
}
