// The printout of the export file, as the recording printer received it.
#include <algorithm>

#include "platform/printer/Printer.h"
#include "platform/printer/Recording.h"
#include "platform/vb/Strings.h"
#include "ranking/Eksport.h"
#include "ranking/RankingfilFixture.h"
#include "state/ProgramState.h"

namespace rankfiltest {
namespace {

using V = vb::Variant;
using printer::PrintedText;

class EksportUtskriftTest : public RankingfilTest {
public:
    void SetUp() override {
        RankingfilTest::SetUp();
        printer::ResetPrinter();
        state::Turnering_Navn = "Norges Valmorisk";
    }
    void TearDown() override {
        printer::ResetPrinter();
        RankingfilTest::TearDown();
    }
    // Exports and answers Yes to the printout.
    const printer::RecordedDocument& skrivUt() {
        svar({forms::vbOK, forms::vbYes});
        Lag_Rankingliste_For_Klubbene();
        return printer::Recorder().last();
    }
    // The texts of the line that holds text t.
    static std::vector<PrintedText> linje(const printer::RecordedDocument& d, const std::string& t) {
        const PrintedText* p = d.find(t);
        EXPECT_NE(p, nullptr) << t;
        std::vector<PrintedText> ut;
        if (!p) return ut;
        for (const auto& x : d.texts)
            if (x.page == p->page && x.y == p->y) ut.push_back(x);
        return ut;
    }
    static double xAv(const std::vector<PrintedText>& l, const std::string& t) {
        const auto i = std::find_if(l.begin(), l.end(), [&](const PrintedText& x) { return x.text == t; });
        return i == l.end() ? -1 : i->x;
    }
};

TEST_F(EksportUtskriftTest, PrintsTheTitleBlockHeadingsAndEveryEntryInListOrder) {
    state::DBase.Execute("Update Ranking_KlData Set LagSpill = True, IndiSpill = True Where KlasseNr = 12");
    state::DBase.Execute("Update Ranking_KlData Set IndiSpill = True Where KlasseNr = 5");
    leggInn({{V::Integer(1), V::Integer(0), V::Integer(3), "Trukket", "Tre", "K", V::Integer(5), "Egen"},
             {V::Integer(2), V::Integer(105), V::Integer(0), "Abcdefghijklmnopqrstuvwxyz", "E", "K", V::Integer(5), "Egen"},
             {V::Integer(1), V::Integer(7), V::Integer(0), "Lag", "Tolv", "K", V::Integer(12), "Klasse 12"},
             {V::Integer(1), V::Integer(1), V::Integer(0), "Lag", "Tjueen", "K", V::Integer(21), "Klasse 21"}});
    const auto& d = skrivUt();
    ASSERT_EQ(d.state, printer::RecordedDocument::State::Ended);

    const PrintedText* tittel = d.find("Rankingliste");
    ASSERT_NE(tittel, nullptr);
    EXPECT_EQ(tittel->x, 500);
    EXPECT_EQ(tittel->y, 500);
    EXPECT_TRUE(tittel->font.Bold);
    EXPECT_EQ(tittel->font.Size, 16);
    for (const char* t : {"Utgiver                    : Norges Valmorisk", "Dato Rankingliste    : 8. desember 2026",
                          "Navn Rankingliste   : RankingListe.rlt"}) {
        const PrintedText* p = d.find(t);
        ASSERT_NE(p, nullptr) << t;
        EXPECT_EQ(p->x, 500);
        EXPECT_EQ(p->font.Size, 10);
        EXPECT_FALSE(p->font.Bold);
    }
    const auto overskrift = linje(d, "LNr.");
    const std::vector<std::pair<std::string, double>> kolonner{{"LNr.", 300},   {"Fornavn/Lag", 700}, {"Etternavn", 2300},
                                                               {"Klubb", 3900}, {"Rank Nr", 5300},    {"Tr. Nr", 6000},
                                                               {"Klasse", 6600}, {"TypeSpill", 8100}};
    ASSERT_EQ(overskrift.size(), kolonner.size());
    for (size_t i = 0; i < kolonner.size(); ++i) {
        EXPECT_EQ(overskrift[i].text, kolonner[i].first);
        EXPECT_EQ(overskrift[i].x, kolonner[i].second);
        EXPECT_TRUE(overskrift[i].font.Underline);
        EXPECT_EQ(overskrift[i].font.Size, 8);
    }

    // Within list 5 the entry without a drawn number comes first; its name is cut to 22 characters.
    const auto forste = linje(d, "Abcdefghijklmnopqrstuv");
    EXPECT_EQ(xAv(forste, " 5 "), 350);
    EXPECT_EQ(xAv(forste, " 105 "), 5440);
    EXPECT_EQ(xAv(forste, "Klasse 5"), 6600);   // the list's name, not the entry's own
    EXPECT_EQ(xAv(forste, "BOCCIA"), 8100);
    EXPECT_EQ(xAv(forste, "SENIOR"), 9000);
    EXPECT_EQ(xAv(forste, "Individuelt"), 9800);
    const auto trukket = linje(d, "Trukket");
    EXPECT_EQ(xAv(trukket, " 3 "), 6150);
    EXPECT_EQ(trukket.size(), 9u);   // no ranking number printed
    EXPECT_GT(trukket[0].y, forste[0].y);
    const auto tolv = linje(d, "Tolv");
    EXPECT_EQ(xAv(tolv, " 12 "), 260);
    EXPECT_EQ(xAv(tolv, " 7 "), 5540);
    EXPECT_EQ(xAv(tolv, "LagSpill"), 9800);
    EXPECT_GT(tolv[0].y, trukket[0].y);
    EXPECT_EQ(xAv(linje(d, "Tjueen"), "-"), 9800);
    EXPECT_TRUE(bokser().size() == 2);   // saved, and the question; no error
}

TEST_F(EksportUtskriftTest, AnEmptyExportPrintsItsTitleBlockAndHeadings) {
    const auto& d = skrivUt();
    EXPECT_EQ(d.state, printer::RecordedDocument::State::Ended);
    EXPECT_NE(d.find("Dato Rankingliste    : "), nullptr);
    EXPECT_NE(d.find("TypeSpill"), nullptr);
    EXPECT_EQ(bokser().size(), 2u);
}

TEST_F(EksportUtskriftTest, ALongListGoesOnOnNewPagesFromTheTopMargin) {
    std::vector<Post> poster;
    for (int i = 1; i <= 200; ++i)
        poster.push_back({V::Integer(i), V::Integer(i), V::Integer(0), "Navn " + std::to_string(i), "E", "K", V::Integer(1), "K"});
    leggInn(poster);
    const auto& d = skrivUt();
    ASSERT_GE(d.pages, 2);
    const auto side2 = d.onPage(2);
    ASSERT_FALSE(side2.empty());
    EXPECT_EQ(side2.front().y, 500);
    for (const auto& t : d.texts) EXPECT_LE(t.y + 180, printer::Recorder().page.printableHeight) << t.text;
    EXPECT_NE(d.find("Navn 200"), nullptr);
}

TEST_F(EksportUtskriftTest, APrinterFailureIsToldAndNothingIsPrinted) {
    leggInn({{V::Integer(1), V::Integer(1), V::Integer(0), "A", "B", "C", V::Integer(1), "K"}});
    printer::Recorder().failAtText = 3;
    const auto& d = skrivUt();
    EXPECT_EQ(d.state, printer::RecordedDocument::State::Killed);
    const auto b = bokser();
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[2].title, "Feil ved opprettelse av ny database med Rankingliste");
    EXPECT_EQ(b[2].prompt.rfind("Årsak :  ", 0), 0u);
    EXPECT_TRUE(state::DBaseRanking.IsNothing());
}

} // namespace
} // namespace rankfiltest
