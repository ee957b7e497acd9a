// Recordsets: moving, reading and writing rows, the errors of each step, and
// that a refused write leaves the row as it was.
#include <gtest/gtest.h>

#include "DaoTestSupport.h"

using namespace daotest;
using dao::Variant;

namespace {

class DaoRecordset : public ::testing::Test {
protected:
    void SetUp() override {
        db = Ws().CreateDatabase(dir.file("rs.kvx"));
        AddRefereeTable(db);
        AddReferee(db, 3, "Kari", "Nordmann", true);
        AddReferee(db, 1, "Ola", "Hansen", false);
        AddReferee(db, 2, "Per", "Berg", true);
    }
    std::vector<int> Numbers(dao::Recordset rs) {
        std::vector<int> out;
        for (; !rs.EOF_(); rs.MoveNext()) out.push_back(rs("DommerNR").Value().ToInteger());
        return out;
    }
    kdtest::TempDir dir;
    dao::Database db;
};

} // namespace

TEST_F(DaoRecordset, MovesThroughRowsInRowidOrder) {
    dao::Recordset rs = db.OpenRecordset("Dommere");
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_FALSE(rs.BOF());
    EXPECT_EQ(Numbers(rs), (std::vector<int>{3, 1, 2}));
    EXPECT_TRUE(rs.EOF_());
    EXPECT_EQ(ErrOf([&] { rs.MoveNext(); }), dao::errnum::NoCurrentRecord);
    EXPECT_EQ(ErrOf([&] { rs.Get("DommerNR"); }), dao::errnum::NoCurrentRecord);
    rs.MovePrevious();
    EXPECT_EQ(rs.Get("dommernr"), Variant::Integer(2));
    rs.MoveFirst();
    rs.MovePrevious();
    EXPECT_TRUE(rs.BOF());
    EXPECT_EQ(ErrOf([&] { rs.MovePrevious(); }), dao::errnum::NoCurrentRecord);
    rs.MoveLast();
    EXPECT_EQ(rs.Get(0), Variant::Integer(2));
    EXPECT_EQ(Numbers(db.OpenRecordset("Select * from Dommere Order by DommerNr")), (std::vector<int>{1, 2, 3}));
    // An indexed selection still comes in rowid order.
    EXPECT_EQ(Numbers(db.OpenRecordset("Select * from Dommere where DommerNr > 1")), (std::vector<int>{3, 2}));
}

TEST_F(DaoRecordset, EmptyRecordsetIsAtBothEnds) {
    dao::Recordset rs = db.OpenRecordset("Select * from Dommere where DommerNR = 99");
    EXPECT_TRUE(rs.BOF());
    EXPECT_TRUE(rs.EOF_());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(ErrOf([&] { rs.MoveFirst(); }), dao::errnum::NoCurrentRecord);
    EXPECT_EQ(ErrOf([&] { rs.MoveLast(); }), dao::errnum::NoCurrentRecord);
    EXPECT_EQ(ErrOf([&] { rs.Edit(); }), dao::errnum::NoCurrentRecord);
    EXPECT_EQ(ErrOf([&] { rs.Delete(); }), dao::errnum::NoCurrentRecord);
}

TEST_F(DaoRecordset, FieldsByNameWithoutRegardToCase) {
    dao::Recordset rs = db.OpenRecordset("select * from dommere");
    EXPECT_EQ(rs.FieldCount(), 7);
    EXPECT_EQ(rs.FieldName(1), "Dommer_FNavn");
    EXPECT_EQ(rs.Get("DOMMER_FNAVN"), Variant("Kari"));
    EXPECT_EQ(rs("dommer_boccia").Value(), Variant(true));
    EXPECT_EQ(rs.Get("Dommer_Curling"), Variant(false));   // never set: reads False
    EXPECT_TRUE(rs.Get("Dommer_Telefon").IsNull());
    EXPECT_EQ(ErrOf([&] { rs.Get("KlB_Aspirant1"); }), dao::errnum::NoSuchItem);
    EXPECT_EQ(ErrOf([&] { rs.Get(7); }), dao::errnum::NoSuchItem);
    EXPECT_EQ(rs.FieldIndex("dommer_fnavn"), 1);
    EXPECT_EQ(ErrOf([&] { rs.FieldIndex("KlB_Aspirant1"); }), dao::errnum::NoSuchItem);
}

TEST_F(DaoRecordset, AddNewEditAndDeleteWriteThrough) {
    dao::Recordset rs = db.OpenRecordset("Dommere", dao::dbOpenDynaset);
    ASSERT_TRUE(rs.Updatable());
    rs.AddNew();
    EXPECT_EQ(rs.EditMode(), 2);
    rs("DommerNR") = 4;
    rs("Dommer_FNavn") = "Åse";
    rs("Dommer_Curling") = true;
    EXPECT_EQ(rs.Get("Dommer_FNavn"), Variant("Åse"));   // the pending value
    EXPECT_EQ(rs.Get("Dommer_Boccia"), Variant(false));
    rs.Update();
    EXPECT_EQ(rs.EditMode(), 0);
    EXPECT_EQ(rs.RecordCount(), 4);
    EXPECT_EQ(rs.Get("DommerNR"), Variant::Integer(3)) << "the row current before AddNew stays current";
    rs.MoveLast();
    EXPECT_EQ(rs.Get("Dommer_FNavn"), Variant("Åse"));
    EXPECT_TRUE(rs.Get("Dommer_ENavn").IsNull());

    rs.MoveFirst();
    rs.Edit();
    rs("Dommer_ENavn") = "Nordmann-Hansen";
    rs.Update();
    rs.MoveNext();
    rs.Delete();
    EXPECT_EQ(ErrOf([&] { rs.Get("DommerNR"); }), 3167);
    EXPECT_EQ(rs.RecordCount(), 3);
    rs.MoveNext();
    EXPECT_EQ(rs.Get("DommerNR"), Variant::Integer(2));
    rs.MovePrevious();
    EXPECT_EQ(rs.Get("DommerNR"), Variant::Integer(3)) << "moves pass over the deleted row";

    dao::Recordset check = db.OpenRecordset("Select * from Dommere Order by DommerNr", dao::dbOpenSnapshot);
    EXPECT_EQ(Numbers(check), (std::vector<int>{2, 3, 4}));
    check.MoveFirst();
    check.MoveNext();
    EXPECT_EQ(check.Get("Dommer_ENavn"), Variant("Nordmann-Hansen"));
}

TEST_F(DaoRecordset, UpdatableSelectionWithWhereAndAlias) {
    dao::Recordset rs = db.OpenRecordset("Select d.*, DommerNR * 10 AS Ti from Dommere AS d where Dommer_Boccia=True");
    ASSERT_TRUE(rs.Updatable());
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.Get("Ti"), Variant(30));
    rs.Edit();
    EXPECT_EQ(ErrOf([&] { rs("Ti") = 5; }), 3164);
    rs("Dommer_Telefon") = "x";
    rs.CancelUpdate();
    EXPECT_EQ(ErrOf([&] { rs.Update(); }), dao::errnum::UpdateWithoutEdit);
    rs.Edit();
    rs("Dommer_Boccia") = false;
    rs.Update();
    // Still part of this recordset; the next selection no longer finds it.
    EXPECT_EQ(rs.Get("Dommer_Boccia"), Variant(false));
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where Dommer_Boccia=True").RecordCount(), 1);
}

TEST_F(DaoRecordset, RefusedWritesLeaveTheRowAsItWas) {
    dao::Recordset rs = db.OpenRecordset("Select * from Dommere where DommerNR = 3");
    rs.Edit();
    rs("Dommer_FNavn") = std::string(51, 'a');
    rs("Dommer_ENavn") = "Endret";
    EXPECT_EQ(ErrOf([&] { rs.Update(); }), dao::errnum::FieldTooSmall);
    EXPECT_EQ(rs.EditMode(), 1) << "the edit stays open for a correction";
    rs("Dommer_FNavn") = std::string(49, 'a') + "ø";   // 50 characters, 51 bytes: fits
    rs("DommerNR") = 40000;
    EXPECT_EQ(ErrOf([&] { rs.Update(); }), vb::errnum::Overflow);
    rs("DommerNR") = "tolv";
    EXPECT_EQ(ErrOf([&] { rs.Update(); }), vb::errnum::TypeMismatch);
    rs.CancelUpdate();
    dao::Recordset check = db.OpenRecordset("Select * from Dommere where DommerNR = 3", dao::dbOpenSnapshot);
    EXPECT_EQ(check.Get("Dommer_FNavn"), Variant("Kari"));
    EXPECT_EQ(check.Get("Dommer_ENavn"), Variant("Nordmann"));

    rs.AddNew();
    rs("DommerNR") = -32769;
    EXPECT_EQ(ErrOf([&] { rs.Update(); }), vb::errnum::Overflow);
    rs("DommerNR") = -32768;
    rs("Dommer_Telefon") = "12345678901234567";   // 17 characters in a 16-character field
    EXPECT_EQ(ErrOf([&] { rs.Update(); }), dao::errnum::FieldTooSmall);
    rs.CancelUpdate();
    EXPECT_EQ(db.OpenRecordset("Dommere").RecordCount(), 3);
}

TEST_F(DaoRecordset, ChecksHoldForStatementsToo) {
    // The same limits guard SQL run through Execute, and the file stays unchanged.
    EXPECT_EQ(ErrOf([&] { db.Execute("UPDATE Dommere SET Dommer_FNavn = ? WHERE DommerNR = 3", {std::string(51, 'b')}); }),
              dao::errnum::FieldTooSmall);
    EXPECT_EQ(ErrOf([&] { db.Execute("UPDATE Dommere SET DommerNR = 32768"); }), vb::errnum::Overflow);
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where DommerNR = 3").Get("Dommer_FNavn"), Variant("Kari"));
    db.Execute("UPDATE Dommere SET Dommer_Boccia = NULL WHERE DommerNR = 3");
    EXPECT_EQ(db.RecordsAffected(), 1);
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where DommerNR = 3").Get("Dommer_Boccia"), Variant(false));
}

TEST_F(DaoRecordset, SnapshotIsReadOnlyAndSeesNoLaterChange) {
    dao::Recordset snap = db.OpenRecordset("Dommere", dao::dbOpenSnapshot);
    EXPECT_FALSE(snap.Updatable());
    EXPECT_EQ(ErrOf([&] { snap.Edit(); }), dao::errnum::CannotUpdate);
    EXPECT_EQ(ErrOf([&] { snap.AddNew(); }), dao::errnum::CannotUpdate);
    EXPECT_EQ(ErrOf([&] { snap.Set("DommerNR", 1); }), dao::errnum::UpdateWithoutEdit);
    db.Execute("UPDATE Dommere SET Dommer_FNavn = 'Endret'");
    EXPECT_EQ(snap.Get("Dommer_FNavn"), Variant("Kari"));
    // A dynaset reads the row as the file holds it now.
    dao::Recordset dyn = db.OpenRecordset("Dommere");
    db.Execute("UPDATE Dommere SET Dommer_FNavn = 'Igjen'");
    EXPECT_EQ(dyn.Get("Dommer_FNavn"), Variant("Igjen"));
    // Grouped selections are read-only whatever was asked for.
    dao::Recordset counts = db.OpenRecordset("Select Dommer_Boccia, Count(*) AS Antall from Dommere Group By Dommer_Boccia");
    EXPECT_FALSE(counts.Updatable());
    EXPECT_EQ(counts.RecordCount(), 2);
}

TEST_F(DaoRecordset, ParametersAreBoundNotSpliced) {
    const std::string hostile = "x' OR '1'='1";
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where Dommer_ENavn = ?", dao::dbOpenDynaset, {hostile}).RecordCount(), 0);
    dao::Recordset rs = db.OpenRecordset("Select * from Dommere where DommerNr = ? AND Dommer_Boccia = ?", dao::dbOpenDynaset,
                                         {Variant::Integer(2), true});
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Get("Dommer_FNavn"), Variant("Per"));
    EXPECT_EQ(ErrOf([&] { db.OpenRecordset("Select * from Dommere where DommerNr = ?"); }), dao::errnum::TooFewParameters);
    EXPECT_EQ(ErrOf([&] { db.Execute("DELETE FROM Dommere WHERE DommerNr = ?", {1, 2}); }), 5);
    db.Execute("DELETE FROM Dommere WHERE DommerNr = ?", {Variant::Integer(1)});
    EXPECT_EQ(db.RecordsAffected(), 1);
    EXPECT_EQ(db.OpenRecordset("Dommere").RecordCount(), 2);
}

TEST_F(DaoRecordset, ClosedRecordsetAndNothing) {
    dao::Recordset rs = db.OpenRecordset("Dommere");
    rs.Close();
    EXPECT_EQ(ErrOf([&] { rs.MoveNext(); }), 3420);
    EXPECT_EQ(ErrOf([&] { rs.RecordCount(); }), 3420);
    dao::Recordset nothing;
    EXPECT_TRUE(nothing.IsNothing());
    EXPECT_EQ(ErrOf([&] { nothing.EOF_(); }), vb::errnum::ObjectNotSet);
    EXPECT_EQ(ErrOf([&] { db.OpenRecordset("Finnes_Ikke"); }), 3078);
    EXPECT_EQ(ErrOf([&] { db.Execute("Select * from Dommere"); }), 3065);
}

TEST_F(DaoRecordset, RowDeletedElsewhereIsReportedNotRead) {
    dao::Recordset rs = db.OpenRecordset("Dommere");
    db.Execute("DELETE FROM Dommere WHERE DommerNR = 3");
    EXPECT_EQ(ErrOf([&] { rs.Get("DommerNR"); }), 3167);
    EXPECT_EQ(ErrOf([&] { rs.Edit(); }), 3167);
    rs.MoveNext();
    EXPECT_EQ(rs.Get("DommerNR"), Variant::Integer(1));
}

// The stamp moves with every kind of write through any handle on the file, and a new opening
// of the same file never repeats an old stamp; reading leaves it.
TEST_F(DaoRecordset, StampMovesWithEveryWriteAndOpening) {
    const std::vector<std::function<void()>> writes = {
        [&] { db.Execute("UPDATE Dommere SET Dommer_FNavn = 'Endret' WHERE DommerNR = 3"); },
        [&] {
            dao::Recordset rs = Ws().OpenDatabase(dir.file("rs.kvx")).OpenRecordset("Dommere");
            rs.Edit();
            rs.Set("Dommer_FNavn", "Igjen");
            rs.Update();
        },
        [&] { db.Execute("CREATE TABLE Tom (a INTEGER)"); },
        [&] {
            Ws().BeginTrans();
            db.Execute("DELETE FROM Dommere");
            Ws().Rollback();
        },
    };
    for (size_t i = 0; i < writes.size(); ++i) {
        const dao::ChangeStamp before = db.Stamp();
        db.Scan("SELECT DommerNR FROM Dommere", [](const std::vector<Variant>&) {});
        EXPECT_EQ(db.Stamp(), before) << i;
        writes[i]();
        EXPECT_NE(db.Stamp(), before) << i;
    }
    const dao::ChangeStamp last = db.Stamp();
    db.Close();
    db = Ws().OpenDatabase(dir.file("rs.kvx"));
    EXPECT_NE(db.Stamp(), last);
    std::vector<int> seen;
    db.Scan("SELECT DommerNR FROM Dommere WHERE DommerNR > ? ORDER BY 1",
            [&](const std::vector<Variant>& row) { seen.push_back(row[0].ToInteger()); }, {Variant(1)});
    EXPECT_EQ(seen, (std::vector<int>{2, 3}));
}

// The cell scan reads every storage class as the Variant of Scan converts it.
TEST_F(DaoRecordset, CellsReadAsScanValuesConvert) {
    const struct {
        const char* cell;
        bool number;   // within a Long
    } cases[] = {{"NULL", false},   {"7", true},         {"-2147483648", true}, {"4294967296", false}, {"2.5", true},
                 {"'tekst'", false}, {"'12'", true},     {"x'4142'", false},    {"''", false}};
    for (const auto& c : cases) {
        const std::string sql = std::string("SELECT ") + c.cell;
        Variant expected;
        db.Scan(sql, [&](const std::vector<Variant>& row) { expected = row[0]; });
        int rows = 0;
        db.ScanCells(sql, [&](const dao::Cells& row) {
            ++rows;
            ASSERT_EQ(row.Count(), 1);
            std::string text = "før:";
            EXPECT_EQ(row.AppendText(0, text), !expected.IsNull()) << c.cell;
            EXPECT_EQ(text, expected.IsNull() ? "før:" : "før:" + vb::CStr(expected)) << c.cell;
            if (expected.IsNull()) {
                EXPECT_FALSE(row.Long(0).has_value()) << c.cell;
            }
            if (c.number) {
                EXPECT_EQ(row.Long(0), vb::CLng(expected)) << c.cell;
            }
        });
        EXPECT_EQ(rows, 1) << c.cell;
    }
}

TEST_F(DaoRecordset, ForwardOnlyReadsWhatASnapshotReads) {
    db.Execute("UPDATE Dommere SET Dommer_Boccia = NULL, Dommer_Telefon = '12 34' WHERE DommerNR = 1");
    for (const char* sql : {"Dommere", "Select * from Dommere where DommerNr > ? Order by Dommer_ENavn"}) {
        const dao::Params p = std::string_view(sql) == "Dommere" ? dao::Params{} : dao::Params{Variant::Integer(0)};
        dao::Recordset snap = db.OpenRecordset(sql, dao::dbOpenSnapshot, p);
        dao::Recordset fram = db.OpenRecordset(sql, dao::dbOpenForwardOnly, p);
        ASSERT_EQ(fram.FieldCount(), snap.FieldCount());
        long rader = 0;
        for (; !snap.EOF_(); snap.MoveNext(), fram.MoveNext()) {
            ASSERT_FALSE(fram.EOF_()) << sql;
            EXPECT_EQ(fram.RecordCount(), ++rader);
            for (int i = 0; i < snap.FieldCount(); ++i) EXPECT_EQ(fram.Get(i), snap.Get(i)) << sql << " " << snap.FieldName(i);
            EXPECT_EQ(fram.Get("dommer_fnavn"), snap.Get("Dommer_FNavn"));
        }
        EXPECT_TRUE(fram.EOF_()) << sql;
        EXPECT_EQ(ErrOf([&] { fram.Get(0); }), dao::errnum::NoCurrentRecord);
        EXPECT_EQ(ErrOf([&] { fram.MoveNext(); }), dao::errnum::NoCurrentRecord);
    }
    dao::Recordset tom = db.OpenRecordset("Select * from Dommere where DommerNR = 99", dao::dbOpenForwardOnly);
    EXPECT_TRUE(tom.BOF());
    EXPECT_TRUE(tom.EOF_());
}

TEST_F(DaoRecordset, ForwardOnlyNeitherMovesBackNorWrites) {
    dao::Recordset rs = db.OpenRecordset("Dommere", dao::dbOpenForwardOnly);
    rs.MoveNext();
    using Flytt = void (dao::Recordset::*)();
    for (Flytt flytt : {&dao::Recordset::MoveFirst, &dao::Recordset::MoveLast, &dao::Recordset::MovePrevious})
        EXPECT_EQ(ErrOf([&] { (rs.*flytt)(); }), 3219);
    EXPECT_EQ(rs.Get("DommerNR"), Variant::Integer(1));
    EXPECT_FALSE(rs.Updatable());
    EXPECT_EQ(ErrOf([&] { rs.Edit(); }), dao::errnum::CannotUpdate);
    EXPECT_EQ(ErrOf([&] { rs.Delete(); }), dao::errnum::CannotUpdate);
}

TEST_F(DaoRecordset, ForwardOnlyOfOneTextRunTogetherAndLetTheFileGo) {
    // The same text opened again inside the pass, forward-only or as a snapshot: each keeps its own place.
    dao::Recordset ytre = db.OpenRecordset("Dommere", dao::dbOpenForwardOnly);
    std::vector<std::pair<int, int>> par;
    for (; !ytre.EOF_(); ytre.MoveNext()) {
        EXPECT_EQ(db.OpenRecordset("Dommere", dao::dbOpenSnapshot).RecordCount(), 3);
        for (dao::Recordset indre = db.OpenRecordset("Dommere", dao::dbOpenForwardOnly); !indre.EOF_(); indre.MoveNext())
            par.emplace_back(ytre.Get(0).ToInteger(), indre.Get(0).ToInteger());
    }
    EXPECT_EQ(par.size(), 9u);
    EXPECT_EQ(par[3], std::make_pair(1, 3));
    // Past the last row, closed, or dropped halfway, none holds a running statement that
    // would refuse a change to the tables.
    dao::Recordset lukket = db.OpenRecordset("Dommere", dao::dbOpenForwardOnly);
    lukket.Close();
    { dao::Recordset halvveis = db.OpenRecordset("Select * from Dommere Order by DommerNR", dao::dbOpenForwardOnly); }
    EXPECT_EQ(ErrOf([&] { db.Execute("DROP TABLE Dommere"); }), 0);
    EXPECT_EQ(ErrOf([&] { lukket.MoveNext(); }), 3420);
}

TEST_F(DaoRecordset, ForwardOnlyOutlivingItsDatabase) {
    dao::Recordset rs = db.OpenRecordset("Dommere", dao::dbOpenForwardOnly);
    db.Close();
    EXPECT_EQ(ErrOf([&] { rs.Get(0); }), 3420);
    EXPECT_EQ(ErrOf([&] { rs.MoveNext(); }), 3420);
}
