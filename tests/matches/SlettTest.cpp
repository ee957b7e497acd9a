// Soft deletion: only the match row the user picked, after the question.
#include "Fixture.h"

#include "matches/Dommer.h"
#include "matches/ValgtKamp.h"
#include "state/ProgramState.h"

namespace kamptest {
namespace {

constexpr const char* IngenValgt =
    "Ingen dommer eller kamp er valgt, velg først en dommer\rog deretter den kampen du ønsker å slette! ";

class Sletting : public KampTest {
protected:
    void SetUp() override {
        KampTest::SetUp();
        dommer(3, "Ola", "Nordmann");
        dommer(4, "Kari", "Ås");
        kamp({.nr = 3, .sekvens = 20, .turnering = "", .dato = "2. mai 2026", .fnavn = "Ola", .enavn = "Nordmann"});
        kamp({.nr = 3, .sekvens = 21});
        kamp({.nr = 4, .sekvens = 22});
        f = &forms::Default<Dommer>();
        f->Show();
    }
    void velgDommer(int rad) { f->MSFlexGrid2.UserClickCell(rad, 1); }
    long status(long sekvens) { return tall("Select Status From Dommertabell Where SekvensNR = ?", {vb::Variant::Long(sekvens)}); }
    std::string slettet(long sekvens) {
        dao::Recordset rs = state::DBase.OpenRecordset("Select DatoEndret From Dommertabell Where SekvensNR = ?",
                                                       dao::dbOpenSnapshot, {vb::Variant::Long(sekvens)});
        return vb::Concat(rs.Get(0), "");
    }
    Dommer* f = nullptr;
};

TEST_F(Sletting, ConfirmedDeletionMarksThePickedRowAndRefreshes) {
    velgDommer(1);
    f->MSFlexGrid1.UserClickCell(1, 3);
    forms::Headless().setNextAnswer(forms::vbYes);
    f->SSCommand3.UserClick();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Ønsker du å slette følgende: \rTurnering: , 2. mai 2026\rDommer: 3 Ola Nordmann\r"
                           "Sekvensnummer: 20\r\rBekreft at du vil slette!");
    EXPECT_EQ(b[0].style, forms::vbYesNo + forms::vbQuestion);
    EXPECT_EQ(b[0].title, "Slette Turnering");
    EXPECT_EQ(status(20), 3);
    EXPECT_EQ(slettet(20), "8. des 2026");
    EXPECT_EQ(status(21), 0);
    EXPECT_EQ(rader(f->MSFlexGrid1).size(), 1u);
    EXPECT_EQ(f->MSFlexGrid2.TextMatrix(1, 2), "1");

    // The same press again picks nothing.
    f->SSCommand3.UserClick();
    ASSERT_EQ(bokser().at(0).prompt, IngenValgt);
}

TEST_F(Sletting, DeletionRightAfterASaveListsTheRefereesMatchesAsTheyNowAre) {
    velgDommer(1);
    f->Text5.SetText("Vårcup");
    f->Text6.SetText("1. juni 2026");
    f->SSCheck1.SetValue(1);
    f->SSCommand2.UserClick();
    ASSERT_EQ(f->Text4.Text(), "");
    ASSERT_EQ(rader(f->MSFlexGrid1).size(), 3u);
    int ny = 1;
    while (f->MSFlexGrid1.TextMatrix(ny, 8) != "23") ++ny;
    f->MSFlexGrid1.UserClickCell(ny, 0);
    forms::Headless().setNextAnswer(forms::vbYes);
    f->SSCommand3.UserClick();
    EXPECT_EQ(status(23), 3);
    EXPECT_EQ(rader(f->MSFlexGrid1), (std::vector<std::string>{"1|2. mai 2026||boccia|A|B|1|2|20",
                                                               "2|1. mai 2026|Cup|boccia|A|B|1|2|21"}));
    EXPECT_EQ(f->Text7.Text(), "Ola Nordmann");
    EXPECT_EQ(f->MSFlexGrid2.TextMatrix(1, 2), "2");
    bokser();
    f->MSFlexGrid1.UserClickCell(1, 0);
    forms::Headless().setNextAnswer(forms::vbYes);
    f->SSCommand3.UserClick();
    EXPECT_EQ(bokser().at(0).prompt.rfind("Ønsker du å slette følgende: ", 0), 0u);
    EXPECT_EQ(status(20), 3);
}

TEST_F(Sletting, AnsweringNoChangesNothing) {
    velgDommer(1);
    f->MSFlexGrid1.UserClickCell(2, 0);
    forms::Headless().setNextAnswer(forms::vbNo);
    f->SSCommand3.UserClick();
    EXPECT_EQ(status(21), 0);
    EXPECT_EQ(slettet(21), "");
}

// Whatever Sekvensnummer holds from elsewhere, only a row picked on screen is deleted.
TEST_F(Sletting, WithoutAPickedRowNothingIsAsked) {
    const struct { const char* hva; std::function<void()> steg; } tilfeller[] = {
        {"nothing clicked", [] { state::ValgtDommer = 3; state::Sekvensnummer = 20; }},
        {"another referee clicked", [this] { velgDommer(1); f->MSFlexGrid1.UserClickCell(1, 0); velgDommer(2); }},
        {"list refilled", [this] { velgDommer(1); f->MSFlexGrid1.UserClickCell(1, 0); f->Fyll_Kampliste(); }},
        {"after an import", [this] { velgDommer(1); f->MSFlexGrid1.UserClickCell(1, 0); Nullstill_Valgt_Kamp(); }},
        {"after a save", [this] {
             velgDommer(1);
             f->MSFlexGrid1.UserClickCell(1, 0);
             f->Text5.SetText("Cup");
             f->Text6.SetText("1. juni 2026");
             f->SSCheck1.SetValue(1);
             f->SSCommand2.UserClick();
         }},
    };
    for (const auto& t : tilfeller) {
        bokser();
        t.steg();
        bokser();
        f->SSCommand3.UserClick();
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u) << t.hva;
        EXPECT_EQ(b[0].prompt, IngenValgt) << t.hva;
        EXPECT_EQ(b[0].title, "Slette dommerdata") << t.hva;
    }
    EXPECT_EQ(tall("Select Count(*) From Dommertabell Where Status = 3"), 0);
}

} // namespace
} // namespace kamptest
