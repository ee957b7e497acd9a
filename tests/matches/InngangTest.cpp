// The main window's ways into the match windows, behind the open-database gate.
#include "Fixture.h"

#include "frame/Hovedmeny2.h"
#include "import/Dommer2.h"
#include "matches/Dommer.h"
#include "matches/VisSletteData.h"
#include "state/ProgramState.h"

namespace kamptest {
namespace {

class Inngang : public KampTest {};

TEST_F(Inngang, EachEntryOpensItsWindowOnlyWithADatabaseOpen) {
    const struct {
        const char* hva;
        std::function<void(Hovedmeny2&)> velg;
        std::function<bool()> apen;
    } innganger[] = {
        {"G_Res", [](Hovedmeny2& h) { h.G_Res.UserClick(); }, [] { return forms::IsLoaded<Dommer>(); }},
        {"D_Rapport", [](Hovedmeny2& h) { h.D_Rapport.UserClick(); }, [] { return forms::IsLoaded<Dommer2>(); }},
        {"TurneringsdataSlettet", [](Hovedmeny2& h) { h.TurneringsdataSlettet.UserClick(); },
         [] { return forms::IsLoaded<VisSletteData>(); }},
    };
    auto& h = forms::Default<Hovedmeny2>();
    for (const auto& i : innganger) {
        state::Databasenavn.clear();
        i.velg(h);
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u) << i.hva;
        EXPECT_EQ(b[0].prompt, "Du må åpne fil/database først!") << i.hva;
        EXPECT_FALSE(i.apen()) << i.hva;

        state::Databasenavn = dbsti;
        i.velg(h);
        EXPECT_TRUE(bokser().empty()) << i.hva;
        EXPECT_TRUE(i.apen()) << i.hva;
    }
}

} // namespace
} // namespace kamptest
