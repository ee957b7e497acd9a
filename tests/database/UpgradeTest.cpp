// Opening files of every older version: all later columns and tables arrive,
// then the stamp 9, all or nothing.
#include "DbTest.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "database/Apen.h"
#include "database/Database.h"
#include "state/ProgramState.h"
#include "support/Diskfeil.h"

namespace dbtest {
namespace {

class UpgradeTest : public DbTest {
protected:
    // Changes a closed file behind the program's back.
    static void Endre(const std::string& sti, const std::string& sql, const dao::Params& p = {}) {
        dao::Database db = dao::DBEngine::Workspaces(0).OpenDatabase(sti);
        db.Execute(sql, p);
        db.Close();
    }
    int LagretVersjon() {
        const vb::Variant v = state::DBase.OpenRecordset("Versjon").Get("DatabaseID");
        return v.IsNull() ? -1 : v.ToInteger();
    }
};

// What a table should hold after the upgrade: its old columns in place, the
// added ones after them in the order of the steps.
Kolonneliste Forventet(const std::string& tabell, const Kolonneliste& ni, int versjon) {
    const std::vector<Tillegg> tillegg = TilleggFraVersjon(versjon);
    Kolonneliste k;
    for (const Kol& c : ni) {
        bool lagtTil = false;
        for (const Tillegg& t : tillegg) lagtTil = lagtTil || (t.tabell == tabell && t.kol.navn == c.navn);
        if (!lagtTil) k.push_back(c);
    }
    for (const Tillegg& t : tillegg)
        if (t.tabell == tabell) k.push_back(t.kol);
    // The tournament date comes last, to files of every version.
    if (tabell == "Versjon") k.push_back({"Turneringsdato", dao::dbText, 50});
    return k;
}

TEST_F(UpgradeTest, EveryOldVersionEndsAtNineWithAllLaterColumns) {
    for (int versjon = 1; versjon <= 8; ++versjon) {
        SCOPED_TRACE("versjon " + std::to_string(versjon));
        const std::string sti = iProgram("V" + std::to_string(versjon) + ".KVX");
        LagGammelFil(sti, versjon);
        Apne(sti);
        ASSERT_TRUE(bokser().empty()) << bokser()[0].prompt;
        ASSERT_EQ(state::DBase.Name(), sti);
        EXPECT_EQ(LagretVersjon(), 9);
        const struct { const char* navn; const Kolonneliste& ni; } tabeller[] = {
            {"Versjon", Versjon9()}, {"Dommere", Dommere9()}, {"Dommertabell", Dommertabell9()}};
        for (const auto& t : tabeller) {
            const Kolonneliste faktisk = Kolonner(state::DBase, t.navn);
            const Kolonneliste forventet = Forventet(t.navn, t.ni, versjon);
            EXPECT_EQ(Navnene(faktisk), Navnene(forventet)) << t.navn;
            for (size_t i = 0; i < std::min(faktisk.size(), forventet.size()); ++i) {
                EXPECT_EQ(faktisk[i].type, forventet[i].type) << t.navn << "." << faktisk[i].navn;
                EXPECT_EQ(faktisk[i].storrelse, forventet[i].storrelse) << t.navn << "." << faktisk[i].navn;
            }
        }
        EXPECT_EQ(Navnene(Kolonner(state::DBase, "Ranking")), Navnene(Ranking9()));
        EXPECT_EQ(Navnene(Kolonner(state::DBase, "Ranking_KlData")), Navnene(RankingKlData9()));
        // Rows stay; flags that came with the upgrade read False.
        dao::Recordset d = state::DBase.OpenRecordset("SELECT * FROM Dommere");
        EXPECT_EQ(d.Get("Dommer_ENavn").ToText(), "Øvrebø");
        EXPECT_TRUE(d.Get("Dommer_Boccia").ToBool());
        EXPECT_FALSE(d.Get("KlB_Overdommer").ToBool());
        EXPECT_FALSE(d.Get("KlB_Dommer1").ToBool());
        d.Close();
        EXPECT_EQ(state::DBase.OpenRecordset("Dommertabell").Get("Typespill").ToText(), "BOCCIA");
        // The columns the other parts write take their values.
        EXPECT_NO_THROW(state::DBase.Execute("UPDATE Dommertabell SET DatoEndret = ?", {""}));
        EXPECT_NO_THROW(state::DBase.Execute("UPDATE Versjon SET Comm1 = ?", {"Rapport"}));
        EXPECT_NO_THROW(state::DBase.Execute("UPDATE Dommere SET KlC_Overdommer = ?", {true}));
        EXPECT_FALSE(state::UtvalgVersjon.IsNothing());
        EXPECT_EQ(state::DBase2.Name(), sti);
    }
}

TEST_F(UpgradeTest, VersionTwoWithSomeOfItsColumnsAlreadyGetsTheRest) {
    const std::string sti = iProgram("V2.KVX");
    LagGammelFil(sti, 2);
    {
        dao::Database db = dao::DBEngine::Workspaces(0).OpenDatabase(sti);
        dao::TableDef t = db.TableDef_("Dommertabell");
        dao::Field f("Dommer_HLag", dao::dbText, 50);
        f.AllowZeroLength = true;
        t.Fields_Append(f);
        db.Close();
    }
    Apne(sti);
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(LagretVersjon(), 9);
    const auto navn = Navnene(Kolonner(state::DBase, "Dommertabell"));
    EXPECT_EQ(std::count(navn.begin(), navn.end(), "Dommer_HLag"), 1);
    for (const char* k : {"Dommer_BLag", "Dommer_HPoeng", "Dommer_BPoeng", "DatoEndret"})
        EXPECT_NE(std::find(navn.begin(), navn.end(), k), navn.end()) << k;
}

TEST_F(UpgradeTest, CurrentEmptyOrValuelessVersjonIsLeftAlone) {
    const std::string ni = NyFil("Ni");
    state::DBase.Execute("UPDATE Versjon SET LagetDato = ?", {"uendret"});
    Apne(ni);
    EXPECT_EQ(LagretVersjon(), 9);
    EXPECT_EQ(state::DBase.OpenRecordset("Versjon").Get("LagetDato").ToText(), "uendret");

    const std::string tom = iProgram("Tom.KVX");
    LagGammelFil(tom, 3);
    Endre(tom, "DELETE FROM Versjon");
    Apne(tom);
    EXPECT_EQ(state::DBase.Name(), tom);
    EXPECT_EQ(state::DBase.OpenRecordset("Versjon").RecordCount(), 0);
    EXPECT_FALSE(state::DBase.TableDef_("Dommertabell").FindField("DatoEndret"));

    const std::string uten = iProgram("Uten.KVX");
    LagGammelFil(uten, 3);
    Endre(uten, "UPDATE Versjon SET DatabaseID = NULL");
    Apne(uten);
    EXPECT_EQ(state::DBase.Name(), uten);
    EXPECT_EQ(LagretVersjon(), -1);
    EXPECT_TRUE(bokser().empty());
}

TEST_F(UpgradeTest, TournamentDateColumnIsAddedOnceToFilesThatLackIt) {
    const std::string ni = NyFil("Ni");
    Apne(ni);   // a new file has it: a second one is never tried
    EXPECT_TRUE(bokser().empty());
    Endre(ni, "ALTER TABLE Versjon DROP COLUMN Turneringsdato");
    Endre(ni, "UPDATE Versjon SET TurneringSted = ?", {"Lillehammer"});
    Apne(ni);
    EXPECT_TRUE(bokser().empty());
    const Kolonneliste versjon = Kolonner(state::DBase, "Versjon");
    EXPECT_EQ(versjon.back().navn, "Turneringsdato");
    EXPECT_EQ(versjon.back().storrelse, 50);
    dao::Recordset rad = state::DBase.OpenRecordset("Versjon");
    EXPECT_TRUE(rad.Get("Turneringsdato").IsNull());
    EXPECT_EQ(rad.Get("TurneringSted").ToText(), "Lillehammer");
}

TEST_F(UpgradeTest, UnknownVersionsGetNoStepButTheStamp) {
    for (int versjon : {0, 10}) {
        const std::string sti = iProgram("U" + std::to_string(versjon) + ".KVX");
        LagGammelFil(sti, 8);
        Endre(sti, "UPDATE Versjon SET DatabaseID = ?", {vb::Variant::Integer(versjon)});
        Apne(sti);
        EXPECT_EQ(LagretVersjon(), 9) << versjon;
        EXPECT_FALSE(state::DBase.TableDef_("Dommere").FindField("KlB_Overdommer")) << versjon;
    }
}

TEST_F(UpgradeTest, AFailingStepLeavesTheFileAsItWasAndNotOpen) {
    const std::string a = NyFil("A");
    // A version-1 file without its match table: step 2 cannot run.
    const std::string sti = iProgram("Brutt.KVX");
    LagGammelFil(sti, 1);
    Endre(sti, "DROP TABLE Dommertabell");
    Apne(sti);
    ASSERT_EQ(bokser().size(), 1u);
    const std::string start = "Feil ved åpning av databasen, den kan f.eks. være skrivebeskyttet!!\r\n"
                              "Kontrollér status på database-filen ved hjelp av Explorer/Utforsker\r\n\r\nÅrsak :  ";
    EXPECT_EQ(bokser()[0].prompt.substr(0, start.size()), start);
    EXPECT_NE(bokser()[0].prompt.find("Dommertabell"), std::string::npos) << bokser()[0].prompt;
    EXPECT_EQ(state::Databasenavn, a);
    EXPECT_EQ(state::DatabaseFilnavn, "A.kvx");
    EXPECT_EQ(state::DBase.Name(), a);
    EXPECT_EQ(state::DBase2.Name(), a);
    dao::Database db = dao::DBEngine::Workspaces(0).OpenDatabase(sti);
    EXPECT_EQ(db.OpenRecordset("Versjon").Get("DatabaseID").ToInteger(), 1);
    EXPECT_FALSE(db.TableDef_("Dommere").FindField("Dommer_Petangue"));   // step 1 rolled back
    db.Close();
}

// A disk that stops syncing at any point of the upgrade and stays so: the open ends in a
// message, never in an error no one catches; the file is upgraded or as it was, and a
// message about a stored upgrade comes only when the file holds it.
TEST_F(UpgradeTest, ADiskThatStopsSyncingEndsTheOpenWithAMessageAndTheFileBeforeOrAfter) {
    const std::string sti = iProgram("Gammel.KVX");
    LagGammelFil(sti, 1);
    const std::string gammel = kdtest::ReadFile(sti);
    int lagretMedFeil = 0;
    bool heleGikk = false;
    for (long n = 0; !heleGikk && n < 40; ++n) {
        SCOPED_TRACE(n);
        std::ofstream(sti, std::ios::binary | std::ios::trunc) << gammel;
        std::remove((sti + "-journal").c_str());
        bokser().clear();
        {
            kdtest::Diskfeil disk;
            disk.TillatSynkroniseringer(n);
            EXPECT_NO_THROW(Apne(sti));
            heleGikk = disk.Synkroniseringer() < n;
            turneringsdb::LukkApen();
            state::DBase = dao::Database();
            state::UtvalgVersjon = dao::Recordset();
        }
        const bool lagretTekst = !bokser().empty() && bokser()[0].prompt.find("Endringen er lagret") != std::string::npos;
        if (heleGikk) {
            EXPECT_TRUE(bokser().empty()) << bokser()[0].prompt;
        }
        dao::Database db = dao::DBEngine::Workspaces(0).OpenDatabase(sti);
        const int versjon = db.OpenRecordset("Versjon").Get("DatabaseID").ToInteger();
        db.Close();
        EXPECT_TRUE(versjon == 1 || versjon == 9) << versjon;
        if (lagretTekst) {
            EXPECT_EQ(versjon, 9);
        }
        lagretMedFeil += lagretTekst;
    }
    EXPECT_TRUE(heleGikk);
    EXPECT_GT(lagretMedFeil, 0) << "no sync failed after the upgrade's commit";
}

} // namespace
} // namespace dbtest
