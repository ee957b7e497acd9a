#include "Rapportfixtur.h"

#include "reports/Rapporter.h"
#include "state/ProgramState.h"

namespace rapporttest {
namespace {

class DommerRapportTest : public RapportTest {
protected:
    // The texts of the printed line that starts with the game's name.
    std::vector<std::string> linje(const std::string& spill) {
        const auto* start = doc().find(spill);
        std::vector<std::string> ut;
        for (const auto* t = start; t && t != doc().texts.data() + doc().texts.size() && t->scaleY == start->scaleY; ++t)
            ut.push_back(t->text);
        return ut;
    }
};

TEST_F(DommerRapportTest, NoSelectedRefereeIsToldAndPrintsNothing) {
    leggInn({.nr = 3, .fnavn = "A"});
    auto& f = register_();
    f.SSCommand3.UserClick();   // ValgtDommer is 0 at start
    state::ValgtDommer = 9;     // a referee removed since he was selected
    f.SSCommand3.UserClick();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 2u);
    for (const auto& box : b) {
        EXPECT_EQ(box.prompt, "Ingen dommer valgt!\rVelg Dommer og prøv igjen!");
        EXPECT_EQ(box.style, forms::vbExclamation);
    }
    EXPECT_TRUE(rec.documents.empty());
}

TEST_F(DommerRapportTest, TheUserConfirmsTheRefereeAndCancelPrintsNothing) {
    leggInn({.nr = 7, .fnavn = "Åsmund", .enavn = "Ødegård", .lag = "Tromsø"});
    register_();
    state::ValgtDommer = 7;
    forms::Headless().setNextAnswer(forms::vbCancel);
    Print_Dommer_Rapport();
    auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Dommer: 7 Åsmund Ødegård er valgt\rBekreft at du ønsker rapport for denne!");
    EXPECT_EQ(b[0].style, forms::vbExclamation + forms::vbOKCancel);
    EXPECT_TRUE(rec.documents.empty());

    Print_Dommer_Rapport();
    EXPECT_EQ(doc().texts[2].text, "7    Åsmund Ødegård   Tromsø");
    EXPECT_DOUBLE_EQ(doc().texts[2].scaleY, 12);   // title, blank, sub-title, blank at 10 points
    EXPECT_EQ(doc().startingWith("Side").size(), 0u);
    EXPECT_EQ(state::ValgtDommer, 7);
}

TEST_F(DommerRapportTest, EachGameLineShowsJudgingClassAndActiveMatches) {
    struct Case { Dommer d; std::vector<std::string> boccia, curling; };
    const Case cases[] = {
        {{.nr = 1, .boccia = true, .flagg = {"KlB_Dommer3", "KlB_Overdommer"}},
         {"Boccia", "Ja", "Forbundsdommer 3", " 4 "}, {"Curling", "Nei", "Ingen Klassifisering", " 0"}},
        {{.nr = 2, .boccia = true, .curling = true, .flagg = {"KlB_Overdommer"}},
         {"Boccia", "Ja", "Overdommer", " 0"}, {"Curling", "Ja", " 2 "}},   // no Curling class: empty column
        {{.nr = 3, .curling = true, .flagg = {"KlB_Dommer1", "KlC_Aspirant1"}},
         {"Boccia", "Nei", "Ingen Klassifisering", " 0"}, {"Curling", "Ja", "Aspirantdommer 1", " 0"}},
    };
    leggInnKamper(1, 3, "BOCCIA");
    leggInnKamper(1, 1, "Boccia");       // hand-entered spelling counts too
    leggInnKamper(1, 2, "BOCCIA", 3);    // soft-deleted: not counted
    leggInnKamper(1, 1, "Fotball");
    leggInnKamper(2, 2, "CURLING");
    for (const auto& c : cases) leggInn(c.d);
    register_();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.d.nr);
        state::ValgtDommer = static_cast<int16_t>(c.d.nr);
        rec.clear();
        Print_Dommer_Rapport();
        EXPECT_EQ(linje("Boccia"), c.boccia);
        EXPECT_EQ(linje("Curling"), c.curling);
    }
    EXPECT_EQ(doc().find("Ja")->x, 2650);
    EXPECT_EQ(doc().find(" 0")->x, 7500);
    EXPECT_TRUE(doc().find("Antall kamper")->font.Underline);
    EXPECT_EQ(doc().find("Antall kamper")->x, 7000);
}

} // namespace
} // namespace rapporttest
