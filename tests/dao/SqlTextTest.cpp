// The program's SQL texts run as written: names in any case, True/False,
// 'BOCCIA' against "Boccia", the engine's "text" literals, & and * wildcards;
// text compares without regard to case and sorts Æ, Ø, Å after Z.
#include <gtest/gtest.h>

#include "DaoTestSupport.h"

using namespace daotest;
using dao::Variant;

namespace {

class DaoSql : public ::testing::Test {
protected:
    void SetUp() override {
        db = Ws().CreateDatabase(dir.file("sql.kvx"));
        AddRefereeTable(db);
        AddMatchTable(db);
        AddReferee(db, 12, "Kari", "Ørnes", true);
        AddReferee(db, 5, "Ola", "Aas", false);
        AddReferee(db, 7, "Per", "Åsen", true);
        AddReferee(db, 9, "Siv", "Zahl", true);
        AddReferee(db, 3, "Tor", "Ærø", false);
        AddReferee(db, 4, "Ulf", "berg", true);
        const char* games[] = {"Boccia", "BOCCIA", "Curling", "boccia"};
        const int status[] = {0, 1, 0, 3};
        for (int i = 0; i < 4; ++i)
            db.Execute("INSERT INTO Dommertabell (DommerNR, SekvensNR, Status, Typespill) VALUES (12, ?, ?, ?)",
                       {i + 1, Variant::Integer(status[i]), games[i]});
    }
    std::vector<std::string> Column(dao::Recordset rs, const char* field) {
        std::vector<std::string> out;
        for (; !rs.EOF_(); rs.MoveNext()) out.push_back(rs.Get(field).ToText());
        return out;
    }
    kdtest::TempDir dir;
    dao::Database db;
};

} // namespace

TEST_F(DaoSql, ReportTextsRunAsWritten) {
    const std::string boccia = "Select * from dommere where Dommer_Boccia=" + vb::CStr(true) + " Order By Dommernr asc";
    EXPECT_EQ(Column(db.OpenRecordset(boccia), "DommerNR"), (std::vector<std::string>{"4", "7", "9", "12"}));
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where Dommer_Boccia=False").RecordCount(), 2);
    EXPECT_EQ(db.OpenRecordset("Select * from Dommertabell where Dommernr = 12 AND Typespill='BOCCIA' AND Status <3").RecordCount(), 2);
    EXPECT_EQ(db.OpenRecordset("Select * from Dommertabell where dommernr =12 AND TypeSpill='CURLING' AND Status <3").RecordCount(), 1);
    EXPECT_EQ(db.OpenRecordset("SELECT * FROM DOMMERTABELL WHERE DOMMERNR= 12").RecordCount(), 4);
}

TEST_F(DaoSql, EngineSpellingsAreMapped) {
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where Dommer_FNavn = \"kari\"").RecordCount(), 1);
    dao::Recordset joined = db.OpenRecordset("Select Dommer_FNavn & ' ' & Dommer_ENavn AS Navn from Dommere where DommerNR = 12");
    EXPECT_EQ(joined.Get("Navn"), Variant("Kari Ørnes"));
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where Dommer_ENavn Like 'Å*'").RecordCount(), 1);
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where Dommer_ENavn Like \"*AHL\"").RecordCount(), 1);
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where Dommer_ENavn Like 'ørne?'").RecordCount(), 1);
    // Inside a literal nothing is mapped.
    db.Execute("UPDATE Dommere SET Dommer_ENavn = 'A & B * \"C\"' WHERE DommerNR = 5");
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where DommerNR = 5").Get("Dommer_ENavn"), Variant("A & B * \"C\""));
    db.Execute("UPDATE Dommere SET Dommer_FNavn = \"Det \"\"ene\"\" og 'andre'\" WHERE DommerNR = 5;");
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where DommerNR = 5").Get("Dommer_FNavn"), Variant("Det \"ene\" og 'andre'"));
}

TEST_F(DaoSql, TextComparesWithoutCaseAndSortsNorwegianLettersLast) {
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where Dommer_ENavn = 'ØRNES'").RecordCount(), 1);
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where Dommer_ENavn = 'ærø'").RecordCount(), 1);
    EXPECT_EQ(Column(db.OpenRecordset("Select * from Dommere Order By Dommer_ENavn"), "Dommer_ENavn"),
              (std::vector<std::string>{"Aas", "berg", "Zahl", "Ærø", "Ørnes", "Åsen"}));
    EXPECT_EQ(db.OpenRecordset("Select * from Dommere where Dommer_ENavn > 'z'").RecordCount(), 4);
}

TEST_F(DaoSql, UnknownNamesAndBadTextGiveTheEngineErrors) {
    EXPECT_EQ(ErrOf([&] { db.OpenRecordset("Select * from Dommere where Dommernummer = 1"); }), dao::errnum::TooFewParameters);
    EXPECT_EQ(ErrOf([&] { db.OpenRecordset("Select * from Dommerliste"); }), 3078);
    EXPECT_EQ(ErrOf([&] { db.OpenRecordset("Select * from Dommere where"); }), dao::errnum::SyntaxError);
    // One statement at a time: a second one is refused, not half run.
    EXPECT_EQ(ErrOf([&] { db.Execute("DELETE FROM Dommere; DELETE FROM Dommertabell"); }), dao::errnum::SyntaxError);
    EXPECT_EQ(db.OpenRecordset("Dommere").RecordCount(), 6);
}
