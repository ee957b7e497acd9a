#include <gtest/gtest.h>

#include "platform/printer/Printer.h"
#include "platform/printer/Recording.h"
#include "platform/vb/Err.h"

using printer::Printer;
using State = printer::RecordedDocument::State;

namespace {

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        printer::ResetPrinter();
        rec.page = {12000, 16000, 11000, 10000};
        rec.lineHeights = {{8, 100}, {10, 200}};
        rec.charWidth = 10;
    }
    void TearDown() override { printer::ResetPrinter(); }
    printer::RecordingBackend& rec = printer::Recorder();
};

TEST_F(PrinterTest, ValuesPrintAsTheRuntimePrintsThem) {
    struct Case { vb::Variant value; std::string printed; };
    const Case cases[] = {
        {vb::Variant::Integer(7), " 7 "},
        {vb::Variant::Long(123), " 123 "},
        {vb::Variant::Integer(-3), "-3 "},
        {vb::Variant(1.5), " 1.5 "},
        {vb::Variant("Ærlig Øst"), "Ærlig Øst"},
        {vb::Variant(" 0"), " 0"},
    };
    for (const auto& c : cases) Printer.Print(c.value);
    Printer.Print(vb::Null);
    Printer.EndDoc();
    ASSERT_EQ(rec.last().texts.size(), std::size(cases));   // Null printed nothing
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(rec.last().texts[i].text, cases[i].printed);
}

TEST_F(PrinterTest, StayingOnTheLineMovesXEndingItMovesYOneLine) {
    Printer.SetScaleHeight(100);                 // 100 twips a unit on a 10000-twip page
    Printer.SetCurrentY(4);
    Printer.SetFontSize(8);
    Printer.SetCurrentX(1000);
    Printer.Print("abc", printer::Stay);
    EXPECT_DOUBLE_EQ(Printer.CurrentX(), 1000 + 3 * 8 * 10);
    EXPECT_DOUBLE_EQ(Printer.CurrentY(), 4);
    Printer.Print("d");
    EXPECT_DOUBLE_EQ(Printer.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(Printer.CurrentY(), 5);
    Printer.SetFontSize(10);
    Printer.Print();                             // an empty line, at the size in force
    EXPECT_DOUBLE_EQ(Printer.CurrentY(), 7);
    EXPECT_DOUBLE_EQ(Printer.TextHeight("x"), 2);
    Printer.EndDoc();

    const auto& t = rec.last().texts;
    ASSERT_EQ(t.size(), 2u);
    EXPECT_DOUBLE_EQ(t[0].x, 1000);
    EXPECT_DOUBLE_EQ(t[0].y, 400);               // twips to the backend
    EXPECT_DOUBLE_EQ(t[0].scaleY, 4);
    EXPECT_DOUBLE_EQ(t[1].x, 1240);
}

TEST_F(PrinterTest, ScaleHeightReadsTwipsUntilSetAndTwipsModeDropsTheScale) {
    EXPECT_EQ(Printer.ScaleMode(), printer::vbTwips);
    EXPECT_DOUBLE_EQ(Printer.ScaleHeight(), 10000);
    Printer.SetScaleHeight(100);
    EXPECT_EQ(Printer.ScaleMode(), printer::vbUser);
    Printer.SetCurrentY(50);
    Printer.SetScaleMode(printer::vbTwips);
    EXPECT_DOUBLE_EQ(Printer.CurrentY(), 5000);  // the same place on the page
    EXPECT_DOUBLE_EQ(Printer.ScaleWidth(), 11000);
    EXPECT_DOUBLE_EQ(Printer.Width(), 12000);
    EXPECT_DOUBLE_EQ(Printer.Height(), 16000);
}

TEST_F(PrinterTest, FontStateTravelsWithEveryText) {
    Printer.SetFontBold(true);
    Printer.SetFontUnderline(true);
    Printer.SetFontSize(8);
    Printer.Print("Nr", printer::Stay);
    Printer.SetFontBold(false);
    Printer.SetFontUnderline(false);
    Printer.Print("7");
    Printer.EndDoc();
    const auto& t = rec.last().texts;
    EXPECT_TRUE(t[0].font.Bold && t[0].font.Underline);
    EXPECT_FALSE(t[1].font.Bold || t[1].font.Underline);
    EXPECT_EQ(t[1].font.Size, 8);
    EXPECT_EQ(t[1].font.Name, "Arial");
}

TEST_F(PrinterTest, PagesCountWithinADocumentAndStartAgainAfterIt) {
    EXPECT_EQ(Printer.Page(), 1);
    Printer.Print("a");
    Printer.NewPage();
    EXPECT_DOUBLE_EQ(Printer.CurrentY(), 0);
    Printer.Print("b");
    EXPECT_EQ(Printer.Page(), 2);
    Printer.EndDoc();
    EXPECT_EQ(Printer.Page(), 1);
    EXPECT_EQ(rec.last().pages, 2);
    EXPECT_EQ(rec.last().find("b")->page, 2);
    EXPECT_EQ(rec.last().state, State::Ended);
}

TEST_F(PrinterTest, ALineThatWouldPassTheBottomStartsANewPage) {
    Printer.SetFontSize(10);                     // 200 twips a line on a 10000-twip page
    Printer.SetCurrentY(9800);
    Printer.Print("fits");                       // 9800 + 200 = the bottom exactly
    Printer.Print("next");
    Printer.EndDoc();
    EXPECT_EQ(rec.last().find("fits")->page, 1);
    EXPECT_EQ(rec.last().find("next")->page, 2);
    EXPECT_DOUBLE_EQ(rec.last().find("next")->y, 0);
}

TEST_F(PrinterTest, AColumnBrokenOntoANewPageKeepsItsX) {
    Printer.SetFontSize(10);
    Printer.SetCurrentY(9900);
    Printer.SetCurrentX(4000);
    Printer.Print("kolonne");
    Printer.EndDoc();
    EXPECT_EQ(rec.last().find("kolonne")->page, 2);
    EXPECT_DOUBLE_EQ(rec.last().find("kolonne")->x, 4000);
}

TEST_F(PrinterTest, EndingOrKillingWithoutOutputSendsNothing) {
    Printer.EndDoc();
    Printer.KillDoc();
    EXPECT_TRUE(rec.documents.empty());
}

TEST_F(PrinterTest, AFailingRunIsKilledAndTheNextRunIsADocumentOfItsOwn) {
    rec.failAtText = 2;
    EXPECT_THROW(printer::RunDocument([] {
                     Printer.Print("first");
                     Printer.Print("second");            // the printer fails here
                     Printer.EndDoc();
                 }),
                 vb::Err);
    EXPECT_FALSE(Printer.DocumentOpen());
    rec.failAtText = 0;
    printer::RunDocument([] {
        Printer.Print("again");
        Printer.EndDoc();
    });
    ASSERT_EQ(rec.documents.size(), 2u);
    EXPECT_EQ(rec.documents[0].state, State::Killed);
    EXPECT_EQ(rec.documents[1].state, State::Ended);
    ASSERT_EQ(rec.documents[1].texts.size(), 1u);
    EXPECT_EQ(rec.documents[1].texts[0].text, "again");
}

TEST_F(PrinterTest, ARunThatForgetsItsEndIsKilledNotMerged) {
    printer::RunDocument([] { Printer.Print("half"); });
    EXPECT_EQ(rec.last().state, State::Killed);
    EXPECT_FALSE(Printer.DocumentOpen());
}

TEST_F(PrinterTest, EveryDocumentStartsFromThePrintersDefaults) {
    const struct {
        const char* how;
        bool printBefore, fail;
    } ends[] = {
        {"killed inside the heading", true, true},
        {"failed before its first output", false, true},
        {"ended", true, false},
    };
    for (const auto& e : ends) {
        rec.documents.clear();
        try {
            printer::RunDocument([&] {
                Printer.SetScaleHeight(100);
                Printer.SetFontSize(8);
                Printer.SetFontBold(true);
                Printer.SetFontUnderline(true);
                Printer.SetFontName("Courier");
                if (e.printBefore) Printer.Print("Nr.", printer::Stay);
                if (e.fail) vb::Raise(482);
                Printer.EndDoc();
            });
        } catch (const vb::Err&) {
        }
        printer::RunDocument([] {
            Printer.Print("Neste tittel");
            Printer.EndDoc();
        });
        const printer::PrintedText& title = rec.last().texts.at(0);
        EXPECT_EQ(title.font, printer::Font{}) << e.how;
        EXPECT_EQ(Printer.ScaleMode(), printer::vbTwips) << e.how;
    }
}

TEST_F(PrinterTest, AZeroOrNegativeSizeIsRefused) {
    for (double bad : {0.0, -8.0}) {
        try {
            Printer.SetFontSize(bad);
            FAIL() << bad;
        } catch (const vb::Err& e) {
            EXPECT_EQ(e.Number, 380);
        }
    }
    EXPECT_THROW(Printer.SetScaleHeight(0), vb::Err);
}

} // namespace
