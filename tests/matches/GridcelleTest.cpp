// Stored texts holding tabs and line breaks (a result file may carry them): every grid
// keeps its columns, and the match deleted is the match clicked.
#include "Fixture.h"

#include <functional>

#include "import/Dommer2.h"
#include "matches/Dommer.h"
#include "matches/VisSletteData.h"
#include "state/ProgramState.h"

namespace kamptest {
namespace {

class Gridceller : public KampTest {
protected:
    void SetUp() override {
        KampTest::SetUp();
        dommer(3, "Ola\tPer", "Nord\r\nmann");
        for (long s : {20, 21}) kamp({.nr = 3, .sekvens = s, .turnering = "Cup\tVår", .hlag = "Lyn\r\nIL", .bp = 7});
        // Its away points are the number of another match: a shifted row would name that one.
        kamp({.nr = 3, .sekvens = 23, .turnering = "Cup\tVår", .bp = 20});
        kamp({.nr = 3, .sekvens = 22, .status = 3, .turnering = "Cup\tVår", .fnavn = "Ola\tPer", .enavn = "Nord\nmann",
              .slettet = "8. des 2026"});
    }
};

TEST_F(Gridceller, EveryGridBuiltFromStoredTextsKeepsItsColumns) {
    const std::string kamp20 = "1. mai 2026|Cup Vår|boccia|Lyn  IL|B|1|7";
    const struct {
        const char* grid;
        std::function<const forms::MSFlexGrid&()> vis;
        std::vector<std::string> rader;
    } tilfeller[] = {
        {"referees", [] { auto& f = forms::Default<Dommer>(); f.Show(); return std::cref(f.MSFlexGrid2); },
         {"3|Ola Per Nord  mann|3"}},
        {"matches of Dommer",
         [] {
             auto& f = forms::Default<Dommer>();
             f.Show();
             f.MSFlexGrid2.UserClickCell(1, 0);
             return std::cref(f.MSFlexGrid1);
         },
         {"1|" + kamp20 + "|20", "2|" + kamp20 + "|21", "3|1. mai 2026|Cup Vår|boccia|A|B|1|20|23"}},
        {"matches of Dommer2",
         [] {
             auto& f = forms::Default<Dommer2>();
             f.Show();
             f.MSFlexGrid2.UserClickCell(1, 0);
             return std::cref(f.MSFlexGrid1);
         },
         {"1|" + kamp20, "2|" + kamp20, "3|1. mai 2026|Cup Vår|boccia|A|B|1|20"}},
        {"deleted matches", [] { auto& f = forms::Default<VisSletteData>(); f.Show(); return std::cref(f.MSFlexGrid1); },
         {"3|22|Ola Per|Nord mann|1. mai 2026|Cup Vår|Boccia|A|B|1|2|8. des 2026"}},
        {"duplicates",
         [] {
             auto& f = forms::Default<Dommer>();
             f.Show();
             f.SSCommand5.UserClick();
             return std::cref(f.MSFlexGrid1);
         },
         {"3|1. mai 2026|Cup Vår|B|Lyn  IL|B|1|7|20", "3|1. mai 2026|Cup Vår|B|Lyn  IL|B|1|7|21"}},
    };
    for (const auto& t : tilfeller) {
        SCOPED_TRACE(t.grid);
        forms::ResetDefaults();
        EXPECT_EQ(rader(t.vis()), t.rader);
    }
}

TEST_F(Gridceller, TheMatchDeletedIsTheOneClicked) {
    auto& f = forms::Default<Dommer>();
    f.Show();
    f.MSFlexGrid2.UserClickCell(1, 0);
    f.MSFlexGrid1.UserClickCell(3, 1);
    forms::Headless().setNextAnswer(forms::vbYes);
    f.SSCommand3.UserClick();
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_EQ(tall("Select Status From Dommertabell Where SekvensNR = 23"), 3);
    EXPECT_EQ(tall("Select Count(*) From Dommertabell Where Status = 3"), 2);
}

} // namespace
} // namespace kamptest
