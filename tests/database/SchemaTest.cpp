// A new file against its layout: tables, columns, indexes and the Versjon row.
#include "DbTest.h"

#include "database/Database.h"
#include "platform/vb/Err.h"
#include "state/ProgramState.h"

namespace dbtest {
namespace {

class SchemaTest : public DbTest {};

void SammeLayout(const Kolonneliste& faktisk, const Kolonneliste& forventet, const std::string& tabell) {
    ASSERT_EQ(faktisk.size(), forventet.size()) << tabell;
    for (size_t i = 0; i < forventet.size(); ++i) {
        EXPECT_EQ(faktisk[i].navn, forventet[i].navn) << tabell << " #" << i + 1;
        EXPECT_EQ(faktisk[i].type, forventet[i].type) << tabell << "." << forventet[i].navn;
        EXPECT_EQ(faktisk[i].storrelse, forventet[i].storrelse) << tabell << "." << forventet[i].navn;
    }
}

TEST_F(SchemaTest, NewFileHasTheFiveTablesInOrderWithTypesAndSizes) {
    NyFil("Cup");
    ASSERT_TRUE(bokser().empty());
    const dao::Database& db = state::DBase;
    EXPECT_EQ(db.TableDefs().size(), 5u);
    Kolonneliste versjon = Versjon9();
    versjon.push_back({"Turneringsdato", dao::dbText, 50});
    SammeLayout(Kolonner(db, "Versjon"), versjon, "Versjon");
    SammeLayout(Kolonner(db, "Dommere"), Dommere9(), "Dommere");
    SammeLayout(Kolonner(db, "Dommertabell"), Dommertabell9(), "Dommertabell");
    SammeLayout(Kolonner(db, "Ranking"), Ranking9(), "Ranking");
    SammeLayout(Kolonner(db, "Ranking_KlData"), RankingKlData9(), "Ranking_KlData");
    for (const dao::TableDef& t : db.TableDefs())
        for (const dao::Field& f : t.Fields) {
            if (f.Type == dao::dbText || f.Type == dao::dbMemo) {
                EXPECT_TRUE(f.AllowZeroLength) << t.Name << "." << f.Name;
            }
        }
}

TEST_F(SchemaTest, FourOrdinaryIndexesUnderTheirNames) {
    NyFil("Cup");
    const struct { const char* tabell; const char* navn; const char* kolonne; } forventet[] = {
        {"Dommere", "DommerNr", "DommerNR"},
        {"Dommertabell", "DommerNr", "DommerNR"},
        {"Ranking", "Lag_Nr", "Nr"},
        {"Ranking_KlData", "Klasse_Nr", "KlasseNr"},
    };
    for (const auto& f : forventet) {
        const dao::TableDef t = state::DBase.TableDef_(f.tabell);
        ASSERT_EQ(t.Indexes.size(), 1u) << f.tabell;
        EXPECT_EQ(t.Indexes[0].Name, f.navn);
        EXPECT_EQ(t.Indexes[0].FieldName, f.kolonne);
        EXPECT_FALSE(t.Indexes[0].Unique);
        EXPECT_FALSE(t.Indexes[0].Primary);
    }
    EXPECT_TRUE(state::DBase.TableDef_("Versjon").Indexes.empty());
}

TEST_F(SchemaTest, VersjonRowOfANewFile) {
    state::Turnering_Navn = "Noe annet";
    NyFil("Cup");
    dao::Recordset rs = state::DBase.OpenRecordset("Versjon");
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Get("DatabaseID").ToInteger(), 9);
    EXPECT_EQ(rs.Get("LagetDato").ToText(), "08.12.2026");
    EXPECT_EQ(rs.Get("TurneringsNavn").ToText(), "Norges Valmorisk");
    EXPECT_EQ(rs.Get("OpprettetAv").ToText(), "Norges Valmorisk");
    EXPECT_EQ(rs.Get("Turneringsdato").ToText(), "08. desember 2026");
    for (const char* tom : {"TurneringSted", "ADDR1", "ADDR2", "PHON", "COMM", "Comm1", "Comm4"})
        EXPECT_TRUE(rs.Get(tom).IsNull()) << tom;
    rs.Close();
    for (const char* t : {"Dommere", "Dommertabell", "Ranking", "Ranking_KlData"})
        EXPECT_EQ(state::DBase.OpenRecordset(t).RecordCount(), 0) << t;

    state::Opprettet_Av = "";   // an empty creator is not written
    NyFil("Tom");
    EXPECT_TRUE(state::DBase.OpenRecordset("Versjon").Get("OpprettetAv").IsNull());
}

TEST_F(SchemaTest, EveryTextAndMemoColumnTakesTheEmptyString) {
    NyFil("Cup");
    for (const dao::TableDef& t : state::DBase.TableDefs()) {
        dao::Recordset rs = state::DBase.OpenRecordset(t.Name);
        rs.AddNew();
        for (const dao::Field& f : t.Fields)
            if (f.Type == dao::dbText || f.Type == dao::dbMemo) rs.Set(f.Name, "");
        ASSERT_NO_THROW(rs.Update()) << t.Name;
        rs.Close();
    }
    dao::Recordset d = state::DBase.OpenRecordset("SELECT * FROM dommere");
    EXPECT_EQ(d.Get("Dommer_DatoOppdCurKurs").ToText(), "");
    EXPECT_FALSE(d.Get("KlB_Overdommer").ToBool());   // unassigned Boolean reads False
    EXPECT_TRUE(d.Get("DommerNR").IsNull());
}

TEST_F(SchemaTest, TwoRefereesWithOneNumberAndNamesInAnyCase) {
    NyFil("Cup");
    for (const char* fornavn : {"Kari", "Ola"})
        state::DBase.Execute("INSERT INTO dommere (Dommernr, dommer_fnavn) VALUES (?, ?)",
                             {vb::Variant::Integer(12), fornavn});
    dao::Recordset rs = state::DBase.OpenRecordset("SELECT * FROM Dommere WHERE DommerNr = ?", dao::dbOpenDynaset,
                                                   {vb::Variant::Integer(12)});
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(state::DBase.OpenRecordset("SELECT Turneringsnavn FROM versjon").Get("turneringsnavn").ToText(),
              "Norges Valmorisk");
}

TEST_F(SchemaTest, TableCreatorsLeaveAnExistingTableAndItsRows) {
    NyFil("Cup");
    state::DBase.Execute("INSERT INTO Ranking (Nr, ForNavn) VALUES (?, ?)", {vb::Variant::Integer(3), "Per"});
    state::DBase.Execute("INSERT INTO Ranking_KlData (KlasseNr) VALUES (?)", {vb::Variant::Integer(4)});
    Opprett_Ranking();
    Opprett_Ranking_KlData();
    Opprett_Dommere();
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(state::DBase.OpenRecordset("Ranking").Get("ForNavn").ToText(), "Per");
    EXPECT_EQ(state::DBase.OpenRecordset("Ranking_KlData").RecordCount(), 1);
    EXPECT_EQ(state::DBase.TableDef_("Ranking").Indexes.size(), 1u);
    // The two that pass failures on do so for an existing table too.
    EXPECT_THROW(Opprett_Dommertabell(), vb::Err);
    EXPECT_THROW(Opprett_Versjon(), vb::Err);
    EXPECT_EQ(state::DBase.OpenRecordset("Versjon").RecordCount(), 1);
}

} // namespace
} // namespace dbtest
