// The picture buttons, the logo, the help button and the info window.
#include "frame/FrameFixture.h"
#include "frame/Hovedmeny2.h"
#include "frame/Main.h"
#include "frame/POPUP.h"

namespace kdtest {
namespace {

constexpr int L = forms::vbLeftButton, R = forms::vbRightButton, M = forms::vbMiddleButton;

class PictureButtonTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        Main();
        host().boxes.clear();
    }
    Hovedmeny2& h() { return forms::Default<Hovedmeny2>(); }
    static std::string info() { return forms::Default<POPUP>().Melding.Caption(); }
};

TEST_F(PictureButtonTest, RightPressExplainsAtTheButtonAndReleaseCloses) {
    struct Case { forms::SSCommand* button; const char* text; };
    const Case cases[] = {
        {&h().G_Disk, "LAGRE FIL\rHurtigknapp for å lagre resultat-fil, Trykk venstre muse-knapp for å aktivisere funksjonen"},
        {&h().G_Fil, "HENT FIL\rHurtigknapp for å hente ny resultat-fil, Trykk venstre muse-knapp for å aktivisere funksjonen"},
        {&h().G_Ny, "NY TURNERING\rHurtigknapp for å definere ny turnering, Trykk venstre muse-knapp for å aktivisere funksjonen"},
        {&h().G_Printer, "Dommere\rHurtigknapp for å administrere dommere, Trykk venstre muse-knapp for å aktivisere funksjonen"},
    };
    for (const auto& c : cases) {
        c.button->UserMouseDown(R);
        ASSERT_TRUE(forms::IsLoaded<POPUP>()) << c.button->Name();
        EXPECT_EQ(info(), c.text);
        EXPECT_EQ(forms::Default<POPUP>().Left(), c.button->Left());
        EXPECT_EQ(state::Museknapp, R);
        c.button->UserMouseUp(R);
        EXPECT_FALSE(forms::IsLoaded<POPUP>()) << c.button->Name();
    }
    EXPECT_FALSE(loaded("FraFil"));
}

TEST_F(PictureButtonTest, ReportButtonKeepsTheWindowWhereItIs) {
    const int designed = forms::Default<POPUP>().Left();
    h().D_Rapport.UserMouseDown(R);
    EXPECT_EQ(info(), "Dommer Rapporter\rHurtigknapp for å vise dommerrapporter, Trykk venstre muse-knapp for å aktivisere funksjonen");
    EXPECT_EQ(forms::Default<POPUP>().Left(), designed);
    // Still open from the file button: it stays where that put it.
    h().G_Printer.UserMouseDown(R);
    h().D_Rapport.UserMouseDown(R);
    EXPECT_EQ(forms::Default<POPUP>().Left(), h().G_Printer.Left());
}

TEST_F(PictureButtonTest, FileButtonOpensOnlyAfterALeftPress) {
    h().G_Fil.UserClick();   // keyboard click before any press
    EXPECT_FALSE(loaded("FraFil"));
    h().G_Fil.UserMouseDown(R);
    h().G_Fil.UserMouseUp(R);
    h().G_Fil.UserClick();
    EXPECT_FALSE(loaded("FraFil"));
    h().G_Disk.UserMouseDown(M);
    h().G_Fil.UserClick();
    EXPECT_FALSE(loaded("FraFil"));
    h().G_Fil.UserMouseDown(L);
    h().G_Fil.UserMouseUp(L);
    h().G_Fil.UserClick();
    EXPECT_TRUE(loaded("FraFil"));
    EXPECT_TRUE(host().boxes.empty());
}

TEST_F(PictureButtonTest, LeftAndMiddlePressesOpenNoInfo) {
    h().G_Ny.UserMouseDown(L);
    h().G_Printer.UserMouseDown(M);
    EXPECT_FALSE(forms::IsLoaded<POPUP>());
    EXPECT_EQ(state::Museknapp, M);
}

TEST_F(PictureButtonTest, LogoShowsTheVersionAndStaysAfterALeftRelease) {
    h().logo2.UserMouseDown(L);
    ASSERT_TRUE(forms::IsLoaded<POPUP>());
    EXPECT_EQ(info(), "KvistrelDommer \rVersjon 1.20.0\r LOGO");
    auto& p = forms::Default<POPUP>();
    EXPECT_EQ(p.Left() + p.Width(), h().logo2.Left() + h().logo2.Width());
    EXPECT_EQ(state::Museknapp, 0);
    h().logo2.UserMouseUp(L);
    EXPECT_TRUE(forms::IsLoaded<POPUP>());
    h().logo2.UserMouseUp(R);
    EXPECT_FALSE(forms::IsLoaded<POPUP>());
}

TEST_F(PictureButtonTest, InfoWindowOkCloses) {
    h().logo2.UserMouseDown(R);
    auto& p = forms::Default<POPUP>();
    EXPECT_EQ(p.Caption(), "INFO VINDU");
    EXPECT_EQ(p.SSCommand1.Caption(), "OK");
    p.SSCommand1.UserClick();
    EXPECT_FALSE(forms::IsLoaded<POPUP>());
    h().G_Fil.UserMouseUp(R);   // nothing open: nothing happens
    EXPECT_FALSE(forms::IsLoaded<POPUP>());
}

TEST_F(PictureButtonTest, HelpButtonAnswersAndItsRightReleaseClosesTheInfo) {
    h().logo2.UserMouseDown(L);
    h().G_Hjelp.UserMouseDown(R);
    ASSERT_EQ(host().boxes.size(), 1u);
    EXPECT_EQ(host().boxes[0].prompt, "Ingen online hjelp tilgjengelig for øyeblikket!");
    EXPECT_EQ(host().boxes[0].icon(), forms::vbExclamation);
    EXPECT_TRUE(forms::IsLoaded<POPUP>());
    h().G_Hjelp.UserMouseUp(R);
    EXPECT_FALSE(forms::IsLoaded<POPUP>());
    EXPECT_EQ(state::Museknapp, 0);
}

TEST_F(PictureButtonTest, DiskDoesNothingAndNewTournamentNeedsNoDatabase) {
    h().G_Disk.UserMouseDown(L);
    h().G_Disk.UserClick();
    EXPECT_EQ(loadedNames(), std::vector<std::string>{"Hovedmeny2"});
    h().G_Ny.UserClick();
    EXPECT_TRUE(loaded("Tdata"));
    EXPECT_TRUE(host().boxes.empty());
}

} // namespace
} // namespace kdtest
