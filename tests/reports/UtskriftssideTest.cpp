#include <gtest/gtest.h>

#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Recording.h"
#include "platform/vb/Err.h"
#include "reports/Utskrift.h"
#include "reports/Utskriftsside.h"

using printer::Printer;
using State = printer::RecordedDocument::State;

namespace {

// 8-point lines are 1 % of the page, 10-point lines 2 %, so rows land on whole percents.
class UtskriftssideTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetRuntime();
        printer::ResetPrinter();
        rec.page = {12000, 11000, 11000, 10000};
        rec.lineHeights = {{8, 100}, {10, 200}};
    }
    void TearDown() override { printer::ResetPrinter(); }

    // Rows "r1".."rn", each followed by the page-break test, then the end.
    static void skrivRader(Utskriftsside& side, int rader) {
        for (int i = 1; i <= rader; ++i) {
            Printer.SetCurrentX(1000);
            Printer.Print("r" + std::to_string(i));
            side.Sideskift();
        }
        side.Slutt();
    }

    // The standard set: title line, blank line, heading, then rows; the heading is "H".
    void standard(int rader) {
        Utskriftsside side(Standardsett, [] {
            Printer.SetFontUnderline(true);
            Printer.SetFontSize(8);
            Printer.SetCurrentX(1000);
            Printer.Print("H");
            Printer.SetFontUnderline(false);
        });
        side.Start();
        side.Tittel("T");
        Printer.Print();
        side.Overskrift();
        side.Rader();
        skrivRader(side, rader);
    }

    // The count set: the heading prints its own line at the size in force, ends the
    // underlined headings' line at their size, then sets 8 points.
    void telling(int rader) {
        Utskriftsside side(Tellesett, [] {
            Printer.SetCurrentX(7200);
            Printer.Print("A");
            Printer.SetFontUnderline(true);
            Printer.SetCurrentX(1000);
            Printer.Print("H", printer::Stay);
            Printer.SetFontUnderline(false);
            Printer.Print();
            Printer.SetFontSize(8);
        });
        side.Start();
        side.Tittel("T");
        Printer.Print();
        side.Tittel("T2");
        side.Overskrift();
        side.Rader();
        skrivRader(side, rader);
    }

    printer::RecordingBackend& rec = printer::Recorder();
};

// Rows start at Y 9 and row i ends at 9 + i: row 83 ends exactly at 92, row 84 past it;
// page 2 holds rows 85 to 171.
TEST_F(UtskriftssideTest, StandardSetBreaksOnlyStrictlyPast92Percent) {
    struct Case { int rader; int sider; };
    for (const Case c : {Case{1, 1}, Case{83, 1}, Case{84, 2}, Case{85, 2}, Case{170, 2}, Case{171, 3}}) {
        rec.clear();
        standard(c.rader);
        const auto& doc = rec.last();
        EXPECT_EQ(doc.state, State::Ended) << c.rader;
        EXPECT_EQ(doc.pages, c.sider) << c.rader;
        const auto fot = doc.startingWith("Side ");
        ASSERT_EQ(fot.size(), static_cast<size_t>(c.sider)) << c.rader;
        for (int k = 1; k <= c.sider; ++k) {
            EXPECT_EQ(fot[k - 1].text, "Side " + std::to_string(k));
            EXPECT_EQ(fot[k - 1].page, k);
            EXPECT_EQ(fot[k - 1].x, 5500);
            // A page-break footer stands at 94 %, the last one a line below it.
            EXPECT_DOUBLE_EQ(fot[k - 1].scaleY, k == c.sider ? 95 : 94) << c.rader << " side " << k;
        }
    }
}

TEST_F(UtskriftssideTest, ALastRowPastTheBreakLeavesAPageWithOnlyTheHeading) {
    standard(84);
    const auto side2 = rec.last().onPage(2);
    ASSERT_EQ(side2.size(), 2u);
    EXPECT_EQ(side2[0].text, "H");
    EXPECT_DOUBLE_EQ(side2[0].scaleY, 5);          // new-page Y, no title block
    EXPECT_TRUE(side2[0].font.Underline);
    EXPECT_EQ(side2[1].text, "Side 2");
}

TEST_F(UtskriftssideTest, RowsOnALaterPageFollowTheHeadingAt5Percent) {
    standard(85);
    const auto* r85 = rec.last().find("r85");
    ASSERT_NE(r85, nullptr);
    EXPECT_EQ(r85->page, 2);
    EXPECT_DOUBLE_EQ(r85->scaleY, 6);
    EXPECT_EQ(r85->font.Size, 8);
    EXPECT_EQ(rec.last().find("T")->font.Size, 10);
}

// Count set: rows start at 14 and row i ends at 14 + i: 79 ends at 93, 80 past it.
TEST_F(UtskriftssideTest, CountSetBreaksPast93WithTheFooterALineBelowTheRows) {
    telling(79);
    ASSERT_EQ(rec.last().pages, 1);
    auto fot = rec.last().startingWith("Side ");
    ASSERT_EQ(fot.size(), 1u);
    EXPECT_EQ(fot[0].text, "Side 1");
    EXPECT_DOUBLE_EQ(fot[0].scaleY, 95);
    EXPECT_EQ(fot[0].x, 5600);

    rec.clear();
    telling(80);
    const auto& doc = rec.last();
    ASSERT_EQ(doc.pages, 2);
    fot = doc.startingWith("Side ");
    ASSERT_EQ(fot.size(), 2u);
    EXPECT_DOUBLE_EQ(fot[0].scaleY, 95);            // 94 after the last row, one blank line
    EXPECT_EQ(fot[0].page, 1);
    EXPECT_EQ(fot[1].text, "Side 2");
    EXPECT_DOUBLE_EQ(fot[1].scaleY, 95);
    // The later page's heading starts at 4, at 8 points, and ends its open line.
    const auto side2 = doc.onPage(2);
    ASSERT_EQ(side2.size(), 3u);
    EXPECT_DOUBLE_EQ(side2[0].scaleY, 4);
    EXPECT_EQ(side2[0].font.Size, 8);
    EXPECT_EQ(doc.find("A")->font.Size, 10);
}

TEST_F(UtskriftssideTest, CountSetRowsOnALaterPageFollowTheHeadingDirectly) {
    telling(81);
    const auto* r81 = rec.last().find("r81");
    EXPECT_EQ(r81->page, 2);
    EXPECT_DOUBLE_EQ(r81->scaleY, 6);   // heading line 4, headings 5, row 6
}

TEST_F(UtskriftssideTest, ThePageCounterOverflowsPast32767Pages) {
    Utskriftsside side(Standardsett, [] {});
    side.Start();
    side.Rader();
    try {
        // Bounded: a page break that no longer counts must fail here, not hang.
        for (int skift = 0; skift <= INT16_MAX; ++skift) {
            Printer.SetCurrentY(93);
            side.Sideskift();
        }
        ADD_FAILURE() << "the page counter did not overflow; it stands at " << side.Side();
    } catch (const vb::Err& e) {
        EXPECT_EQ(e.Number, vb::errnum::Overflow);
    }
    EXPECT_EQ(side.Side(), INT16_MAX);
    Printer.KillDoc();
}

TEST_F(UtskriftssideTest, NumbersAlignByDigitCount) {
    struct Case { double verdi; double x; };
    for (const Case c : {Case{7, 1080}, Case{9, 1080}, Case{10, 980}, Case{42, 980}, Case{99, 980}, Case{100, 880},
                         Case{123, 880}})
        EXPECT_EQ(Tallposisjon(c.verdi, 880, 200, 100), c.x) << c.verdi;
}

TEST_F(UtskriftssideTest, AFailingRunIsKilledAndTold) {
    rec.failAtText = 3;
    EXPECT_FALSE(Utfor_Utskrift([this] { standard(10); }));
    EXPECT_EQ(rec.last().state, State::Killed);
    ASSERT_EQ(forms::Headless().boxes.size(), 1u);
    EXPECT_EQ(forms::Headless().boxes[0].prompt, "Årsak :  Skriverfeil");

    rec.failAtText = 0;
    EXPECT_TRUE(Utfor_Utskrift([this] { standard(1); }));
    EXPECT_EQ(rec.last().state, State::Ended);
    EXPECT_EQ(rec.last().texts.front().text, "T");
}

} // namespace
