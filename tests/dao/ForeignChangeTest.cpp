// The open file changed under the program by another one: deleted, moved away,
// replaced, or written into in place (locks are advisory). A write is refused with
// what happened, and no file is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "DaoTestSupport.h"

using namespace daotest;
namespace fs = std::filesystem;

namespace {

struct Files {
    std::string path, other, before;   // the open file, another database, the open file's bytes before this session
};

struct Change {
    const char* name;
    std::function<void(const Files&)> make;
    int number;
    bool nameLeadsElsewhere;   // a second open of the name would reach another file
};

using Contents = std::map<std::string, std::string>;

Contents Read(const kdtest::TempDir& dir) {
    Contents out;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        if (entry.is_regular_file()) out[entry.path().filename().string()] = kdtest::ReadFile(entry.path().string());
    return out;
}

// The names of the files that are new, gone or changed.
std::vector<std::string> Changed(const Contents& before, const Contents& after) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : after)
        if (!before.count(name) || before.at(name) != bytes) names.push_back(name);
    for (const auto& [name, bytes] : before)
        if (!after.count(name)) names.push_back(name);
    return names;
}

void Overwrite(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::in | std::ios::out) << bytes;
}

class DaoForeignChange : public ::testing::TestWithParam<Change> {};

TEST_P(DaoForeignChange, AWriteIsRefusedWithWhatHappenedAndNoFileChanges) {
    kdtest::TempDir dir;
    Files f{dir.file("t.kvx"), dir.file("annen.kvx"), ""};
    for (const auto& [path, rows] : {std::pair{f.path, 1}, std::pair{f.other, 40}}) {
        dao::Database made = Ws().CreateDatabase(path);
        AddRefereeTable(made);
        for (int nr = 1; nr <= rows; ++nr) AddReferee(made, nr, "Navn", std::string(40, 'x'), true);
    }
    f.before = kdtest::ReadFile(f.path);
    dao::Database db = Ws().OpenDatabase(f.path);
    AddReferee(db, 2, "Ola", "Sør", false);   // this session's own write is no change by another
    GetParam().make(f);
    const Contents contents = Read(dir);

    const std::vector<std::pair<const char*, std::function<void()>>> writes = {
        {"recordset", [&] {
             dao::Recordset rs = db.OpenRecordset("Dommere");
             rs.AddNew();
             rs("DommerNR") = 3;
             rs.Update();
         }},
        {"transaction", [&] {
             Ws().BeginTrans();
             try {
                 db.Execute("DELETE FROM Dommere");
                 Ws().CommitTrans();
             } catch (...) {
                 Ws().Rollback();
                 throw;
             }
         }},
        {"schema", [&] { db.TableDef_("Dommere").Fields_Append(TextField("Ny")); }}};
    for (const auto& [name, write] : writes) {
        SCOPED_TRACE(name);
        try {
            write();
            ADD_FAILURE() << "the write went through";
        } catch (const vb::Err& e) {
            EXPECT_EQ(e.Number, GetParam().number);
            EXPECT_NE(e.Description.find(f.path), std::string::npos) << e.Description;
            EXPECT_NE(e.Description.find("Ingenting ble lagret"), std::string::npos) << e.Description;
        }
        EXPECT_EQ(Changed(contents, Read(dir)), std::vector<std::string>{});
    }
    if (GetParam().nameLeadsElsewhere) {
        EXPECT_EQ(ErrOf([&] { Ws().OpenDatabase(f.path); }), GetParam().number);
    }
    // Closing lets go of the engine's own finalized journal, and of nothing else.
    db.Close();
    const auto changed = Changed(contents, Read(dir));
    EXPECT_TRUE(changed.empty() || changed == std::vector<std::string>{"t.kvx-journal"}) << changed.front();
}

INSTANTIATE_TEST_SUITE_P(
    Dao, DaoForeignChange,
    ::testing::Values(
        Change{"deleted", [](const Files& f) { fs::remove(f.path); }, 3024, true},
        Change{"movedAway", [](const Files& f) { fs::rename(f.path, f.path + ".flyttet"); }, 3024, true},
        Change{"replaced", [](const Files& f) { fs::rename(f.other, f.path); }, 3197, true},
        Change{"copiedOverInPlace", [](const Files& f) { Overwrite(f.path, kdtest::ReadFile(f.other)); }, 3197, false},
        Change{"olderCopyRestoredInPlace", [](const Files& f) { Overwrite(f.path, f.before); }, 3197, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Work of this process that another program left alone goes on as before: rolled back,
// failed or committed, the next write is not taken for a change by someone else.
TEST(DaoForeignChange, OwnWorkIsNeverTakenForAChange) {
    kdtest::TempDir dir;
    dao::Database db = Ws().CreateDatabase(dir.file("t.kvx"));
    AddRefereeTable(db);
    for (int round = 0; round < 3; ++round) {
        Ws().BeginTrans();
        AddReferee(db, 10 + round, "Per", "Berg", true);
        Ws().Rollback();
        EXPECT_EQ(ErrOf([&] { AddReferee(db, 100000, "For", "stort", true); }), vb::errnum::Overflow);
        AddReferee(db, round + 1, "Kari", "Nord", true);
    }
    EXPECT_EQ(db.OpenRecordset("Dommere", dao::dbOpenSnapshot).RecordCount(), 3);
}

} // namespace
