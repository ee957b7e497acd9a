// A commit whose disk fails at one of its syncs: the caller is told what the file
// holds afterwards, so a change that was stored is never made a second time.
#include <gtest/gtest.h>

#include <functional>

#include "DaoTestSupport.h"
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
