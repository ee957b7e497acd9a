#include "Rapportfixtur.h"

#include "reports/Rapporter.h"

namespace rapporttest {
namespace {

class DommerstatusTest : public RapportTest {
protected:
    // The class texts at X 9400, in order.
    std::vector<std::string> klasser() { return ved(9400); }
    void skriv(int16_t spill, int type) {
        register_(type);
        rec.clear();
        Print_Dommerstatus(spill);
    }
};

TEST_F(DommerstatusTest, BocciaClassTextLetsTheLastSetFlagWin) {
    struct Case { std::vector<std::string> flagg; std::string klasse; };
    const Case cases[] = {
        {{}, "Uklassifisert"},
        {{"KlB_Dommer1"}, "Forbundsdommer 1"},
        {{"KlB_Dommer1", "KlB_Dommer2"}, "Forbundsdommer 1/2"},
        {{"KlB_Dommer2"}, "Forbundsdommer 2"},
        {{"KlB_Dommer3", "KlB_Dommer2"}, "Forbundsdommer 3/2"},
        {{"KlB_Dommer1", "KlB_Aspirant2"}, "Aspirantdommer 2"},
        {{"KlB_Aspirant1"}, "Aspirantdommer 1"},
        {{"KlB_Aspirant3"}, "Aspirantdommer 3"},
        {{"KlB_Dommer3", "KlB_Overdommer"}, "Overdommer"},
        {{"KlB_Aspirant1", "Dommer_Handball"}, "Overdommer"},   // the handball flag reads as Overdommer
    };
    int nr = 1;
    for (const auto& c : cases) leggInn({.nr = nr++, .boccia = true, .flagg = c.flagg});
    skriv(1, 1);
    std::vector<std::string> ventet;
    for (const auto& c : cases) ventet.push_back(c.klasse);
    EXPECT_EQ(klasser(), ventet);
    EXPECT_NE(doc().find("Dommerstatus for Boccia dommere (10 stk)"), nullptr);
}

TEST_F(DommerstatusTest, CurlingClassTextTakesTheFirstSetFlagAndSpacesItsRows) {
    leggInn({.nr = 1, .curling = true, .flagg = {"KlC_Dommer3", "KlC_Aspirant1"}});
    leggInn({.nr = 2, .curling = true});
    leggInn({.nr = 3, .curling = true, .flagg = {"KlC_Overdommer"}});
    skriv(2, 3);
    EXPECT_EQ(klasser(), (std::vector<std::string>{"Forbundsdommer 3", "  Uklassifisert", "Overdommer"}));
    // Heading at 10, then each referee a line and a blank; the unclassified one a second blank.
    std::vector<double> y;
    for (const auto& t : doc().texts)
        if (t.x == 1080) y.push_back(t.scaleY);
    EXPECT_EQ(y, (std::vector<double>{11, 13, 16}));
}

TEST_F(DommerstatusTest, TheOptionChoosesClassAndTitleOfItsOwnGameOnly) {
    leggInn({.nr = 1, .boccia = true, .flagg = {"KlB_Dommer1"}});
    leggInn({.nr = 2, .boccia = true, .flagg = {"KlB_Overdommer"}});
    leggInn({.nr = 3, .boccia = true, .curling = true, .flagg = {"KlC_Dommer3"}});
    leggInn({.nr = 4, .curling = true, .flagg = {"KlC_Overdommer"}});
    struct Case { int16_t spill; int type; std::string tittel; size_t rader; };
    const Case cases[] = {
        {1, 7, "Status for Boccia Forbundsdommer 1 (1 stk)", 1},
        {1, 13, "Status for Boccia Uklassifiserte dommere (2 stk)", 2},   // the Overdommer flag is no class here
        {1, 14, "Status for Boccia Overdommer (1 stk)", 1},
        {1, 4, "Dommerstatus for Boccia dommere (3 stk)", 3},             // a Curling option: all of Boccia
        {2, 4, "Status for Curling Forbundsdommer 3 (1 stk)", 1},
        {2, 13, "Status for Curling uklassifiserte dommere (1 stk)", 1},
        {2, 15, "Status for Curling Overdommer (1 stk)", 1},
        {2, 5, "Status for Curling Forbundsdommer 1 (0 stk)", 0},         // an empty class is no failure
        {2, 7, "Dommerstatus for Curling dommere (2 stk)", 2},
    };
    register_();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tittel);
        skriv(c.spill, c.type);
        EXPECT_EQ(doc().texts[1].text, c.tittel);
        EXPECT_EQ(klasser().size(), c.rader);
        EXPECT_NE(doc().find("Dommerstatus"), nullptr);   // the headings stand on every list
    }
}

TEST_F(DommerstatusTest, AGameWithoutRefereesIsToldWhateverOptionIsSet) {
    leggInn({.nr = 1, .curling = true});
    register_(9);
    auto& f = register_(9);
    f.SSCommand8.UserClick();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Ingen Boccia dommere funnet!");
    EXPECT_TRUE(rec.documents.empty());
    f.SSCommand9.UserClick();
    EXPECT_NE(doc().find("Dommerstatus for Curling dommere (1 stk)"), nullptr);
}

TEST_F(DommerstatusTest, TheRowTakesTheRefresherDateOfItsGame) {
    leggInn({.nr = 42, .fnavn = "Åse", .enavn = "Øvrebø", .lag = "Ørsta", .boccia = true, .curling = true,
             .tekster = {{"Dommer_DatoDKurs", "1.1.2019"}, {"Dommer_DatoOppdBocKurs", "B-dato"},
                         {"Dommer_DatoOppdCurKurs", "C-dato"}}});
    skriv(1, 2);
    EXPECT_EQ(doc().find(" 42 ")->x, 980);
    EXPECT_EQ(ved(1500).back(), "Åse");
    EXPECT_EQ(ved(3200).back(), "Øvrebø");
    EXPECT_EQ(ved(5000).back(), "Ørsta");
    EXPECT_EQ(ved(7400).back(), "1.1.2019");
    EXPECT_EQ(ved(8300).back(), "B-dato");
    skriv(2, 3);
    EXPECT_EQ(ved(8300).back(), "C-dato");
}

} // namespace
} // namespace rapporttest
