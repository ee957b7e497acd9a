#include "Rapportfixtur.h"

#include "reports/Rapporter.h"
#include "state/ProgramState.h"

namespace rapporttest {
namespace {

using AntallKamperTest = RapportTest;

// The texts of the row whose number prints as nr.
std::vector<printer::PrintedText> rad(const printer::RecordedDocument& d, const std::string& nr) {
    const auto* start = d.find(nr);
    std::vector<printer::PrintedText> ut;
    for (const auto* t = start; t && t != d.texts.data() + d.texts.size() && t->scaleY == start->scaleY && t->page == start->page; ++t)
        ut.push_back(*t);
    return ut;
}

TEST_F(AntallKamperTest, CountsActiveMatchesPerGameAndAlignsEveryNumber) {
    leggInn({.nr = 5, .fnavn = "Ola", .enavn = "Nordmann", .lag = "Bodø"});
    leggInn({.nr = 42, .fnavn = "Kari"});
    leggInn({.nr = 123, .fnavn = "Per", .enavn = "Ås"});
    leggInnKamper(42, 7, "BOCCIA");
    leggInnKamper(42, 5, "Boccia");
    leggInnKamper(42, 4, "CURLING", 3);   // soft-deleted
    leggInnKamper(42, 3, "curling");
    leggInnKamper(42, 2, "Fotball");     // another game counts nowhere
    leggInnKamper(123, 100, "BOCCIA");
    leggInnKamper(123, 101, "CURLING");
    register_().SSCommand6.UserClick();

    struct Celle { std::string tekst; double x; };
    struct Case { std::string nr; std::vector<Celle> celler; };
    const Case cases[] = {
        {" 5 ", {{" 5 ", 1090}, {"Ola Nordmann", 1400}, {"Bodø", 4200}, {"   0", 7100}, {"   0", 8000}, {" 0 ", 8990}}},
        {" 42 ", {{" 42 ", 1000}, {"Kari ", 1400}, {" 12 ", 7100}, {" 3 ", 8090}, {" 15 ", 8900}}},
        {" 123 ", {{" 123 ", 910}, {"Per Ås", 1400}, {" 100 ", 7010}, {" 101 ", 7910}, {" 201 ", 8810}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nr);
        const auto r = rad(doc(), c.nr);
        ASSERT_EQ(r.size(), c.celler.size());
        for (size_t i = 0; i < r.size(); ++i) {
            EXPECT_EQ(r[i].text, c.celler[i].tekst);
            EXPECT_EQ(r[i].x, c.celler[i].x);
        }
    }
    const auto* fot = doc().find("Side 1");
    EXPECT_DOUBLE_EQ(fot->scaleY, 95);
    EXPECT_EQ(fot->x, 5600);
}

// Matches that name no game count nowhere, and spoil no other referee's count.
TEST_F(AntallKamperTest, MatchesWithoutAGameCountZero) {
    leggInn({.nr = 5, .fnavn = "Ola"});
    leggInn({.nr = 6, .fnavn = "Kari"});
    leggInnKamper(5, 2, "BOCCIA");
    state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status) Values (6, 900, 0)");
    register_().SSCommand6.UserClick();
    const struct { const char* nr; std::vector<std::string> tall; } rader[] = {
        {" 5 ", {" 2 ", "   0", " 2 "}}, {" 6 ", {"   0", "   0", " 0 "}}};
    for (const auto& r : rader) {
        const auto tekster = rad(doc(), r.nr);
        ASSERT_EQ(tekster.size(), 5u) << r.nr;
        for (size_t i = 0; i < 3; ++i) EXPECT_EQ(tekster[2 + i].text, r.tall[i]) << r.nr;
    }
}

TEST_F(AntallKamperTest, AnEmptyRegisterPrintsTitleHeadingsAndTheFirstFooter) {
    register_().SSCommand6.UserClick();
    EXPECT_EQ(doc().pages, 1);
    EXPECT_NE(doc().find("Oversikt over antall dømte kamper for alle dommere : "), nullptr);
    EXPECT_NE(doc().find("Totalt"), nullptr);
    EXPECT_NE(doc().find("Side 1"), nullptr);
}

// Title 4-10 at 10 points, heading line 10-12, the underlined headings 12-14 at their own
// size, rows from 14 at 8 points: the 80th ends past 93.
TEST_F(AntallKamperTest, RowsStartBelowTheHeadingsAndLaterPagesRepeatThemAt8Points) {
    for (int nr = 1; nr <= 80; ++nr) leggInn({.nr = nr, .fnavn = "F"});
    register_().SSCommand6.UserClick();
    ASSERT_EQ(doc().pages, 2);
    EXPECT_DOUBLE_EQ(doc().find("Totalt")->scaleY, 12);
    EXPECT_DOUBLE_EQ(doc().find(" 1 ")->scaleY, 14);
    const auto* side1 = doc().find("Side 1");
    EXPECT_DOUBLE_EQ(side1->scaleY, 95);   // one blank line below the last row at 94
    EXPECT_EQ(side1->page, 1);
    EXPECT_EQ(doc().find("Antall dømte kamper")->font.Size, 10);
    const auto side2 = doc().onPage(2);
    ASSERT_EQ(side2.size(), 7u);   // only the headings and the last footer
    EXPECT_EQ(side2[0].text, "Antall dømte kamper");
    EXPECT_EQ(side2[0].font.Size, 8);
    EXPECT_DOUBLE_EQ(side2[0].scaleY, 4);
    EXPECT_EQ(side2[6].text, "Side 2");
    EXPECT_DOUBLE_EQ(side2[6].scaleY, 95);
}

} // namespace
} // namespace rapporttest
