// The printed reports of the last result file, read back from the recording printer.
#include "Fixture.h"

#include "import/HentDommerFil.h"
#include "import/Innlesing.h"
#include "import/Resultatutskrift.h"
#include "import/VisDuplikater.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Recording.h"
#include "state/ProgramState.h"

namespace importtest {
namespace {

class Resultatutskrift : public ImportTest {
protected:
    void SetUp() override {
        ImportTest::SetUp();
        printer::ResetPrinter();
        rec().lineHeights = {{8, 150}, {10, 200}};
    }
    void TearDown() override {
        printer::ResetPrinter();
        ImportTest::TearDown();
    }
    static printer::RecordingBackend& rec() { return printer::Recorder(); }
    // The texts of one printed line (same page and Y), as x -> text.
    static std::vector<std::pair<double, std::string>> linje(const printer::RecordedDocument& doc, const printer::PrintedText& t) {
        std::vector<std::pair<double, std::string>> ut;
        for (const auto& p : doc.texts)
            if (p.page == t.page && p.y == t.y) ut.emplace_back(p.x, p.text);
        return ut;
    }
};

TEST_F(Resultatutskrift, AfterAnImportDeclinedTheButtonsActOnTheChosenFile) {
    lesInn(lagFil("forste.dkv", {Kamp(1)}));
    Innhold andre;
    andre.turneringsnavn = "Vårcupen";
    andre.turneringsdato = "2. mai 2026";
    andre.filstatus = "0";
    andre.rader = {Kamp(77, "A", "B", 1, 1, "BOCCIA", "4")};
    const std::string sti = lagFil("andre.dkv", andre);
    bokser();
    forms::Headless().setNextAnswer(forms::vbNo);
    lesInn(sti);
    EXPECT_EQ(bokser().size(), 1u);
    HentDommerFil& vindu = forms::Default<HentDommerFil>();
    ASSERT_TRUE(vindu.SSCommand2.Visible());
    vindu.SSCommand2.UserClick();
    EXPECT_NE(rec().last().find("Dommerdata for Vårcupen"), nullptr);
    vindu.SSCommand4.UserClick();
    EXPECT_EQ(forms::Default<VisDuplikater>().MSFlexGrid1.TextMatrix(1, 0), "77");
    EXPECT_TRUE(bokser().empty());
}

TEST_F(Resultatutskrift, AFailedImportHidesThePrintButtonOfTheFileShownBefore) {
    lesInn(lagFil("forste.dkv", {Kamp(1)}));
    bokser();
    lesInn(datamappe + "/finnes_ikke.dkv");
    EXPECT_EQ(bokser().size(), 1u);
    EXPECT_FALSE(forms::Default<HentDommerFil>().SSCommand2.Visible());
}

TEST_F(Resultatutskrift, RowLinePlacesAndCutsEveryColumn) {
    const std::string navn30(30, 'f'), lag25(25, 'l');
    Rad lang = Kamp(123, lag25.c_str(), "Ørn", 12, 100, "Curling");
    lang[2] = navn30;
    lang[3] = navn30;
    Rad tom = Kamp(7, nullptr, nullptr, 3, 0, nullptr);
    for (size_t i : {2u, 3u, 11u}) tom[i].reset();
    state::DBase.Execute("Insert Into Dommere (DommerNR) Values (123)");
    lesInn(lagFil("r.dkv", {lang, tom, Kamp(42)}));
    Print_Dommerdata_Fil();
    const auto& doc = rec().last();
    EXPECT_EQ(doc.state, printer::RecordedDocument::State::Ended);
    const auto* sju = doc.find(" 7 ");
    ASSERT_NE(sju, nullptr);
    EXPECT_EQ(linje(doc, *sju), (std::vector<std::pair<double, std::string>>{{880, " 7 "}, {1200, " 1 "}, {9880, " 3 "}}));
    const auto* tolv = doc.find(" 42 ");
    ASSERT_NE(tolv, nullptr);
    EXPECT_EQ(tolv->x, 780);
    EXPECT_GT(tolv->y, sju->y);   // the row after an empty BPoeng starts on a line of its own
    const auto* stor = doc.find(" 123 ");
    ASSERT_NE(stor, nullptr);
    EXPECT_EQ(linje(doc, *stor), (std::vector<std::pair<double, std::string>>{{680, " 123 "},
                                                                              {1200, " 1 "},
                                                                              {1600, std::string(22, 'f')},
                                                                              {3300, std::string(20, 'f')},
                                                                              {4900, "Cur"},
                                                                              {5700, std::string(23, 'l')},
                                                                              {7500, "Ørn"},
                                                                              {9790, " 12 "},
                                                                              {10440, " 100 "}}));
}

TEST_F(Resultatutskrift, ContentReportListsEveryRowByNumberThenStatus) {
    lesInn(lagFil("alle.dkv", {Kamp(9, "A", "B", 1, 1, "BOCCIA", "4"), Kamp(2), Kamp(9), Kamp(77)}));
    Print_Dommerdata_Fil();
    const auto& doc = rec().last();
    ASSERT_NE(doc.find("Dommerdata for NM i Boccia"), nullptr);
    EXPECT_EQ(doc.find("Dato for turnering: 1. mai 2026")->font.Size, 8);
    EXPECT_EQ(doc.find("Status S betyr:")->x, 800);
    EXPECT_EQ(doc.find("S=4 (Post ikke lest, duplikat)")->x, 2400);
    EXPECT_TRUE(doc.find("HjemmeLag")->font.Underline);
    EXPECT_EQ(doc.find("BP")->x, 10500);
    std::vector<std::string> rekkefolge;
    for (const auto& t : doc.texts)
        if (t.x == 880 || t.x == 780 || t.x == 1200) rekkefolge.push_back(t.text);
    EXPECT_EQ(rekkefolge, (std::vector<std::string>{" 2 ", " 1 ", " 9 ", " 1 ", " 9 ", " 4 ", " 77 ", " 2 "}));
    EXPECT_NE(doc.find("Side 1"), nullptr);
}

TEST_F(Resultatutskrift, DuplicatesReportHasOnlyStatusFourAndItsHeadingOnEveryPage) {
    std::vector<Rad> rader;
    for (int i = 0; i < 300; ++i) rader.push_back(Kamp(1 + i % 20, "A", "B", 1, 1, "BOCCIA", i % 2 ? "4" : "1"));
    lesInn(lagFil("mange.dkv", rader));
    forms::Default<VisDuplikater>().Show();
    forms::Default<VisDuplikater>().SSCommand2.UserClick();
    const auto& doc = rec().last();
    EXPECT_EQ(doc.find("Duplikater for NM i Boccia")->x, 800);
    std::vector<std::string> statuser;
    for (const auto& t : doc.texts)
        if (t.x == 1200) statuser.push_back(t.text);
    EXPECT_EQ(statuser, std::vector<std::string>(150, " 4 "));
    ASSERT_GT(doc.pages, 1);
    for (int side = 1; side <= doc.pages; ++side) {
        int overskrifter = 0;
        for (const auto& t : doc.onPage(side)) overskrifter += t.text == "HPoeng";
        EXPECT_EQ(overskrifter, 1) << "side " << side;
    }
    EXPECT_EQ(doc.find("HjemmeLag"), nullptr);
}

TEST_F(Resultatutskrift, DuplicatesReportWithoutDuplicatesHasItsFrameOnly) {
    lesInn(lagFil("ingen.dkv", {Kamp(1)}));
    Print_Duplikater();
    const auto& doc = rec().last();
    EXPECT_NE(doc.find("BPoeng"), nullptr);
    EXPECT_NE(doc.find("Side 1"), nullptr);
    EXPECT_EQ(doc.startingWith(" 1 ").size(), 0u);
}

} // namespace
} // namespace importtest
