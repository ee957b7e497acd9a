// Saving: the checks in their order, new and changed rows, the classes, the
// emptied form, the grid and the stamp.
#include "Fixture.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "database/Database.h"
#include "state/ProgramState.h"
#include "support/Sqlite.h"

namespace regtest {
namespace {

class Lagre : public RegisterTest {
protected:
    // Types a referee with Boccia ticked.
    void skrivDommer(Dommere_Init& f, const std::string& nr, const std::string& navn) {
        skriv(f.Text4, nr);
        skriv(f.Text1, navn);
        if (f.SSCheck1.Value() == 0) f.SSCheck1.UserClick();
    }
    std::string enesteMelding() {
        auto b = bokser();
        if (b.size() != 1) {
            ADD_FAILURE() << b.size() << " boxes";
            return {};
        }
        EXPECT_EQ(b[0].title, "Innlegging Dommere");
        EXPECT_EQ(b[0].style, forms::vbInformation);
        return b[0].prompt;
    }
    long dommere() { return antall("Select Count(*) From Dommere"); }
};

TEST_F(Lagre, ChecksComeInTheirOrderOneMessageEach) {
    Dommere_Init& f = vis();
    for (auto* t : {&f.Text2, &f.Text3, &f.Text5}) skriv(*t, "x");
    skriv(f.Text4, "5000");
    f.SSCommand2.UserClick();
    EXPECT_EQ(enesteMelding(), "Skriv inn navn på dommer");
    skriv(f.Text1, " ");   // a blank is a name
    f.SSCommand2.UserClick();
    EXPECT_EQ(enesteMelding(), "Velg minimum en type spill !");
    f.SSCheck2.UserClick();
    f.SSCommand2.UserClick();
    EXPECT_EQ(enesteMelding(), "Ugyldig dommernummer, må ligge 1 og 999!");
    EXPECT_EQ(dommere(), 0);
    EXPECT_EQ(f.Text2.Text(), "x");   // a refused save keeps the form
}

TEST_F(Lagre, OnlyWholeNumbersFromOneTo999AreStored) {
    leggInn({.nr = 12, .fnavn = "Tolv", .boccia = true});
    Dommere_Init& f = vis();
    for (const std::string& nr : {std::string("12.5"), std::string("99999"), std::string("abc"), std::string(""),
                                  std::string("0"), std::string("1000"), std::string("-3"), std::string("40000"),
                                  std::string("1e999"), std::string(300, '9')}) {
        SCOPED_TRACE(nr);
        skrivDommer(f, nr, "Ny");
        f.SSCommand2.UserClick();
        EXPECT_EQ(enesteMelding(), "Ugyldig dommernummer, må ligge 1 og 999!");
    }
    EXPECT_EQ(dommere(), 1);
    for (const char* nr : {"1", "999", "13abc"}) {
        skrivDommer(f, nr, "Ny");
        f.SSCommand2.UserClick();
        EXPECT_TRUE(bokser().empty()) << nr;
    }
    EXPECT_EQ(antall("Select Count(*) From Dommere Where DommerNR In (1, 999, 13)"), 3);
    EXPECT_EQ(antall("Select Count(*) From Dommere Where DommerNR = 12"), 1);
}

TEST_F(Lagre, ExistingNumberIsRefusedOutsideTheChangeMode) {
    leggInn({.nr = 4, .fnavn = "Fire", .boccia = true});
    Dommere_Init& f = vis();
    skrivDommer(f, "4", "Annen");
    f.SSCommand2.UserClick();
    EXPECT_EQ(enesteMelding(), "Dommernummer finnes allerede, velg nytt dommernummer !");
    EXPECT_EQ(vb::CStr(rad(4).Get("Dommer_FNavn")), "Fire");
}

TEST_F(Lagre, NewRefereeGetsEveryBoxAndHisClasses) {
    Dommere_Init& f = vis();
    skrivDommer(f, "31", "Anne");
    skriv(f.Text2, "Ås");
    skriv(f.Text8, "anne@eksempel.no");
    f.SSCheck2.UserClick();
    f.Option4.UserClick();
    f.Option20.SetValue(true);
    f.Option16.UserClick();
    f.SSCommand2.UserClick();
    ASSERT_TRUE(bokser().empty());
    dao::Recordset r = rad(31);
    EXPECT_EQ(vb::CStr(r.Get("Dommer_ENavn")), "Ås");
    EXPECT_EQ(vb::CStr(r.Get("Dommer_Lag")), "");   // empty boxes stored as empty texts
    EXPECT_EQ(vb::CStr(r.Get("Dommer_DatoOppdBocKurs")), "");
    EXPECT_TRUE(r.Get("Dommer_Telefon").IsNull());   // never written
    EXPECT_TRUE(vb::CBool(r.Get("KlB_Dommer1")));
    EXPECT_TRUE(vb::CBool(r.Get("KlB_Dommer2")));
    EXPECT_TRUE(vb::CBool(r.Get("KlC_Overdommer")));
    EXPECT_FALSE(vb::CBool(r.Get("KlC_Dommer1")));
    EXPECT_FALSE(vb::CBool(r.Get("Dommer_Fotball")));
}

TEST_F(Lagre, SuccessEmptiesTheFormAndRefillsTheGridAndTheCounters) {
    Dommere_Init& f = vis();
    skrivDommer(f, "2", "To");
    f.Option6.UserClick();
    f.SSCommand2.UserClick();
    for (auto* t : {&f.Text1, &f.Text4}) EXPECT_EQ(t->Text(), "");
    EXPECT_EQ(f.SSCheck1.Value(), 0);
    EXPECT_FALSE(f.Frame2.Enabled());
    EXPECT_TRUE(f.Option10.Value());
    ASSERT_EQ(f.MSFlexGrid1.Rows(), 2);
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 0), "    2");
    EXPECT_EQ(f.Text16.Text(), "1");
    EXPECT_EQ(f.Text17.Text(), "1");
    EXPECT_EQ(f.Text18.Text(), "0");
    EXPECT_TRUE(f.Option1.Value());
}

TEST_F(Lagre, ClassOfTheLastRefereeNeverReachesTheNext) {
    // Boccia given up but its class kept: the loader selects the class with the game unticked.
    leggInn({.nr = 1, .fnavn = "Første", .curling = true, .flagg = {"KlB_Aspirant3", "KlC_Dommer1"}});
    Dommere_Init& f = vis();
    f.Option2.UserClick();
    skriv(f.Text4, "1");
    f.SSCommand7.UserClick();
    ASSERT_TRUE(f.Option9.Value());
    ASSERT_EQ(f.SSCheck1.Value(), 0);
    f.SSCommand2.UserClick();
    EXPECT_TRUE(f.Option10.Value());
    EXPECT_TRUE(f.Option12.Value());
    skrivDommer(f, "2", "Andre");
    f.SSCheck2.UserClick();
    f.SSCommand2.UserClick();
    EXPECT_FALSE(flagg(2, "KlB_Aspirant3"));
    EXPECT_FALSE(flagg(2, "KlC_Dommer1"));
    EXPECT_TRUE(flagg(1, "KlB_Aspirant3"));
}

TEST_F(Lagre, ChangeKeepsWhatTheFormLeavesOpen) {
    leggInn({.nr = 6, .fnavn = "Seks", .boccia = true, .curling = true, .flagg = {"KlB_Dommer1", "KlB_Dommer2", "KlC_Dommer3"},
             .tekster = {{"Dommer_DatoOppdBocKurs", "2021"}, {"Dommer_DatoOppdCurKurs", "2022"},
                         {"Dommer_DatoDKurs", "2019"}, {"Dommer_Telefon", "123"}}});
    Dommere_Init& f = vis();
    f.Option2.UserClick();
    skriv(f.Text4, "6");
    f.SSCommand7.UserClick();
    skriv(f.Text9, "");
    skriv(f.Text15, "");
    skriv(f.Text14, "");
    f.SSCommand2.UserClick();
    ASSERT_TRUE(bokser().empty());
    dao::Recordset r = rad(6);
    EXPECT_EQ(vb::CStr(r.Get("Dommer_DatoOppdBocKurs")), "2021");
    EXPECT_EQ(vb::CStr(r.Get("Dommer_DatoOppdCurKurs")), "2022");
    EXPECT_EQ(vb::CStr(r.Get("Dommer_DatoDKurs")), "");
    EXPECT_EQ(vb::CStr(r.Get("Dommer_Telefon")), "123");
    // Loaded and saved unchanged: both federation classes stay.
    EXPECT_TRUE(vb::CBool(r.Get("KlB_Dommer1")));
    EXPECT_TRUE(vb::CBool(r.Get("KlB_Dommer2")));
    EXPECT_TRUE(vb::CBool(r.Get("KlC_Dommer3")));
    EXPECT_EQ(antall("Select Count(*) From Dommere"), 1);
}

TEST_F(Lagre, ChangedClassesReplaceTheStoredOnes) {
    leggInn({.nr = 6, .fnavn = "Seks", .boccia = true, .curling = true, .flagg = {"KlB_Dommer1", "KlB_Dommer2", "KlC_Dommer3"}});
    Dommere_Init& f = vis();
    f.Option2.UserClick();
    skriv(f.Text4, "6");
    f.SSCommand7.UserClick();
    f.Option8.UserClick();     // Aspirantdommer 2
    f.SSCheck2.UserClick();    // Curling off: the flag stays, the game goes
    f.SSCommand2.UserClick();
    EXPECT_TRUE(flagg(6, "KlB_Aspirant2"));
    EXPECT_FALSE(flagg(6, "KlB_Dommer1"));
    EXPECT_FALSE(flagg(6, "KlB_Dommer2"));
    EXPECT_FALSE(flagg(6, "Dommer_Curling"));
    EXPECT_TRUE(flagg(6, "KlC_Dommer3"));
}

TEST_F(Lagre, TickedGameWithoutAnyOptionKeepsTheStoredFlags) {
    leggInn({.nr = 6, .fnavn = "Seks", .boccia = true, .flagg = {"KlB_Dommer3"}});
    Dommere_Init& f = vis();
    f.Option2.UserClick();
    skriv(f.Text4, "6");
    f.SSCommand7.UserClick();
    f.Option6.SetValue(false);   // the frame left with none selected
    f.SSCommand2.UserClick();
    EXPECT_TRUE(flagg(6, "KlB_Dommer3"));
}

TEST_F(Lagre, ForbundsdommerTwoAfterTheAdditionalChoiceStoresOnlyTwo) {
    Dommere_Init& f = vis();
    f.Option1.UserClick();
    skrivDommer(f, "9", "Ni");
    f.Option4.UserClick();
    f.Option20.UserClick();
    f.Option5.UserClick();
    f.SSCommand2.UserClick();
    EXPECT_TRUE(flagg(9, "KlB_Dommer2"));
    EXPECT_FALSE(flagg(9, "KlB_Dommer1"));
}

TEST_F(Lagre, StampDateTellsANewRefereeFromAChange) {
    Dommere_Init& f = vis();
    skrivDommer(f, "1", "En");
    f.SSCommand2.UserClick();
    EXPECT_EQ(f.Text11.Text(), "8 desember 2026");
    EXPECT_EQ(f.Text12.Text(), "kl. 0815");
    EXPECT_EQ(f.Text13.Text(), "tirsdag");
    f.Option2.UserClick();
    skrivDommer(f, "1", "En igjen");
    kdtest::PinClock({2026, 12, 9, 14, 5, 0});
    f.SSCommand2.UserClick();
    dao::Recordset v = state::DBase.OpenRecordset("Select * From Versjon");
    EXPECT_EQ(vb::CStr(v.Get("LagetDato")), "9. desember 2026");
    EXPECT_EQ(vb::CStr(v.Get("ADDR1")), "1405");
    EXPECT_EQ(vb::CStr(v.Get("ADDR2")), "onsdag");
    EXPECT_EQ(f.Text12.Text(), "kl. 1405");
}

TEST_F(Lagre, TextTooLongForItsColumnLeavesNoRowAndTheFormFilled) {
    Dommere_Init& f = vis();
    skrivDommer(f, "5", "Fem");
    f.Text10.UserSetText(std::string(30, '9'));
    EXPECT_EQ(f.Text10.Text().size(), 16u);   // typing stops at the column's size
    f.Text3.SetText(std::string(51, 'x'));    // set from code, past the limit
    f.SSCommand2.UserClick();
    auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt.rfind("Årsak :", 0), 0u) << b[0].prompt;
    EXPECT_EQ(dommere(), 0);
    EXPECT_EQ(f.Text1.Text(), "Fem");
    EXPECT_EQ(f.Text4.Text(), "5");
    // Shortened, the same form saves.
    f.Text3.SetText("Lag");
    f.SSCommand2.UserClick();
    EXPECT_EQ(dommere(), 1);
}

TEST_F(Lagre, ChangeGoesToTheFirstOfDuplicateRows) {
    leggInn({.nr = 20, .fnavn = "Første", .boccia = true});
    leggInn({.nr = 20, .fnavn = "Andre", .boccia = true});
    Dommere_Init& f = vis();
    f.Option2.UserClick();
    skrivDommer(f, "20", "Endret");
    f.SSCommand2.UserClick();
    dao::Recordset r = state::DBase.OpenRecordset("Select Dommer_FNavn From Dommere Where DommerNR = 20");
    EXPECT_EQ(vb::CStr(r.Get(0)), "Endret");
    r.MoveNext();
    EXPECT_EQ(vb::CStr(r.Get(0)), "Andre");
}

// The open database deleted or replaced by another program: the save says what happened,
// keeps what was typed and writes into no file.
TEST_F(Lagre, ADatabaseGoneOrReplacedUnderTheProgramIsToldAndTheFormKept) {
    const std::string sti = state::Databasenavn;
    const std::string annen = dir.file("Annen.KVX");
    kdtest::RunSql(annen, "CREATE TABLE Dommere (DommerNR INTEGER); INSERT INTO Dommere VALUES (77);");
    const std::string annenFor = kdtest::ReadFile(annen);
    for (const auto& [endring, forklaring] : std::vector<std::pair<std::string, std::string>>{
             {"replaced", "er ikke lenger den filen programmet åpnet"}, {"deleted", "finnes ikke lenger"}}) {
        SCOPED_TRACE(endring);
        Dommere_Init& f = vis();
        skrivDommer(f, "31", "Anne");
        skriv(f.Text2, "Ås");
        if (endring == "replaced") std::filesystem::rename(annen, sti);
        else std::filesystem::remove(sti);
        f.SSCommand2.UserClick();
        auto b = bokser();
        ASSERT_EQ(b.size(), 1u);
        EXPECT_NE(b[0].prompt.find(forklaring), std::string::npos) << b[0].prompt;
        EXPECT_NE(b[0].prompt.find("Ingenting ble lagret"), std::string::npos) << b[0].prompt;
        EXPECT_EQ(f.Text4.Text(), "31");
        EXPECT_EQ(f.Text1.Text(), "Anne");
        EXPECT_EQ(f.Text2.Text(), "Ås");
        if (endring == "replaced") {
            EXPECT_TRUE(kdtest::ReadFile(sti) == annenFor) << "the replacement was written";
            std::filesystem::remove(sti);
        }
    }
}

// Whatever sets the open file's times (touch, a sync or backup tool) writes nothing into it:
// the typed referee is saved after it as before.
TEST_F(Lagre, ATouchOfTheOpenFileNeverStopsASave) {
    const std::string sti = state::Databasenavn;
    int nr = 40;
    for (const char* touch : {"touch", "touch -a", "touch -m -d '2001-02-03 04:05:06'"}) {
        SCOPED_TRACE(touch);
        Dommere_Init& f = vis();
        skrivDommer(f, std::to_string(++nr), "Anne");
        ASSERT_EQ(std::system((std::string(touch) + " '" + sti + "'").c_str()), 0);
        f.SSCommand2.UserClick();
        EXPECT_TRUE(bokser().empty());
        EXPECT_EQ(f.Text4.Text(), "") << "the form is emptied after a save";
        EXPECT_EQ(vb::CStr(rad(nr).Get("Dommer_FNavn")), "Anne");
    }
}

// Another program wrote into the open file in place: the save is refused and the typing
// kept; opening the same name again from the menu, the register still open, gives the file
// as it lies now, and the same click saves the referee into it.
TEST_F(Lagre, AfterAFileWrittenByAnotherProgramTheSameNameOpensAgainAndTheSaveGoesThrough) {
    const std::string sti = state::Databasenavn;
    const std::string annen = dir.file("Annen.KVX");
    ASSERT_EQ(std::system(("cp '" + sti + "' '" + annen + "'").c_str()), 0);
    kdtest::RunSql(annen, "INSERT INTO Dommere (DommerNR, Dommer_FNavn) VALUES (77, 'Fra kopien');");
    Dommere_Init& f = vis();
    skrivDommer(f, "31", "Anne");
    ASSERT_EQ(std::system(("cp '" + annen + "' '" + sti + "'").c_str()), 0);
    f.SSCommand2.UserClick();
    auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_NE(b[0].prompt.find("er ikke lenger den filen programmet åpnet"), std::string::npos) << b[0].prompt;
    EXPECT_EQ(f.Text4.Text(), "31");

    const auto skille = sti.rfind('/');
    state::Katalog = sti.substr(0, skille + 1);
    state::Filnavn = sti.substr(skille + 1);
    Sett_Databasenavn();
    Oppgrader_Database();
    EXPECT_TRUE(bokser().empty());
    ASSERT_TRUE(f.Visible());
    EXPECT_EQ(vb::CStr(rad(77).Get("Dommer_FNavn")), "Fra kopien");
    EXPECT_EQ(f.Text4.Text(), "31") << "the typing is kept";
    f.SSCommand2.UserClick();
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(vb::CStr(rad(31).Get("Dommer_FNavn")), "Anne");
}

} // namespace
} // namespace regtest
