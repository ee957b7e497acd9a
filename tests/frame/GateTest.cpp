// The open-database gate on every item and button that needs a database, and
// the items that work without one.
#include <functional>

#include "frame/FrameFixture.h"
#include "frame/Hovedmeny2.h"
#include "frame/Main.h"
#include "platform/files/Files.h"

namespace kdtest {
namespace {

class GateTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        Main();
        host().boxes.clear();
    }
    Hovedmeny2& h() { return forms::Default<Hovedmeny2>(); }
    void expectGate(const std::function<void()>& act, const std::string& wording, const std::string& what) {
        host().boxes.clear();
        const auto before = loadedNames();
        act();
        ASSERT_EQ(host().boxes.size(), 1u) << what;
        EXPECT_EQ(host().boxes[0].prompt, wording) << what;
        EXPECT_EQ(host().boxes[0].icon(), forms::vbExclamation) << what;
        EXPECT_EQ(host().boxes[0].buttons(), forms::vbOKOnly) << what;
        EXPECT_EQ(host().boxes[0].title, "KvistrelDommer") << what;
        EXPECT_EQ(loadedNames(), before) << what;
    }
};

TEST_F(GateTest, EveryGatedItemAndButtonRefusesWithoutADatabase) {
    const std::string one = "Du må åpne fil/database først!";
    const std::pair<const char*, std::function<void()>> gated[] = {
        {"LesInn_Dommere", [&] { h().LesInn_Dommere.UserClick(); }},
        {"Dommere_Initielle", [&] { h().Dommere_Initielle.UserClick(); }},
        {"Hent_Dommer_Fil", [&] { h().Hent_Dommer_Fil.UserClick(); }},
        {"Ny_Dommerfil", [&] { h().Ny_Dommerfil.UserClick(); }},
        {"TurneringsdataSlettet", [&] { h().TurneringsdataSlettet.UserClick(); }},
        {"SSCommand1", [&] { h().SSCommand1.UserClick(); }},
        {"SSCommand2", [&] { h().SSCommand2.UserClick(); }},
        {"SSCommand3", [&] { h().SSCommand3.UserClick(); }},
        {"SSCommand4", [&] { h().SSCommand4.UserClick(); }},
        {"G_Res", [&] { h().G_Res.UserClick(); }},
        {"G_Printer", [&] { h().G_Printer.UserClick(); }},
        {"D_Rapport", [&] { h().D_Rapport.UserClick(); }},
    };
    for (const auto& [name, act] : gated) expectGate(act, one, name);
    expectGate([&] { h().HjelpSystemData.UserClick(); }, "Du må åpne en database/fil først!!", "HjelpSystemData");
}

TEST_F(GateTest, SystemDataOnANamedButClosedDatabaseGivesTheSecondWording) {
    state::Databasenavn = program.file("borte.kvx");
    expectGate([&] { h().HjelpSystemData.UserClick(); }, "Du må åpne en database/fil først!!", "named, not open");
}

TEST_F(GateTest, SystemDataOfAnOpenDatabase) {
    state::Databasenavn = makeDatabase("sys.kvx");
    state::DBase = state::Arbeidsomrade->OpenDatabase(state::Databasenavn);
    h().HjelpSystemData.UserClick();
    ASSERT_EQ(host().boxes.size(), 1u);
    EXPECT_EQ(host().boxes[0].title, "KvistrelDommer - SYSTEM DATA");
}

TEST_F(GateTest, PassedGateOpensTheRegister) {
    state::Databasenavn = makeDatabase("reg.kvx");
    h().Dommere_Initielle.UserClick();
    EXPECT_TRUE(loaded("Dommere_Init"));
}

TEST_F(GateTest, ItemsWithoutGateWorkWithoutADatabase) {
    h().HjelpOMKvistrel.UserClick();
    ASSERT_EQ(host().boxes.size(), 1u);
    EXPECT_EQ(host().boxes[0].prompt, "KvistrelDommer\rVersjon 1.20.0");
    EXPECT_EQ(host().boxes[0].title, "Om KvistrelDommer");
    EXPECT_EQ(host().boxes[0].icon(), forms::vbInformation);

    h().FilHentFil.UserClick();
    EXPECT_TRUE(loaded("FraFil"));

    h().Printer_Oppsett.UserClick();
    EXPECT_EQ(host().printerSetups, 1);
    host().printerSetupAnswer = false;   // a cancelled dialog is passed over
    h().Printer_Oppsett.UserClick();
    EXPECT_EQ(host().printerSetups, 2);
    EXPECT_EQ(host().boxes.size(), 1u);
}

TEST_F(GateTest, SaveAsWithoutADatabaseIsStoppedByTheGateBeforeAnyNameIsAsked) {
    h().FilLagreFilSom.UserClick();
    EXPECT_FALSE(loaded("TilFil"));
    ASSERT_EQ(host().boxes.size(), 1u);
    EXPECT_EQ(host().boxes[0].prompt, "Du må åpne fil/database først!");
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
    state::Databasenavn = makeDatabase("kopi.kvx");
    h().FilLagreFilSom.UserClick();
    EXPECT_TRUE(loaded("TilFil"));
}

TEST_F(GateTest, NewDatabaseThroughTheMenu) {
    host().modalDriver = [](forms::Form& dialog) {
        auto* name = dynamic_cast<forms::TextBox*>(dialog.FindControl("MaskedEdit1"));
        ASSERT_NE(name, nullptr);
        name->UserType("Vinter");
        dialog.FindControl("C_Ferdig")->UserClick();
    };
    host().setNextAnswer(forms::vbOK);   // "Er du sikker ..."
    h().FilNyTurnering.UserClick();
    EXPECT_TRUE(files::Exists(program.file("Vinter.kvx")));
    EXPECT_EQ(state::Databasenavn, program.file("Vinter.kvx"));
    EXPECT_TRUE(state::DBase.IsOpen());
}

TEST_F(GateTest, CancelledNewDatabaseCreatesNothing) {
    host().modalDriver = [](forms::Form& dialog) { dialog.FindControl("C_Avbryt")->UserClick(); };
    h().FilNyTurnering.UserClick();
    EXPECT_NE(state::Avbrutt, 0);
    EXPECT_TRUE(state::Databasenavn.empty());
    EXPECT_TRUE(files::FilesIn(program.path(), "*.kvx").empty());
}

TEST_F(GateTest, RefereeReadInNeedsTheSecondHandleAndAnEmptyRegister) {
    state::Databasenavn = makeDatabase("tom.kvx");
    h().LesInn_Dommere.UserClick();
    ASSERT_EQ(host().boxes.size(), 1u);
    EXPECT_EQ(host().boxes[0].prompt, "Åpne den nye databasen først og prøv igjen!");
    EXPECT_FALSE(loaded("FraFil_Dommerbase"));

    host().boxes.clear();
    state::DBase2 = state::Arbeidsomrade->OpenDatabase(state::Databasenavn);
    h().LesInn_Dommere.UserClick();
    EXPECT_TRUE(host().boxes.empty());
    EXPECT_TRUE(loaded("FraFil_Dommerbase"));
    EXPECT_FALSE(state::Utvalg.IsNothing());
    EXPECT_EQ(state::Utvalg.RecordCount(), 0);
}

TEST_F(GateTest, RefereeReadInIsRefusedOnceOneRefereeExists) {
    state::Databasenavn = makeDatabase("full.kvx");
    addReferee(state::Databasenavn, 7);
    state::DBase2 = state::Arbeidsomrade->OpenDatabase(state::Databasenavn);
    h().LesInn_Dommere.UserClick();
    ASSERT_EQ(host().boxes.size(), 1u);
    EXPECT_EQ(host().boxes[0].prompt, "Databasen inneholder allerede dommere!\rDa er denne funksjon ikke tillatt!\r"
                                      "Du må i såfall opprette en ny database først!");
    EXPECT_EQ(host().boxes[0].icon(), forms::vbExclamation);
    EXPECT_FALSE(loaded("FraFil_Dommerbase"));
}

TEST_F(GateTest, ExitThroughTheMenuClosesTheDatabasesAndEnds) {
    state::Databasenavn = makeDatabase("slutt.kvx");
    state::DBase = state::Arbeidsomrade->OpenDatabase(state::Databasenavn);
    state::DBase2 = state::Arbeidsomrade->OpenDatabase(state::Databasenavn);
    h().Avslutt.UserClick();
    EXPECT_TRUE(host().ended);
    EXPECT_FALSE(state::DBase.IsOpen());
    EXPECT_FALSE(state::DBase2.IsOpen());
    // The help viewer is not told on this road.
    EXPECT_TRUE(host().helpClosed.empty());

    host().ended = false;
    h().FilAvslutt.UserClick();   // closed handles are passed over
    EXPECT_TRUE(host().ended);
    EXPECT_TRUE(host().boxes.empty());
}

TEST_F(GateTest, ClosingTheWindowEndsWithoutClosingTheDatabases) {
    state::Databasenavn = makeDatabase("lukk.kvx");
    state::DBase = state::Arbeidsomrade->OpenDatabase(state::Databasenavn);
    EXPECT_TRUE(h().Unload(forms::vbFormControlMenu));
    EXPECT_TRUE(host().ended);
    EXPECT_TRUE(state::DBase.IsOpen());
    EXPECT_EQ(host().helpClosed, std::vector<std::string>{program.file("Kvistrel.HLP")});
    EXPECT_TRUE(host().helpOpened.empty());
}

} // namespace
} // namespace kdtest
