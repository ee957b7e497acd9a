// The printed match reports and the printout of deleted matches, read back
// from the recording printer.
#include "Fixture.h"

#include "import/VisDuplikater.h"
#include "matches/Dommer.h"
#include "matches/VisSletteData.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Recording.h"
#include "qtview/PrinterBackend.h"
#include "state/ProgramState.h"

namespace kamptest {
namespace {

using State = printer::RecordedDocument::State;

// 8-point lines are 1 % of the page, 10-point lines 2 %.
class Utskrift : public KampTest {
protected:
    void SetUp() override {
        KampTest::SetUp();
        printer::ResetPrinter();
        rec.page = {12000, 11000, 11000, 10000};
        rec.lineHeights = {{8, 100}, {10, 200}};
        state::Turnering_Navn = "NM i Boccia";
    }
    void TearDown() override {
        printer::ResetPrinter();
        KampTest::TearDown();
    }
    Dommer& vis() {
        auto& f = forms::Default<Dommer>();
        f.Show();
        return f;
    }
    // The texts of one printed line (same page and Y), as "x:text".
    static std::vector<std::string> linje(const printer::RecordedDocument& d, const printer::PrintedText& start) {
        std::vector<std::string> ut;
        for (const auto& t : d.texts)
            if (t.page == start.page && t.y == start.y) ut.push_back(std::to_string(int(t.x)) + ":" + t.text);
        return ut;
    }
    printer::RecordingBackend& rec = printer::Recorder();
};

TEST_F(Utskrift, OneRefereeListTakesItsTitleFromTheRegisterAndPrintsNoNulls) {
    dommer(12, "Kari", "Ås");
    for (long s = 1; s <= 100; ++s) kamp({.nr = 12, .sekvens = s, .turnering = "Norgesmesterskapet i Boccia 2026"});
    kamp({.nr = 12, .sekvens = 101, .hlag = "", .hp = std::nullopt, .bp = std::nullopt, .typespill = "Curling"});
    state::DBase.Execute("Update Dommertabell Set Dommer_BLag = Null, Turneringsdato = Null Where SekvensNR = 101");
    kamp({.nr = 12, .sekvens = 102, .status = 3});
    Dommer& f = vis();
    skriv(f.Text4, "12kr");
    skriv(f.Text1, "Annen");
    skriv(f.Text2, "Dommer");
    f.SSCommand4.UserClick();
    EXPECT_TRUE(bokser().empty());
    const auto& d = rec.last();
    EXPECT_EQ(d.state, State::Ended);
    ASSERT_TRUE(d.find("Kampliste for dommer  : Kari Ås"));
    EXPECT_EQ(d.find("NM i Boccia")->scaleY, 5);
    // Row numbers 9, 10 and 100 at their digit-count positions.
    EXPECT_EQ(d.find(" 9 ")->x, 1050);
    EXPECT_EQ(d.find(" 10 ")->x, 970);
    EXPECT_EQ(d.find(" 100 ")->x, 890);
    EXPECT_EQ(linje(d, *d.find(" 1 ")),
              (std::vector<std::string>{"1050: 1 ", "1400:1. mai 2026", "3100:Norgesmesterskapet i", "5200:Boc",
                                        "6200:A", "8000:B", "9800:1 - 2"}));
    EXPECT_EQ(linje(d, *d.find(" 101 ")), (std::vector<std::string>{"890: 101 ", "3100:Cup",
                                                                    "5200:Cur", "9800: - "}));
    EXPECT_FALSE(d.find(" 102 "));
    EXPECT_EQ(d.startingWith("Side ").size(), static_cast<size_t>(d.pages));
    EXPECT_GT(d.pages, 1);
}

TEST_F(Utskrift, OneRefereeListWithAnEmptyBoxPrintsNothing) {
    Dommer& f = vis();
    f.SSCommand4.UserClick();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Ingen dommer valgt, velg først en dommer og prøv på nytt! ");
    EXPECT_EQ(b[0].title, "Utskrift dommerrapport");
    EXPECT_TRUE(rec.documents.empty());
}

TEST_F(Utskrift, AllRefereeReportNumbersEachRefereesMatchesFromOne) {
    dommer(3, "Ola", "Nordmann");
    dommer(150, "Per", "Uten");
    dommer(42, "Kari", "Ås");
    for (long s = 1; s <= 10; ++s) kamp({.nr = 3, .sekvens = s});
    kamp({.nr = 42, .sekvens = 11});
    vis().SSCommand7.UserClick();
    const auto& d = rec.last();
    EXPECT_EQ(d.state, State::Ended);
    EXPECT_TRUE(d.find("Dommerrapport over dømte kamper per dommer:"));
    EXPECT_EQ(d.find(" 3 ")->x, 1080);
    EXPECT_EQ(d.find(" 150 ")->x, 920);
    EXPECT_EQ(d.find(" 42 ")->x, 1000);
    // Referee 150 has no match: his line stands alone, and referee 42's first match is numbered 1 again.
    const auto enere = d.startingWith(" 1 ");
    ASSERT_EQ(enere.size(), 2u);
    EXPECT_EQ(enere[0].x, 1800);
    EXPECT_EQ(d.find(" 10 ")->x, 1720);
    EXPECT_EQ(linje(d, enere[1]),
              (std::vector<std::string>{"1800: 1 ", "2200:1. mai 2026", "3900:Cup", "5700:Boc", "6400:A", "8200:B",
                                        "10100:1 - 2"}));
    EXPECT_TRUE(d.find("Side 1"));
}

TEST_F(Utskrift, AllRefereeReportCutsTextsByCharactersNotBytes) {
    // 23 characters in 25 bytes stay whole, 24 lose the last; a date of 21 characters is cut to 20.
    dommer(5, "Ola", "Nordmann");
    kamp({.nr = 5, .sekvens = 1, .turnering = "Åpent stevne på Ørland", .dato = "1. mai 2026, søndag!!",
          .hlag = "Bjørnstad og Ås Idretts", .blag = "Bjørnstad og Ås Idrettsl"});
    vis().SSCommand7.UserClick();
    const auto& d = rec.last();
    EXPECT_EQ(linje(d, *d.find(" 1 ")),
              (std::vector<std::string>{"1800: 1 ", "2200:1. mai 2026, søndag!", "3900:Åpent stevne på Ørland", "5700:Boc",
                                        "6400:Bjørnstad og Ås Idretts", "8200:Bjørnstad og Ås Idretts", "10100:1 - 2"}));
}

TEST_F(Utskrift, DeletedMatchesPrintAtTheirPositionsAndTheUserIsTold) {
    kamp({.nr = 7, .sekvens = 5, .status = 3, .typespill = "Boccia", .fnavn = "Ola", .slettet = "8. des 2026"});
    kamp({.nr = 42, .sekvens = 123, .status = 3, .hp = std::nullopt});
    kamp({.nr = 42, .sekvens = 124});
    Print_Slettede_Data();
    const auto& d = rec.last();
    EXPECT_EQ(d.state, State::Ended);
    EXPECT_TRUE(d.find("Dato for utskrift: 8, desember 2026"));
    EXPECT_EQ(linje(d, *d.find(" 7 ")), (std::vector<std::string>{"980: 7 ", "1350: 5 ", "1700:Ola", "5000:Bo",
                                                                  "5500:A", "6800:B", "8100: 1 ", "8600: 2 ",
                                                                  "9100:8. des 2026"}));
    EXPECT_EQ(linje(d, *d.find(" 42 ")), (std::vector<std::string>{"880: 42 ", "1150: 123 ", "5000:Bo", "5500:A",
                                                                   "6800:B", "8600: 2 "}));
    EXPECT_FALSE(d.find(" 124 "));
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Rapport oversendt printer for utskrift!");
    EXPECT_EQ(b[0].style, forms::vbExclamation);
}

TEST_F(Utskrift, DeletedRowsSavedAsPdfWithoutAPrinterAreNotToldAsSentToOne) {
    kamp({.nr = 7, .sekvens = 5, .status = 3});
    qtview::QtPrinterBackend pdf;
    pdf.setInstalledPrinters([] { return QStringList{}; });
    printer::SetBackend(&pdf);
    Print_Slettede_Data();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Ingen skriver er installert. Utskriften er lagret som PDF-fil:\r" + pdf.lastPdf().toStdString());
    EXPECT_EQ(pdf.lastPdf().toStdString().rfind(dir.file("Dommerrapport/"), 0), 0u) << pdf.lastPdf().toStdString();
    printer::SetBackend(nullptr);
}

TEST_F(Utskrift, DeletedWindowListsOnlyDeletedRowsWholeWithEmptyCellsForNulls) {
    kamp({.nr = 7, .sekvens = 5, .status = 3, .hp = std::nullopt, .typespill = "Boccia", .fnavn = "Ola"});
    kamp({.nr = 7, .sekvens = 6});
    auto& w = forms::Default<VisSletteData>();
    w.Show();
    EXPECT_EQ(rader(w.MSFlexGrid1), (std::vector<std::string>{"7|5|Ola||1. mai 2026|Cup|Boccia|A|B||2|"}));
    EXPECT_EQ(w.Top(), 1700);
    // The same client area as the duplicates window, whose grid is as wide.
    auto& d = forms::Default<VisDuplikater>();
    EXPECT_EQ(std::pair(w.Width(), w.Height()), std::pair(d.Width(), d.Height()));
}

TEST_F(Utskrift, AFailingPrintIsKilledToldAndTheProgramGoesOn) {
    dommer(3, "Ola", "Nordmann");
    kamp({.nr = 3, .sekvens = 1});
    rec.failAtText = 6;
    Print_Slettede_Data();
    vis().SSCommand7.UserClick();
    ASSERT_EQ(rec.documents.size(), 2u);
    for (const auto& d : rec.documents) EXPECT_EQ(d.state, State::Killed);
    const auto b = bokser();
    ASSERT_EQ(b.size(), 2u);
    for (const auto& m : b) EXPECT_EQ(m.prompt.rfind("Årsak :  ", 0), 0u) << m.prompt;
}

} // namespace
} // namespace kamptest
