// The regular import and the test variant: what lands in Dommertabell, how the
// file's rows and the file itself are marked, what the user is told.
#include "Fixture.h"

#include <sqlite3.h>

#include <fstream>
#include <functional>

#include "database/Apen.h"
#include "database/Kampoversikt.h"
#include "import/HentDommerFil.h"
#include "import/Innlesing.h"
#include "import/SjekkDuplikat.h"
#include "matches/ValgtKamp.h"
#include "state/ProgramState.h"
#include "support/Sqlite.h"

namespace importtest {
namespace {

const std::string Ferdig1 = "Innlesing fullført OK!\rFilen er markèrt: Status= 1 (Innlest)";
const std::string Ferdig2 =
    "Innlesing fullført OK!\rFilen er markèrt: Status=2, delvis innlest, inneholder en eller flere poster med ukjent dommer";

HentDommerFil& vindu() { return forms::Default<HentDommerFil>(); }

class Innlesing : public ImportTest {};

TEST_F(Innlesing, FreshFileIsAppendedInOrderAndStamped) {
    state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status) Values (1, 41, 0), (1, NULL, 0)");
    Rad tom = Kamp(7);
    for (int i : {2, 3, 4, 8, 9, 10, 11}) tom[static_cast<size_t>(i)] = std::nullopt;
    const std::string sti = lagFil("cup.dkv", {Kamp(12, "Lyn", "Ørn", 12, 3), tom, Kamp(3, "Fram", "Lyn", 0, 7, "Curling")});
    kamper::ValgtKamp = kamper::Kampvalg{1, 41};
    lesInn(sti);
    EXPECT_FALSE(kamper::ValgtKamp.has_value());

    EXPECT_EQ(boksTekster(), std::vector<std::string>{Ferdig1});
    EXPECT_EQ(radstatus(sti), (std::vector<std::string>{"1", "1", "1"}));
    EXPECT_EQ(filstatus(sti), "1");
    EXPECT_EQ(state::Sekvensnummer, 44);
    // Every column as mapped, in the file's order; an empty field stays empty.
    dao::Recordset rs = state::DBase.OpenRecordset(
        "Select * From Dommertabell Where SekvensNR > 41 Order By SekvensNR", dao::dbOpenSnapshot);
    const char* kolonner[] = {"DommerNR", "SekvensNR", "Status", "Dommer_FNavn", "Dommer_ENavn", "Dommer_Lag", "TurneringsNavn",
                              "Turneringsdato", "Dommer_HLag", "Dommer_BLag", "Dommer_HPoeng", "Dommer_BPoeng", "Typespill", "DatoEndret"};
    const std::vector<std::vector<std::string>> ventet = {
        {"12", "42", "0", "Fornavn12", "Etternavn", "Klubb", "NM", "1. mai 2026", "Lyn", "Ørn", "12", "3", "BOCCIA", ""},
        {"7", "43", "0", "", "", "", "NM", "1. mai 2026", "", "", "", "", "BOCCIA", ""},
        {"3", "44", "0", "Fornavn3", "Etternavn", "Klubb", "NM", "1. mai 2026", "Fram", "Lyn", "0", "7", "Curling", ""}};
    for (const auto& rad : ventet) {
        ASSERT_FALSE(rs.EOF_());
        for (size_t k = 0; k < rad.size(); ++k) {
            EXPECT_EQ(vb::Concat(rs.Get(kolonner[k]), ""), rad[k]) << kolonner[k];
            if (rad[k].empty()) {
                EXPECT_TRUE(rs.Get(kolonner[k]).IsNull()) << kolonner[k];
            }
        }
        rs.MoveNext();
    }
    EXPECT_TRUE(rs.EOF_());

    HentDommerFil& f = vindu();
    EXPECT_EQ(f.Text5.Text(), "0");
    EXPECT_EQ(f.Text4.Text(), "0");
    EXPECT_EQ(f.Text3.Text(), "3");
    EXPECT_EQ(f.Text2.Text(), "0");
    EXPECT_EQ(f.Text1(0).Text(), "NM i Boccia");
    EXPECT_EQ(f.Text1(1).Text(), "1. mai 2026");
    EXPECT_EQ(f.Text1(2).Text(), "Innlest tidligere");
    EXPECT_TRUE(f.SSCommand2.Visible());
    // Sorted by referee number.
    ASSERT_EQ(f.MSFlexGrid1.Rows(), 4);
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 0), "3");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(2, 0), "7");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(3, 0), "12");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(3, 7), "Lyn");
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

TEST_F(Innlesing, EmptyMatchTableStartsAtOne) {
    lesInn(lagFil("a.dkv", {Kamp(1), Kamp(2, "X")}));
    EXPECT_EQ(kolonne(dbsti, "Select SekvensNR From Dommertabell Order By SekvensNR"), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(state::Sekvensnummer, 2);
}

TEST_F(Innlesing, TheKeptMatchOverviewIsReadAgainAfterAnImport) {
    state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status, Typespill) Values (3, 5, 0, 'BOCCIA')");
    // Told of an append that never happened: kept, referee 3 would count two matches and 90 would be the largest number.
    const dao::ChangeStamp for_ = state::DBase.Stamp();
    turneringsdb::Oversikt(state::DBase);
    turneringsdb::KampLagtTil(state::DBase, for_, 3, 90, turneringsdb::Spill(state::DBase, "BOCCIA"));
    ASSERT_EQ(turneringsdb::Oversikt(state::DBase).storsteSekvensnummer, 90);
    lesInn(lagFil("a.dkv", {Kamp(3), Kamp(4, "X")}));
    const turneringsdb::Kampoversikt& o = turneringsdb::Oversikt(state::DBase);
    EXPECT_EQ(o.perDommer.at(3).alle, 2);
    EXPECT_EQ(o.perDommer.at(4).boccia, 1);
    EXPECT_EQ(o.storsteSekvensnummer, 7);
}

TEST_F(Innlesing, FileReadInBeforeIsOnlyShown) {
    struct Tilfelle {
        Felt status;
        std::string melding;
        std::string tekst;
    };
    const Tilfelle tilfeller[] = {
        {"1", "Denne fil er tidligere innlest! \rKan kun leses inn 1 gang!\rTrykk OK og inneholdet vises på skjerm i stedet!",
         "Innlest tidligere"},
        {"2",
         "Denne fil er tidligere delvis innlest,\rmen inneholder noen poster med ukjent dommer! \rTrykk OK og inneholdet vises på "
         "skjerm i stedet!\rPoster med Status=2 er ikke registrert pga ukjent dommer!",
         "Har poster med ukjent dommer"},
        {"3", "Denne fil har ukjent filstatus (3) og leses ikke inn!\rTrykk OK og inneholdet vises på skjerm i stedet!", ""},
        {std::nullopt, "Denne fil har ukjent filstatus (tom) og leses ikke inn!\rTrykk OK og inneholdet vises på skjerm i stedet!", ""},
    };
    int n = 0;
    for (const auto& t : tilfeller) {
        SCOPED_TRACE(t.melding);
        const std::string sti = lagFil("vist" + std::to_string(++n) + ".dkv", {Kamp(1, "A", "B", 1, 1, "BOCCIA", "1"), Kamp(2)}, t.status);
        vindu().Text3.SetText("9");
        vindu().Text1(2).SetText("før");
        const auto for_ = bytes(sti);
        lesInn(sti);
        EXPECT_EQ(boksTekster(), std::vector<std::string>{t.melding});
        EXPECT_EQ(vindu().MSFlexGrid1.Rows(), 3);
        EXPECT_EQ(vindu().Text2.Text(), "1");
        EXPECT_EQ(vindu().Text3.Text(), "9");
        EXPECT_EQ(vindu().Text1(2).Text(), t.tekst.empty() ? "før" : t.tekst);
        EXPECT_TRUE(vindu().SSCommand2.Visible());
        EXPECT_EQ(bytes(sti), for_);
    }
}

TEST_F(Innlesing, UnknownRefereeIsAskedAboutPerRow) {
    const std::string sti = lagFil("ukjent.dkv", {Kamp(1), Kamp(77), Kamp(2), Kamp(77, "C")});
    lesInn(sti);
    const auto b = bokser();
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0].prompt,
              "Filen inneholder data med ukjent dommer!\rUkjent dommernummer er : 77  Fornavn77 Etternavn, Klubb\r"
              "Ønsker du å fortsette innlesing av øvrige data, \rSvar i såfall Ja, ellers avbryt ved å svare Nei!");
    EXPECT_EQ(b[0].style, forms::vbYesNo + forms::vbExclamation);
    EXPECT_EQ(b[1].prompt, b[0].prompt);
    EXPECT_EQ(b[2].prompt, Ferdig2);
    EXPECT_EQ(radstatus(sti), (std::vector<std::string>{"1", "2", "1", "2"}));
    EXPECT_EQ(filstatus(sti), "2");
    EXPECT_EQ(vindu().Text4.Text(), "2");
    EXPECT_EQ(vindu().Text3.Text(), "2");
    EXPECT_EQ(antallKamper(), 2);
}

TEST_F(Innlesing, NoToTheQuestionChangesNeitherFile) {
    Rad tomtNavn = Kamp(88);
    tomtNavn[2] = tomtNavn[4] = std::nullopt;
    const std::string sti = lagFil("nei.dkv", {Kamp(1), Kamp(77), tomtNavn});
    const auto for_ = bytes(sti);
    vindu().Text2.SetText("5");   // the count of a file shown before
    forms::Headless().setNextAnswer(forms::vbYes);
    forms::Headless().setNextAnswer(forms::vbNo);
    lesInn(sti);
    const auto b = boksTekster();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_NE(b[1].find("Ukjent dommernummer er : 88   Etternavn, \r"), std::string::npos) << b[1];
    EXPECT_EQ(state::Svar, forms::vbNo);
    EXPECT_EQ(vindu().MSFlexGrid1.Rows(), 1);
    EXPECT_EQ(vindu().Text2.Text(), "");
    EXPECT_FALSE(vindu().SSCommand2.Visible());
    EXPECT_EQ(bytes(sti), for_);
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

TEST_F(Innlesing, DuplicatesAreExactMatchesOfLiveRows) {
    // Live matches of referee 5 already in the register.
    state::DBase.Execute(
        "Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Turneringsdato, Dommer_HLag, Dommer_BLag, "
        "Dommer_HPoeng, Dommer_BPoeng, Typespill) Values "
        "(5, 1, 0, 'NM', '1. mai 2026', 'Lyn', 'Ørn', 3, 2, 'BOCCIA'),"
        "(5, 2, 3, 'NM', '1. mai 2026', 'Slettet', 'Ørn', 3, 2, 'BOCCIA'),"
        "(5, 3, 0, 'NM', '1. mai 2026', 'Tom', 'Ørn', 3, 2, NULL)");
    struct Tilfelle {
        const char* hva;
        Rad rad;
        const char* status;
    };
    const Tilfelle tilfeller[] = {
        {"the same match", Kamp(5), "4"},
        {"another referee", Kamp(6), "1"},
        {"a soft-deleted match", Kamp(5, "Slettet"), "1"},
        {"the game in other case", Kamp(5, "Lyn", "Ørn", 3, 2, "Boccia"), "1"},
        {"a trailing blank", Kamp(5, "Lyn ", "Ørn"), "1"},
        {"other points", Kamp(5, "Lyn", "Ørn", 3, 3), "1"},
        {"an empty game on both sides", Kamp(5, "Tom", "Ørn", 3, 2, nullptr), "1"},
        {"a match twice in the file, first", Kamp(9, "Fram"), "1"},
        {"a match twice in the file, second", Kamp(9, "Fram"), "4"},
        {"an empty team twice in the file, first", Kamp(9, nullptr), "1"},
        {"an empty team twice in the file, second", Kamp(9, nullptr), "1"},
    };
    std::vector<Rad> rader;
    for (const auto& t : tilfeller) rader.push_back(t.rad);
    const std::string sti = lagFil("dupl.dkv", rader);
    lesInn(sti);
    const auto status = radstatus(sti);
    for (size_t i = 0; i < std::size(tilfeller); ++i) EXPECT_EQ(status.at(i), tilfeller[i].status) << tilfeller[i].hva;
    EXPECT_EQ(boksTekster(), (std::vector<std::string>{Ferdig1, "Obs at 2 duplikater ble funnet, disse ble ikke lest inn!"}));
    EXPECT_EQ(vindu().Text5.Text(), "2");
    EXPECT_EQ(vindu().Text3.Text(), "9");
    EXPECT_EQ(innlesing::AntallDuplikater, 2);
    EXPECT_EQ(innlesing::DuplikatFunnet, 1);
    EXPECT_EQ(antallKamper(), 3 + 9);
}

TEST_F(Innlesing, RowsNotAtZeroAreLeftAndCountedAsUnread) {
    // Rows left by an earlier import: 2 stays 2 even when the referee is registered now;
    // an empty status is not read in and shows as unread.
    const std::string sti = lagFil("rest.dkv", {Kamp(1, "A", "B", 1, 1, "BOCCIA", "2"), Kamp(2, "A", "B", 1, 1, "BOCCIA", std::nullopt),
                                               Kamp(3, "A", "B", 1, 1, "BOCCIA", "4"), Kamp(4)});
    lesInn(sti);
    EXPECT_EQ(radstatus(sti), (std::vector<std::string>{"2", "", "4", "1"}));
    EXPECT_EQ(filstatus(sti), "1");
    EXPECT_EQ(vindu().Text3.Text(), "1");
    EXPECT_EQ(vindu().Text2.Text(), "1");
}

TEST_F(Innlesing, SecondImportOfTheSameMatchesMarksThemDuplicates) {
    const std::string sti = lagFil("igjen.dkv", {Kamp(1), Kamp(2), Kamp(3)});
    lesInn(sti);
    slippFiler();
    dao::Database fil = dao::DBEngine::Workspaces(0).OpenDatabase(sti);
    fil.Execute("Update dommerdata Set Status = 0");
    fil.Execute("Update Versjon Set Status = 0");
    fil.Close();
    bokser();
    lesInn(sti);
    EXPECT_EQ(radstatus(sti), (std::vector<std::string>{"4", "4", "4"}));
    EXPECT_EQ(antallKamper(), 3);
    EXPECT_EQ(boksTekster(), (std::vector<std::string>{Ferdig1, "Obs at 3 duplikater ble funnet, disse ble ikke lest inn!"}));
}

TEST_F(Innlesing, EveryDuplicateOfAFileFullOfThemIsMarkedAndNoOtherRow) {
    // More duplicates than one statement marks, with new rows between them.
    std::vector<Rad> rader;
    for (int i = 0; i < 1203; ++i) rader.push_back(i % 400 == 0 ? Kamp(2, ("Ny" + std::to_string(i)).c_str()) : Kamp(1));
    const std::string sti = lagFil("mange.dkv", rader);
    lesInn(sti);
    const std::vector<std::string> status = radstatus(sti);
    ASSERT_EQ(status.size(), rader.size());
    for (size_t i = 0; i < status.size(); ++i) {
        const bool ny = i % 400 == 0 || i == 1;
        EXPECT_EQ(status[i], ny ? "1" : "4") << "row " << i;
    }
    EXPECT_EQ(antallKamper(), 5);
    EXPECT_EQ(vindu().Text5.Text(), "1198");
}

TEST_F(Innlesing, FailureHalfWayChangesNeitherFile) {
    // The next sequence number would pass the Long range: the append fails after the marks.
    state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status) Values (1, 2147483647, 0)");
    const std::string sti = lagFil("full.dkv", {Kamp(1), Kamp(99)});
    const auto for_ = bytes(sti);
    lesInn(sti);
    const auto b = boksTekster();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].rfind(Innlesingsfeil, 0), 0u) << b[1];
    EXPECT_EQ(bytes(sti), for_);
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

TEST_F(Innlesing, BadFilesAreRefusedBeforeAnythingChanges) {
    struct Tilfelle {
        const char* hva;
        std::string grunn;
        std::function<void(Innhold&)> lag;
        std::string sql;   // run on the written file
        std::function<void(const std::string&)> etter = nullptr;   // then done to the file itself
        std::string del = "";   // a piece of the reason, where all of it cannot be known
        bool laast = false;     // held locked by another connection during the import
    };
    // The bytes of the file with those from..to set to x.
    const auto endre = [](size_t fra, size_t til, char x) {
        return [=](const std::string& sti) { kdtest::OverwriteBytes(sti, fra, til, x); };
    };
    const std::string tekst51(51, 'x');
    const Tilfelle tilfeller[] = {
        {"no Versjon row", "Tabellen Versjon har ingen rad.", nullptr, "Delete From Versjon"},
        {"no dommerdata table", "Filen har ingen tabell dommerdata.", nullptr, "Drop Table dommerdata"},
        {"a missing column", "Tabellen dommerdata mangler kolonnen BPoeng.", nullptr, "Alter Table dommerdata Drop Column BPoeng"},
        {"an empty referee number", "Rad 2, kolonne DommerNR: dommernummeret er ikke et heltall.",
         [](Innhold& i) { i.rader[1][0] = std::nullopt; }, ""},
        {"text as referee number", "Rad 1, kolonne DommerNR: dommernummeret er ikke et heltall.",
         [](Innhold& i) { i.rader[0][0] = "sju"; }, ""},
        {"a fraction as referee number", "Rad 2, kolonne DommerNR: dommernummeret er ikke et heltall.",
         [](Innhold& i) { i.rader[1][0] = "2.5"; }, ""},
        {"a text of 51 characters", "Rad 2, kolonne HLag: teksten er lengre enn 50 tegn.",
         [&](Innhold& i) { i.rader[1][8] = tekst51; }, ""},
        // Short bytes: not a length fault, and no text at all.
        {"a blob in a text column", "Rad 2, kolonne HLag: verdien er ikke tekst.", nullptr,
         "Update dommerdata Set HLag = X'4C796E00' Where rowid = 2"},
        {"points past an Integer", "Rad 1, kolonne BPoeng: poengene er ikke et heltall fra -32768 til 32767.",
         [](Innhold& i) { i.rader[0][11] = "32768"; }, ""},
        {"text as points", "Rad 2, kolonne HPoeng: poengene er ikke et heltall fra -32768 til 32767.",
         [](Innhold& i) { i.rader[1][10] = "tre"; }, ""},
        {"a file that is no database", "", nullptr, "", nullptr, "filen er ikke en database"},
        {"a damaged page", "", nullptr, "", endre(4096 + 8, 4096 + 300, '\x5a'), "er skadet"},
        // A header whose size field older writers left at 0: a write would mend it.
        {"a stale header", "Rad 2, kolonne DommerNR: dommernummeret er ikke et heltall.",
         [](Innhold& i) { i.rader[1][0] = std::nullopt; }, "", endre(28, 32, '\0')},
        // Reading it must not switch it to a rollback journal.
        {"a file in WAL mode", "Rad 2, kolonne DommerNR: dommernummeret er ikke et heltall.",
         [](Innhold& i) { i.rader[1][0] = std::nullopt; }, "", kdtest::SwitchToWal},
        {"a file in use by another program", "", nullptr, "", nullptr, "er allerede i bruk", true},
    };
    int n = 0;
    for (const auto& t : tilfeller) {
        SCOPED_TRACE(t.hva);
        Innhold innhold;
        innhold.turneringsnavn = "NM";
        innhold.rader = {Kamp(1), Kamp(2)};
        if (t.lag) t.lag(innhold);
        const std::string sti = datamappe + "/feil" + std::to_string(++n) + ".dkv";
        if (std::string(t.hva) == "a file that is no database") {
            std::ofstream(sti) << "Dette er ingen database, bare tekst som ser ut som en.";
        } else {
            resultatfil::Skriv(sti, innhold);
        }
        if (!t.sql.empty()) {
            dao::Database fil = dao::DBEngine::Workspaces(0).OpenDatabase(sti);
            fil.Execute(t.sql);
            fil.Close();
        }
        if (t.etter) t.etter(sti);
        const auto for_ = bytes(sti);
        sqlite3* annen = nullptr;
        if (t.laast) {
            sqlite3_open(sti.c_str(), &annen);
            ASSERT_EQ(sqlite3_exec(annen, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        lesInn(sti);
        sqlite3_close_v2(annen);
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(b[0].style, forms::vbExclamation);
        if (!t.grunn.empty()) {
            EXPECT_EQ(b[0].prompt, Innlesingsfeil + t.grunn);
        } else {
            EXPECT_EQ(b[0].prompt.rfind(Innlesingsfeil, 0), 0u);
            EXPECT_NE(b[0].prompt.find(t.del), std::string::npos) << b[0].prompt;
        }
        EXPECT_EQ(bytes(sti), for_);
        EXPECT_EQ(vindu().MSFlexGrid1.Rows(), 1);
    }
}

TEST_F(Innlesing, TestVariantReadsEveryRowAgain) {
    const std::string sti = lagFil("test.dkv", {Kamp(1, "A", "B", 1, 1, "BOCCIA", "1"), Kamp(2, "A", "B", 1, 1, "BOCCIA", "4"),
                                               Kamp(77, "A", "B", 1, 1, "BOCCIA", std::nullopt)},
                                   "1");
    vindu().Text3.SetText("5");
    state::Filsti = sti;
    Les_Inn_Dommerfil_Test();
    const auto b = boksTekster();
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0],
              "Du starter nå testversjonen av innlesing!\rIngen kontroll på status tidligere innlesing gjøres!\r"
              "Ønsker du å fortsette innlesing alikevel, \rSvar i såfall Ja, ellers avbryt ved å svare Nei!");
    EXPECT_EQ(b[2], Ferdig2);
    EXPECT_EQ(radstatus(sti), (std::vector<std::string>{"1", "1", "1"}));
    EXPECT_EQ(filstatus(sti), "2");
    EXPECT_EQ(antallKamper(), 3);
    EXPECT_EQ(vindu().Text3.Text(), "5");

    // No at its first question: nothing at all.
    const auto for_ = bytes(sti);
    forms::Headless().setNextAnswer(forms::vbNo);
    Les_Inn_Dommerfil_Test();
    EXPECT_EQ(bokser().size(), 1u);
    EXPECT_EQ(bytes(sti), for_);
}

} // namespace
} // namespace importtest

namespace importtest {
namespace {

// Sequence numbers end at the Long range: a file that would take them past it is refused
// before any row is written, whether the tournament database has our column checks or not.
TEST_F(Innlesing, AnImportPastTheLastSequenceNumberIsRefused) {
    for (const bool medKontroller : {true, false}) {
        SCOPED_TRACE(medKontroller);
        state::DBase.Execute("Delete From Dommertabell");
        if (!medKontroller) {
            turneringsdb::LukkApen();
            ASSERT_NO_FATAL_FAILURE(kdtest::RunSql(dbsti, "CREATE TABLE Uten AS SELECT * FROM Dommertabell; DROP TABLE Dommertabell; "
                                                          "ALTER TABLE Uten RENAME TO Dommertabell;"));
            state::Databasenavn = dbsti;
            ASSERT_TRUE(turneringsdb::ByttTil(dbsti));
        }
        state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status) Values (1, 2147483646, 0)");
        const std::string sti = lagFil(medKontroller ? "med.dkv" : "uten.dkv", {Kamp(1), Kamp(2)});
        const auto for_ = bytes(sti);
        lesInn(sti);
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(b[0].prompt, Innlesingsfeil + std::string("Overflyt i feltet 'SekvensNR'."));
        EXPECT_EQ(antallKamper(), 1);
        EXPECT_EQ(bytes(sti), for_);
    }
}

} // namespace
} // namespace importtest
