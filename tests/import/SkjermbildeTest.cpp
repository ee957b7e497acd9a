// The import window and the duplicates window drawn by Qt, saved as pictures to look at.
#include "Fixture.h"

#include <QStyledItemDelegate>
#include <QTableView>
#include <filesystem>

#include "import/FraFil_Dommer.h"
#include "import/HentDommerFil.h"
#include "import/VisDuplikater.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"
#include "state/ProgramState.h"
#include "support/OnceShown.h"

namespace importtest {
namespace {

class Skjermbilde : public ImportTest {};

// Each heading cell of the grid holds its whole text as the view draws it, inside the grid line.
void overskrifterHele(qtview::QtHost& host, forms::MSFlexGrid& grid) {
    auto* tabell = qobject_cast<QTableView*>(host.windowOf(*grid.Owner())->viewWidget(grid));
    ASSERT_NE(tabell, nullptr);
    QStyleOptionViewItem valg;
    valg.initFrom(tabell);
    valg.widget = tabell;
    valg.font = tabell->font();
    for (int c = 0; c < grid.Cols(); ++c) {
        const QModelIndex celle = tabell->model()->index(0, c);
        const int trengs = tabell->itemDelegateForIndex(celle)->sizeHint(valg, celle).width();
        EXPECT_LE(trengs, tabell->columnWidth(c) - 1) << grid.TextMatrix(0, c);
    }
}

// Every row of a short grid shows in its view without scrolling, under the headings.
void raderSynlige(qtview::QtHost& host, forms::MSFlexGrid& grid) {
    auto* tabell = qobject_cast<QTableView*>(host.windowOf(*grid.Owner())->viewWidget(grid));
    ASSERT_NE(tabell, nullptr);
    ASSERT_EQ(tabell->model()->rowCount(), grid.Rows());
    const QRect synlig = tabell->viewport()->rect();
    for (int r = 0; r < grid.Rows(); ++r)
        EXPECT_TRUE(synlig.contains(tabell->visualRect(tabell->model()->index(r, 1)).adjusted(0, 0, 0, -1).bottomLeft()))
            << "row " << r << ": " << grid.TextMatrix(r, 1);
}

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
    overskrifterHele(host, f.MSFlexGrid1);
    f.SSCommand4.UserClick();
    EXPECT_TRUE(qtview::SaveScreenshot(forms::Default<VisDuplikater>(), mappe + "/duplikater.png"));
    overskrifterHele(host, forms::Default<VisDuplikater>().MSFlexGrid1);
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&](QWidget*) {
        EXPECT_TRUE(qtview::SaveScreenshot(forms::Default<FraFil_Dommer>(), mappe + "/velg-resultatfil.png"));
        forms::Default<FraFil_Dommer>().Unload();
    });
    f.HentDommere.UserClick();   // the chooser is modal: this returns when it has closed
    raderSynlige(host, f.MSFlexGrid1);
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

} // namespace
} // namespace importtest
