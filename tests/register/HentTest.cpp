// Loading a referee into the form from the grid and by number: the end states.
#include "Fixture.h"

#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace regtest {
namespace {

class Hent : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        leggInn({.nr = 3, .fnavn = "Siri", .enavn = "Berg", .lag = "Ørn", .boccia = true,
                 .flagg = {"KlB_Dommer3", "KlB_Dommer2"}});
        leggInn({.nr = 8, .fnavn = "Tor", .enavn = "Lie", .lag = "Fram", .boccia = true, .curling = true,
                 .flagg = {"KlB_Dommer1", "KlB_Dommer2", "KlC_Overdommer"},
                 .tekster = {{"Dommer_Adresse", "Vei 1"}, {"Dommer_mobil", "99887766"}, {"Dommer_DatoDKurs", "01.02.2020"}}});
    }
    static int rad(Dommere_Init& f, const std::string& nr) {
        for (int r = 1; r < f.MSFlexGrid1.Rows(); ++r)
            if (vb::Trim(f.MSFlexGrid1.TextMatrix(r, 0)) == nr) return r;
        ADD_FAILURE() << "no grid row " << nr;
        return 0;
    }
};

TEST_F(Hent, GridInNewModeOnlyChoosesAndResetsTheClasses) {
    Dommere_Init& f = vis();
    f.SSCheck1.UserClick();
    f.Option7.UserClick();
    f.MSFlexGrid1.UserClickCell(rad(f, "8"), 2);
    EXPECT_EQ(state::ValgtDommer, 8);
    EXPECT_EQ(f.Text1.Text(), "");
    EXPECT_TRUE(f.Option10.Value());
    EXPECT_TRUE(f.Option12.Value());
}

TEST_F(Hent, GridInChangeModeFillsEverything) {
    Dommere_Init& f = vis();
    f.Option2.UserClick();
    f.MSFlexGrid1.UserClickCell(rad(f, "8"), 1);
    EXPECT_EQ(f.Text4.Text(), "8");
    EXPECT_EQ(f.Text1.Text(), "Tor");
    EXPECT_EQ(f.Text3.Text(), "Fram");
    EXPECT_EQ(f.Text5.Text(), "Vei 1");
    EXPECT_EQ(f.Text10.Text(), "99887766");
    EXPECT_EQ(f.Text14.Text(), "01.02.2020");
    EXPECT_EQ(f.Text8.Text(), "");   // Null e-mail
    EXPECT_EQ(f.SSCheck1.Value(), 1);
    EXPECT_EQ(f.SSCheck2.Value(), 1);
    EXPECT_TRUE(f.Frame2.Enabled());
    EXPECT_TRUE(f.Option4.Value());
    EXPECT_TRUE(f.Option20.Value());
    EXPECT_TRUE(f.Option20.Enabled());
    EXPECT_TRUE(f.Option16.Value());

    f.MSFlexGrid1.UserClickCell(rad(f, "3"), 1);
    EXPECT_TRUE(f.Option6.Value());
    EXPECT_TRUE(f.Option20.Value());
    EXPECT_TRUE(f.Option12.Value());   // no Curling class
}

TEST_F(Hent, GridInReportModeShowsTheFlagsDirectly) {
    Dommere_Init& f = vis();
    f.Option3.UserClick();
    f.MSFlexGrid1.UserClickCell(rad(f, "8"), 1);
    EXPECT_EQ(f.Text1.Text(), "Tor");
    EXPECT_EQ(f.Text5.Text(), "");   // only number, names and club
    EXPECT_TRUE(f.Option5.Value());  // Forbundsdommer 1 with 2 shows as 2
    EXPECT_FALSE(f.Option20.Value());
    EXPECT_EQ(f.SSCheck1.Value(), 0);
    f.MSFlexGrid1.UserClickCell(rad(f, "3"), 1);
    EXPECT_TRUE(f.Option6.Value());
}

TEST_F(Hent, HeadingRowKeepsTheRefereeChosenBefore) {
    Dommere_Init& f = vis();
    f.Option2.UserClick();
    f.MSFlexGrid1.UserClickCell(0, 1);
    EXPECT_EQ(state::ValgtDommer, 0);
    EXPECT_EQ(f.Text1.Text(), "");
    f.MSFlexGrid1.UserClickCell(rad(f, "3"), 1);
    f.Text1.SetText("endret");
    f.MSFlexGrid1.UserClickCell(0, 3);
    EXPECT_EQ(state::ValgtDommer, 3);
    EXPECT_EQ(f.Text1.Text(), "Siri");
}

TEST_F(Hent, ButtonFillsByNumberInAnyMode) {
    Dommere_Init& f = vis();
    f.Option3.UserClick();
    skriv(f.Text4, "8");
    f.SSCommand7.UserClick();
    EXPECT_EQ(state::ValgtDommer, 8);
    EXPECT_EQ(f.Text2.Text(), "Lie");
    EXPECT_TRUE(f.Option4.Value());
    EXPECT_TRUE(f.Option20.Value());
}

TEST_F(Hent, ButtonWithAnUnknownNumberEmptiesTheForm) {
    Dommere_Init& f = vis();
    f.Option2.UserClick();
    f.MSFlexGrid1.UserClickCell(rad(f, "8"), 1);
    skriv(f.Text4, "77");
    f.SSCommand7.UserClick();
    EXPECT_EQ(state::ValgtDommer, 77);
    EXPECT_EQ(f.Text4.Text(), "77");
    for (auto* t : {&f.Text1, &f.Text2, &f.Text3, &f.Text5, &f.Text10, &f.Text14}) EXPECT_EQ(t->Text(), "") << t->Name();
    EXPECT_EQ(f.SSCheck1.Value(), 0);
    EXPECT_EQ(f.SSCheck2.Value(), 0);
    EXPECT_TRUE(f.Option10.Value());
    EXPECT_TRUE(f.Option12.Value());
    EXPECT_FALSE(f.Option20.Value());
}

TEST_F(Hent, NumbersOutsideTheRegisterFindNoOne) {
    leggInn({.nr = 12, .fnavn = "Tolv", .boccia = true});
    Dommere_Init& f = vis();
    for (const std::string& tekst : {std::string("12.5"), std::string("99999"), std::string("abc"), std::string("-12"),
                                     std::string("0"), std::string("1e999"), std::string(300, '9')}) {
        SCOPED_TRACE(tekst);
        state::ValgtDommer = 5;
        skriv(f.Text4, tekst);
        f.SSCommand7.UserClick();
        EXPECT_EQ(state::ValgtDommer, 0);
        EXPECT_EQ(f.Text1.Text(), "");
        EXPECT_TRUE(bokser().empty());
    }
    skriv(f.Text4, "12abc");   // the leading number
    f.SSCommand7.UserClick();
    EXPECT_EQ(f.Text1.Text(), "Tolv");
}

TEST_F(Hent, DuplicateNumbersShowTheLastRow) {
    leggInn({.nr = 20, .fnavn = "Første", .boccia = true});
    leggInn({.nr = 20, .fnavn = "Andre", .curling = true});
    Dommere_Init& f = vis();
    skriv(f.Text4, "20");
    f.SSCommand7.UserClick();
    EXPECT_EQ(f.Text1.Text(), "Andre");
    f.Option3.UserClick();
    f.MSFlexGrid1.UserClickCell(rad(f, "20"), 1);
    EXPECT_EQ(f.Text1.Text(), "Første");
}

} // namespace
} // namespace regtest
