// The import window and the duplicates window drawn by Qt, saved as pictures to look at.
#include "Fixture.h"

#include <filesystem>

#include "import/FraFil_Dommer.h"
#include "import/HentDommerFil.h"
#include "import/VisDuplikater.h"
#include "qtview/QtHost.h"
#include "state/ProgramState.h"

namespace importtest {
namespace {

class Skjermbilde : public ImportTest {};

TEST_F(Skjermbilde, ImportAndDuplicatesWindowsAreDrawn) {
    state::DBase.Execute(
        "Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Turneringsdato, Dommer_HLag, Dommer_BLag, "
        "Dommer_HPoeng, Dommer_BPoeng, Typespill) Values (12, 1, 0, 'NM', '1. mai 2026', 'Lyn', 'Ørn', 3, 2, 'BOCCIA')");
    const std::string sti = lagFil("nm.dkv", {Kamp(12), Kamp(3, "Bækkelaget", "Åsane"), Kamp(77), Kamp(5, "Fram", "Lyn", 11, 0, "CURLING")});
    // Read in headless (the messages would wait for a click), then drawn.
    lesInn(sti);
    forms::ResetDefaults();
    qtview::QtHost host;
    forms::SetHost(&host);
    auto& f = forms::Default<HentDommerFil>();
    f.Show();
    f.SSCommand2.SetVisible(true);
    f.Vis_Dommerfil();
    const std::string mappe = KD_BINARY_DIR "/screenshots";
    std::filesystem::create_directories(mappe);
    EXPECT_TRUE(qtview::SaveScreenshot(f, mappe + "/import.png"));
    f.SSCommand4.UserClick();
    EXPECT_TRUE(qtview::SaveScreenshot(forms::Default<VisDuplikater>(), mappe + "/duplikater.png"));
    f.HentDommere.UserClick();
    EXPECT_TRUE(qtview::SaveScreenshot(forms::Default<FraFil_Dommer>(), mappe + "/velg-resultatfil.png"));
    forms::Default<FraFil_Dommer>().Unload();
    EXPECT_GT(std::filesystem::file_size(mappe + "/import.png"), 10000u);
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

} // namespace
} // namespace importtest
