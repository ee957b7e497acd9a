#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "FilesTestSupport.h"
#include "platform/files/Files.h"
#include "support/TestEnv.h"

using filetest::ErrorOf;
using namespace files;
using Names = std::vector<std::string>;

class Listing : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"b.kvx", "A.KVX", "ø.kvx", "æ.Kvx", "c.bca", "notes.txt", ".skjult.kvx"})
            dir.write(name, "x");
        for (const char* name : {"Zeta", "alfa", "Åsen", ".git"}) ::mkdir(dir.file(name).c_str(), 0755);
        ::mkdir(dir.file("mappe.kvx").c_str(), 0755);
    }
    kdtest::TempDir dir;
};

TEST_F(Listing, FilesMatchingPatternSortedWithoutCase) {
    EXPECT_EQ(FilesIn(dir.path(), "*.kvx"), (Names{"A.KVX", "b.kvx", "æ.Kvx", "ø.kvx"}));
    EXPECT_EQ(FilesIn(dir.path(), "*.KVX;*.bca"), (Names{"A.KVX", "b.kvx", "c.bca", "æ.Kvx", "ø.kvx"}));
    EXPECT_EQ(FilesIn(dir.path(), "NOTES.TXT"), (Names{"notes.txt"}));
    EXPECT_EQ(FilesIn(dir.path(), "*.dkv"), Names{});
}

TEST_F(Listing, FoldersLeaveOutFilesAndHiddenOnes) {
    EXPECT_EQ(Folders(dir.path()), (Names{"alfa", "mappe.kvx", "Zeta", "Åsen"}));
}

TEST_F(Listing, LinksAreListedAsWhatTheyPointTo) {
    ASSERT_EQ(::symlink(dir.file("b.kvx").c_str(), dir.file("lenke.kvx").c_str()), 0);
    ASSERT_EQ(::symlink(dir.file("borte").c_str(), dir.file("død.kvx").c_str()), 0);
    ASSERT_EQ(::symlink(dir.file("alfa").c_str(), dir.file("mappelenke").c_str()), 0);
    EXPECT_EQ(FilesIn(dir.path(), "*.kvx"), (Names{"A.KVX", "b.kvx", "lenke.kvx", "æ.Kvx", "ø.kvx"}));
    EXPECT_EQ(Folders(dir.path()), (Names{"alfa", "mappe.kvx", "mappelenke", "Zeta", "Åsen"}));
}

TEST_F(Listing, MissingFolderIsPathNotFound) {
    EXPECT_EQ(ErrorOf([&] { FilesIn(dir.file("borte"), "*.kvx"); }), 76);
    EXPECT_EQ(ErrorOf([&] { Folders(dir.file("borte")); }), 76);
    EXPECT_EQ(ErrorOf([&] { Folders(dir.file("b.kvx")); }), 76);
}

TEST_F(Listing, DirGivesTheFirstMatchOrNothing) {
    EXPECT_EQ(Dir(dir.file("*.kvx")), "A.KVX");
    EXPECT_EQ(Dir(dir.file("*.dkv")), "");
    EXPECT_EQ(Dir(dir.file("b.kvx")), "b.kvx");
    EXPECT_EQ(Dir(dir.file("borte.kvx")), "");
    EXPECT_EQ(Dir(dir.file("borte/*.kvx")), "");
    EXPECT_EQ(Dir(dir.file("alfa")), "");
    EXPECT_EQ(Dir(dir.file("alfa"), vbDirectory), "alfa");
    EXPECT_EQ(Dir(dir.file("m*"), vbDirectory), "mappe.kvx");
    EXPECT_EQ(Dir(dir.file(".s*")), "");
    EXPECT_EQ(Dir(dir.file(".s*"), vbHidden), ".skjult.kvx");
    EXPECT_EQ(ErrorOf([] { Dir(""); }), 52);
}
