// The printed ranking list, read back from the recording printer.
#include "Fixture.h"

#include "platform/printer/Printer.h"
#include "platform/printer/Recording.h"
#include "state/ProgramState.h"

namespace rankingtest {
namespace {

class Utskrift : public RankingTest {
protected:
    void SetUp() override {
        RankingTest::SetUp();
        printer::ResetPrinter();
    }
    void TearDown() override {
        printer::ResetPrinter();
        RankingTest::TearDown();
    }
    // Prints list 5 with the play type chosen in the window.
    const printer::RecordedDocument& skriv(bool individuelt) {
        Ranking& f = vis();
        f.Combo1(0).UserSelect(4);
        (individuelt ? f.Option7 : f.Option8).UserClick();
        f.Option3.UserClick();
        f.SSCommand6.UserClick();
        return printer::Recorder().last();
    }
    // The texts of the line at height y, left to right.
    static std::vector<std::string> linje(const printer::RecordedDocument& d, double y, int side = 1) {
        std::vector<std::string> ut;
        for (const auto& t : d.onPage(side))
            if (t.y == y) ut.push_back(t.text);
        return ut;
    }
    // Widths of the recording printer: 10 twips a character a point, 10 points.
    static constexpr double Tegn = 100, Linje = 225, c = 992;   // 11906 / 12, rounded
};

TEST_F(Utskrift, AnEmptyListPrintsItsHeadOnOnePage) {
    state::Turnering_Navn = "NM i Boccia";
    const auto& d = skriv(true);
    EXPECT_EQ(d.state, printer::RecordedDocument::State::Ended);
    EXPECT_EQ(d.pages, 1);
    const printer::PrintedText* navn = d.find("NM i Boccia");
    ASSERT_NE(navn, nullptr);
    EXPECT_EQ(navn->x, 1.9 * 4 * Tegn);
    EXPECT_EQ(navn->y, 500);
    EXPECT_TRUE(navn->font.Bold);
    EXPECT_EQ(linje(d, 500 + 2 * Linje), (std::vector<std::string>{"Rankingliste Nr : ", " 5 ", "     ", "Klasse 2", "    (",
                                                                    "BOCCIA", " / ", "SENIOR", ")"}));
    const auto overskrift = linje(d, 500 + 4 * Linje);
    EXPECT_EQ(overskrift, (std::vector<std::string>{"Nr", "Spiller", "Klubb", "RankNr", "Trukket"}));
    EXPECT_EQ(d.find("Nr")->x, 0.4 * c + 4 * Tegn);
    EXPECT_TRUE(d.find("RankNr")->font.Underline);
    EXPECT_EQ(d.find("Trukket")->x, 9 * c);
    EXPECT_EQ(static_cast<int>(d.texts.size()), 1 + 9 + 5);
}

TEST_F(Utskrift, EntriesInDrawnOrderWithTheColumnsOfThePlayType) {
    leggInn({.liste = 5, .rank = 2, .fornavn = "R2", .klubb = "Lyn"});
    leggInn({.liste = 5, .trukket = 5, .fornavn = "T5"});
    leggInn({.liste = 5, .rank = 10, .fornavn = std::string(25, 'f'), .etternavn = std::string(25, 'e'),
             .klubb = std::string(25, 'k')});
    leggInn({.liste = 5, .trukket = 3, .fornavn = "T3"});
    leggInn({.liste = 5, .rank = 9, .fornavn = "R9"});
    state::DBase.Execute("Insert Into Ranking (KlasseNr, ForNavn) Values (5, 'Uten')");
    for (const bool individuelt : {true, false}) {
        SCOPED_TRACE(individuelt);
        printer::Recorder().clear();
        const auto& d = skriv(individuelt);
        std::vector<std::string> navn;
        for (const auto& t : d.texts)
            if (t.x == 0.82 * c + 3.5 * Tegn) navn.push_back(t.text);
        // No drawn number sorts before 0; 0 is the ranked entries' own.
        EXPECT_EQ(navn, (std::vector<std::string>{"Uten", "R2", "R9", std::string(18, 'f'), "T3", "T5"}));
        EXPECT_EQ(linje(d, 500 + 4 * Linje).size(), individuelt ? 5u : 4u);
        EXPECT_EQ(d.find("Lyn") != nullptr, individuelt);
        EXPECT_NE(d.find(std::string(22, 'e')), nullptr);
        EXPECT_EQ(d.find(std::string(20, 'k')) != nullptr, individuelt);
        const double rank = 8 * c + 2 * Tegn;
        EXPECT_EQ(d.find(" 9 ")->x, rank);
        EXPECT_EQ(d.find(" 10 ")->x, rank - Tegn);
        // The row without numbers prints blanks in both number columns.
        const auto uten = linje(d, d.find("Uten")->y);
        EXPECT_EQ(uten.back(), " ");
        EXPECT_EQ(uten[uten.size() - 2], " ");
    }
}

TEST_F(Utskrift, ALongListGoesOnOnTheNextPage) {
    dao::DBEngine::Workspaces(0).BeginTrans();
    for (int r = 1; r <= 80; ++r) leggInn({.liste = 5, .rank = r, .fornavn = "P" + std::to_string(r)});
    dao::DBEngine::Workspaces(0).CommitTrans();
    const auto& d = skriv(true);
    EXPECT_EQ(d.state, printer::RecordedDocument::State::Ended);
    ASSERT_EQ(d.pages, 2);
    const auto side2 = d.onPage(2);
    ASSERT_FALSE(side2.empty());
    EXPECT_EQ(side2.front().y, 500);
    EXPECT_EQ(side2.front().x, 0.68 * c + Tegn - Tegn);   // "Nr" half, less one digit for a two-digit number
    for (const auto& t : d.texts) EXPECT_LE(t.y + Linje, 15638) << t.text;
    EXPECT_NE(d.find("P80"), nullptr);
}

TEST_F(Utskrift, AListWithoutItsRowStopsWithAMessageAndEndsTheDocument) {
    Ranking& f = vis();
    f.Text5.SetText("");
    f.Option3.UserClick();
    bokser();
    f.SSCommand6.UserClick();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Det er feil med skriveren eller utskrift avbrutt");
    EXPECT_EQ(b[0].style, forms::vbOKOnly);
    const auto& d = printer::Recorder().last();
    EXPECT_EQ(d.state, printer::RecordedDocument::State::Ended);
    EXPECT_NE(d.find("Norges Valmorisk"), nullptr);
    EXPECT_FALSE(printer::Printer.FontBold());
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

} // namespace
} // namespace rankingtest
