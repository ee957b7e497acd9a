// The two windows drawn by Qt, saved as pictures to look at.
#include "Fixture.h"

#include <filesystem>

#include "distribution/TilDommerFil.h"
#include "distribution/VBMail.h"
#include "qtview/QtHost.h"

namespace distest {
namespace {

class Skjermbilde : public DistTest {};

TEST_F(Skjermbilde, ChooserAndMailWindowAreDrawn) {
    qtview::QtHost host;
    forms::SetHost(&host);
    const std::string mappe = KD_BINARY_DIR "/screenshots";
    std::filesystem::create_directories(mappe);

    auto& velger = forms::Default<TilDommerFil>();
    velger.Show();
    velger.DirsBox.SetPath(dir.path());
    velger.Text1.SetText("Klubbene Øst");
    EXPECT_TRUE(qtview::SaveScreenshot(velger, mappe + "/tildommerfil.png"));

    auto& epost = forms::Default<VBMail>();
    epost.Show();
    epost.Text1.SetText("klubb@eksempel.no");
    EXPECT_TRUE(qtview::SaveScreenshot(epost, mappe + "/vbmail.png"));
    EXPECT_GT(std::filesystem::file_size(mappe + "/vbmail.png"), 5000u);
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

} // namespace
} // namespace distest
