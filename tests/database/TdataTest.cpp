// The tournament data window and the system data box.
#include "DbTest.h"

#include "database/Database.h"
#include "database/Tdata.h"
#include "platform/forms/Form.h"
#include "state/ProgramState.h"

namespace dbtest {
namespace {

class TdataTest : public DbTest {
protected:
    Tdata& Vindu() {
        Ny_Turnering();
        EXPECT_TRUE(forms::IsLoaded<Tdata>());
        return forms::Default<Tdata>();
    }
    vb::Variant Rad(const char* felt) { return state::DBase.OpenRecordset("Versjon").Get(felt); }
};

TEST_F(TdataTest, OpensCentredAndFilledFromTheRow) {
    NyFil("Cup");
    state::DBase.Execute("UPDATE Versjon SET TurneringsNavn = ?, TurneringSted = ?, Turneringsdato = ?",
                         {"  NM Boccia ", "Hamar", "1. mars 2027"});
    state::Turnering_Navn = "Annet";
    state::Turnering_Dato = "2. april 2027";
    Tdata& t = Vindu();
    EXPECT_EQ(t.Left(), (forms::Screen.Width - t.Width()) / 2);
    EXPECT_EQ(t.Top(), (forms::Screen.Height - t.Height()) / 2);
    EXPECT_EQ(t.Visturnering.Text(), "NM Boccia");
    EXPECT_EQ(t.Visturnering.SelStart(), 9);
    EXPECT_EQ(t.T_Dato.Text(), "1. mars 2027");
    EXPECT_EQ(t.T_Sted.Text(), "Hamar");
    EXPECT_EQ(t.T_DBasenavn.Text(), "Cup.kvx");
    EXPECT_EQ(state::Turnering_Sted, "Hamar");
    EXPECT_TRUE(bokser().empty());
}

TEST_F(TdataTest, RepaintAndSecondShowKeepTypedText) {
    NyFil("Cup");
    Tdata& t = Vindu();
    t.T_Sted.SetText("Skrevet");
    t.Refresh();
    Ny_Turnering();
    EXPECT_EQ(forms::Default<Tdata>().T_Sted.Text(), "Skrevet");
}

TEST_F(TdataTest, SaveWritesNameDateAndPlaceIntoTheRowAndCloses) {
    NyFil("Cup");
    Tdata& t = Vindu();
    t.Visturnering.SetText("Vårcupen");
    t.T_Dato.SetText("3. mai 2027");
    t.T_Sted.SetText("Tromsø");
    t.Command1.UserClick();
    EXPECT_FALSE(forms::IsLoaded<Tdata>());
    EXPECT_EQ(state::Turnering_Navn, "Vårcupen");
    EXPECT_EQ(state::Turnering_Dato, "3. mai 2027");
    EXPECT_EQ(state::Turnering_Sted, "Tromsø");
    EXPECT_EQ(Rad("TurneringsNavn").ToText(), "Vårcupen");
    EXPECT_EQ(Rad("TurneringSted").ToText(), "Tromsø");
    EXPECT_EQ(Rad("Turneringsdato").ToText(), "3. mai 2027");
    // The date outlives the program: the next opening shows it again.
    state::Turnering_Dato.clear();
    Apne(state::Databasenavn);
    EXPECT_EQ(Vindu().T_Dato.Text(), "3. mai 2027");
    EXPECT_EQ(state::DBase.OpenRecordset("Versjon").RecordCount(), 1);
}

TEST_F(TdataTest, FollowsTheOpenDatabaseAndSavesIntoIt) {
    const std::string a = NyFil("A");
    state::DBase.Execute("UPDATE Versjon SET TurneringsNavn = ?, Turneringsdato = ?, TurneringSted = ?",
                         {"Cup A", "1. mai", "Bodø"});
    const std::string b = NyFil("B");
    state::DBase.Execute("UPDATE Versjon SET TurneringsNavn = ?, Turneringsdato = ?, TurneringSted = ?",
                         {"Cup B", "2. juni", "Alta"});
    Apne(a);
    Tdata& t = Vindu();
    EXPECT_EQ(t.Visturnering.Text(), "Cup A");
    Apne(b);
    EXPECT_EQ(t.T_DBasenavn.Text(), "B.kvx");
    EXPECT_EQ(t.Visturnering.Text(), "Cup B");
    EXPECT_EQ(t.T_Dato.Text(), "2. juni");
    EXPECT_EQ(t.T_Sted.Text(), "Alta");
    t.T_Sted.SetText("Vardø");
    t.Command1.UserClick();
    EXPECT_EQ(Rad("TurneringSted").ToText(), "Vardø");
    Apne(a);
    EXPECT_EQ(Rad("TurneringsNavn").ToText(), "Cup A");
    EXPECT_EQ(Rad("TurneringSted").ToText(), "Bodø");
}

TEST_F(TdataTest, TypingStopsAtFiftyCharactersSoTheSaveSucceeds) {
    NyFil("Cup");
    Tdata& t = Vindu();
    for (forms::TextBox* boks : {&t.Visturnering, &t.T_Dato, &t.T_Sted}) boks->UserSetText(std::string(60, 'x'));
    t.Command1.UserClick();
    EXPECT_FALSE(forms::IsLoaded<Tdata>());
    EXPECT_TRUE(bokser().empty());
    for (const char* felt : {"TurneringsNavn", "Turneringsdato", "TurneringSted"})
        EXPECT_EQ(Rad(felt).ToText(), std::string(50, 'x')) << felt;
}

TEST_F(TdataTest, EmptyVersjonGetsARow) {
    NyFil("Cup");
    state::DBase.Execute("DELETE FROM Versjon");
    Tdata& t = Vindu();
    EXPECT_EQ(t.Visturnering.Text(), "Norges Valmorisk");
    t.T_Sted.SetText("Molde");
    t.Command1.UserClick();
    EXPECT_FALSE(forms::IsLoaded<Tdata>());
    EXPECT_EQ(state::DBase.OpenRecordset("Versjon").RecordCount(), 1);
    EXPECT_EQ(Rad("TurneringSted").ToText(), "Molde");
}

TEST_F(TdataTest, FailedSaveIsShownAndTheWindowStays) {
    NyFil("Cup");
    Tdata& t = Vindu();
    t.Visturnering.SetText(std::string(51, 'n'));
    const int pip = forms::Headless().beeps;
    t.Command1.UserClick();
    EXPECT_TRUE(forms::IsLoaded<Tdata>());
    EXPECT_EQ(forms::Headless().beeps, pip + 1);
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_EQ(bokser()[0].prompt.rfind("Årsak :  ", 0), 0u) << bokser()[0].prompt;
    EXPECT_EQ(Rad("TurneringsNavn").ToText(), "Norges Valmorisk");
    // The window stays usable: a shorter name saves.
    t.Visturnering.SetText("Kort");
    t.Command1.UserClick();
    EXPECT_FALSE(forms::IsLoaded<Tdata>());
    EXPECT_EQ(Rad("TurneringsNavn").ToText(), "Kort");
}

TEST_F(TdataTest, WithoutADatabaseTheBoxesAreEmptyAndSaveKeepsTheValues) {
    Tdata& t = Vindu();
    EXPECT_EQ(t.Visturnering.Text(), "");
    EXPECT_EQ(t.T_DBasenavn.Text(), "");
    t.Visturnering.SetText("Cup");
    t.T_Sted.SetText("Oslo");
    t.Command1.UserClick();
    EXPECT_TRUE(forms::IsLoaded<Tdata>());
    EXPECT_EQ(forms::Headless().beeps, 0);
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(state::Turnering_Navn, "Cup");
    EXPECT_EQ(state::Turnering_Sted, "Oslo");
}

TEST_F(TdataTest, SystemDataOfANewDatabase) {
    NyFil("Cup");
    Vis_Systemdata();
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_EQ(bokser()[0].prompt, "FØLGENDE DATA GJELDER : \r\r"
                                  "Navn   : Norges Valmorisk\r"
                                  "KvistrelDommer versjon : 1.20\r"
                                  "Database versjon       : 9\r"
                                  "Database opprettet    : 08.12.2026\r");
    EXPECT_EQ(bokser()[0].style, forms::vbInformation + forms::vbOKOnly);
    EXPECT_EQ(bokser()[0].title, "KvistrelDommer - SYSTEM DATA");
    EXPECT_EQ(state::Svar, forms::vbOK);
}

} // namespace
} // namespace dbtest
