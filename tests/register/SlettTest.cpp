// Deleting a referee with his matches, resetting all match data, free numbers.
#include "Fixture.h"

#include <fstream>

#include "database/Apen.h"
#include "state/ProgramState.h"
#include "support/Diskfeil.h"

namespace regtest {
namespace {

class Slett : public RegisterTest {
protected:
    Dommere_Init& endringsmodus() {
        Dommere_Init& f = vis();
        f.Option2.UserClick();
        return f;
    }
    long kamper(int nr) { return antall("Select Count(*) From Dommertabell Where DommerNR = ?", {vb::Variant::Integer(nr)}); }
    long dommere(int nr) { return antall("Select Count(*) From Dommere Where DommerNR = ?", {vb::Variant::Integer(nr)}); }
    static void ingenDommerValgt(const std::vector<forms::MsgBoxRequest>& b) {
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(b[0].prompt, "Ingen dommer valgt!\rVelg Dommer og prøv igjen!");
        EXPECT_EQ(b[0].style, forms::vbExclamation);
    }
};

TEST_F(Slett, HeadingRowCurrentDeletesNothing) {
    leggInn({.nr = 4, .fnavn = "Fire", .boccia = true});
    leggInnKamper(4, 2);
    Dommere_Init& f = endringsmodus();
    ASSERT_EQ(f.MSFlexGrid1.Row(), 0);
    f.C_SlettDommer.UserClick();
    ingenDommerValgt(bokser());
    EXPECT_EQ(dommere(4), 1);
    EXPECT_EQ(kamper(4), 2);
}

TEST_F(Slett, RowWhoseRefereeIsGoneDeletesNothing) {
    leggInn({.nr = 4, .fnavn = "Fire", .boccia = true});
    Dommere_Init& f = endringsmodus();
    f.MSFlexGrid1.UserClickCell(1, 1);
    state::DBase.Execute("Delete From Dommere");   // another window took him away
    leggInnKamper(4, 1);
    f.C_SlettDommer.UserClick();
    ingenDommerValgt(bokser());
    EXPECT_EQ(kamper(4), 1);
}

TEST_F(Slett, YesDeletesEveryRowOfTheNumberAndHisMatches) {
    leggInn({.nr = 4, .fnavn = "Fire", .enavn = "Først", .boccia = true});
    leggInn({.nr = 4, .fnavn = "Kopi", .boccia = true});
    leggInn({.nr = 5, .fnavn = "Fem", .boccia = true});
    leggInnKamper(4, 3);
    leggInnKamper(4, 2, 3);
    leggInnKamper(5, 1);
    Dommere_Init& f = endringsmodus();
    f.MSFlexGrid1.UserClickCell(1, 1);
    forms::Headless().setNextAnswer(forms::vbYes);
    f.C_SlettDommer.UserClick();
    auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Vil du virkelig slette Dommer : 4 Fire Først?");
    EXPECT_EQ(b[0].style, forms::vbQuestion + forms::vbYesNo);
    EXPECT_EQ(b[0].title, "Slette Dommer");
    EXPECT_EQ(dommere(4), 0);
    EXPECT_EQ(kamper(4), 0);
    EXPECT_EQ(kamper(5), 1);
    EXPECT_EQ(state::ValgtDommer, 4);
    ASSERT_EQ(f.MSFlexGrid1.Rows(), 2);
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 0), "    5");
    EXPECT_EQ(f.Text1.Text(), "");   // the form emptied
    EXPECT_EQ(f.Text16.Text(), "1");  // the counters follow the grid
    EXPECT_EQ(f.Text17.Text(), "1");
}

TEST_F(Slett, NoKeepsEverything) {
    leggInn({.nr = 4, .fnavn = "Fire", .boccia = true});
    leggInnKamper(4, 1);
    Dommere_Init& f = endringsmodus();
    f.MSFlexGrid1.UserClickCell(1, 1);
    f.Text1.SetText("beholdt");
    forms::Headless().setNextAnswer(forms::vbNo);
    f.C_SlettDommer.UserClick();
    EXPECT_EQ(dommere(4), 1);
    EXPECT_EQ(kamper(4), 1);
    EXPECT_EQ(f.Text1.Text(), "beholdt");
    EXPECT_EQ(state::ValgtDommer, 4);
}

TEST_F(Slett, RefereeAndMatchesGoTogetherOrNotAtAll) {
    leggInn({.nr = 4, .fnavn = "Fire", .boccia = true});
    Dommere_Init& f = endringsmodus();
    f.MSFlexGrid1.UserClickCell(1, 1);
    // The match table cannot be emptied: the referee must stay too.
    state::DBase.Execute("Alter Table Dommertabell Rename To Borte");
    forms::Headless().setNextAnswer(forms::vbYes);
    f.C_SlettDommer.UserClick();
    auto b = bokser();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].prompt.rfind("Årsak :", 0), 0u);
    EXPECT_EQ(dommere(4), 1);
    EXPECT_FALSE(dao::DBEngine::Workspaces(0).InTransaction());
}

TEST_F(Slett, ResetEmptiesEveryMatchRowAfterYes) {
    leggInn({.nr = 4, .fnavn = "Fire", .boccia = true});
    leggInnKamper(4, 2);
    leggInnKamper(4, 1, 3);
    Dommere_Init& f = endringsmodus();
    forms::Headless().setNextAnswer(forms::vbNo);
    f.SSCommand10.UserClick();
    EXPECT_EQ(kamper(4), 3);
    EXPECT_EQ(state::Svar, forms::vbNo);
    forms::Headless().setNextAnswer(forms::vbYes);
    f.SSCommand10.UserClick();
    auto b = bokser();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].prompt, "Ønsker du virkelig å slette dommerdata for alle dommere?");
    EXPECT_EQ(b[1].style, forms::vbYesNo);
    EXPECT_EQ(b[1].title, "Nullstilling av dommerdata!");
    EXPECT_EQ(kamper(4), 0);
    EXPECT_EQ(dommere(4), 1);
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(1, 3), "0");
}

TEST_F(Slett, FreeNumbersBelowTheHighest) {
    for (int nr : {9, 1, 5, 2, 5}) leggInn({.nr = nr, .fnavn = "X", .boccia = true});
    Dommere_Init& f = vis();
    f.Command1.UserClick();
    std::vector<std::string> ledige;
    for (int i = 0; i < f.List2.ListCount(); ++i) ledige.push_back(f.List2.List(i));
    EXPECT_EQ(ledige, (std::vector<std::string>{"3", "4", "6", "7", "8"}));
    f.Command1.UserClick();   // asked again: the same list, not twice
    EXPECT_EQ(f.List2.ListCount(), 5);
}

TEST_F(Slett, NoFreeNumbersWithoutGapsOrWithoutReferees) {
    Dommere_Init& f = vis();
    f.Command1.UserClick();
    EXPECT_EQ(f.List2.ListCount(), 0);
    EXPECT_TRUE(bokser().empty());
    for (int nr : {1, 2, 3}) leggInn({.nr = nr, .fnavn = "X", .boccia = true});
    f.Command1.UserClick();
    EXPECT_EQ(f.List2.ListCount(), 0);
}

// A disk that stops syncing at any point of a deletion and stays so: the user hears either
// that the deletion failed (and the referee is there) or that it is stored, never a plain
// disk error after a deletion that was stored, which he would then make again.
TEST_F(Slett, ADiskThatStopsSyncingTellsWhetherTheDeletionIsStored) {
    leggInn({.nr = 4, .fnavn = "Fire", .boccia = true});
    leggInn({.nr = 5, .fnavn = "Fem", .boccia = true});
    leggInnKamper(4, 2);
    turneringsdb::LukkApen();
    const std::string fil = kdtest::ReadFile(dbsti);
    const std::string lagret = "Endringen er lagret";
    int fortalt = 0;
    bool heleGikk = false;
    for (long n = 0; !heleGikk && n < 30; ++n) {
        SCOPED_TRACE(n);
        std::ofstream(dbsti, std::ios::binary | std::ios::trunc) << fil;
        std::vector<forms::MsgBoxRequest> b;
        {
            kdtest::Diskfeil disk;
            ASSERT_TRUE(turneringsdb::ByttTil(dbsti));
            Dommere_Init& f = endringsmodus();
            f.MSFlexGrid1.UserClickCell(1, 1);
            forms::Headless().setNextAnswer(forms::vbYes);
            disk.TillatSynkroniseringer(n);
            f.C_SlettDommer.UserClick();
            heleGikk = disk.Synkroniseringer() < n;
            disk.TillatSynkroniseringer(-1);
            b = bokser();
            forms::ResetDefaults();
            turneringsdb::LukkApen();
        }
        ASSERT_TRUE(turneringsdb::ByttTil(dbsti));
        const bool slettet = dommere(4) == 0 && kamper(4) == 0;
        EXPECT_TRUE(slettet || (dommere(4) == 1 && kamper(4) == 2));
        const std::string svar = b.size() > 1 ? b[1].prompt : "";
        if (!slettet) {
            EXPECT_NE(svar, "");
            EXPECT_EQ(svar.find(lagret), std::string::npos) << svar;
        } else if (!svar.empty()) {
            EXPECT_NE(svar.find(lagret), std::string::npos) << svar;
            ++fortalt;
        }
        turneringsdb::LukkApen();
    }
    EXPECT_TRUE(heleGikk);
    EXPECT_GT(fortalt, 0) << "no refresh failed after a stored deletion";
    ASSERT_TRUE(turneringsdb::ByttTil(dbsti));
}

} // namespace
} // namespace regtest
