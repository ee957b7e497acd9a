// A commit whose disk fails at one of its syncs: the caller is told what the file
// holds afterwards, so a change that was stored is never made a second time.
#include <gtest/gtest.h>

#include <functional>

#include "DaoTestSupport.h"
#include "support/Diskfeil.h"

using namespace daotest;

namespace {

long Count(dao::Database& db) { return db.OpenRecordset("Dommere", dao::dbOpenSnapshot).RecordCount(); }

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
        const std::string path = dir.file("t.kvx");
        {
            dao::Database made = Ws().CreateDatabase(path);
            AddRefereeTable(made);
            AddReferee(made, 1, "Kari", "Nord", true);
        }
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
