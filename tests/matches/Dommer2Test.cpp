// The import review window: its counts follow every activation.
#include "Fixture.h"

#include "import/Dommer2.h"
#include "import/HentDommerFil.h"
#include "state/ProgramState.h"

namespace kamptest {
namespace {

class Gjennomgang : public KampTest {};

TEST_F(Gjennomgang, CountsFollowEveryActivationAndAClickListsTheReferee) {
    dommer(3, "Ola", "Nordmann", "Kvikk", true, true);
    kamp({.nr = 3, .sekvens = 1, .typespill = "BOCCIA"});
    auto& f = forms::Default<Dommer2>();
    f.Show();
    EXPECT_EQ(rader(f.MSFlexGrid2), (std::vector<std::string>{"3|Ola Nordmann|1"}));

    f.SSCommand5.UserClick();
    EXPECT_TRUE(forms::IsLoaded<HentDommerFil>());
    kamp({.nr = 3, .sekvens = 2});
    f.Activate();
    EXPECT_EQ(rader(f.MSFlexGrid2), (std::vector<std::string>{"3|Ola Nordmann|2"}));

    f.MSFlexGrid2.UserClickCell(1, 1);
    EXPECT_EQ(rader(f.MSFlexGrid1), (std::vector<std::string>{"1|1. mai 2026|Cup|boccia|A|B|1|2",
                                                              "2|1. mai 2026|Cup|boccia|A|B|1|2"}));
    EXPECT_EQ(f.Text7.Text(), "Ola Nordmann");
    EXPECT_EQ(f.SSCheck1.Value(), 1);
    EXPECT_EQ(f.SSCheck2.Value(), 1);
    EXPECT_TRUE(f.Text4.HasFocus());

    // Leaving the number box lists the number typed; an unknown one clears the list.
    f.Text4.SetText("9");
    f.MSFlexGrid1.SetFocus();
    EXPECT_TRUE(rader(f.MSFlexGrid1).empty());
    EXPECT_EQ(f.Text7.Text(), "");
    EXPECT_EQ(bokser().size(), 1u);
}

} // namespace
} // namespace kamptest
