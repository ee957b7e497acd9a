// A stop signal cuts the database work under way short: a long statement and work done
// row by row both end at once with 3059, the transaction undone; once work is allowed
// again the same work runs whole.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "DaoTestSupport.h"
#include "platform/dao/Stopping.h"

using namespace daotest;

namespace {

using Clock = std::chrono::steady_clock;

long Count(dao::Database& db) { return db.OpenRecordset("Select count(*) From Dommere", dao::dbOpenSnapshot).Get(0).ToLong(); }

// SIGUSR1 stands in for the program's stop signals, with the same handler work.
class DaoStop : public ::testing::Test {
protected:
    void SetUp() override {
        struct sigaction action {};
        action.sa_handler = [](int) { dao::StopWorkUnderWay(); };
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGUSR1, &action, &earlier_);
        db_ = Ws().CreateDatabase(dir_.file("t.kvx"));
        AddRefereeTable(db_);
        AddReferee(db_, 1, "Kari", "Nord", true);
    }
    void TearDown() override {
        dao::AllowWork();
        db_.Close();
        ::sigaction(SIGUSR1, &earlier_, nullptr);
    }
    // A signal to this process after ms.
    static std::thread SignalAfter(int ms) {
        return std::thread([ms] {
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            ::kill(::getpid(), SIGUSR1);
        });
    }

    kdtest::TempDir dir_;
    dao::Database db_;
    struct sigaction earlier_ {};
};

// Enough rows for many seconds of work in one statement.
const char* const LongInsert =
    "Insert Into Dommere (DommerNR, Dommer_ENavn) "
    "Select x % 30000, 'Navn' || x From (With Recursive n(x) As (Select 2 Union All Select x + 1 From n Where x < 5000000) "
    "Select x From n)";

TEST_F(DaoStop, ALongStatementEndsAtOnceAndItsTransactionIsUndone) {
    std::thread signal = SignalAfter(100);
    const auto start = Clock::now();
    Ws().BeginTrans();
    const int told = ErrOf([&] { db_.Execute(LongInsert); });
    ErrOf([&] { Ws().Rollback(); });
    const auto took = Clock::now() - start;
    signal.join();
    EXPECT_EQ(told, dao::errnum::Canceled);
    EXPECT_LT(took, std::chrono::seconds(2));
    dao::AllowWork();
    EXPECT_EQ(Count(db_), 1);
}

TEST_F(DaoStop, WorkRowByRowEndsAtTheNextRowAndRunsWholeOnceAllowed) {
    const auto addAll = [&] {
        Ws().BeginTrans();
        try {
            for (int nr = 2; nr <= 200; ++nr) {
                AddReferee(db_, nr, "Fornavn", "Etternavn", false);
                if (nr == 100) ::kill(::getpid(), SIGUSR1);
            }
            Ws().CommitTrans();
        } catch (...) {
            Ws().Rollback();
            throw;
        }
    };
    EXPECT_EQ(ErrOf(addAll), dao::errnum::Canceled);
    dao::AllowWork();
    EXPECT_EQ(Count(db_), 1);
    // The signal's mark is gone with the allowance: the same work goes through.
    struct sigaction none {};
    none.sa_handler = SIG_IGN;
    sigemptyset(&none.sa_mask);
    ::sigaction(SIGUSR1, &none, nullptr);
    EXPECT_EQ(ErrOf(addAll), 0);
    EXPECT_EQ(Count(db_), 200);
}

} // namespace
