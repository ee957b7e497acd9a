#include <gtest/gtest.h>

#include <cstdlib>

#include "FilesTestSupport.h"
#include "platform/files/Files.h"
#include "platform/files/Mounts.h"

using filetest::ErrorOf;
using namespace files;

TEST(Paths, JoinUsesOneSlash) {
    EXPECT_EQ(Join("/data", "a.KVX"), "/data/a.KVX");
    EXPECT_EQ(Join("/data/", "a.KVX"), "/data/a.KVX");
    EXPECT_EQ(Join("/data\\", "a.KVX"), "/data/a.KVX");   // the old trailing "\" of Katalog
    EXPECT_EQ(Join("/data", "/a.KVX"), "/data/a.KVX");
    EXPECT_EQ(Join("/", "a"), "/a");
    EXPECT_EQ(Join("", "a"), "a");
}

TEST(Paths, BaseNameAndFolderOf) {
    EXPECT_EQ(BaseName("/data/Turnering1.KVX"), "Turnering1.KVX");
    EXPECT_EQ(BaseName("C:\\KvistrelDommer\\x.kvx"), "x.kvx");
    EXPECT_EQ(BaseName("x.kvx"), "x.kvx");
    EXPECT_EQ(BaseName("/data/"), "");
    EXPECT_EQ(FolderOf("/data/x.kvx"), "/data");
    EXPECT_EQ(FolderOf("/x.kvx"), "/");
    EXPECT_EQ(FolderOf("x.kvx"), "");
}

TEST(Paths, HomeAndDataFolder) {
    EXPECT_EQ(HomeFolder(), std::getenv("HOME"));
    EXPECT_EQ(DataFolder(), std::string(std::getenv("HOME")) + "/KvistrelDommer");
}

TEST(Paths, BadFileNameIsFiftyTwo) {
    EXPECT_EQ(ErrorOf([] { CheckFileName(""); }), 52);
    EXPECT_EQ(ErrorOf([] { CheckFileName("/data/*.kvx"); }), 52);
    EXPECT_EQ(ErrorOf([] { CheckFileName("a?.kvx"); }), 52);
    EXPECT_EQ(ErrorOf([] { CheckFileName(std::string("a\0b", 3)); }), 52);
    EXPECT_EQ(ErrorOf([] { CheckFileName("/data/Turnering 1.KVX"); }), 0);
    EXPECT_EQ(ErrorOf([] { CheckFileName("/data/Hvem?/Cup*2/Turnering.KVX"); }), 0);
    EXPECT_EQ(ErrorOf([] { CheckFileName("/data/Cup*2/"); }), 52);
}

TEST(Patterns, MatchWithoutRegardToCase) {
    EXPECT_TRUE(PatternMatches("X.KVX", "*.kvx"));
    EXPECT_TRUE(PatternMatches("x.kvx", "*.KVX"));
    EXPECT_TRUE(PatternMatches("Bjørn.KVX", "BJØRN.kvx"));
    EXPECT_FALSE(PatternMatches("x.kvx.bak", "*.kvx"));
    EXPECT_FALSE(PatternMatches("xkvx", "*.kvx"));
    EXPECT_TRUE(PatternMatches("a.bca", "*.kvx;*.BCA"));
    EXPECT_TRUE(PatternMatches("a.kvx", " *.bca ; *.kvx "));
    EXPECT_FALSE(PatternMatches("a.dkv", "*.kvx;;*.bca"));
    EXPECT_TRUE(PatternMatches("README", "*.*"));
    EXPECT_TRUE(PatternMatches("a1.kvx", "a?.kvx"));
    EXPECT_FALSE(PatternMatches("", ""));
}

TEST(Patterns, BracketsAndHashAreOrdinaryInFileNames) {
    EXPECT_TRUE(PatternMatches("lag[1].kvx", "lag[1].kvx"));
    EXPECT_FALSE(PatternMatches("lag1.kvx", "lag[1].kvx"));
    EXPECT_TRUE(PatternMatches("nr#2.kvx", "nr#*"));
    EXPECT_FALSE(PatternMatches("nr22.kvx", "nr#*"));
}

TEST(Drives, RootFirstThenExistingFolders) {
    const auto drives = Drives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives.front(), "/");
    for (const auto& d : drives) EXPECT_TRUE(IsFolder(d)) << d;
}

TEST(Drives, MountTableReading) {
    const std::string table =
        "/dev/sda1 / ext4 rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "/dev/sdb1 /media/ola/MIN\\040PINNE vfat rw 0 0\n"
        "/dev/sdc1 /mnt/usb ext4 rw 0 0\n"
        "/dev/sdc2 /mntx ext4 rw 0 0\n"
        "/dev/sdd1 /run/media/ola/KORT exfat rw 0 0\n"
        "/dev/sdc1 /mnt/usb ext4 rw 0 0\n"
        "broken\n";
    EXPECT_EQ(detail::MountPointsUnder(table, {"/media", "/mnt", "/run/media/ola"}),
              (std::vector<std::string>{"/media/ola/MIN PINNE", "/mnt/usb", "/run/media/ola/KORT"}));
    EXPECT_TRUE(detail::MountPointsUnder(table, {}).empty());
}
