// The filled register drawn by Qt, saved as pictures to look at.
#include "Fixture.h"

#include <filesystem>

#include "qtview/QtHost.h"
#include "state/ProgramState.h"

namespace regtest {
namespace {

class Skjermbilde : public RegisterTest {};

TEST_F(Skjermbilde, FilledRegisterIsDrawn) {
    const char* navn[][3] = {{"Ola", "Nordmann", "Kvikk"}, {"Kari", "Ås", "Ørn IL"}, {"Per", "Hansen", "Lyn"},
                             {"Åse", "Bø", "Fram"},       {"Tor", "Lie", "Bækkelaget"}};
    int nr[] = {3, 12, 27, 101, 340};
    for (int i = 0; i < 5; ++i)
        leggInn({.nr = nr[i], .fnavn = navn[i][0], .enavn = navn[i][1], .lag = navn[i][2], .boccia = i % 2 == 0,
                 .curling = i > 1, .flagg = {i == 1 ? "KlC_Dommer1" : "KlB_Dommer1"}});
    leggInnKamper(12, 14);
    leggInnKamper(340, 3, 3);
    state::DBase.Execute("Update Versjon Set LagetDato = '8. desember 2026', ADDR1 = '0815', ADDR2 = 'tirsdag'");

    qtview::QtHost host;
    forms::SetHost(&host);
    Dommere_Init& f = vis();
    f.Option2.UserClick();
    f.MSFlexGrid1.UserClickCell(1, 1);
    f.Command1.UserClick();
    const std::string mappe = KD_BINARY_DIR "/screenshots";
    std::filesystem::create_directories(mappe);
    EXPECT_TRUE(qtview::SaveScreenshot(f, mappe + "/register.png"));
    f.Option3.UserClick();
    EXPECT_TRUE(qtview::SaveScreenshot(f, mappe + "/register-rapporter.png"));
    EXPECT_GT(std::filesystem::file_size(mappe + "/register.png"), 10000u);
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

} // namespace
} // namespace regtest
