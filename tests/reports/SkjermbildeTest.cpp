// The search window drawn by Qt, saved as a picture to look at.
#include "Rapportfixtur.h"

#include <filesystem>

#include "qtview/QtHost.h"
#include "reports/Search_Data.h"

namespace rapporttest {
namespace {

using Skjermbilde = RapportTest;

TEST_F(Skjermbilde, SearchWindowIsDrawn) {
    leggInn({.nr = 7, .fnavn = "Kari", .enavn = "Nordmann", .lag = "Bækkelaget", .boccia = true, .flagg = {"KlB_Dommer2"}});
    leggInn({.nr = 123, .fnavn = "Åse", .enavn = "Øvrebø", .lag = "Bærum", .boccia = true, .curling = true,
             .flagg = {"KlC_Dommer3"}});
    qtview::QtHost host;
    forms::SetHost(&host);
    auto& reg = forms::Default<Dommere_Init>();
    reg.Show();
    reg.Text3.SetText("bæ");
    reg.SSCommand5.UserClick();
    const std::string mappe = KD_BINARY_DIR "/screenshots";
    std::filesystem::create_directories(mappe);
    EXPECT_TRUE(qtview::SaveScreenshot(forms::Default<Search_Data>(), mappe + "/sokedata.png"));
    EXPECT_GT(std::filesystem::file_size(mappe + "/sokedata.png"), 5000u);
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

} // namespace
} // namespace rapporttest
