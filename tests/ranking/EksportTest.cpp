// The export file for the clubs, as the sqlite3 shell reads it: its tables,
// columns, indexes and rows; the refill of an existing file; and every failure
// told, with the file left whole.
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>

#include "platform/vb/Strings.h"
#include "ranking/Eksport.h"
#include "ranking/RankingfilFixture.h"
#include "state/ProgramState.h"
#include "support/AnnenProsess.h"

namespace fs = std::filesystem;

namespace rankfiltest {
namespace {

const std::string CR = vb::vbCr;
using V = vb::Variant;

class EksportTest : public RankingfilTest {
protected:
    void eksporter(std::initializer_list<int> svarene) {
        svar(svarene);
        Lag_Rankingliste_For_Klubbene();
    }
    std::string rader() const {
        return Sqlite3(eksportfil(),
                       "SELECT NR, KlasseNR, TypeSpill, Fornavn, Etternavn, Klubb, KlasseType, KlasseNavn, RankingNr, "
                       "TrukketNr, OpprettetAv, Dato FROM Ranking ORDER BY rowid");
    }
    std::vector<std::string> mappen() const {
        std::vector<std::string> navn;
        for (const auto& e : fs::directory_iterator(program.file("DommerDistribusjon"))) navn.push_back(e.path().filename());
        return navn;
    }
    std::string lagret(const std::string& forsteLinje) const {
        return forsteLinje + CR + CR + "Rapporten finner du her: " + CR + eksportfil() + CR + CR +
               "Denne fil skal sendes alle klubber!";
    }
};

TEST_F(EksportTest, FirstExportWritesTheTablesColumnsIndexesAndRowsAsTheShellReadsThem) {
    leggInn({{V::Integer(1), V::Integer(1), V::Integer(0), "Åse", "Ødegård", "Bøler IL", V::Integer(1), "Klasse 1"},
             {V::Integer(2), V::Integer(0), V::Integer(3), "Lag Nord", "forts.", vb::Null, V::Integer(21), "Klasse 21"},
             // No list 40: the entry goes out as it stands, with empty list fields.
             {V::Integer(1), vb::Null, V::Integer(7), "Per", "Ås", "Vik", V::Integer(40), "Gammel"}});
    eksporter({forms::vbOK, forms::vbNo});

    const auto b = bokser();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].prompt, lagret("Rankingliste LAGRET OK!"));
    EXPECT_EQ(b[0].style, forms::vbInformation);
    EXPECT_EQ(b[0].title, "RankingListe fra forbundet");
    EXPECT_EQ(b[1].prompt, "Ønsker du skriftelig rapport av Rankingliste som ligger klar for oversendelse klubbene?" + CR + CR +
                               CR + "Trykk Ja for rapport, ellers Nei!");
    EXPECT_EQ(b[1].style, 52);
    EXPECT_EQ(b[1].title, "RankingListe fra forbundet");
    EXPECT_EQ(state::RankingFilnavn, "RankingListe.rlt");

    EXPECT_EQ(Sqlite3(eksportfil(), "SELECT name, type FROM pragma_table_info('Ranking')"),
              "NR|SMALLINT\nKlasseNR|SMALLINT\nTypeSpill|TEXT(50)\nFornavn|TEXT(50)\nEtternavn|TEXT(50)\nKlubb|TEXT(50)\n"
              "KlasseType|TEXT(50)\nKlasseNavn|TEXT(50)\nRankingNr|SMALLINT\nTrukketNr|SMALLINT\nOpprettetAv|TEXT(50)\n"
              "Dato|TEXT(255)\n");
    EXPECT_EQ(Sqlite3(eksportfil(), "SELECT name, type FROM pragma_table_info('Ranking_KlData')"),
              "KlasseNr|SMALLINT\nTypeSpill|TEXT(50)\nKlasseType|TEXT(50)\nKlasseNavn|TEXT(50)\nSpillOpsjon|TEXT(50)\n"
              "LagSpill|BOOLEAN\nIndiSpill|BOOLEAN\nTieBreak|BOOLEAN\n");
    EXPECT_EQ(Sqlite3(eksportfil(), "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"),
              "Ranking\nRanking_KlData\n");
    EXPECT_EQ(Sqlite3(eksportfil(), "SELECT m.tbl_name, i.name FROM sqlite_master m, pragma_index_info(m.name) i "
                                    "WHERE m.type = 'index' ORDER BY m.rowid"),
              "Ranking|KlasseNR\nRanking_KlData|KlasseNr\n");
    dao::Database fil = dao::DBEngine::Workspaces(0).OpenDatabase(eksportfil());
    EXPECT_EQ(fil.TableDef_("Ranking").Indexes.at(0).Name, "KlasseNr");
    EXPECT_EQ(fil.TableDef_("Ranking_KlData").Indexes.at(0).Name, "Klasse_Nr");
    fil.Close();

    EXPECT_EQ(rader(), "1|1|BOCCIA|Åse|Ødegård|Bøler IL|SENIOR|Klasse 1|1|0|Norges Valmorisk|8. desember 2026\n"
                       "2|21|CURLING|Lag Nord|forts.||HERRER|Klasse 21|0|3|Norges Valmorisk|8. desember 2026\n"
                       "1|40||Per|Ås|Vik||Gammel||7|Norges Valmorisk|8. desember 2026\n");
    EXPECT_EQ(Sqlite3(eksportfil(), "SELECT count(*), min(KlasseNr), max(KlasseNr) FROM Ranking_KlData"), "29|1|29\n");
    EXPECT_EQ(Sqlite3(eksportfil(), "SELECT * FROM Ranking_KlData WHERE KlasseNr = 21"), "21|CURLING|HERRER|Klasse 21||0|0|0\n");
    // Written and closed: nothing but the file is left, and no handle holds it.
    EXPECT_EQ(mappen(), std::vector<std::string>{"RankingListe.rlt"});
    EXPECT_TRUE(state::DBaseRanking.IsNothing());
}

TEST_F(EksportTest, ASecondExportAfterOkRefillsTheFileWithoutMakingItsTablesAgain) {
    leggInn({{V::Integer(1), V::Integer(1), V::Integer(0), "Gammel", "Post", "A", V::Integer(1), "Klasse 1"}});
    eksporter({forms::vbOK, forms::vbNo});
    Sqlite3(eksportfil(), "CREATE TABLE Merke (x)");
    state::DBase.Execute("Delete from Ranking");
    leggInn({{V::Integer(1), V::Integer(0), V::Integer(2), "Ny", "Post", "B", V::Integer(2), "Klasse 2"}});
    bokser();

    eksporter({forms::vbOK, forms::vbOK, forms::vbNo});
    const auto b = bokser();
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0].prompt, "Database: RankingListe.rlt" + CR + CR + "Database med samme navn finnes fra før." + CR +
                               "Ønsker du å oppdatere data i denne, trykk i såfall OK?" + CR + "Ellers trykk Avbryt for å avbryte!");
    EXPECT_EQ(b[0].style, 49);
    EXPECT_EQ(b[0].title, "RankingListe til forbundet");
    EXPECT_EQ(b[1].prompt, lagret("RAPPORT på RankingListe LAGRET OK!"));
    EXPECT_EQ(b[1].title, "RankingListe fra forbundet");
    EXPECT_EQ(b[2].prompt, "Ønsker du skriftelig rapport av Rankingliste som ligger klar for oversendelse fra forbundet?" + CR +
                               CR + CR + "Trykk Ja for rapport, ellers Nei!");
    EXPECT_EQ(b[2].title, "Rapport Rankingliste fra forbundet");
    EXPECT_EQ(rader(), "1|2|BOCCIA|Ny|Post|B|SENIOR|Klasse 2|0|2|Norges Valmorisk|8. desember 2026\n");
    EXPECT_EQ(Sqlite3(eksportfil(), "SELECT count(*) FROM Ranking_KlData"), "29\n");
    EXPECT_EQ(Sqlite3(eksportfil(), "SELECT count(*) FROM Merke"), "0\n");
}

TEST_F(EksportTest, CancellingTheRefillLeavesTheFileAsItWas) {
    leggInn({{V::Integer(1), V::Integer(1), V::Integer(0), "Gammel", "Post", "A", V::Integer(1), "Klasse 1"}});
    eksporter({forms::vbOK, forms::vbNo});
    const std::string for_ = rader();
    state::DBase.Execute("Delete from Ranking");
    bokser();

    eksporter({forms::vbCancel});
    const auto b = bokser();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].prompt, "Lagring avbrudt!" + CR + CR + "Database ble ikke oppdatert!");
    EXPECT_EQ(b[1].style, forms::vbInformation);
    EXPECT_EQ(rader(), for_);
}

// Each failure is told under the error title with its reason; the folder holds
// what it held before, byte for byte.
struct Feil {
    const char* navn;
    std::function<void(EksportTest&)> ordne;
    const char* aarsak;   // a piece of the reason
};

class EksportFeilTest : public EksportTest, public ::testing::WithParamInterface<Feil> {
protected:
    std::map<std::string, std::string> innhold() const {
        std::map<std::string, std::string> filer;
        if (!fs::exists(program.file("DommerDistribusjon"))) return filer;
        for (const auto& e : fs::directory_iterator(program.file("DommerDistribusjon")))
            filer[e.path().filename()] = kdtest::ReadFile(e.path());
        return filer;
    }
};

TEST_P(EksportFeilTest, IsToldAndLeavesTheFolderAsItWas) {
    leggInn({{V::Integer(1), V::Integer(1), V::Integer(0), "Kari", "Li", "A", V::Integer(1), "Klasse 1"}});
    GetParam().ordne(*this);
    const auto for_ = innhold();
    bokser();
    std::unique_ptr<kdtest::AnnenProsess> laas;
    if (std::string(GetParam().navn) == "locked") laas = std::make_unique<kdtest::AnnenProsess>(eksportfil());
    eksporter({forms::vbOK, forms::vbOK, forms::vbNo});
    laas.reset();

    const auto b = bokser();
    ASSERT_FALSE(b.empty());
    EXPECT_EQ(b.back().title, "Feil ved opprettelse av ny database med Rankingliste");
    EXPECT_EQ(b.back().style, forms::vbInformation);
    EXPECT_EQ(b.back().prompt.rfind("Årsak :  ", 0), 0u) << b.back().prompt;
    EXPECT_NE(b.back().prompt.find(GetParam().aarsak), std::string::npos) << b.back().prompt;
    EXPECT_EQ(innhold(), for_);
    EXPECT_TRUE(state::DBaseRanking.IsNothing());
}

// An export file of an earlier run, written by the shell; without Dato its refill fails halfway.
void GammelFil(const std::string& sti, bool medDato) {
    const std::string dato = medDato ? ", Dato TEXT(255)" : "";
    Sqlite3(sti, "CREATE TABLE Ranking (NR SMALLINT, KlasseNR SMALLINT, TypeSpill TEXT(50), Fornavn TEXT(50), "
                 "Etternavn TEXT(50), Klubb TEXT(50), KlasseType TEXT(50), KlasseNavn TEXT(50), RankingNr SMALLINT, "
                 "TrukketNr SMALLINT, OpprettetAv TEXT(50)" + dato + ");"
                 "CREATE TABLE Ranking_KlData (KlasseNr SMALLINT, TypeSpill TEXT(50), KlasseType TEXT(50), KlasseNavn TEXT(50),"
                 " SpillOpsjon TEXT(50), LagSpill BOOLEAN, IndiSpill BOOLEAN, TieBreak BOOLEAN);"
                 "INSERT INTO Ranking_KlData (KlasseNr) VALUES (1);"
                 "INSERT INTO Ranking (NR, Fornavn) VALUES (9, 'Gammel');");
}

INSTANTIATE_TEST_SUITE_P(
    Eksport, EksportFeilTest,
    ::testing::Values(
        Feil{"noFolder", [](EksportTest& t) { fs::remove(t.program.file("DommerDistribusjon")); }, "DommerDistribusjon"},
        Feil{"emptyVersjon", [](EksportTest&) { state::DBase.Execute("Delete from Versjon"); }, "Versjon"},
        // Fails after the new file's tables were made: the half-made file goes again.
        Feil{"noListTable", [](EksportTest&) { state::DBase.Execute("Drop Table Ranking_KlData"); }, "Ranking_KlData"},
        Feil{"locked", [](EksportTest& t) { GammelFil(t.eksportfil(), true); }, "i bruk"},
        Feil{"foreignFile", [](EksportTest& t) { std::ofstream(t.eksportfil()) << "ikke en database"; }, "kan ikke åpne"},
        // Fails after emptying the old file's tables: the transaction gives the old rows back.
        Feil{"refillFails", [](EksportTest& t) { GammelFil(t.eksportfil(), false); }, "Dato"},
        // The refill would empty the open database itself.
        Feil{"openDatabase", [](EksportTest& t) { fs::create_hard_link(t.dbsti, t.eksportfil()); }, "er databasen som er åpen nå"},
        Feil{"damaged",
             [](EksportTest& t) {
                 GammelFil(t.eksportfil(), true);
                 kdtest::OverwriteBytes(t.eksportfil(), 4096 + 8, 4096 + 300, '\x5a');
             },
             "er skadet"}),
    [](const auto& info) { return std::string(info.param.navn); });

} // namespace
} // namespace rankfiltest
