// A file another tool keeps in WAL mode: the program's reads leave nothing beside it and
// its bytes as they were; a file the program opens for writing is turned into a rollback
// file and works; a WAL file another connection has open keeps its -wal and -shm.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

#include "DaoTestSupport.h"

using namespace daotest;

namespace {

namespace fs = std::filesystem;

void Exec(sqlite3* db, const char* sql) { ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db); }

// A WAL-mode file as the other tool leaves it once closed: the file alone.
std::string MakeWalFile(kdtest::TempDir& dir) {
    const std::string path = dir.file("andre.bcd");
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    Exec(db, "PRAGMA journal_mode = WAL");
    Exec(db, "CREATE TABLE Dommere (DommerNR INTEGER, Dommer_ENavn TEXT)");
    Exec(db, "INSERT INTO Dommere VALUES (1, 'Ås'), (2, 'Berg')");
    sqlite3_close(db);
    return path;
}

std::vector<std::string> Beside(const std::string& path) {
    std::vector<std::string> names;
    for (const auto& f : fs::directory_iterator(fs::path(path).parent_path()))
        if (f.path() != path) names.push_back(f.path().filename().string());
    return names;
}

long Count(dao::Database& db) { return db.OpenRecordset("Select count(*) From Dommere", dao::dbOpenSnapshot).Get(0).ToLong(); }

TEST(DaoWalFile, AReadOnlyOpenLeavesNothingBesideAndTheFileAsItWas) {
    kdtest::TempDir dir;
    const std::string path = MakeWalFile(dir);
    ASSERT_TRUE(Beside(path).empty());
    const std::string bytes = kdtest::ReadFile(path);
    const auto written = fs::last_write_time(path);
    dao::Database db = Ws().OpenDatabase(path, false, true);
    EXPECT_EQ(Count(db), 2);
    db.Close();
    EXPECT_EQ(Beside(path), std::vector<std::string>{});
    EXPECT_EQ(kdtest::ReadFile(path), bytes);
    EXPECT_EQ(fs::last_write_time(path), written);
}

TEST(DaoWalFile, AFileOpenedForWritingBecomesARollbackFileThatWorks) {
    kdtest::TempDir dir;
    const std::string path = MakeWalFile(dir);
    {
        dao::Database db = Ws().OpenDatabase(path, true, false);
        db.Execute("Insert Into Dommere Values (3, 'Dal')");
        db.Close();
    }
    EXPECT_EQ(Beside(path), std::vector<std::string>{});
    dao::Database again = Ws().OpenDatabase(path);
    EXPECT_EQ(Count(again), 3);
    again.Close();
    EXPECT_EQ(kdtest::ReadFile(path).at(18), 1) << "the header's read version: 1 rollback journal, 2 WAL";
    EXPECT_EQ(Beside(path), std::vector<std::string>{});
}

// The other tool still has the file open: its -wal and -shm are its own, and its work goes on.
TEST(DaoWalFile, TheWalFilesOfAConnectionStillOpenStay) {
    kdtest::TempDir dir;
    const std::string path = MakeWalFile(dir);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    Exec(other, "INSERT INTO Dommere VALUES (4, 'Lie')");   // stays in its -wal
    const auto walFiles = std::vector<std::string>{"andre.bcd-shm", "andre.bcd-wal"};
    auto sorted = [&] {
        auto names = Beside(path);
        std::sort(names.begin(), names.end());
        return names;
    };
    ASSERT_EQ(sorted(), walFiles);
    dao::Database db = Ws().OpenDatabase(path, false, true);
    EXPECT_EQ(Count(db), 3);
    db.Close();
    EXPECT_EQ(sorted(), walFiles);
    Exec(other, "INSERT INTO Dommere VALUES (5, 'Moe')");
    sqlite3_close(other);
    dao::Database after = Ws().OpenDatabase(path, false, true);
    EXPECT_EQ(Count(after), 4);
    after.Close();
}

} // namespace
