#include "Rapportfixtur.h"

#include "reports/Rapporter.h"
#include "reports/Search_Data.h"
#include "state/ProgramState.h"

namespace rapporttest {
namespace {

class SokTest : public RapportTest {
protected:
    void SetUp() override {
        RapportTest::SetUp();
        leggInn({.nr = 7, .fnavn = "Kari", .enavn = "Nordmann", .lag = "Bergen BK", .boccia = true,
                 .flagg = {"KlB_Dommer2", "KlB_Aspirant1"}});
        leggInn({.nr = 42, .fnavn = "MARIANNE", .enavn = "Øvrebø", .lag = "Oslo BK", .curling = true,
                 .flagg = {"KlC_Dommer3"}});
        leggInn({.nr = 123, .fnavn = "Anne", .enavn = "Kari", .lag = "Bergen CK", .boccia = true, .curling = true,
                 .flagg = {"KlB_Overdommer"}});
        leggInn({.nr = 5, .lag = "Bergen", .nullNavn = true});
    }

    // The grid's rows as tab-joined texts.
    static std::vector<std::string> rader() {
        auto& g = forms::Default<Search_Data>().MSFlexGrid1;
        std::vector<std::string> ut;
        for (int r = 0; r < g.Rows(); ++r) {
            std::string rad;
            for (int c = 0; c < g.Cols(); ++c) rad += (c ? "|" : "") + g.TextMatrix(r, c);
            ut.push_back(rad);
        }
        return ut;
    }
    // The search buttons show in the register's new-referee mode.
    static Dommere_Init& sokeregister() {
        auto& reg = forms::Default<Dommere_Init>();
        reg.Show();
        reg.Option1.SetValue(true);
        return reg;
    }
    void navn(const std::string& f, const std::string& l) {
        auto& reg = sokeregister();
        reg.Text1.SetText(f);
        reg.Text2.SetText(l);
        reg.SSCommand4.UserClick();
    }
};

TEST_F(SokTest, NameSearchFindsThePatternAnywhereWithoutRegardToCase) {
    struct Case { std::string f, l; std::vector<std::string> nr; std::string resultat; };
    const Case cases[] = {
        {"ari", "", {"7", "42"}, "Resultat fra søk på Fornavn: ari"},
        {"ANNE", "", {"42", "123"}, "Resultat fra søk på Fornavn: ANNE"},
        {"", "kari", {"123"}, "Resultat fra søk på Etternavn: kari"},
        {"", "ØVRE", {"42"}, "Resultat fra søk på Etternavn: ØVRE"},
        {"ari", "nord", {"7"}, "Resultat fra søk på Fornavn: ari, Etternavn: nord"},
        {"Kari ", "", {}, "Resultat fra søk på Fornavn: Kari "},   // a trailing blank is part of the pattern
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.resultat);
        navn(c.f, c.l);
        std::vector<std::string> nr;
        for (const auto& r : rader()) nr.push_back(r.substr(0, r.find('|')));
        EXPECT_EQ(nr, c.nr);
        EXPECT_EQ(forms::Default<Search_Data>().Label1.Caption(), c.resultat);
        EXPECT_EQ(state::SokKlubb, 0);
        forms::Default<Search_Data>().SSCommand1.UserClick();   // Avslutt: the next search starts empty
    }
}

TEST_F(SokTest, EmptyInputIsToldAndStillSetsTheSearchKind) {
    auto& reg = sokeregister();
    reg.SSCommand5.UserClick();
    reg.SSCommand4.UserClick();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].prompt, "Ingen lag/klubb angitt for søking!\rAngi ønsket søke-data og prøv på nytt!");
    EXPECT_EQ(b[1].prompt, "Ingen navn angitt for søking!\rAngi ønsket søke-data og prøv på nytt!");
    EXPECT_EQ(state::SokKlubb, 0);
    EXPECT_FALSE(forms::IsLoaded<Search_Data>());
    reg.SSCommand5.UserClick();
    EXPECT_NE(state::SokKlubb, 0);
}

TEST_F(SokTest, ClubSearchShowsGameAndClassesAndKeepsEarlierResults) {
    navn("Anne", "");
    state::DBase.Execute("Insert Into Dommere (Dommer_Lag) Values ('Bergen uten nummer')");
    auto& reg = sokeregister();
    reg.Text3.SetText("bergen");
    reg.SSCommand5.UserClick();
    EXPECT_EQ(rader(), (std::vector<std::string>{
                           "42|MARIANNE|Øvrebø|Oslo BK|Curling||",
                           "123|Anne|Kari|Bergen CK|Boccia & Curling||",
                           "7|Kari|Nordmann|Bergen BK|Boccia|Forbundsdommer 2|",   // the first set flag
                           "123|Anne|Kari|Bergen CK|Boccia & Curling||",            // Overdommer is no class here
                           "5|||Bergen|||",
                           "|||Bergen uten nummer|||",   // a Null number is an empty cell
                       }));
    EXPECT_EQ(forms::Default<Search_Data>().Label1.Caption(), "Resultat fra søk på klubb/lag: bergen");
    EXPECT_EQ(forms::Default<Search_Data>().MSFlexGrid1.ColWidth(3), 2000);
}

TEST_F(SokTest, ThePrintPlacesNumbersAndClassesAndLeavesTheLastPrintedSelected) {
    auto& reg = sokeregister();
    reg.Text3.SetText("B");
    reg.SSCommand5.UserClick();
    reg.Text3.SetText("Endret");   // the title reads the box as it stands now
    forms::Default<Search_Data>().SSCommand2.UserClick();
    EXPECT_EQ(doc().texts[0].text, "Norges Valmorisk - Resultat fra søk på lag/klubb: Endret");
    EXPECT_EQ(doc().texts[0].x, 900);
    struct Case { std::string nr; double x; std::string boccia; double bx; std::string curling; double cx; };
    const Case cases[] = {
        {" 7 ", 1060, "Forb.dommer 2", 7700, "-", 8550},
        {" 42 ", 950, "-", 7750, "Forb.dommer 3", 8950},
        {" 123 ", 850, "-", 7750, "-", 8550},
        {" 5 ", 1060, "-", 7750, "-", 8550},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nr);
        const auto* t = doc().find(c.nr);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->x, c.x);
        // The Null names of referee 5 print nothing.
        const size_t boccia = static_cast<size_t>(t - doc().texts.data()) + (c.nr == " 5 " ? 2 : 4);
        EXPECT_EQ(doc().texts[boccia].text, c.boccia);
        EXPECT_EQ(doc().texts[boccia].x, c.bx);
        EXPECT_EQ(doc().texts[boccia + 1].text, c.curling);
        EXPECT_EQ(doc().texts[boccia + 1].x, c.cx);
    }
    EXPECT_EQ(doc().startingWith("Side").size(), 0u);   // one page: no footer
    EXPECT_EQ(state::ValgtDommer, 5);
}

TEST_F(SokTest, ARefereeRemovedSinceTheSearchIsLeftOut) {
    navn("a", "");
    state::DBase.Execute("Delete from Dommere where DommerNR = 123");
    forms::Default<Search_Data>().SSCommand2.UserClick();
    EXPECT_EQ(doc().find(" 123 "), nullptr);
    EXPECT_NE(doc().find(" 42 "), nullptr);
    EXPECT_EQ(state::ValgtDommer, 42);   // the last one printed
    EXPECT_EQ(forms::Default<Search_Data>().MSFlexGrid1.Row(), 2);
}

TEST_F(SokTest, WithTheRegisterWindowClosedThePrintReadsEmptyBoxes) {
    auto& reg = sokeregister();
    reg.Text3.SetText("Oslo");
    reg.SSCommand5.UserClick();
    reg.SSCommand1.UserClick();   // "Ferdig"; the search window stays open
    ASSERT_FALSE(forms::IsLoaded<Dommere_Init>());
    forms::Default<Search_Data>().SSCommand2.UserClick();
    EXPECT_EQ(doc().texts[0].text, "Norges Valmorisk - Resultat fra søk på lag/klubb: ");
    EXPECT_NE(doc().find(" 42 "), nullptr);
}

// Title 4-6, blank 6-8, heading 8-9, rows from 9: the 84th row ends past 92.
TEST_F(SokTest, ALongResultBreaksPagesLikeTheOtherLists) {
    for (int i = 0; i < 28; ++i) navn("a", "");   // 3 rows each: 84 rows
    forms::Default<Search_Data>().SSCommand2.UserClick();
    ASSERT_EQ(doc().pages, 2);
    EXPECT_EQ(doc().find("Side 1")->page, 1);
    EXPECT_EQ(doc().onPage(2)[0].text, "D.Nr.");
    EXPECT_DOUBLE_EQ(doc().onPage(2)[0].scaleY, 5);
    EXPECT_EQ(doc().find("Side 2")->page, 2);
}

} // namespace
} // namespace rapporttest
