// The match entry window: its referee grid, match list, lookup and sorts.
#include "Fixture.h"

#include "frame/Hovedmeny2.h"
#include "matches/Dommer.h"
#include "matches/ValgtKamp.h"
#include "state/ProgramState.h"

namespace kamptest {
namespace {

class DommerVindu : public KampTest {
protected:
    Dommer& vis() {
        auto& f = forms::Default<Dommer>();
        f.Show();
        return f;
    }
    // The referee grid's row of a referee number.
    static int radFor(const Dommer& f, int nr) {
        for (int r = 1; r < f.MSFlexGrid2.Rows(); ++r)
            if (f.MSFlexGrid2.TextMatrix(r, 0) == std::to_string(nr)) return r;
        return -1;
    }
};

TEST_F(DommerVindu, RefereeGridCountsActiveMatchesOnlyAndNamesTheTwoWays) {
    dommer(3, "Ola", "Nordmann");
    dommer(7, "Kari", "");
    kamp({.nr = 3, .sekvens = 1});
    kamp({.nr = 3, .sekvens = 2});
    kamp({.nr = 3, .sekvens = 3, .status = 3});
    kamp({.nr = 7, .sekvens = 4, .status = 3});
    Dommer& f = vis();
    EXPECT_EQ(rader(f.MSFlexGrid2), (std::vector<std::string>{"3|Ola Nordmann|2", "7|Kari |0"}));
    f.Fyll_Dommerliste();
    EXPECT_EQ(rader(f.MSFlexGrid2), (std::vector<std::string>{"3|Nordmann, Ola|2", "7|Kari|0"}));
}

TEST_F(DommerVindu, PlacedBelowTheButtonBarAndNeverPastTheScreen) {
    const int linje = forms::Default<Hovedmeny2>().Picture2.Height();
    forms::Screen.Height = 1080 * 15;
    EXPECT_EQ(vis().Top(), linje + 750);
    forms::Default<Dommer>().Unload();
    forms::Screen.Height = 768 * 15;
    const Dommer& f = vis();
    EXPECT_LT(f.Top(), linje + 750);
    EXPECT_LE(linje + f.Top() + f.Height(), forms::Screen.Height - 900);
}

TEST_F(DommerVindu, RefereeClickListsHisActiveMatchesNumberedWithTheirSequenceNumbers) {
    dommer(3, "Ola", "Nordmann", "Kvikk");
    kamp({.nr = 3, .sekvens = 40, .typespill = "BOCCIA"});
    kamp({.nr = 3, .sekvens = 41, .status = 3});
    kamp({.nr = 3, .sekvens = 42, .hp = std::nullopt, .bp = std::nullopt, .typespill = "Curling"});
    Dommer& f = vis();
    f.MSFlexGrid2.UserClickCell(radFor(f, 3), 1);
    EXPECT_EQ(rader(f.MSFlexGrid1), (std::vector<std::string>{"1|1. mai 2026|Cup|boccia|A|B|1|2|40",
                                                              "2|1. mai 2026|Cup|curling|A|B|||42"}));
    EXPECT_EQ(f.Text4.Text(), "3");
    EXPECT_EQ(f.Text3.Text(), "Kvikk");
    EXPECT_EQ(f.Text7.Text(), "Ola Nordmann");
    EXPECT_EQ(state::ValgtDommer, 3);
}

TEST_F(DommerVindu, UnknownNumberClearsNameListAndPickedMatch) {
    dommer(3, "Ola", "Nordmann");
    kamp({.nr = 3, .sekvens = 40});
    Dommer& f = vis();
    f.MSFlexGrid2.UserClickCell(radFor(f, 3), 0);
    f.MSFlexGrid1.UserClickCell(1, 2);
    ASSERT_TRUE(kamper::ValgtKamp);
    skriv(f.Text4, "12abc");
    f.Fyll_Kampliste();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Dommernummer finnes ikke, velg nytt dommernummer eller legg inn ny dommer!");
    EXPECT_EQ(b[0].title, "Innlegging Dommerdata");
    EXPECT_TRUE(rader(f.MSFlexGrid1).empty());
    EXPECT_EQ(f.Text7.Text(), "");
    EXPECT_EQ(f.Text1.Text(), "");
    EXPECT_FALSE(kamper::ValgtKamp);
    EXPECT_EQ(state::DommerFunnet, 0);
}

TEST_F(DommerVindu, NumberBoxWithoutAPositiveNumberLeavesTheListAlone) {
    dommer(3, "Ola", "Nordmann");
    kamp({.nr = 3, .sekvens = 40});
    Dommer& f = vis();
    f.MSFlexGrid2.UserClickCell(radFor(f, 3), 0);
    for (const char* tekst : {"", "0", "-4", "abc"}) {
        skriv(f.Text4, tekst);
        f.Fyll_Kampliste();
        EXPECT_EQ(rader(f.MSFlexGrid1).size(), 1u) << tekst;
    }
    EXPECT_TRUE(bokser().empty());
}

TEST_F(DommerVindu, SortsShareOneToggleAcrossButtons) {
    dommer(2, "Ola", "Berg");
    dommer(10, "Kari", "Aas");
    dommer(5, "Per", "Aasen");
    for (long s = 1; s <= 3; ++s) kamp({.nr = 5, .sekvens = s});
    kamp({.nr = 2, .sekvens = 9});
    Dommer& f = vis();
    const auto kolonne = [&](int c) {
        std::vector<std::string> v;
        for (int r = 1; r < f.MSFlexGrid2.Rows(); ++r) v.push_back(f.MSFlexGrid2.TextMatrix(r, c));
        return v;
    };
    f.SSCommand6.UserClick();   // Sortering 0: ascending
    EXPECT_EQ(kolonne(0), (std::vector<std::string>{"2", "5", "10"}));
    EXPECT_EQ(state::Sortering, 1);
    f.SSCommand10.UserClick();  // now descending
    EXPECT_EQ(kolonne(1), (std::vector<std::string>{"Berg, Ola", "Aasen, Per", "Aas, Kari"}));
    EXPECT_EQ(state::Sortering, 0);
    f.SSCommand11.UserClick();  // 0: most matches first
    EXPECT_EQ(kolonne(2), (std::vector<std::string>{"3", "1", "0"}));
}

TEST_F(DommerVindu, RefereeGridFailureIsToldWithItsOwnMessage) {
    dommer(3, "Ola", "Nordmann");
    Dommer& f = vis();
    state::DBase.Execute("Drop Table Dommertabell");
    f.Fyll_Dommerliste();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Kan ikke laste dommere, feil ved databasen!");
    EXPECT_EQ(b[0].title, "Henter dommere");
}

} // namespace
} // namespace kamptest
