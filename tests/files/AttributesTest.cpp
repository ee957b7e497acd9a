#include <gtest/gtest.h>

#include <sys/stat.h>

#include "FilesTestSupport.h"
#include "platform/files/Files.h"
#include "support/TestEnv.h"

using filetest::ErrorOf;
using namespace files;

namespace {
mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}
} // namespace

TEST(Attributes, WordsFromPermissionsNamesAndKinds) {
    kdtest::TempDir dir;
    const std::string plain = dir.write("a.kvx", "x");
    const std::string dot = dir.write(".a.kvx", "x");
    ::chmod(plain.c_str(), 0644);
    EXPECT_EQ(GetAttr(plain), vbNormal);
    EXPECT_EQ(GetAttr(dot), vbHidden);
    EXPECT_EQ(GetAttr(dir.path()), vbDirectory);
    ::chmod(plain.c_str(), 0466);   // others may write, the owner may not
    EXPECT_EQ(GetAttr(plain), vbReadOnly);
    ::chmod(dot.c_str(), 0444);
    EXPECT_EQ(GetAttr(dot), vbReadOnly + vbHidden);
    EXPECT_EQ(GetAttr(dir.path() + "/."), vbDirectory);
}

TEST(Attributes, ArchiveIsNeverSet) {
    kdtest::TempDir dir;
    const std::string f = dir.write("a.kvx", "x");
    for (mode_t m : {0644, 0444, 0600, 0200}) {
        ::chmod(f.c_str(), m);
        EXPECT_EQ(GetAttr(f) & vbArchive, 0) << m;
    }
}

TEST(Attributes, SettingNormalGivesOwnerWriteBackOnly) {
    kdtest::TempDir dir;
    const std::string f = dir.write("a.kvx", "x");
    ::chmod(f.c_str(), 0450);
    SetAttr(f, vbNormal);
    EXPECT_EQ(modeOf(f), 0650u);
    EXPECT_EQ(GetAttr(f), vbNormal);
    SetAttr(f, vbNormal);   // already writable: nothing changes
    EXPECT_EQ(modeOf(f), 0650u);
    SetAttr(f, vbArchive);  // a word without 1 also means writable
    EXPECT_EQ(modeOf(f), 0650u);
}

TEST(Attributes, ReadOnlyTakesOnlyOwnerWrite) {
    kdtest::TempDir dir;
    const std::string f = dir.write("a.kvx", "x");
    ::chmod(f.c_str(), 0666);
    SetAttr(f, vbReadOnly + vbArchive);
    EXPECT_EQ(modeOf(f), 0466u);
    EXPECT_EQ(GetAttr(f), vbReadOnly);
}

TEST(Attributes, MissingAndBadNames) {
    kdtest::TempDir dir;
    EXPECT_EQ(ErrorOf([&] { GetAttr(dir.file("borte.kvx")); }), 53);
    EXPECT_EQ(ErrorOf([&] { SetAttr(dir.file("borte.kvx"), 0); }), 53);
    EXPECT_EQ(ErrorOf([&] { GetAttr(dir.file("*.kvx")); }), 52);
    EXPECT_EQ(ErrorOf([&] { SetAttr(dir.file("*.kvx"), 0); }), 52);
    EXPECT_EQ(ErrorOf([] { GetAttr(""); }), 52);
    EXPECT_EQ(ErrorOf([&] { GetAttr(dir.write("fil", "x") + "/under"); }), 76);
}

TEST(Attributes, ExistsAndIsFolder) {
    kdtest::TempDir dir;
    const std::string f = dir.write("a", "x");
    EXPECT_TRUE(Exists(f));
    EXPECT_FALSE(IsFolder(f));
    EXPECT_TRUE(Exists(dir.path()));
    EXPECT_TRUE(IsFolder(dir.path()));
    EXPECT_FALSE(Exists(dir.file("b")));
    EXPECT_FALSE(Exists(""));
    EXPECT_FALSE(IsFolder(""));
}
