// The match windows drawn by Qt, saved as pictures to look at.
#include "Fixture.h"

#include <filesystem>

#include "frame/Hovedmeny2.h"
#include "import/Dommer2.h"
#include "matches/Dommer.h"
#include "matches/VisSletteData.h"
#include "qtview/QtHost.h"
#include "state/ProgramState.h"

namespace kamptest {
namespace {

class Skjermbilde : public KampTest {};

TEST_F(Skjermbilde, MatchWindowsAreDrawn) {
    dommer(3, "Ola", "Nordmann", "Kvikk");
    dommer(12, "Kari", "Ås", "Ørn IL");
    for (long s = 1; s <= 6; ++s)
        kamp({.nr = 12, .sekvens = s, .turnering = "Vårcupen i Tønsberg", .hlag = "Bækkelaget", .blag = "Åsane"});
    kamp({.nr = 3, .sekvens = 7, .status = 3, .fnavn = "Ola", .enavn = "Nordmann", .slettet = "8. des 2026"});

    qtview::QtHost host;
    forms::SetHost(&host);
    const std::string mappe = KD_BINARY_DIR "/screenshots";
    std::filesystem::create_directories(mappe);
    auto& hoved = forms::Default<Hovedmeny2>();
    hoved.Show();
    auto& f = forms::Default<Dommer>();
    f.Show();
    f.MSFlexGrid2.UserClickCell(2, 1);
    EXPECT_TRUE(qtview::SaveScreenshot(f, mappe + "/dommer.png"));
    EXPECT_TRUE(qtview::SaveScreenshot(hoved, mappe + "/hovedvindu-dommer.png"));
    f.SSCommand5.UserClick();
    EXPECT_TRUE(qtview::SaveScreenshot(f, mappe + "/dommer-duplikater.png"));
    auto& f2 = forms::Default<Dommer2>();
    f2.Show();
    EXPECT_TRUE(qtview::SaveScreenshot(f2, mappe + "/dommer2.png"));
    auto& s = forms::Default<VisSletteData>();
    s.Show();
    EXPECT_TRUE(qtview::SaveScreenshot(s, mappe + "/slettede.png"));
    EXPECT_GT(std::filesystem::file_size(mappe + "/dommer.png"), 10000u);
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

} // namespace
} // namespace kamptest
