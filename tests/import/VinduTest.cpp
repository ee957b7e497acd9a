// The import window, its chooser and the duplicates window as the user meets them.
#include "Fixture.h"

#include <QListWidget>
#include <QMessageBox>

#include <filesystem>
#include <fstream>

#include "frame/Hovedmeny2.h"
#include "import/FraFil_Dommer.h"
#include "import/HentDommerFil.h"
#include "import/Innlesing.h"
#include "import/VisDuplikater.h"
#include "platform/files/Files.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"
#include "shared/Gate.h"
#include "state/ProgramState.h"
#include "support/Mus.h"
#include "support/OnceShown.h"

namespace importtest {
namespace {

class Vindu : public ImportTest {
protected:
    HentDommerFil& vindu() { return forms::Default<HentDommerFil>(); }
    FraFil_Dommer& velg(const std::string& navn) {
        vindu().HentDommere.UserClick();
        auto& f = forms::Default<FraFil_Dommer>();
        f.TextBox.SetFocus();
        f.TextBox.UserSetText(navn);
        return f;
    }
    static std::vector<std::string> rad(forms::MSFlexGrid& g, int r) {
        std::vector<std::string> ut;
        for (int c = 0; c < g.Cols(); ++c) ut.push_back(g.TextMatrix(r, c));
        return ut;
    }
};

TEST_F(Vindu, MainWindowEntriesOpenItBehindTheGate) {
    for (auto apne : {&Hovedmeny2::Hent_Dommer_Fil_Click, &Hovedmeny2::SSCommand2_Click}) {
        forms::ResetDefaults();
        state::Databasenavn.clear();
        (forms::Default<Hovedmeny2>().*apne)();
        EXPECT_FALSE(forms::IsLoaded<HentDommerFil>());
        EXPECT_EQ(boksTekster(), std::vector<std::string>{shared::GateMelding});
        state::Databasenavn = dbsti;
        (forms::Default<Hovedmeny2>().*apne)();
        EXPECT_TRUE(forms::IsLoaded<HentDommerFil>());
    }
}

TEST_F(Vindu, OpensEmptyAndPlacesItselfOnEveryActivation) {
    HentDommerFil& f = vindu();
    EXPECT_EQ(f.Caption(), "Hent Dommer Fil");
    EXPECT_EQ(rad(f.MSFlexGrid1, 0), (std::vector<std::string>{"DommerID", "Status", "Fornavn", "Etternavn", "Dato", "Turnering",
                                                               "Typespill", "HLag", "BLag", "HPoeng", "BPoeng"}));
    EXPECT_EQ(f.MSFlexGrid1.Rows(), 1);
    EXPECT_EQ(f.MSFlexGrid1.ColWidth(5), 2200);
    EXPECT_EQ(f.MSFlexGrid1.ColAlignment(1), 3);
    EXPECT_FALSE(f.SSCommand2.Visible());
    EXPECT_FALSE(f.SSCheck1.Visible());
    for (auto* t : {&f.Text2, &f.Text3, &f.Text4, &f.Text5}) EXPECT_EQ(t->Text(), "");
    f.Move(3000, 4000);
    forms::Default<VisDuplikater>().Show();
    bokser();
    f.Activate();
    EXPECT_EQ(f.Left(), 80);
    EXPECT_EQ(f.Top(), 1700);
}

TEST_F(Vindu, ChooserListsResultFilesOfTheDataFolderAndReadsTheChosenOne) {
    lagFil("vaar.dkv", {Kamp(1), Kamp(2)});
    std::ofstream(datamappe + "/annet.kvx") << "x";
    state::Katalog = dir.path();
    state::Filnavn = "vaar.dkv";
    vindu().HentDommere.UserClick();
    auto& f = forms::Default<FraFil_Dommer>();
    EXPECT_EQ(f.Caption(), "Hent Fra Dommer Fil");
    EXPECT_EQ(f.FileListBox.Path(), datamappe);
    EXPECT_EQ(f.FileListBox.List(), std::vector<std::string>{"vaar.dkv"});
    EXPECT_EQ(f.TextBox.Text(), "vaar.dkv");
    f.FileListBox.UserDblClickItem(0);
    EXPECT_FALSE(forms::IsLoaded<FraFil_Dommer>());
    EXPECT_EQ(state::Filsti, datamappe + "/vaar.dkv");
    EXPECT_EQ(vindu().Text3.Text(), "2");
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

TEST_F(Vindu, ImportChosenAfterTheWindowWentFillsTheWindowShownNext) {
    lagFil("sen.dkv", {Kamp(1), Kamp(2)});
    FraFil_Dommer& velger = velg("sen.dkv");
    vindu().SSCommand1.UserClick();   // "Ferdig" while the chooser is still open
    ASSERT_FALSE(forms::IsLoaded<HentDommerFil>());
    velger.SSCommand1(0).UserClick();
    EXPECT_EQ(boksTekster(), std::vector<std::string>{"Innlesing fullført OK!\rFilen er markèrt: Status= 1 (Innlest)"});
    HentDommerFil& f = vindu();
    f.Show();
    EXPECT_EQ(f.MSFlexGrid1.Rows(), 3);
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(0, 0), "DommerID");
    EXPECT_EQ(f.MSFlexGrid1.TextMatrix(2, 2), "Fornavn2");
    EXPECT_EQ(f.Text3.Text(), "2");
    EXPECT_EQ(f.Text1(2).Text(), "Innlest tidligere");
    EXPECT_TRUE(f.SSCommand2.Visible());
}

TEST_F(Vindu, WithTheLastFileShownADoubleClickReadsTheOtherOne) {
    lagFil("host.dkv", {Kamp(1)});
    lagFil("vaar.dkv", {Kamp(1), Kamp(2)});
    state::Filnavn = "vaar.dkv";
    qtview::QtHost qt;
    forms::SetHost(&qt);
    std::string melding;
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&](QWidget* velger) {
        auto& f = forms::Default<FraFil_Dommer>();
        ASSERT_EQ(f.TextBox.Text(), "vaar.dkv");
        auto* liste = qobject_cast<QListWidget*>(qt.windowOf(f)->viewWidget(f.FileListBox));
        ASSERT_NE(liste, nullptr);
        kdtest::FocusByMouse(qt.windowOf(f)->viewWidget(f.TextBox));
        kdtest::ClickRow(liste, kdtest::RowOf(liste, QStringLiteral("host.dkv")));
        ASSERT_EQ(f.TextBox.Text(), "host.dkv");
        ASSERT_EQ(liste->count(), 2);
        // The read-in ends with its message; the user closes it.
        kdtest::OnceShown(kdtest::ModalAbove(velger), [&melding](QWidget* shown) {
            auto* boks = qobject_cast<QMessageBox*>(shown);
            ASSERT_NE(boks, nullptr);
            melding = boks->text().toStdString();
            boks->close();
        });
        kdtest::DoubleClickRow(liste, kdtest::RowOf(liste, QStringLiteral("host.dkv")));
    });
    vindu().HentDommere.UserClick();   // the chooser is modal: this returns when it has closed
    EXPECT_EQ(melding.rfind("Innlesing fullført OK!", 0), 0u) << melding;
    EXPECT_FALSE(forms::IsLoaded<FraFil_Dommer>());
    EXPECT_EQ(state::Filsti, datamappe + "/host.dkv");
    EXPECT_EQ(vindu().Text3.Text(), "1");
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

TEST_F(Vindu, OkMakesAReadOnlyFileWritableAndCancelTouchesNothing) {
    const std::string sti = lagFil("las.dkv", {Kamp(1)});
    files::SetAttr(sti, files::vbReadOnly);
    velg("las.dkv").SSCommand1(1).UserClick();
    EXPECT_EQ(files::GetAttr(sti), files::vbReadOnly);
    EXPECT_EQ(state::Filsti, "");
    EXPECT_EQ(radstatus(sti), std::vector<std::string>{"0"});
    velg("las.dkv").SSCommand1(0).UserClick();
    EXPECT_EQ(files::GetAttr(sti), files::vbNormal);
    EXPECT_EQ(radstatus(sti), std::vector<std::string>{"1"});
}

TEST_F(Vindu, HiddenTickBoxStartsTheTestVariant) {
    const std::string sti = lagFil("igjen.dkv", {Kamp(1, "A", "B", 1, 1, "BOCCIA", "1")}, "1");
    vindu().SSCheck1.SetValue(1);
    velg("igjen.dkv").SSCommand1(0).UserClick();
    EXPECT_EQ(boksTekster().at(0).rfind("Du starter nå testversjonen av innlesing!", 0), 0u);
    EXPECT_EQ(antallKamper(), 1);
}

TEST_F(Vindu, OkWithAnEmptyNameReportsTheFolder) {
    velg("").SSCommand1(0).UserClick();
    const auto b = boksTekster();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].rfind(Innlesingsfeil, 0), 0u);
    EXPECT_FALSE(forms::IsLoaded<FraFil_Dommer>());
}

TEST_F(Vindu, DuplicatesWindowWithoutAFileSaysSo) {
    state::Filsti = dbsti;   // another operation's file is not a result file read in
    auto& d = forms::Default<VisDuplikater>();
    d.Show();
    auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Ingen database for innleste data funnet!");
    EXPECT_EQ(b[0].title, "Duplikat");
    EXPECT_EQ(b[0].icon(), forms::vbInformation);
    EXPECT_EQ(d.MSFlexGrid1.Rows(), 1);
    EXPECT_EQ(d.MSFlexGrid1.TextMatrix(0, 9), "BPoeng");
    d.SSCommand2.UserClick();
    EXPECT_EQ(boksTekster(), std::vector<std::string>{"Ingen database for innleste data funnet!"});
}

TEST_F(Vindu, DuplicatesWindowListsTheLastImportSortedAndKeepsItsRows) {
    state::DBase.Execute(
        "Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Turneringsdato, Dommer_HLag, Dommer_BLag, "
        "Dommer_HPoeng, Dommer_BPoeng, Typespill) Values (12, 1, 0, 'NM', '1. mai 2026', 'Lyn', 'Ørn', 3, 2, 'BOCCIA'),"
        "(3, 2, 0, 'NM', '1. mai 2026', 'Lyn', 'Ørn', 3, 2, 'BOCCIA'), (12, 3, 0, 'NM', '1. mai 2026', 'Fram', 'Ørn', 3, 2, 'BOCCIA')");
    lesInn(lagFil("d.dkv", {Kamp(12, "Lyn"), Kamp(3), Kamp(12, "Fram"), Kamp(4)}));
    // Another operation takes Filsti and DBaseFil for its own file meanwhile.
    state::Filsti = dbsti;
    state::DBaseFil.Close();
    vindu().SSCommand4.UserClick();
    auto& d = forms::Default<VisDuplikater>();
    EXPECT_EQ(d.Caption(), "Duplikater i innleste data");
    ASSERT_EQ(d.MSFlexGrid1.Rows(), 4);
    EXPECT_EQ(rad(d.MSFlexGrid1, 1),
              (std::vector<std::string>{"3", "Fornavn3", "Etternavn", "1. mai 2026", "NM", "BOCCIA", "Lyn", "Ørn", "3", "2"}));
    EXPECT_EQ(d.MSFlexGrid1.TextMatrix(2, 6), "Fram");
    EXPECT_EQ(d.MSFlexGrid1.TextMatrix(3, 6), "Lyn");
    // Shown again while open: no new rows.
    lesInn(lagFil("e.dkv", {Kamp(4)}));
    d.Show();
    EXPECT_EQ(d.MSFlexGrid1.Rows(), 4);
    d.SSCommand1.UserClick();
    EXPECT_FALSE(forms::IsLoaded<VisDuplikater>());
}

} // namespace
} // namespace importtest
