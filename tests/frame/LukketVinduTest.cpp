// A window the user closed stays closed when another database opens afterwards, by
// whichever way it opens: none of the windows that follow the open database is woken
// by it. The open dialog alone shows the register, as part of opening.
#include <filesystem>

#include "database/Apen.h"
#include "database/Tdata.h"
#include "frame/FraFil.h"
#include "frame/FrameFixture.h"
#include "frame/Hovedmeny2.h"
#include "frame/Main.h"
#include "import/Dommer2.h"
#include "import/HentDommerFil.h"
#include "matches/Dommer.h"
#include "matches/VisSletteData.h"
#include "ranking/ListeData.h"
#include "ranking/Ranking.h"
#include "register/Dommere_Init.h"

namespace kdtest {
namespace {

class LukketVindu : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        Main();
    }
};

TEST_F(LukketVindu, ClosedWindowsStayClosedWhenAnotherDatabaseOpens) {
    const std::string forste = makeDatabase("forste.kvx");
    addReferee(forste, 7);
    const std::string andre = makeDatabase("andre.kvx");
    addReferee(andre, 8);
    std::filesystem::copy_file(andre, dataFolder + "/andre.kvx");
    ASSERT_TRUE(turneringsdb::ByttTil(forste));
    auto& h = forms::Default<Hovedmeny2>();
    // Each window as the user opens it, then closed with its own button.
    h.Dommere_Initielle.UserClick();
    forms::Default<Dommere_Init>().SSCommand1.UserClick();
    forms::Default<Dommer>().Show();
    forms::Default<Dommer>().SSCommand1.UserClick();
    forms::Default<Dommer2>().Show();
    forms::Default<Dommer2>().SSCommand1.UserClick();
    forms::Default<ListeData>().Show();
    forms::Default<ListeData>().SSCommand1.UserClick();
    for (forms::Form* f : std::initializer_list<forms::Form*>{&forms::Default<Ranking>(), &forms::Default<VisSletteData>(),
                                                             &forms::Default<Tdata>(), &forms::Default<HentDommerFil>()}) {
        f->Show();
        f->Unload();
    }
    host().boxes.clear();
    ASSERT_EQ(loadedNames(), std::vector<std::string>{"Hovedmeny2"});

    ASSERT_TRUE(turneringsdb::ByttTil(andre));
    EXPECT_EQ(loadedNames(), std::vector<std::string>{"Hovedmeny2"});
    ASSERT_TRUE(turneringsdb::ByttTil(forste));
    EXPECT_EQ(loadedNames(), std::vector<std::string>{"Hovedmeny2"});
    EXPECT_TRUE(host().boxes.empty());

    // Opening through the open dialog shows the register on the file opened.
    auto& velger = forms::Default<FraFil>();
    velger.Show();
    velger.TextBox.UserSetText("andre.kvx");
    velger.SSCommand1(0).UserClick();
    EXPECT_EQ(loadedNames(), (std::vector<std::string>{"Hovedmeny2", "Dommere_Init"}));
    EXPECT_EQ(forms::Default<Dommere_Init>().MSFlexGrid1.TextMatrix(1, 0), "    8");
}

} // namespace
} // namespace kdtest
