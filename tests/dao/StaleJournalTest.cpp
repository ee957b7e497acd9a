// Journals a killed program left beside a database: the next open for writing removes
// those nobody needs any more, and leaves a super-journal that a hot journal still names.
#include <gtest/gtest.h>

#include <filesystem>

#include "DaoTestSupport.h"

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
    const std::string needed = path + "-mj0A1B2C9D3", orphan = path + "-mj11223399AA", unsynced = path + "-mj4455669BB";
    dir.write("kilde.dkv-journal", NamingSuper(Journal(true), needed));
    dir.write("T.KVX-mj0A1B2C9D3", SuperListing({path + "-journal", other + "-journal"}));
    // Killed before any journal named it, or after every journal that did was finalized.
    dir.write("T.KVX-mj11223399AA", SuperListing({path + "-journal", dir.file("borte.dkv-journal")}));
    dir.write("andre.dkv-journal", NamingSuper(Journal(false), unsynced));
    dir.write("T.KVX-mj4455669BB", SuperListing({dir.file("andre.dkv-journal")}));
    dir.write("T.KVX-journal", std::string(28, '\0') + std::string(900, 'g'));   // finalized, as an exclusive session leaves it

    dao::Database ro = Ws().OpenDatabase(path, false, true);
    ro.Close();
    EXPECT_TRUE(fs::exists(orphan)) << "a read-only open writes nothing";
    EXPECT_TRUE(fs::exists(path + "-journal"));

    dao::Database db = Ws().OpenDatabase(path);
    EXPECT_FALSE(fs::exists(path + "-journal"));
    EXPECT_FALSE(fs::exists(orphan));
    EXPECT_FALSE(fs::exists(unsynced));
    EXPECT_TRUE(fs::exists(needed)) << "the hot journal of kilde.dkv still names it";
    EXPECT_TRUE(fs::exists(other + "-journal"));
    EXPECT_EQ(db.OpenRecordset("Dommere", dao::dbOpenSnapshot).RecordCount(), 1);
    AddReferee(db, 2, "Ola", "Sør", false);
}

TEST_F(DaoStaleJournal, AJournalThatIsNotFinalizedButNeverSyncedGoesToo) {
    dir.write("T.KVX-journal", Journal(false));
    dao::Database db = Ws().OpenDatabase(path);
    EXPECT_FALSE(fs::exists(path + "-journal"));
    EXPECT_EQ(db.OpenRecordset("Dommere", dao::dbOpenSnapshot).RecordCount(), 1);
}

} // namespace
