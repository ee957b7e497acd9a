// Table definitions: what is created reads back the same after the file is
// reopened (names, types, sizes, order, zero-length flags, indexes), and the
// appends refuse what the engine refused.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "DaoTestSupport.h"

using namespace daotest;

namespace {

struct Expected {
    const char* name;
    int type;
    int size;
};

} // namespace

TEST(DaoSchema, EveryTypeReadsBackAfterReopen) {
    kdtest::TempDir dir;
    const std::string path = dir.file("typer.kvx");
    {
        dao::Database db = Ws().CreateDatabase(path);
        dao::TableDef t = db.CreateTableDef("Alle");
        t.Fields_Append(t.CreateField("Flagg", dao::dbBoolean));
        t.Fields_Append(t.CreateField("Byte", dao::dbByte));
        t.Fields_Append(t.CreateField("Heltall", dao::dbInteger));
        t.Fields_Append(t.CreateField("Langt", dao::dbLong));
        t.Fields_Append(t.CreateField("Penger", dao::dbCurrency));
        t.Fields_Append(t.CreateField("Enkel", dao::dbSingle));
        t.Fields_Append(t.CreateField("Dobbel", dao::dbDouble));
        t.Fields_Append(t.CreateField("Dato", dao::dbDate));
        t.Fields_Append(TextField("Navn", 50));
        t.Fields_Append(t.CreateField("Standard", dao::dbText));   // no size: the default 255
        dao::Field strict("Streng", dao::dbText, 16);               // zero length not allowed
        t.Fields_Append(strict);
        dao::Field memo("Notat", dao::dbMemo);
        memo.AllowZeroLength = true;
        t.Fields_Append(memo);
        t.Fields_Append(t.CreateField("Binær", dao::dbLongBinary));
        db.TableDefs_Append(t);
    }
    dao::Database db = Ws().OpenDatabase(path);
    const dao::TableDef t = db.TableDef_("alle");
    EXPECT_EQ(t.Name, "Alle");
    const Expected expected[] = {{"Flagg", dao::dbBoolean, 1}, {"Byte", dao::dbByte, 1},      {"Heltall", dao::dbInteger, 2},
                                 {"Langt", dao::dbLong, 4},    {"Penger", dao::dbCurrency, 8}, {"Enkel", dao::dbSingle, 4},
                                 {"Dobbel", dao::dbDouble, 8}, {"Dato", dao::dbDate, 8},       {"Navn", dao::dbText, 50},
                                 {"Standard", dao::dbText, 255}, {"Streng", dao::dbText, 16},  {"Notat", dao::dbMemo, 0},
                                 {"Binær", dao::dbLongBinary, 0}};
    ASSERT_EQ(t.Fields.size(), std::size(expected));
    for (size_t i = 0; i < t.Fields.size(); ++i) {
        EXPECT_EQ(t.Fields[i].Name, expected[i].name);
        EXPECT_EQ(t.Fields[i].Type, expected[i].type) << expected[i].name;
        EXPECT_EQ(t.Fields[i].Size, expected[i].size) << expected[i].name;
        EXPECT_EQ(t.Fields[i].OrdinalPosition, static_cast<int>(i));
    }
    EXPECT_TRUE(t.FindField("NAVN")->AllowZeroLength);
    EXPECT_FALSE(t.FindField("streng")->AllowZeroLength);
    EXPECT_TRUE(t.FindField("Notat")->AllowZeroLength);
    EXPECT_EQ(t.FindField("finnes ikke"), nullptr);
    EXPECT_EQ(dao::TypeName(t.Fields[0].Type), "Boolean");
    EXPECT_EQ(dao::TypeName(dao::dbMemo), "Memo");
}

TEST(DaoSchema, ValuesKeepTheirTypesThroughTheFile) {
    kdtest::TempDir dir;
    dao::Database db = Ws().CreateDatabase(dir.file("verdier.kvx"));
    AddMatchTable(db);
    dao::Recordset rs = db.OpenRecordset("Dommertabell");
    rs.AddNew();
    rs("dommernr") = 12;
    rs("SekvensNR") = 70000;
    rs("Typespill") = "BOCCIA";
    rs("Dommer_HPoeng") = "7";        // converted as the runtime converts
    rs("Dommer_BPoeng") = 2.5;        // banker's rounding
    rs("DatoEndret") = "";
    rs.Update();
    rs.MoveFirst();
    EXPECT_EQ(rs.Get("DommerNR"), dao::Variant::Integer(12));
    EXPECT_EQ(rs.Get("SekvensNR"), dao::Variant::Long(70000));
    EXPECT_EQ(rs.Get("Dommer_HPoeng"), dao::Variant::Integer(7));
    EXPECT_EQ(rs.Get("Dommer_BPoeng"), dao::Variant::Integer(2));
    EXPECT_EQ(rs.Get("Typespill"), dao::Variant("BOCCIA"));
    EXPECT_EQ(rs.Get("DatoEndret"), dao::Variant(""));   // the empty string, not Null
    EXPECT_TRUE(rs.Get("Status").IsNull());
    EXPECT_TRUE(rs.Get("Dommer_Lag").IsNull());
}

TEST(DaoSchema, TableDefsListTablesInOrderWithTheirIndexes) {
    kdtest::TempDir dir;
    const std::string path = dir.file("tabeller.kvx");
    {
        dao::Database db = Ws().CreateDatabase(path);
        AddRefereeTable(db);
        AddMatchTable(db);   // the same index name on a second table
    }
    dao::Database db = Ws().OpenDatabase(path);
    const auto defs = db.TableDefs();
    ASSERT_EQ(defs.size(), 2u);
    EXPECT_EQ(defs[0].Name, "Dommere");
    EXPECT_EQ(defs[1].Name, "Dommertabell");
    EXPECT_EQ(defs[1].Fields.size(), 14u);
    for (const auto& t : defs) {
        ASSERT_EQ(t.Indexes.size(), 1u) << t.Name;
        EXPECT_EQ(t.Indexes[0].Name, "DommerNr");
        EXPECT_EQ(t.Indexes[0].FieldName, "DommerNR");
        EXPECT_FALSE(t.Indexes[0].Unique);
        EXPECT_FALSE(t.Indexes[0].Primary);
    }
    EXPECT_TRUE(db.HasTable("DOMMERE"));
    EXPECT_FALSE(db.HasTable("Versjon"));
    EXPECT_EQ(ErrOf([&] { db.TableDef_("Versjon"); }), dao::errnum::NoSuchItem);
    // The index is not unique: two rows with one number are accepted.
    AddReferee(db, 5, "A", "B", true);
    AddReferee(db, 5, "C", "D", false);
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where DommerNr = 5").RecordCount(), 2);
}

TEST(DaoSchema, AppendsRefuseDuplicatesAndExistingTables) {
    kdtest::TempDir dir;
    dao::Database db = Ws().CreateDatabase(dir.file("dup.kvx"));
    dao::TableDef t = db.CreateTableDef("Versjon");
    t.Fields_Append(TextField("LagetDato"));
    EXPECT_EQ(ErrOf([&] { t.Fields_Append(TextField("lagetdato")); }), dao::errnum::FieldExists);
    EXPECT_EQ(t.Fields.size(), 1u);
    EXPECT_EQ(ErrOf([&] { db.TableDefs_Append(db.CreateTableDef("Tom")); }), 3264);
    db.TableDefs_Append(t);
    db.Execute("INSERT INTO Versjon (LagetDato) VALUES ('08.12.2026')");

    dao::TableDef again = db.CreateTableDef("VERSJON");
    again.Fields_Append(TextField("Annet"));
    EXPECT_EQ(ErrOf([&] { db.TableDefs_Append(again); }), 3010);
    // The index step then acts on the discarded definition only.
    dao::Index i = again.CreateIndex("Annet");
    i.AddField("Annet");
    again.Indexes_Append(i);
    const dao::TableDef stored = db.TableDef_("Versjon");
    EXPECT_EQ(stored.Fields.size(), 1u);
    EXPECT_TRUE(stored.Indexes.empty());
    EXPECT_EQ(db.OpenRecordset("Versjon").RecordCount(), 1);
}

TEST(DaoSchema, FieldsAppendOnAStoredTableAddsColumnsLast) {
    kdtest::TempDir dir;
    const std::string path = dir.file("oppgrader.kvx");
    {
        dao::Database db = Ws().CreateDatabase(path);
        AddRefereeTable(db);
        AddReferee(db, 1, "Kari", "Nordmann", true);
    }
    dao::Database db = Ws().OpenDatabase(path);
    dao::Recordset open = db.OpenRecordset("Dommere");   // an open cursor does not stop the change
    dao::Field over("KlB_Overdommer", dao::dbBoolean);
    db.TableDef_("Dommere").Fields_Append(over);
    dao::Field course("Dommer_DatoDKurs", dao::dbText);
    course.AllowZeroLength = true;
    course.Size = 50;
    db.TableDef_("Dommere").Fields_Append(course);
    EXPECT_EQ(ErrOf([&] { db.TableDef_("Dommere").Fields_Append(dao::Field("klb_overdommer", dao::dbBoolean)); }), dao::errnum::FieldExists);
    db.Close();

    dao::Database re = Ws().OpenDatabase(path);
    const dao::TableDef t = re.TableDef_("Dommere");
    ASSERT_EQ(t.Fields.size(), 9u);
    EXPECT_EQ(t.Fields[7].Name, "KlB_Overdommer");
    EXPECT_EQ(t.Fields[7].Type, dao::dbBoolean);
    EXPECT_EQ(t.Fields[8].Name, "Dommer_DatoDKurs");
    EXPECT_EQ(t.Fields[8].Size, 50);
    // The existing row reads False in the new flag, and a query for False finds it.
    dao::Recordset rs = re.OpenRecordset("Select * from Dommere where KlB_Overdommer=False");
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Get("KlB_Overdommer"), dao::Variant(false));
    EXPECT_TRUE(rs.Get("Dommer_DatoDKurs").IsNull());
}

// Columns added to a table that holds rows keep refusing values out of their
// size or range, in this connection and in the file reopened; a rolled-back
// addition leaves neither column nor check behind.
TEST(DaoSchema, ColumnsAddedToATableWithRowsKeepTheirChecks) {
    kdtest::TempDir dir;
    const std::string path = dir.file("sjekk.kvx");
    dao::Database db = Ws().CreateDatabase(path);
    AddMatchTable(db);
    for (int nr = 1; nr <= 3; ++nr)
        db.Execute("INSERT INTO Dommertabell (DommerNR, SekvensNR, Dommer_FNavn) VALUES (?, ?, ?)", {dao::Variant::Integer(nr), nr, "Kari"});
    db.TableDef_("Dommertabell").Fields_Append(TextField("Kommentar", 10));
    db.TableDef_("Dommertabell").Fields_Append(dao::Field("Poeng", dao::dbInteger));
    db.TableDef_("Dommertabell").Fields_Append(dao::Field("Sluttspill", dao::dbBoolean));
    const std::string eleven(11, 'x');
    EXPECT_EQ(ErrOf([&] { db.Execute("UPDATE Dommertabell SET Kommentar = ? WHERE DommerNR = 1", {eleven}); }), dao::errnum::FieldTooSmall);
    EXPECT_EQ(ErrOf([&] { db.Execute("UPDATE Dommertabell SET Poeng = 32768"); }), vb::errnum::Overflow);
    db.Execute("UPDATE Dommertabell SET Kommentar = ?, Poeng = -32768 WHERE DommerNR = 2", {std::string(10, 'y')});
    {
        dao::Recordset rs = db.OpenRecordset("Dommertabell");
        rs.AddNew();
        rs("Kommentar") = eleven;
        EXPECT_EQ(ErrOf([&] { rs.Update(); }), dao::errnum::FieldTooSmall);
        rs.CancelUpdate();
    }
    EXPECT_EQ(db.OpenRecordset("Select * from Dommertabell where Kommentar is Null and Poeng is Null").RecordCount(), 2);
    db.Close();

    dao::Database re = Ws().OpenDatabase(path);
    EXPECT_EQ(ErrOf([&] { re.Execute("INSERT INTO Dommertabell (DommerNR, Kommentar) VALUES (4, ?)", {eleven}); }), dao::errnum::FieldTooSmall);
    EXPECT_EQ(ErrOf([&] { re.Execute("UPDATE Dommertabell SET Poeng = -32769"); }), vb::errnum::Overflow);
    const dao::TableDef t = re.TableDef_("Dommertabell");
    ASSERT_EQ(t.Fields.size(), 17u);
    EXPECT_EQ(t.Fields[14].Size, 10);
    EXPECT_EQ(t.Fields[15].Type, dao::dbInteger);
    EXPECT_EQ(t.Fields[16].Type, dao::dbBoolean);

    Ws().BeginTrans();
    re.TableDef_("Dommertabell").Fields_Append(TextField("Midlertidig", 5));
    Ws().Rollback();
    EXPECT_EQ(re.TableDef_("Dommertabell").FindField("Midlertidig"), nullptr);
    re.TableDef_("Dommertabell").Fields_Append(TextField("Midlertidig", 20));
    re.Execute("UPDATE Dommertabell SET Midlertidig = ?", {std::string(20, 'z')});
    EXPECT_EQ(ErrOf([&] { re.Execute("UPDATE Dommertabell SET Midlertidig = ?", {std::string(21, 'z')}); }), dao::errnum::FieldTooSmall);
}

TEST(DaoSchema, IndexAppendedLaterIsStoredUnderTheTableAndRefusedTwice) {
    kdtest::TempDir dir;
    const std::string path = dir.file("indeks.kvx");
    dao::Database db = Ws().CreateDatabase(path);
    AddRefereeTable(db);
    dao::TableDef t = db.TableDef_("Dommere");
    dao::Index byName = t.CreateIndex("Navn");
    byName.AddField("Dommer_ENavn");
    t.Indexes_Append(byName);
    dao::Index again = t.CreateIndex("navn");
    again.AddField("Dommer_FNavn");
    EXPECT_EQ(ErrOf([&] { db.TableDef_("Dommere").Indexes_Append(again); }), 3284);
    dao::Index missing = t.CreateIndex("Mangler");
    missing.AddField("Finnes_Ikke");
    EXPECT_EQ(ErrOf([&] { db.TableDef_("Dommere").Indexes_Append(missing); }), dao::errnum::NoSuchItem);
    const auto indexes = db.TableDef_("Dommere").Indexes;
    ASSERT_EQ(indexes.size(), 2u);
    EXPECT_EQ(indexes[0].Name, "DommerNr");
    EXPECT_EQ(indexes[1].Name, "Navn");
    EXPECT_EQ(indexes[1].FieldName, "Dommer_ENavn");
    for (const char* name : {"Ærlig", "zorro", "Åse", "ørn", "Østby", "Aas"}) AddReferee(db, 1, "X", name, true);
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where Dommer_ENavn = 'ÆRLIG'").RecordCount(), 1);
    db.Close();

    // Any SQLite tool sees table-qualified index names and a sound file,
    // although its own NOCASE differs from ours.
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(raw, "SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name", -1, &stmt, nullptr);
    std::vector<std::string> names;
    while (sqlite3_step(stmt) == SQLITE_ROW) names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    EXPECT_EQ(names, (std::vector<std::string>{"Dommere.DommerNr", "Dommere.Navn"}));
    sqlite3_prepare_v2(raw, "PRAGMA integrity_check", -1, &stmt, nullptr);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), "ok");
    sqlite3_finalize(stmt);
    sqlite3_close(raw);
}
