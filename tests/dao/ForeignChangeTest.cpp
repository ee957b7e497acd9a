// The open file changed under the program by another one: deleted, moved away,
// replaced, or written into in place (locks are advisory). A write is refused with
// what happened, and no file is written. A change of its times alone is no write.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
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

// Another program at work on the files: a descriptor of this process on the open file,
// once closed, would drop the engine's locks.
void RunCommand(const std::string& command) { ASSERT_EQ(std::system(command.c_str()), 0) << command; }

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// Writes the bytes over the start of the file in place, as a copy tool does.
void Overwrite(const std::string& path, const std::string& bytes) {
    kdtest::TempDir dir;
    RunCommand("cp " + Quoted(dir.write("kopi", bytes)) + " " + Quoted(path));
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
    // A second handle would share the lost connection: refused alike while it is held.
    EXPECT_EQ(ErrOf([&] { Ws().OpenDatabase(f.path); }), GetParam().number);
    // Closing lets go of the engine's own finalized journal, and of nothing else.
    db.Close();
    const auto changed = Changed(contents, Read(dir));
    EXPECT_TRUE(changed.empty() || changed == std::vector<std::string>{"t.kvx-journal"}) << changed.front();
    // Let go, the name opens what lies there now, for writing.
    if (GetParam().number == dao::errnum::FileReplaced) {
        dao::Database again = Ws().OpenDatabase(f.path);
        AddReferee(again, 77, "Ny", "Start", true);
        EXPECT_EQ(again.OpenRecordset("SELECT * FROM Dommere WHERE DommerNR = 77", dao::dbOpenSnapshot).RecordCount(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dao, DaoForeignChange,
    ::testing::Values(
        Change{"deleted", [](const Files& f) { fs::remove(f.path); }, 3024},
        Change{"movedAway", [](const Files& f) { fs::rename(f.path, f.path + ".flyttet"); }, 3024},
        Change{"replaced", [](const Files& f) { fs::rename(f.other, f.path); }, 3197},
        Change{"copiedOverInPlace", [](const Files& f) { Overwrite(f.path, kdtest::ReadFile(f.other)); }, 3197},
        Change{"olderCopyRestoredInPlace", [](const Files& f) { Overwrite(f.path, f.before); }, 3197},
        // Grown by a page at its end, every byte before it as it was.
        Change{"appendedTo", [](const Files& f) { RunCommand("head -c 4096 /dev/zero >> " + Quoted(f.path)); }, 3197},
        // The header's change counter moved, the size as it was; then touched back to the old times.
        Change{"headerRewrittenTimesKept",
               [](const Files& f) {
                   RunCommand("touch -r " + Quoted(f.path) + " " + Quoted(f.path + ".tider"));
                   RunCommand("printf '\\177' | dd of=" + Quoted(f.path) + " bs=1 seek=27 conv=notrunc status=none");
                   RunCommand("touch -r " + Quoted(f.path + ".tider") + " " + Quoted(f.path));
                   fs::remove(f.path + ".tider");
               },
               3197}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever sets the open file's times (touch, a sync or backup tool) writes nothing into
// it: every write after it goes through and is stored.
TEST(DaoForeignChange, ATouchIsNoWriteAndTheWritesAfterItAreStored) {
    kdtest::TempDir dir;
    const std::string path = dir.file("t.kvx");
    {
        dao::Database made = Ws().CreateDatabase(path);
        AddRefereeTable(made);
    }
    const timespec past{946684800, 0}, now{0, UTIME_NOW}, keep{0, UTIME_OMIT};
    const std::vector<std::pair<const char*, std::function<void()>>> touches = {
        {"utimensat", [&] { ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), nullptr, 0), 0); }},
        {"utimensat back in time", [&] {
             const timespec times[2] = {past, past};
             ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
         }},
        {"utimensat access only", [&] {
             const timespec times[2] = {now, keep};
             ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
         }},
        {"touch", [&] { RunCommand("touch " + Quoted(path)); }},
        {"touch -a", [&] { RunCommand("touch -a " + Quoted(path)); }},
        {"touch -m", [&] { RunCommand("touch -m -d '2001-02-03 04:05:06' " + Quoted(path)); }},
        {"chmod back to its mode", [&] { RunCommand("chmod u+w " + Quoted(path)); }}};
    dao::Database db = Ws().OpenDatabase(path);
    int nr = 0;
    for (const auto& [name, touch] : touches) {
        SCOPED_TRACE(name);
        touch();
        AddReferee(db, ++nr, "Kari", "Nord", true);
        touch();
        Ws().BeginTrans();
        AddReferee(db, ++nr, "Ola", "Sør", false);
        Ws().CommitTrans();
        touch();
        dao::Recordset rs = db.OpenRecordset("Dommere");
        rs.AddNew();
        rs("DommerNR") = ++nr;
        rs.Update();
    }
    db.TableDef_("Dommere").Fields_Append(TextField("Merknad"));
    db.Close();
    dao::Database reopened = Ws().OpenDatabase(path, false, true);
    EXPECT_EQ(reopened.OpenRecordset("Dommere", dao::dbOpenSnapshot).RecordCount(), nr);
    EXPECT_TRUE(reopened.TableDef_("Dommere").FindField("Merknad"));
}

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
