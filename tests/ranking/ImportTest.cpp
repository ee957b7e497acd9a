// The two imports: what they take from a tournament program file and from
// another database of this program, and every bad source refused before a
// local entry is touched.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sys/wait.h>

#include "platform/vb/Strings.h"
#include "ranking/Import.h"
#include "ranking/RankingfilFixture.h"
#include "state/ProgramState.h"
#include "support/AnnenProsess.h"
#include "support/Sqlite.h"

namespace fs = std::filesystem;

namespace rankfiltest {
namespace {

using V = vb::Variant;
const std::string CR = vb::vbCr;
const std::string Alle = "Select Nr, Rank_Nr, Trukket, ForNavn, EtterNavn, Klubb, KlasseNr, Klasse_Navn, Klasse_Type "
                         "from Ranking order by rowid";

// A tournament program file as the shell writes it, with the columns the import does not keep.
const std::string BcdTabell =
    "CREATE TABLE Ranking (Nr INTEGER, Fornavn TEXT, Etternavn TEXT, Klubb TEXT, Rank_Nr INTEGER, KlasseNr INTEGER, "
    "Klasse_Navn TEXT, Trukket INTEGER, Opt1 TEXT, Opt2 TEXT, Pulje1 INTEGER, Pulje2 INTEGER);";

class ImportTest : public RankingfilTest {
public:
    void SetUp() override {
        RankingfilTest::SetUp();
        leggInn({{V::Integer(1), V::Integer(1), V::Integer(0), "Lokal", "En", "A", V::Integer(1), "Klasse 1"},
                 {V::Integer(2), V::Integer(2), V::Integer(0), "Lokal", "To", "A", V::Integer(1), "Klasse 1"}});
    }
    std::string lokaleFor;
};

TEST_F(ImportTest, TournamentFileReplacesEveryEntryAndEmptiesWhatALocalColumnCannotHold) {
    const std::string bcd = program.file("cup.bcd");
    Sqlite3(bcd, BcdTabell +
                     "INSERT INTO Ranking VALUES (3, 'Åse', 'Li', 'Bøler', 1, 1, 'K1', 0, 'x', 'y', 1, 2);"
                     "INSERT INTO Ranking VALUES (1, 'Lag Nord', NULL, NULL, 0, 99, 'K99', 4, NULL, NULL, NULL, NULL);"
                     // Too long a name, a rank that is no number, a list number out of range.
                     "INSERT INTO Ranking VALUES (2, '" + std::string(51, 'x') + "', 'E', 'K', 'abc', 40000, 'K', '7', 0, 0, 0, 0);");
    Importer_Fra_Turneringsfil(bcd);

    EXPECT_EQ(rader(Alle), "3|1|0|Åse|Li|Bøler|1|K1|\n"
                           "1|0|4|Lag Nord|||99|K99|\n"
                           "2||7||E|K||K|\n");
    EXPECT_TRUE(bokser().empty());
    // Closed again: another program may take the file at once.
    EXPECT_TRUE(state::DBaseRanking.IsNothing());
    EXPECT_EQ(Sqlite3(bcd, "BEGIN EXCLUSIVE; SELECT count(*) FROM Ranking; COMMIT;"), "3\n");
}

// What the README tells a newcomer to do: make a sample file with the tool and import it.
TEST_F(ImportTest, ASampleFileFromTheToolImportsWhole) {
    const std::string bcd = program.file("eksempel.bcd");
    ASSERT_EQ(std::system((std::string(KD_LAG_BCD) + " '" + bcd + "' 3 > /dev/null").c_str()), 0);
    Importer_Fra_Turneringsfil(bcd);
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(antall("Select count(*) from Ranking"), 87);
    EXPECT_EQ(antall("Select count(*) from Ranking where KlasseNr = 29 and Rank_Nr = 0 and Trukket = 1"), 1);
}

// The tool answers in Norwegian, and takes only a whole number in range.
TEST_F(ImportTest, TheSampleToolSpeaksNorwegianAndRefusesWhatIsNoCount) {
    const std::string bcd = program.file("verktoy.bcd");
    struct Tilfelle {
        std::string argumenter;
        int kode;
        std::string svar;
    };
    const Tilfelle tilfeller[] = {
        {"", 2, "Bruk: "},
        {"'" + bcd + "' mange", 2, "må være et tall fra 0 til 1000, ikke «mange»"},
        {"'" + bcd + "' 12x", 2, "ikke «12x»"},
        {"'" + bcd + "' 1001", 2, "ikke «1001»"},
        {"'" + bcd + "' 2", 0, bcd + ": 58 oppføringer i 29 lister"},
        {"'" + bcd + "' 2", 1, bcd + " finnes allerede"},
    };
    const std::string utdata = program.file("utdata.txt");
    for (const Tilfelle& t : tilfeller) {
        SCOPED_TRACE(t.argumenter);
        const int status = std::system((std::string(KD_LAG_BCD) + " " + t.argumenter + " > '" + utdata + "' 2>&1").c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), t.kode);
        std::ifstream fil(utdata);
        const std::string svar((std::istreambuf_iterator<char>(fil)), std::istreambuf_iterator<char>());
        EXPECT_NE(svar.find(t.svar), std::string::npos) << svar;
        EXPECT_EQ(svar.find("entries"), std::string::npos) << svar;
    }
}

TEST_F(ImportTest, AnEmptySourceTableLeavesNoEntries) {
    const std::string bcd = program.file("tom.bcd");
    Sqlite3(bcd, BcdTabell);
    Importer_Fra_Turneringsfil(bcd);
    EXPECT_EQ(rader(Alle), "");
    EXPECT_TRUE(bokser().empty());
}

class DommerdatabaseImportTest : public ImportTest {
public:
    void SetUp() override {
        ImportTest::SetUp();
        kilde = program.file("annen.KVX");
        LagTurneringsbase(kilde, "Annen krets");
        dao::Database db = dao::DBEngine::Workspaces(0).OpenDatabase(kilde);
        LeggInn(db, {{V::Integer(5), V::Integer(0), V::Integer(2), "Kari", "Nord", "Vik", V::Integer(21), "Herrer 1"}});
        db.Execute("Update Ranking_KlData Set KlasseNavn = 'Nytt navn', SpillOpsjon = 'Lagspill', LagSpill = True, "
                   "TieBreak = True, TypeSpill = 'CURLING' Where KlasseNr = 1");
        // Lists the open database lacks, or without a number, change nothing; list 2 missing leaves it.
        db.Execute("Insert Into Ranking_KlData (KlasseNr, KlasseNavn) Values (30, 'Ekstra')");
        db.Execute("Insert Into Ranking_KlData (KlasseNavn) Values ('Uten nummer')");
        db.Execute("Delete From Ranking_KlData Where KlasseNr = 2");
        db.Close();
    }
    std::string kilde;
};

TEST_F(DommerdatabaseImportTest, TakesTheEntriesWithoutPositionAndTheSettingsOfListsBothHave) {
    const std::string liste2 = rader("Select * from Ranking_KlData where KlasseNr = 2");
    Importer_Fra_Dommerdatabase(kilde);

    EXPECT_EQ(rader(Alle), "|0|2|Kari|Nord|Vik|21|Herrer 1|\n");
    EXPECT_EQ(rader("Select * from Ranking_KlData where KlasseNr = 1"), "1|CURLING|SENIOR|Nytt navn|Lagspill|True|False|True\n");
    EXPECT_EQ(rader("Select * from Ranking_KlData where KlasseNr = 2"), liste2);
    EXPECT_EQ(antall("Select count(*) from Ranking_KlData"), 29);
    EXPECT_TRUE(bokser().empty());
    EXPECT_TRUE(state::DBaseRanking.IsNothing());
}

TEST_F(DommerdatabaseImportTest, ASourceWithoutListsGivesItsEntriesAndChangesNoList) {
    {
        dao::Database db = dao::DBEngine::Workspaces(0).OpenDatabase(kilde);
        db.Execute("Drop Table Ranking_KlData");
        db.Close();
    }
    const std::string lister = rader("Select * from Ranking_KlData");
    Importer_Fra_Dommerdatabase(kilde);
    EXPECT_EQ(rader(Alle), "|0|2|Kari|Nord|Vik|21|Herrer 1|\n");
    EXPECT_EQ(rader("Select * from Ranking_KlData"), lister);
}

TEST_F(DommerdatabaseImportTest, AFailureAfterTheEntriesWereCopiedGivesTheOldEntriesBack) {
    // The list step fails after the entries were replaced.
    state::DBase.Execute("Drop Table Ranking_KlData");
    const std::string for_ = rader(Alle);
    Importer_Fra_Dommerdatabase(kilde);
    EXPECT_EQ(rader(Alle), for_);
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_NE(b[0].prompt.find("Ranking_KlData"), std::string::npos) << b[0].prompt;
}

// A bad source is told and leaves every local entry.
struct Kilde {
    const char* navn;
    std::function<std::string(ImportTest&)> lag;   // returns the path to import from
    const char* aarsak;
    bool dommerdatabase = false;
};

class BadSourceTest : public ImportTest, public ::testing::WithParamInterface<Kilde> {};

TEST_P(BadSourceTest, IsRefusedBeforeAnyEntryGoes) {
    const std::string for_ = rader(Alle);
    const std::string sti = GetParam().lag(*this);
    std::unique_ptr<kdtest::AnnenProsess> laas;
    if (std::string(GetParam().navn) == "locked") laas = std::make_unique<kdtest::AnnenProsess>(sti);
    const bool proves = fs::exists(sti) && std::string(GetParam().navn) != "openDatabase";
    const std::string bytes = proves ? kdtest::ReadFile(sti) : "";
    if (GetParam().dommerdatabase) Importer_Fra_Dommerdatabase(sti);
    else Importer_Fra_Turneringsfil(sti);
    laas.reset();

    EXPECT_EQ(rader(Alle), for_);
    // A refused source keeps its bytes: it is only ever opened read-only.
    if (proves) {
        EXPECT_TRUE(kdtest::ReadFile(sti) == bytes) << "the source changed";
    }
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    const std::string start = "Kunne ikke lese rankinglister fra:" + CR + sti + CR + "Årsak :  ";
    EXPECT_EQ(b[0].prompt.substr(0, start.size()), start);
    EXPECT_NE(b[0].prompt.find(GetParam().aarsak), std::string::npos) << b[0].prompt;
    EXPECT_TRUE(state::DBaseRanking.IsNothing());
}

std::string Fil(ImportTest& t, const std::string& navn, const std::string& innhold) {
    std::ofstream(t.program.file(navn)) << innhold;
    return t.program.file(navn);
}

std::string Database(ImportTest& t, const std::string& sql) {
    Sqlite3(t.program.file("kilde.bcd"), sql);
    return t.program.file("kilde.bcd");
}

// A source without the column Trukket, then changed by what is done to its file.
std::string UtenTrukket(ImportTest& t, const std::string& navn, const std::function<void(const std::string&)>& endre) {
    const std::string sti = t.program.file(navn);
    Sqlite3(sti, "CREATE TABLE Ranking (Nr, Fornavn, Etternavn, Klubb, Rank_Nr, KlasseNr, Klasse_Navn);");
    endre(sti);
    return sti;
}

// The header's size field left at 0, as older writers did: any write would mend it.
void GammeltHode(const std::string& sti) { kdtest::OverwriteBytes(sti, 28, 32, '\0'); }

INSTANTIATE_TEST_SUITE_P(
    Import, BadSourceTest,
    ::testing::Values(
        // OK pressed while the name box still holds the pattern.
        Kilde{"pattern", [](ImportTest& t) { return t.program.file("*.bcd"); }, "Ingen fil er valgt"},
        Kilde{"missing", [](ImportTest& t) { return t.program.file("borte.bcd"); }, "finnes ikke"},
        Kilde{"emptyFile", [](ImportTest& t) { return Fil(t, "tom.bcd", ""); }, "tom"},
        Kilde{"foreign", [](ImportTest& t) { return Fil(t, "tekst.bcd", "Dette er ikke en database\n"); }, "ikke en database"},
        Kilde{"noTable", [](ImportTest& t) { return Database(t, "CREATE TABLE Annet (x);"); }, "ingen tabell Ranking"},
        Kilde{"noColumn",
              [](ImportTest& t) { return Database(t, "CREATE TABLE Ranking (Nr, Fornavn, Etternavn, Klubb, Rank_Nr, KlasseNr, Klasse_Navn);"); },
              "Trukket"},
        Kilde{"locked", [](ImportTest& t) { return Database(t, BcdTabell); }, "i bruk"},
        Kilde{"openDatabase", [](ImportTest& t) { return t.dbsti; }, "åpen", true},
        Kilde{"staleHeader", [](ImportTest& t) { return UtenTrukket(t, "gammel.bcd", GammeltHode); }, "Trukket"},
        Kilde{"walMode", [](ImportTest& t) { return UtenTrukket(t, "wal.bcd", kdtest::SwitchToWal); }, "Trukket"},
        Kilde{"staleHeaderKvx", [](ImportTest& t) { return UtenTrukket(t, "Gammel.KVX", GammeltHode); }, "Trukket", true},
        Kilde{"walModeKvx", [](ImportTest& t) { return UtenTrukket(t, "Wal.KVX", kdtest::SwitchToWal); }, "Trukket", true}),
    [](const auto& info) { return std::string(info.param.navn); });

} // namespace
} // namespace rankfiltest
