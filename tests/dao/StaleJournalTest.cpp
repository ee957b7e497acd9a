// Journals a killed program left beside a database: the next open for writing removes
// those nobody needs any more, and leaves a super-journal that a journal may still need,
// and everything that only looks like the engine's own.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "DaoTestSupport.h"
#include "support/AnnenProsess.h"
#include "support/Diskfeil.h"

using namespace daotest;
namespace fs = std::filesystem;

namespace {

const std::string kMagic("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);

std::string BigEndian(uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

// A journal's first sector: the header, valid or zeroed, then a page record's worth of bytes.
std::string Journal(bool valid) {
    std::string header = (valid ? kMagic : std::string(8, '\0')) + BigEndian(1) + BigEndian(7) + BigEndian(2) +
                         BigEndian(512) + BigEndian(4096);
    return header + std::string(512 - header.size(), '\0') + std::string(600, 'p');
}

// A journal of a commit over several files names its super-journal at its end.
std::string NamingSuper(const std::string& journal, const std::string& super) {
    uint32_t sum = 0;
    for (char c : super) sum += static_cast<uint32_t>(c);
    return journal + BigEndian(0x40000000 / 4096 + 1) + super + BigEndian(static_cast<uint32_t>(super.size())) +
           BigEndian(sum) + kMagic;
}

std::string SuperListing(const std::vector<std::string>& journals) {
    std::string out;
    for (const auto& j : journals) out += j + '\0';
    return out;
}

class DaoStaleJournal : public ::testing::Test {
protected:
    void SetUp() override {
        dao::Database made = Ws().CreateDatabase(path);
        AddRefereeTable(made);
        AddReferee(made, 1, "Kari", "Nord", true);
    }
    kdtest::TempDir dir;
    const std::string path = dir.file("T.KVX");
};

TEST_F(DaoStaleJournal, AnOpenForWritingRemovesWhatNoHotJournalNeeds) {
    const std::string other = dir.file("kilde.dkv");
    const std::string needed = path + "-mj0A1B2C9D3", orphan = path + "-mj1122339AA", unsynced = path + "-mj4455669BB";
    dir.write("kilde.dkv-journal", NamingSuper(Journal(true), needed));
    dir.write("T.KVX-mj0A1B2C9D3", SuperListing({path + "-journal", other + "-journal"}));
    // Killed before any journal named it, or after every journal that did was finalized.
    dir.write("T.KVX-mj1122339AA", SuperListing({path + "-journal", dir.file("borte.dkv-journal")}));
    dir.write("andre.dkv-journal", NamingSuper(Journal(false), unsynced));
    dir.write("T.KVX-mj4455669BB", SuperListing({dir.file("andre.dkv-journal")}));
    dir.write("T.KVX-journal", std::string(28, '\0') + std::string(900, 'g'));   // finalized, as an exclusive session leaves it
    // Killed after the engine made the file, before it wrote the list.
    const std::string empty = dir.write("T.KVX-mj7788999CC", "");

    dao::Database ro = Ws().OpenDatabase(path, false, true);
    ro.Close();
    EXPECT_TRUE(fs::exists(orphan) && fs::exists(empty)) << "a read-only open writes nothing";
    EXPECT_TRUE(fs::exists(path + "-journal"));

    dao::Database db = Ws().OpenDatabase(path);
    EXPECT_FALSE(fs::exists(path + "-journal"));
    EXPECT_FALSE(fs::exists(orphan));
    EXPECT_FALSE(fs::exists(unsynced));
    EXPECT_FALSE(fs::exists(empty));
    EXPECT_TRUE(fs::exists(needed)) << "the hot journal of kilde.dkv still names it";
    EXPECT_TRUE(fs::exists(other + "-journal"));
    EXPECT_EQ(db.OpenRecordset("Dommere", dao::dbOpenSnapshot).RecordCount(), 1);
    AddReferee(db, 2, "Ola", "Sør", false);
}

// Everything whose name only begins like a super-journal of the file, or has its exact
// form without being one of ours that nobody needs, stays as it is; another program's
// write to a database of such a name goes on.
TEST_F(DaoStaleJournal, OnlyTheEnginesOwnStaleSuperJournalsGo) {
    const std::string stale = SuperListing({path + "-journal", dir.file("borte.dkv-journal")});
    dir.write("T.KVX-mjølner notater.txt", "brukerens egne notater");
    {
        dao::Database other = Ws().CreateDatabase(dir.file("T.KVX-mj2.KVX"));
        AddRefereeTable(other);
    }
    const kdtest::AnnenProsess writer(dir.file("T.KVX-mj2.KVX"), "BEGIN EXCLUSIVE; INSERT INTO Dommere (DommerNR) VALUES (5)");
    ASSERT_TRUE(fs::exists(dir.file("T.KVX-mj2.KVX-journal")));
    fs::create_symlink(dir.write("lenket.txt", stale), dir.file("T.KVX-mjABCDEF9AB"));
    dir.write("T.KVX-mj1234569AB", "hei, dette er ikke en journal");
    dir.write("T.KVX-mj11223399AA", stale);   // one character too many
    dir.write("T.KVX-mjabcdef9ab", stale);    // lower case
    dir.write("T.KVX-mj7654329", "");          // empty, two characters short
    fs::create_symlink(dir.write("tom.txt", ""), dir.file("T.KVX-mj0123459CD"));
    dir.write("T.KVX-mj123456XAB", stale);    // no 9
    fs::create_directories(dir.file("annet"));
    dir.write("T.KVX-mjAAAAAA9AA", SuperListing({dir.file("annet/X.KVX-journal")}));
    dir.write("T.KVX-mjBBBBBB9BB", SuperListing({dir.file("varm.dkv-journal")}));
    dir.write("varm.dkv-journal", Journal(true));
    dir.write("T.KVX-mjCCCCCC9CC", "relativ.dkv-journal" + std::string(1, '\0'));
    dir.write("T.KVX-mjDDDDDD9DD", std::string(path + "-journal"));   // not ended as the engine ends it
    fs::create_directory(dir.file("T.KVX-mjEEEEEE9EE"));
    const std::string ours = dir.write("T.KVX-mjFFFFFF9FF", stale);
    std::vector<std::string> before;
    for (const auto& e : fs::directory_iterator(dir.path())) before.push_back(e.path().filename().string());

    dao::Database db = Ws().OpenDatabase(path);
    std::vector<std::string> after;
    for (const auto& e : fs::directory_iterator(dir.path())) after.push_back(e.path().filename().string());
    std::erase(before, "T.KVX-mjFFFFFF9FF");
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);
    EXPECT_FALSE(fs::exists(ours));
}

// A super-journal of the user's name form and content that another user left in a shared
// folder is not ours. Only root can give a file to another user: skipped otherwise.
TEST_F(DaoStaleJournal, AnotherUsersSuperJournalStays) {
    if (!kdtest::RunningAsRoot()) GTEST_SKIP() << "only root can make a file another user's";
    const std::string theirs = dir.write("T.KVX-mj0000009AA", SuperListing({dir.file("borte.dkv-journal")}));
    const std::string theirEmpty = dir.write("T.KVX-mj0000009BB", "");
    ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chown(theirEmpty.c_str(), 65534, 65534), 0);
    dao::Database db = Ws().OpenDatabase(path);
    EXPECT_TRUE(fs::exists(theirs));
    EXPECT_TRUE(fs::exists(theirEmpty));
}

// The linked engine's own super-journal, left by a program killed in a commit over two
// files before either journal was made valid: it has the name form the clean-up takes,
// and goes at the next open for writing.
TEST_F(DaoStaleJournal, TheEnginesRealSuperJournalOfAKilledCommitGoes) {
    const std::string second = dir.file("B.KVX");
    {
        dao::Database made = Ws().CreateDatabase(second);
        AddRefereeTable(made);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        kdtest::Diskfeil disk;
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_exec(db, ("ATTACH '" + second + "' AS b; BEGIN; INSERT INTO main.Dommere (DommerNR) VALUES (2); "
                          "INSERT INTO b.Dommere (DommerNR) VALUES (2);").c_str(), nullptr, nullptr, nullptr);
        disk.StansVedSynkronisering(0);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        ::_exit(1);   // the commit never reached a sync
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    std::vector<std::string> supers;
    for (const auto& e : fs::directory_iterator(dir.path()))
        if (e.path().filename().string().starts_with("T.KVX-mj")) supers.push_back(e.path().filename().string());
    ASSERT_EQ(supers.size(), 1u) << "the killed commit left no super-journal";
    // "-mj", six upper-case hex digits, a 9 and two more.
    const std::string form = supers[0].substr(std::string("T.KVX-mj").size());
    const auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) && !std::islower(static_cast<unsigned char>(c)); };
    EXPECT_TRUE(form.size() == 9 && form[6] == '9' && std::all_of(form.begin(), form.begin() + 6, hex) &&
                std::all_of(form.begin() + 7, form.end(), hex))
        << supers[0];

    dao::Database db = Ws().OpenDatabase(path);
    EXPECT_FALSE(fs::exists(dir.file(supers[0])));
    EXPECT_EQ(db.OpenRecordset("Dommere", dao::dbOpenSnapshot).RecordCount(), 1);
    db.Close();
    EXPECT_EQ(Ws().OpenDatabase(second).OpenRecordset("Dommere", dao::dbOpenSnapshot).RecordCount(), 0);
}

TEST_F(DaoStaleJournal, AJournalThatIsNotFinalizedButNeverSyncedGoesToo) {
    dir.write("T.KVX-journal", Journal(false));
    dao::Database db = Ws().OpenDatabase(path);
    EXPECT_FALSE(fs::exists(path + "-journal"));
    EXPECT_EQ(db.OpenRecordset("Dommere", dao::dbOpenSnapshot).RecordCount(), 1);
}

} // namespace
