#include "Rapportfixtur.h"

#include "reports/Rapporter.h"
#include "state/ProgramState.h"

namespace rapporttest {
namespace {

class RegistrerteTest : public RapportTest {
protected:
    void SetUp() override {
        RapportTest::SetUp();
        leggInn({.nr = 7, .fnavn = "Anne", .enavn = "Berg", .lag = "Oslo BK", .boccia = true, .flagg = {"KlB_Dommer1"},
                 .tekster = {{"Dommer_DatoDKurs", "01.02.2020"}, {"Dommer_DatoOppdBocKurs", "03.04.2022"},
                             {"Dommer_DatoOppdCurKurs", "05.06.2023"}}});
        leggInn({.nr = 42, .fnavn = "Bjørn", .enavn = "Ås", .curling = true, .flagg = {"KlC_Dommer3", "KlC_Overdommer"}});
        leggInn({.nr = 123, .fnavn = "Cecilie", .enavn = "Dahl", .boccia = true, .curling = true});
        leggInn({.nr = 55, .fnavn = "Uten", .enavn = "Spill"});
        leggInn({.nr = 60, .fnavn = "Eva", .enavn = "Fjell", .boccia = true, .flagg = {"KlB_Overdommer", "KlB_Aspirant2"}});
        leggInn({.nr = 61, .fnavn = "Over", .enavn = "Dommer", .flagg = {"KlB_Overdommer"}});
    }

    // The referee numbers printed, in order (the texts at the number columns).
    std::vector<std::string> numre() {
        std::vector<std::string> ut;
        for (const auto& t : doc().texts)
            if (t.x == 1080 || t.x == 980 || t.x == 880) ut.push_back(t.text);
        return ut;
    }
};

TEST_F(RegistrerteTest, EveryTypeSelectsCountsAndTitlesWhatItPrints) {
    struct Case { int type; std::string tittel; std::vector<std::string> numre; std::string ingen; };
    const Case cases[] = {
        // Type 1 leaves out the referee of neither game, in the count too.
        {1, "Dommere for Boccia og Curling (4 stk)", {" 7 ", " 42 ", " 60 ", " 123 "}, ""},
        {2, "Registrerte Boccia dommere (3 stk)", {" 7 ", " 60 ", " 123 "}, ""},
        {3, "Registrerte Curling dommere (2 stk)", {" 42 ", " 123 "}, ""},
        {4, "Registrerte Forbundsdommere 3 for Curling (1 stk)", {" 42 "}, ""},
        {5, "", {}, "Ingen Forbundsdommer 1 for Curling funnet!"},
        {6, "", {}, "Ingen Aspirantdommer 1 for Curling funnet!"},
        {7, "Registrerte Forbundsdommere 1 for Boccia (1 stk)", {" 7 "}, ""},
        {8, "", {}, "Ingen Forbundsdommer 2 for Boccia funnet!"},
        {10, "", {}, "Ingen Aspirant 1 dommere for Boccia funnet!"},
        {11, "Registrerte Aspirantdommere 2 for Boccia (1 stk)", {" 60 "}, ""},
        // An Overdommer (61) is classified: not in the unclassified list.
        {13, "Norges Valmorisk - Uklassifiserte dommere (2 stk)", {" 55 ", " 123 "}, ""},
        {14, "Registrerte Overdommere for Boccia (2 stk)", {" 60 ", " 61 "}, ""},
        {15, "Registrerte Overdommere for Curling (1 stk)", {" 42 "}, ""},
    };
    register_();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        register_(c.type);
        rec.clear();
        Print_Registrerte_Dommere();
        const auto b = bokser();
        if (!c.ingen.empty()) {
            ASSERT_EQ(b.size(), 1u);
            EXPECT_EQ(b[0].prompt, c.ingen);
            EXPECT_EQ(b[0].style, forms::vbExclamation);
            EXPECT_TRUE(rec.documents.empty());
            continue;
        }
        ASSERT_TRUE(b.empty());
        std::vector<std::string> titler;
        for (const auto& t : doc().texts)
            if (t.font.Size == 10) titler.push_back(t.text);
        const std::vector<std::string> ventet =
            c.type == 13 ? std::vector<std::string>{c.tittel} : std::vector<std::string>{"Norges Valmorisk", c.tittel};
        EXPECT_EQ(titler, ventet);
        EXPECT_EQ(numre(), c.numre);
    }
}

TEST_F(RegistrerteTest, ARowPlacesItsColumnsCutsItsTextsAndMarksTheGamesOnlyInGameLists) {
    leggInn({.nr = 9, .fnavn = "Fornavnsomerfemogtjuetegn", .enavn = "Etternavnsomerfemogtjue",
             .lag = "Klubbnavnsomerfemogtjuet", .boccia = true, .curling = true,
             .tekster = {{"Dommer_DatoOppdCurKurs", "10. mars 2024"}}});
    register_(1);
    Print_Registrerte_Dommere();
    EXPECT_EQ(ved(1450), (std::vector<std::string>{"Fornavn", "Anne", "Fornavnsomerfemogtju", "Bjørn", "Eva", "Cecilie"}));
    EXPECT_EQ(ved(3000)[2], "Etternavnsomerfemo");
    EXPECT_EQ(ved(4500)[2], "Klubbnavnsomerfemogt");
    EXPECT_EQ(ved(6500), (std::vector<std::string>{"Dato Kurs", "01.02.2020"}));   // no date: nothing at 6500
    EXPECT_EQ(ved(7600), (std::vector<std::string>{"  Boc.     Curl."}));
    EXPECT_EQ(ved(7800).size(), 4u);   // 7, 9, 60, 123
    EXPECT_EQ(ved(8350).size(), 3u);   // 9, 42, 123
    EXPECT_EQ(ved(9850), (std::vector<std::string>{"05.06.2023", "10. mars 2024"}));
    const auto* sju = doc().find(" 7 ");
    EXPECT_EQ(sju->x, 1080);
    EXPECT_EQ(sju->font.Size, 8);
    EXPECT_FALSE(sju->font.Underline);
    EXPECT_TRUE(doc().find("Nr.")->font.Underline);

    register_(2);
    rec.clear();
    leggInn({.nr = 8, .fnavn = "Begge", .boccia = true, .curling = true, .flagg = {"KlB_Dommer1"}});
    register_(7);
    Print_Registrerte_Dommere();
    EXPECT_TRUE(ved(7600).empty());
    EXPECT_TRUE(ved(7800).empty());
    EXPECT_TRUE(ved(8350).empty());
}

// Title 4-8, blank line 8-10, heading 10-11, rows from 11: the 81st row ends at 92.
TEST_F(RegistrerteTest, ALongListBreaksPagesAndRepeatsOnlyTheHeading) {
    for (int nr = 200; nr < 200 + 82 - 3; ++nr) leggInn({.nr = nr, .fnavn = "F", .curling = true});
    register_(3);   // 42, 123 and the 79 new: 81 rows
    Print_Registrerte_Dommere();
    EXPECT_EQ(doc().pages, 1);
    EXPECT_DOUBLE_EQ(doc().find("Side 1")->scaleY, 95);

    leggInn({.nr = 999, .fnavn = "F", .curling = true});
    rec.clear();
    Print_Registrerte_Dommere();
    ASSERT_EQ(doc().pages, 2);
    const auto side2 = doc().onPage(2);
    ASSERT_EQ(side2.size(), 8u);   // the heading's seven texts and the footer
    EXPECT_EQ(side2[0].text, "Nr.");
    EXPECT_DOUBLE_EQ(side2[0].scaleY, 5);
    EXPECT_EQ(side2[7].text, "Side 2");
    EXPECT_DOUBLE_EQ(doc().find("Side 1")->scaleY, 94);
}

TEST_F(RegistrerteTest, APrinterErrorKillsTheListAndTellsTheUser) {
    register_(2);
    rec.failAtText = 12;
    Print_Registrerte_Dommere();
    EXPECT_EQ(rec.last().state, printer::RecordedDocument::State::Killed);
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Årsak :  Skriverfeil");
    EXPECT_FALSE(printer::Printer.DocumentOpen());
}

TEST_F(RegistrerteTest, TheButtonPrintsAndNoChosenTypeIsTold) {
    auto& f = register_();
    f.C_SkrivRapport.UserClick();
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_TRUE(rec.documents.empty());
    register_(3);
    f.C_SkrivRapport.UserClick();
    EXPECT_NE(doc().find("Registrerte Curling dommere (2 stk)"), nullptr);
}

} // namespace
} // namespace rapporttest
