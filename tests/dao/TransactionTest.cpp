// Transactions over every open file of the workspace, and over two files made
// one by Attach.
#include <gtest/gtest.h>

#include "DaoTestSupport.h"

using namespace daotest;

namespace {

long Count(dao::Database& db, const std::string& table) { return db.OpenRecordset(table, dao::dbOpenSnapshot).RecordCount(); }

class DaoTransaction : public ::testing::Test {
protected:
    void SetUp() override {
        a = Ws().CreateDatabase(dir.file("a.kvx"));
        b = Ws().CreateDatabase(dir.file("b.kvx"));
        AddRefereeTable(a);
        AddRefereeTable(b);
        AddReferee(a, 1, "Kari", "Nordmann", true);
    }
    void TearDown() override {
        while (Ws().InTransaction()) Ws().Rollback();
    }
    kdtest::TempDir dir;
    dao::Database a, b;
};

} // namespace

TEST_F(DaoTransaction, RollbackUndoesWorkInEveryOpenFile) {
    Ws().BeginTrans();
    EXPECT_TRUE(Ws().InTransaction());
    AddReferee(a, 2, "Ola", "Hansen", false);
    dao::Recordset rs = b.OpenRecordset("Dommere");
    rs.AddNew();
    rs("DommerNR") = 9;
    rs.Update();
    a.Execute("DELETE FROM Dommere WHERE DommerNR = 1");
    Ws().Rollback();
    EXPECT_FALSE(Ws().InTransaction());
    EXPECT_EQ(Count(a, "Dommere"), 1);
    EXPECT_EQ(Count(b, "Dommere"), 0);
    EXPECT_EQ(a.OpenRecordset("Dommere").Get("DommerNR"), dao::Variant::Integer(1));
}

TEST_F(DaoTransaction, CommitKeepsWorkAndNestedLevelsUndoAlone) {
    Ws().BeginTrans();
    AddReferee(a, 2, "Ola", "Hansen", false);
    Ws().BeginTrans();
    AddReferee(a, 3, "Per", "Berg", true);
    AddReferee(b, 3, "Per", "Berg", true);
    Ws().Rollback();
    Ws().CommitTrans();
    EXPECT_EQ(Count(a, "Dommere"), 2);
    EXPECT_EQ(Count(b, "Dommere"), 0);
    EXPECT_EQ(ErrOf([] { Ws().CommitTrans(); }), 3034);
    EXPECT_EQ(ErrOf([] { Ws().Rollback(); }), 3034);
    // Committed work survives a reopen.
    a.Close();
    dao::Database again = Ws().OpenDatabase(dir.file("a.kvx"));
    EXPECT_EQ(Count(again, "Dommere"), 2);
}

TEST_F(DaoTransaction, FileOpenedDuringATransactionTakesPart) {
    const std::string path = dir.file("c.kvx");
    {
        dao::Database c = Ws().CreateDatabase(path);
        AddRefereeTable(c);
    }
    Ws().BeginTrans();
    Ws().BeginTrans();
    dao::Database c = Ws().OpenDatabase(path);
    AddReferee(c, 4, "Siv", "Zahl", true);
    Ws().CommitTrans();
    Ws().Rollback();
    EXPECT_EQ(Count(c, "Dommere"), 0);
}

TEST_F(DaoTransaction, AttachedFileIsOneTransactionWithTheMain) {
    b.Close();
    a.Attach(dir.file("b.kvx"), "Fil");
    EXPECT_EQ(ErrOf([&] { Ws().OpenDatabase(dir.file("b.kvx")); }), dao::errnum::InUse);
    EXPECT_EQ(ErrOf([&] { a.Attach(dir.file("b.kvx"), "Fil2"); }), dao::errnum::InUse);
    Ws().BeginTrans();
    a.Execute("INSERT INTO Fil.Dommere SELECT * FROM main.Dommere");
    a.Execute("DELETE FROM main.Dommere");
    EXPECT_EQ(ErrOf([&] { a.Detach("Fil"); }), 3211);
    Ws().Rollback();
    EXPECT_EQ(Count(a, "Dommere"), 1);
    EXPECT_EQ(Count(a, "Select * from Fil.Dommere"), 0);
    // An updatable recordset on the attached file writes into that file.
    dao::Recordset rs = a.OpenRecordset("Select * from Fil.Dommere");
    ASSERT_TRUE(rs.Updatable());
    rs.AddNew();
    rs("DommerNR") = 5;
    rs("Dommer_FNavn") = "Ulf";
    rs.Update();
    rs.Close();
    a.Detach("Fil");
    EXPECT_EQ(ErrOf([&] { a.Detach("Fil"); }), dao::errnum::NoSuchItem);
    dao::Database other = Ws().OpenDatabase(dir.file("b.kvx"));
    EXPECT_EQ(Count(other, "Dommere"), 1);
    EXPECT_EQ(ErrOf([&] { a.Attach(dir.file("mangler.kvx"), "M"); }), dao::errnum::CannotOpen);
}

TEST_F(DaoTransaction, RolledBackSchemaChangeIsForgotten) {
    Ws().BeginTrans();
    a.TableDef_("Dommere").Fields_Append(dao::Field("KlB_Overdommer", dao::dbBoolean));
    dao::TableDef t = a.CreateTableDef("Ranking");
    t.Fields_Append(t.CreateField("Nr", dao::dbInteger));
    a.TableDefs_Append(t);
    EXPECT_TRUE(a.HasTable("Ranking"));
    EXPECT_EQ(a.OpenRecordset("Dommere").FieldCount(), 8);
    Ws().Rollback();
    EXPECT_FALSE(a.HasTable("Ranking"));
    EXPECT_EQ(a.OpenRecordset("Dommere").FieldCount(), 7);
    EXPECT_EQ(a.TableDef_("Dommere").FindField("KlB_Overdommer"), nullptr);
}

TEST_F(DaoTransaction, ClosingTheWorkspaceClosesEverythingOpenedThroughIt) {
    dao::Database second = Ws().OpenDatabase(dir.file("a.kvx"));
    dao::Recordset rs = second.OpenRecordset("Dommere");
    Ws().BeginTrans();
    AddReferee(a, 2, "Ola", "Hansen", false);
    Ws().Close();
    EXPECT_FALSE(Ws().InTransaction());
    EXPECT_FALSE(a.IsOpen());
    EXPECT_FALSE(second.IsOpen());
    EXPECT_FALSE(b.IsOpen());
    EXPECT_EQ(ErrOf([&] { rs.MoveNext(); }), 3420);
    EXPECT_EQ(ErrOf([&] { a.Execute("DELETE FROM Dommere"); }), 3420);
    // The file is free and whole: the pending work was rolled back.
    dao::Database again = Ws().OpenDatabase(dir.file("a.kvx"));
    EXPECT_EQ(Count(again, "Dommere"), 1);
}

namespace {

// Fills a until the file may grow no further; the engine then undoes the whole transaction itself.
int FillUntilFull(dao::Database& db) {
    const long pages = vb::CLng(db.OpenRecordset("Select page_count From pragma_page_count()").Get(0));
    db.Execute("PRAGMA max_page_count = " + std::to_string(pages + 1));
    return ErrOf([&] {
        for (int nr = 10; nr < 2000; ++nr) AddReferee(db, nr, std::string(45, 'x'), std::string(45, 'y'), true);
    });
}

} // namespace

TEST_F(DaoTransaction, AfterTheEngineUndidTheWorkRollbackAndCommitKeepTheRealError) {
    for (const bool commit : {false, true}) {
        SCOPED_TRACE(commit ? "commit" : "rollback");
        Ws().BeginTrans();
        EXPECT_EQ(FillUntilFull(a), 3026);
        const int after = ErrOf([&] { commit ? Ws().CommitTrans() : Ws().Rollback(); });
        // A rollback has nothing left to do; a commit says the work is gone, never "Syntaksfeil".
        EXPECT_EQ(after, commit ? 3043 : 0);
        EXPECT_FALSE(Ws().InTransaction());
        EXPECT_EQ(Count(a, "Dommere"), 1);
        a.Execute("PRAGMA max_page_count = 1073741823");
        AddReferee(a, 2, "Ola", "Hansen", false);   // the file works on
        a.Execute("DELETE FROM Dommere WHERE DommerNR = 2");
    }
}

TEST_F(DaoTransaction, RollbackAfterAFailedCommitKeepsTheCommitsError) {
    // A commit that fails has undone its level: the Rollback in the caller's catch has
    // nothing left to do there and must not fail, nor take the outer level with it.
    Ws().BeginTrans();
    AddReferee(a, 3, "Ytre", "Niv", true);
    Ws().BeginTrans();
    EXPECT_EQ(FillUntilFull(a), 3026);
    EXPECT_EQ(ErrOf([] { Ws().CommitTrans(); }), 3043);
    EXPECT_EQ(ErrOf([] { Ws().Rollback(); }), 0);
    EXPECT_EQ(ErrOf([] { Ws().Rollback(); }), 0);
    EXPECT_FALSE(Ws().InTransaction());
    EXPECT_EQ(Count(a, "Dommere"), 1);
}
