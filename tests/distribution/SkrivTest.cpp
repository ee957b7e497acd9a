// Writing the distribution file: its layout, its rows, the questions and
// messages of both entries, and failures that leave no half-made file.
#include "Fixture.h"

#include "support/FullDisk.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "distribution/Dommerfil.h"
#include "platform/dao/Dao.h"
#include "platform/vb/Err.h"
#include "register/Dommere_Init.h"
#include "state/ProgramState.h"

namespace distest {
namespace {

using dommerfil::Inngang;

class Skriv : public DistTest {
protected:
    std::string sti() const { return dir.file("ut/KV_Dommere.kvz"); }
    void SetUp() override {
        DistTest::SetUp();
        std::filesystem::create_directories(dir.file("ut"));
    }
};

std::string M(std::initializer_list<std::string> linjer) {
    std::string ut;
    for (const auto& l : linjer) ut += (&l == linjer.begin() ? "" : "\r") + l;
    return ut;
}

TEST_F(Skriv, RegisterButtonWritesLayoutAndRowsIntoTheDataFolderAndClosesTheFile) {
    LeggInn({1, "Åse", "Ødegård", "Bærum BK", true, false, false, true});
    LeggInn({7, vb::Null, vb::Null, vb::Null, false, true});
    LeggInn({7, "Per", "To", "Lyn", false, false, true, false});   // the same number twice
    state::DBase.Execute("Update Versjon Set OpprettetAv = 'Kvistrel Øst', LagetDato = '08.12.2026'");

    auto& vindu = forms::Default<Dommere_Init>();
    vindu.Show();
    bokser();
    vindu.C_Lag_Dommerfil.UserClick();

    const std::string fil = dir.file("KV_Dommere.kvz");
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, M({"DOMMERFIL LAGRET OK!", "", "Rapporten finner du her: ", fil, "",
                              "Denne fil skal sendes alle klubber!"}));
    EXPECT_EQ(b[0].title, "Dommerdata fra forbundet");
    EXPECT_EQ(b[0].style, forms::vbInformation);
    EXPECT_EQ(state::Filsti, fil);

    // Closed after writing: another program may lock it at once.
    EXPECT_EQ(Sqlite(fil, "BEGIN EXCLUSIVE; COMMIT; SELECT 'fri';"), "fri\n");
    EXPECT_EQ(Sqlite(fil, "SELECT name FROM sqlite_master WHERE type = 'table';"), "Dommere\n");
    EXPECT_EQ(Sqlite(fil, "SELECT DommerNR, quote(Dommer_FNavn), quote(Dommer_ENavn), quote(Dommer_Lag), Dommer_Curling, "
                          "Dommer_Boccia, Dommer_Fotball, Dommer_Handball, OpprettetAv, Dato FROM Dommere ORDER BY rowid;"),
              "1|'Åse'|'Ødegård'|'Bærum BK'|1|0|0|1|Kvistrel Øst|08.12.2026\n"
              "7|NULL|NULL|NULL|0|1|0|0|Kvistrel Øst|08.12.2026\n"
              "7|'Per'|'To'|'Lyn'|0|0|1|0|Kvistrel Øst|08.12.2026\n");

    dao::Database db = dao::DBEngine::Workspaces(0).OpenDatabase(fil);
    const dao::TableDef t = db.TableDef_("Dommere");
    const char* navn[] = {"DommerNR",       "Dommer_FNavn",  "Dommer_ENavn",   "Dommer_Lag",  "Dommer_Curling",
                          "Dommer_Boccia",  "Dommer_Fotball", "Dommer_Handball", "OpprettetAv", "Dato"};
    const int typer[] = {dao::dbInteger, dao::dbText, dao::dbText, dao::dbText, dao::dbBoolean,
                         dao::dbBoolean, dao::dbBoolean, dao::dbBoolean, dao::dbText, dao::dbText};
    const int storrelser[] = {0, 50, 50, 50, 0, 0, 0, 0, 50, 255};
    ASSERT_EQ(t.Fields.size(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        SCOPED_TRACE(navn[i]);
        EXPECT_EQ(t.Fields[i].Name, navn[i]);
        EXPECT_EQ(t.Fields[i].Type, typer[i]);
        if (typer[i] == dao::dbText) {
            EXPECT_EQ(t.Fields[i].Size, storrelser[i]);
            EXPECT_TRUE(t.Fields[i].AllowZeroLength);
        }
    }
    ASSERT_EQ(t.Indexes.size(), 1u);
    EXPECT_EQ(t.Indexes[0].Name, "DommerNr");
    EXPECT_EQ(t.Indexes[0].FieldName, "DommerNR");
    EXPECT_FALSE(t.Indexes[0].Unique);
    EXPECT_FALSE(t.Indexes[0].Primary);
    db.Close();
    for (const auto& navn : filer(dir.path()))
        EXPECT_TRUE(navn == "KV_Dommere.kvz" || navn == "ut" || navn.rfind("Turnering.KVX", 0) == 0) << navn;
}

TEST_F(Skriv, EachEntryAndAnswerShowsItsMessagesAndKeepsOrReplacesRows) {
    const std::string m1 = M({"DOMMERFIL LAGRET OK!", "", "Rapporten finner du her: ", sti(), "",
                              "Denne fil skal sendes alle klubber!"});
    const std::string m2 = M({"DOMMERFIL LAGRET OK!", "", "Dommerfila finner du her: ", sti(), "",
                              "Denne fil inneholder alle dommerne og skal sendes til klubber!"});
    const std::string m3 = M({"Database: " + sti(), "", "Database med samme navn finnes fra før.",
                              "Ønsker du å oppdatere data i denne, trykk i såfall OK?", "Ellers trykk Avbryt for å avbryte!"});
    const std::string m4 = M({"DOMMERRAPPORT LAGRET OK!", "", "Rapporten finner du her: ", sti(), "",
                              "Denne fil skal sendes alle klubber!"});
    const std::string m5 = M({"DOMMERFIL ER LAGRET OK!", "", "Dommerfila finner du her: ", sti(), "",
                              "Denne fil skal sendes alle klubber!"});
    const std::string m6 = M({"Lagring avbrudt!", "", "Database ble ikke oppdatert!"});
    struct Tilfelle {
        Inngang inngang;
        bool finnes;
        int svar;
        std::vector<std::pair<std::string, std::string>> bokser;   // title, text
        const char* rader;
    };
    const Tilfelle tilfeller[] = {
        {Inngang::Registerknapp, false, 0, {{"Dommerdata fra forbundet", m1}}, "1\n2\n3\n"},
        {Inngang::Velger, false, 0, {{"Dommerfil til klubbene", m2}}, "1\n2\n3\n"},
        {Inngang::Registerknapp, true, forms::vbOK,
         {{"Turneringsdata til forbundet", m3}, {"Turneringsdata fra forbundet", m4}}, "1\n2\n3\n"},
        {Inngang::Velger, true, forms::vbOK, {{"Turneringsdata til forbundet", m3}, {"Dommerfil fra forbundet", m5}},
         "1\n2\n3\n"},
        {Inngang::Velger, true, forms::vbCancel, {{"Turneringsdata til forbundet", m3}, {"Dommerdata fra forbundet", m6}},
         "1\n2\n"},
    };
    for (const auto& t : tilfeller) {
        SCOPED_TRACE(testing::Message() << int(t.inngang) << t.finnes << t.svar);
        std::filesystem::remove(sti());
        state::DBase.Execute("Delete From Dommere");
        LeggInn({1, "A", "A", "A"});
        LeggInn({2, "B", "B", "B"});
        if (t.finnes) dommerfil::Skriv(Inngang::Registerknapp, sti());
        LeggInn({3, "C", "C", "C"});
        bokser();
        if (t.svar) forms::Headless().setNextAnswer(t.svar);
        dommerfil::Skriv(t.inngang, sti());
        const auto b = bokser();
        ASSERT_EQ(b.size(), t.bokser.size());
        for (size_t i = 0; i < b.size(); ++i) {
            EXPECT_EQ(b[i].title, t.bokser[i].first);
            EXPECT_EQ(b[i].prompt, t.bokser[i].second);
        }
        if (t.finnes) {
            EXPECT_EQ(b[0].style, forms::vbOKCancel + forms::vbExclamation);
        }
        EXPECT_EQ(Sqlite(sti(), "SELECT DommerNR FROM Dommere ORDER BY DommerNR;"), t.rader);
        EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
    }
}

TEST_F(Skriv, AnEmptyRegisterGivesTheTableWithoutRows) {
    dommerfil::Skriv(Inngang::Velger, sti());
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_EQ(Sqlite(sti(), "SELECT count(*) FROM Dommere;"), "0\n");
}

TEST_F(Skriv, FailuresAreToldAndLeaveTheFileAsItWas) {
    LeggInn({1, "A", "A", "A"});
    LeggInn({7, "B", "B", "B"});
    struct Tilfelle {
        const char* navn;
        std::string fil;
        const char* forberedelse;   // sqlite3 statements making the file first ("" none)
        bool tomVersjon;
        const char* etterpa;       // what the file then holds ("" no file)
    };
    const Tilfelle tilfeller[] = {
        {"missing folder", dir.file("mangler/KV_Dommere.kvz"), "", false, ""},
        {"no Versjon row", sti(), "", true, ""},
        {"foreign file", sti(), "CREATE TABLE Annet (x); INSERT INTO Annet VALUES (42);", false, "42\n"},
        // The copy fails at the second referee: the emptying is undone too.
        {"copy fails half way", sti(),
         "CREATE TABLE Dommere (DommerNR SMALLINT CHECK (DommerNR < 5), Dommer_FNavn TEXT, Dommer_ENavn TEXT, "
         "Dommer_Lag TEXT, Dommer_Curling BOOLEAN, Dommer_Boccia BOOLEAN, Dommer_Fotball BOOLEAN, Dommer_Handball "
         "BOOLEAN, OpprettetAv TEXT, Dato TEXT); INSERT INTO Dommere (DommerNR) VALUES (3);",
         false, "3\n"},
    };
    for (const auto& t : tilfeller) {
        SCOPED_TRACE(t.navn);
        std::filesystem::remove(t.fil);
        if (*t.forberedelse) Sqlite(t.fil, t.forberedelse);
        if (t.tomVersjon) state::DBase.Execute("Delete From Versjon");
        bokser();
        dommerfil::Skriv(Inngang::Registerknapp, t.fil);
        const auto b = bokser();
        ASSERT_FALSE(b.empty());
        EXPECT_EQ(b.back().title, "Feil ved opprettelse av ny database");
        EXPECT_EQ(b.back().prompt.rfind("Årsak :  ", 0), 0u) << b.back().prompt;
        EXPECT_GT(b.back().prompt.size(), std::string("Årsak :  ").size());
        if (!*t.etterpa) {
            EXPECT_FALSE(std::filesystem::exists(t.fil));
        } else {
            const char* sql = std::string(t.navn) == "foreign file" ? "SELECT x FROM Annet;" : "SELECT DommerNR FROM Dommere;";
            EXPECT_EQ(Sqlite(t.fil, sql), t.etterpa);
        }
        // Nothing left behind: no temporary file, no journal.
        EXPECT_EQ(filer(dir.file("ut")), t.etterpa[0] ? std::vector<std::string>{"KV_Dommere.kvz"} : std::vector<std::string>{});
    }
}

TEST_F(Skriv, AFileHeldByAnotherProgramIsTold) {
    LeggInn({1, "A", "A", "A"});
    dommerfil::Skriv(Inngang::Velger, sti());
    // Another program holds the file open and locked until told to let go.
    int klar[2], slipp[2];
    ASSERT_EQ(::pipe(klar), 0);
    ASSERT_EQ(::pipe(slipp), 0);
    const pid_t annet = ::fork();
    if (annet == 0) {
        ::close(slipp[1]);
        dao::Database holdt = dao::DBEngine::Workspaces(0).OpenDatabase(sti());
        char c = 1;
        if (::write(klar[1], &c, 1) == 1) ::read(slipp[0], &c, 1);
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(klar[0], &c, 1), 1);
    bokser();
    dommerfil::Skriv(Inngang::Velger, sti());
    const auto b = bokser();
    ::close(slipp[1]);
    ::waitpid(annet, nullptr, 0);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].title, "Feil ved opprettelse av ny database");
    EXPECT_EQ(b[1].prompt.rfind("Årsak :  Databasen ", 0), 0u) << b[1].prompt;
    EXPECT_NE(b[1].prompt.find("er allerede i bruk"), std::string::npos) << b[1].prompt;
}

} // namespace
} // namespace distest

namespace distest {
namespace {

// A target that may not be filled again is refused after the question, with its reason,
// and keeps its bytes; the open database is never the target, under whatever name; a
// new file on a full disk tells the disk's reason and leaves nothing in the folder.
TEST_F(Skriv, RefusedTargetsKeepTheirBytesAndTheOpenDatabaseStaysWhole) {
    LeggInnMange(400);
    const std::string damaged = dir.file("skadet/KV_Dommere.kvz");
    std::filesystem::create_directories(dir.file("skadet"));
    dommerfil::Skriv(Inngang::Velger, damaged);
    ASSERT_GT(kdtest::ReadFile(damaged).size(), 5u * 4096);
    kdtest::OverwriteBytes(damaged, 4 * 4096 + 100, 4 * 4096 + 400, '\x5a');
    std::filesystem::create_directories(dir.file("lenke"));
    const std::string openOne = dir.file("lenke/KV_Dommere.kvz");
    std::filesystem::create_hard_link(state::Databasenavn, openOne);
    const struct {
        const char* what;
        std::string target;
        const char* reason;
    } cases[] = {
        {"the open database under another name", openOne, "er databasen som er åpen nå"},
        {"a damaged file", damaged, "er skadet"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        bokser();
        const std::string before = c.target == openOne ? "" : kdtest::ReadFile(c.target);
        forms::Headless().setNextAnswer(forms::vbOK);
        dommerfil::Skriv(Inngang::Registerknapp, c.target);
        const auto b = bokser();
        ASSERT_EQ(b.size(), 2u);
        EXPECT_EQ(b[1].title, "Feil ved opprettelse av ny database");
        EXPECT_EQ(b[1].prompt.rfind("Årsak :  ", 0), 0u) << b[1].prompt;
        EXPECT_NE(b[1].prompt.find(c.reason), std::string::npos) << b[1].prompt;
        if (!before.empty()) {
            EXPECT_EQ(kdtest::ReadFile(c.target), before);
        }
        EXPECT_EQ(vb::CLng(state::DBase.OpenRecordset("Select count(*) from Dommere", dao::dbOpenSnapshot).Get(0)), 400);
    }

    std::filesystem::create_directories(dir.file("full"));
    const std::string full = dir.file("full/KV_Dommere.kvz");
    const std::string told = kdtest::WithFullDisk(16 << 10, [&] {
        dommerfil::Skriv(Inngang::Velger, full);
        const auto b = kdtest::TaBokser();
        return b.empty() ? std::string("no message") : b.back().prompt;
    });
    EXPECT_TRUE(told == "Årsak :  Ikke nok plass på disken." || told.rfind("Årsak :  Disk- eller nettverksfeil.", 0) == 0)
        << told;
    EXPECT_EQ(filer(dir.file("full")), std::vector<std::string>{});
}

} // namespace
} // namespace distest
