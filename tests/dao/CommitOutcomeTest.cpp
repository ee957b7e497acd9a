// A commit whose disk fails at one of its syncs: the caller is told what the file
// holds afterwards, so a change that was stored is never made a second time.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

#include "DaoTestSupport.h"
#include "platform/dao/Journals.h"
#include "support/Diskfeil.h"

using namespace daotest;

namespace {

long Count(dao::Database& db) { return db.OpenRecordset("Dommere", dao::dbOpenSnapshot).RecordCount(); }

// A closed file with the referee table and one referee in it.
std::string MadeWithOneReferee(kdtest::TempDir& dir) {
    const std::string path = dir.file("t.kvx");
    dao::Database made = Ws().CreateDatabase(path);
    AddRefereeTable(made);
    AddReferee(made, 1, "Kari", "Nord", true);
    return path;
}

struct Write {
    const char* name;
    std::function<void(dao::Database&)> run;
};

class DaoCommitOutcome : public ::testing::TestWithParam<Write> {};

// The user's way: a write told as failed is made again; one told as done is not.
TEST_P(DaoCommitOutcome, EveryFailingSyncIsToldAsWhatTheFileHolds) {
    int toldDoneDespiteAFailure = 0;
    long syncsOfAWholeCommit = -1;
    for (long allowed = 0; syncsOfAWholeCommit < 0 || allowed <= syncsOfAWholeCommit; ++allowed) {
        SCOPED_TRACE(allowed);
        kdtest::TempDir dir;
        const std::string path = MadeWithOneReferee(dir);
        long counted = 0;
        int told = 0;
        {
            kdtest::Diskfeil disk;
            dao::Database db = Ws().OpenDatabase(path);
            disk.TillatSynkroniseringer(allowed);
            told = ErrOf([&] { GetParam().run(db); });
            counted = disk.Synkroniseringer();
            disk.TillatSynkroniseringer(-1);
            if (told == 0 && counted == allowed) ++toldDoneDespiteAFailure;
            if (told == 0 && counted < allowed && syncsOfAWholeCommit < 0) syncsOfAWholeCommit = counted;
            if (told != 0) {
                EXPECT_EQ(told, dao::errnum::DiskError);
                GetParam().run(db);   // again, on a sound disk, through the same connection
            }
            EXPECT_EQ(Count(db), 2) << "told " << told << " after " << counted << " syncs";
            db.Close();
        }
        dao::Database reopened = Ws().OpenDatabase(path);
        EXPECT_EQ(Count(reopened), 2);
        EXPECT_EQ(reopened.Damage(), "");
        reopened.Close();
        ASSERT_LT(allowed, 20) << "a commit never got through";
    }
    // The last sync comes after the commit point: its failure is the case told as done.
    EXPECT_GE(toldDoneDespiteAFailure, 1);
}

// A disk that stops syncing from the commit's last sync on: the change is stored, and the
// read right after it (the window's refresh), failing too, tells that the change is stored.
// A write after it fails as its own.
TEST_P(DaoCommitOutcome, AReadFailingAfterAStoredChangeTellsThatTheChangeIsStored) {
    const auto said = [](const std::function<void()>& action) {
        try {
            action();
        } catch (const vb::Err& e) {
            return e.Description;
        }
        return std::string();
    };
    const std::string stored = "Endringen er lagret";
    int toldStored = 0;
    for (long allowed = 0; allowed < 20; ++allowed) {
        SCOPED_TRACE(allowed);
        kdtest::TempDir dir;
        const std::string path = MadeWithOneReferee(dir);
        kdtest::Diskfeil disk;
        dao::Database db = Ws().OpenDatabase(path);
        disk.TillatSynkroniseringer(allowed);
        const std::string write = said([&] { GetParam().run(db); });
        const bool allSynced = disk.Synkroniseringer() < allowed;
        const std::string refresh = said([&] { Count(db); });
        if (write.empty() && !refresh.empty()) {
            EXPECT_NE(refresh.find(stored), std::string::npos) << refresh;
            ++toldStored;
            const std::string next = said([&] { AddReferee(db, 3, "Per", "Vest", false); });
            EXPECT_EQ(next.find(stored), std::string::npos) << next;
        } else {
            EXPECT_EQ(refresh.find(stored), std::string::npos) << write << " / " << refresh;
        }
        disk.TillatSynkroniseringer(-1);
        db.Close();
        if (allSynced) break;
    }
    EXPECT_GT(toldStored, 0) << "no read failed after a stored change";
}

INSTANTIATE_TEST_SUITE_P(
    Dao, DaoCommitOutcome,
    ::testing::Values(Write{"transaction",
                            [](dao::Database& db) {
                                Ws().BeginTrans();
                                try {
                                    AddReferee(db, 2, "Ola", "Sør", false);
                                    Ws().CommitTrans();
                                } catch (...) {
                                    Ws().Rollback();
                                    throw;
                                }
                            }},
                      Write{"recordsetOnItsOwn",
                            [](dao::Database& db) {
                                dao::Recordset rs = db.OpenRecordset("Dommere");
                                rs.AddNew();
                                rs("DommerNR") = 2;
                                rs.Update();
                            }},
                      Write{"executeOnItsOwn", [](dao::Database& db) { AddReferee(db, 2, "Ola", "Sør", false); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

long Count(dao::Database& db, const std::string& table) {
    return db.OpenRecordset("SELECT * FROM " + table, dao::dbOpenSnapshot).RecordCount();
}

struct Tally {
    int toldFailed = 0, toldDoneDespiteAFailure = 0;
};

// Writes the attached file (and the main file too, when asked) in one transaction, once
// for each count of syncs let through, and checks every answer against the files.
Tally WriteAttachedThroughFailingSyncs(bool alsoMain) {
    Tally tally;
    for (long allowed = 0; allowed < 12; ++allowed) {
        SCOPED_TRACE(allowed);
        kdtest::TempDir dir;
        const std::string path = dir.file("t.kvx"), result = dir.file("r.kvx");
        for (const std::string& file : {path, result}) {
            dao::Database made = Ws().CreateDatabase(file);
            AddRefereeTable(made);
        }
        int told = 0;
        {
            kdtest::Diskfeil disk;
            dao::Database db = Ws().OpenDatabase(path);
            AddReferee(db, 1, "Kari", "Nord", true);   // the main file's journal now holds this commit's pages
            db.Attach(result, "r");
            disk.TillatSynkroniseringer(allowed);
            told = ErrOf([&] {
                Ws().BeginTrans();
                try {
                    db.Execute("INSERT INTO r.Dommere (DommerNR) VALUES (2)");
                    if (alsoMain) AddReferee(db, 2, "Ola", "Sør", false);
                    Ws().CommitTrans();
                } catch (...) {
                    Ws().Rollback();
                    throw;
                }
            });
            if (told == 0 && disk.Synkroniseringer() == allowed) ++tally.toldDoneDespiteAFailure;
            if (told != 0) ++tally.toldFailed;
            disk.TillatSynkroniseringer(-1);
            EXPECT_TRUE(told == 0 || told == dao::errnum::DiskError) << told;
            EXPECT_EQ(Count(db, "r.Dommere"), told == 0 ? 1 : 0) << "as the connection reads it";
            db.Detach("r");
            db.Close();
        }
        dao::Database main = Ws().OpenDatabase(path, false, true);
        EXPECT_EQ(Count(main, "Dommere"), alsoMain && told == 0 ? 2 : 1);
        main.Close();
        dao::Database reopened = Ws().OpenDatabase(result, false, true);
        EXPECT_EQ(Count(reopened, "Dommere"), told == 0 ? 1 : 0) << "as the file holds it";
        EXPECT_EQ(reopened.Damage(), "");
    }
    return tally;
}

// A transaction that writes only an attached file (an import whose rows all go to the
// result file), with the main file's journal left by an earlier commit of the session:
// whatever sync fails, what the caller is told is what the attached file holds.
TEST(DaoCommitOutcome, AWriteToAnAttachedFileAloneIsToldAsWhatThatFileHolds) {
    const Tally tally = WriteAttachedThroughFailingSyncs(false);
    EXPECT_GT(tally.toldFailed, 0);
    EXPECT_GT(tally.toldDoneDespiteAFailure, 0) << "the sync after the commit point";
}

// Over both files the engine's commit point is its super-journal's removal; the syncs
// after it are its own to pass over.
TEST(DaoCommitOutcome, AWriteToBothFilesIsToldAsWhatTheFilesHold) {
    EXPECT_GT(WriteAttachedThroughFailingSyncs(true).toldFailed, 0);
}

// What the outcome of a failed commit is read from: the linked engine, in exclusive
// locking mode with a rollback journal, ends a transaction by zeroing its journal's
// header and keeping the journal with its records, the first holding a page as it was
// before. Committed, the file's page differs from that record; rolled back, it is the same.
TEST(DaoCommitOutcome, LinkedSqliteKeepsFinalizedJournalInExclusiveMode) {
    kdtest::TempDir dir;
    const std::string path = dir.file("e.kvx");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    const auto run = [&](const char* sql) { ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql; };
    run("PRAGMA locking_mode = EXCLUSIVE; PRAGMA journal_mode = DELETE; CREATE TABLE t (x TEXT); INSERT INTO t VALUES ('a')");
    sqlite3_stmt* pragma = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA page_size", -1, &pragma, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(pragma), SQLITE_ROW);
    const size_t pageSize = static_cast<size_t>(sqlite3_column_int(pragma, 0));
    sqlite3_finalize(pragma);
    const auto journalState = [&] {
        const std::string journal = kdtest::ReadFile(path + "-journal");
        EXPECT_GE(journal.size(), 512 + 4 + pageSize) << "the journal with its first record is kept";
        EXPECT_EQ(journal.substr(0, 28), std::string(28, '\0')) << "its header zeroed";
    };
    run("BEGIN; INSERT INTO t VALUES ('b'); COMMIT");
    journalState();
    EXPECT_TRUE(dao::detail::CommitReachedFiles(db, "main"));
    run("BEGIN; INSERT INTO t VALUES ('c'); ROLLBACK");
    journalState();
    EXPECT_FALSE(dao::detail::CommitReachedFiles(db, "main"));
    sqlite3_close(db);
}

} // namespace
