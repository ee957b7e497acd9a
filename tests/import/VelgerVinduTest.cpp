// The import window beside the rest of the program, through the real widgets: its
// chooser holds the program until it closes, and another database opened empties
// the window of the file read into the database before.
#include "Fixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include "database/Apen.h"
#include "database/Database.h"
#include "import/FraFil_Dommer.h"
#include "import/HentDommerFil.h"
#include "import/Innlesing.h"
#include "import/SisteFil.h"
#include "import/VisDuplikater.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"
#include "state/ProgramState.h"
#include "support/OnceShown.h"
#include "support/Turneringsbase.h"

namespace importtest {
namespace {

class VelgerVindu : public ImportTest {
protected:
    // From here on the windows are Qt's (what came before answered no box).
    void tilQt() {
        forms::ResetDefaults();
        forms::SetHost(&host);
    }
    void TearDown() override {
        forms::ResetDefaults();
        forms::SetHost(nullptr);
        ImportTest::TearDown();
    }
    QWidget* widget(forms::Control& c) { return host.windowOf(*c.Owner())->viewWidget(c); }
    // A click as the window system delivers it: a window under a modal one never gets it.
    static void systemklikk(QWidget* w) {
        // A window cut to the screen scrolls its form: the user brings the button into view first.
        for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
            if (auto* rulle = qobject_cast<QScrollArea*>(p)) rulle->ensureWidgetVisible(w);
        QWindow* vindu = w->window()->windowHandle();
        QTest::mouseClick(vindu, Qt::LeftButton, {}, vindu->mapFromGlobal(w->mapToGlobal(w->rect().center())));
        QApplication::processEvents();
    }
    qtview::QtHost host;
};

TEST_F(VelgerVindu, TheChooserHoldsTheProgramSoItsWindowCannotCloseUnderIt) {
    lagFil("nm.dkv", {Kamp(12)});
    tilQt();
    auto& vindu = forms::Default<HentDommerFil>();
    vindu.Show();
    QWidget* lukk = widget(vindu.SSCommand1);
    bool modal = false, vinduetStod = false;
    std::string melding;
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&](QWidget* velger) {
        ASSERT_NE(velger, nullptr);
        auto& f = forms::Default<FraFil_Dommer>();
        modal = velger == host.windowOf(f)->frame();
        systemklikk(lukk);
        vinduetStod = forms::IsLoaded<HentDommerFil>();
        f.TextBox.SetText("nm.dkv");
        kdtest::OnceShown(kdtest::ModalAbove(velger), [&melding](QWidget* boks) {
            melding = qobject_cast<QMessageBox*>(boks)->text().toStdString();
            boks->close();
        });
        qobject_cast<QPushButton*>(widget(f.SSCommand1(0)))->click();
    });
    QTest::mouseClick(widget(vindu.HentDommere), Qt::LeftButton);   // returns when the chooser has closed
    EXPECT_TRUE(modal);
    EXPECT_TRUE(vinduetStod);
    EXPECT_FALSE(forms::IsLoaded<FraFil_Dommer>());
    EXPECT_EQ(melding.rfind("Innlesing fullført OK!", 0), 0u) << melding;
    // The file landed in the window that asked for it.
    ASSERT_TRUE(forms::IsLoaded<HentDommerFil>());
    EXPECT_EQ(vindu.MSFlexGrid1.Rows(), 2);
    EXPECT_EQ(antallKamper(), 1);
    // With the chooser gone the same click closes the window.
    systemklikk(lukk);
    EXPECT_FALSE(forms::IsLoaded<HentDommerFil>());
}

TEST_F(VelgerVindu, AnotherDatabaseEmptiesTheImportWindowAndNoButtonActsOnTheFileBefore) {
    const std::string annen = dir.file("Annen.KVX");
    const dao::Database turnering = state::DBase;
    kdtest::LagTurneringsbase(annen);
    state::DBase.Close();
    state::DBase = turnering;
    lesInn(lagFil("nm.dkv", {Kamp(12), Kamp(12), Kamp(3)}));
    kdtest::TaBokser();
    tilQt();
    auto& vindu = forms::Default<HentDommerFil>();
    vindu.Show();
    vindu.SSCommand2.SetVisible(true);
    vindu.Vis_Dommerfil();
    QTest::mouseClick(widget(vindu.SSCommand4), Qt::LeftButton);
    ASSERT_TRUE(forms::IsLoaded<VisDuplikater>());
    ASSERT_FALSE(vindu.Text1(0).Text().empty());

    // A read-in into the same database keeps the file.
    turneringsdb::DatabasenErEndret();
    EXPECT_TRUE(innlesing::HarSisteFil());

    state::Databasenavn = annen;
    Oppgrader_Database();
    // The closed window goes as the program's event loop would let it go.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(innlesing::HarSisteFil());
    EXPECT_FALSE(forms::IsLoaded<VisDuplikater>());
    auto* rader = qobject_cast<QTableView*>(widget(vindu.MSFlexGrid1));
    QApplication::processEvents();
    EXPECT_EQ(rader->model()->rowCount(), 1);
    for (forms::TextBox* t : {&vindu.Text1(0), &vindu.Text1(2), &vindu.Text2, &vindu.Text3}) EXPECT_EQ(t->Text(), "");
    EXPECT_FALSE(widget(vindu.SSCommand2)->isVisible());
    std::string svar;
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&](QWidget* boks) {
        ASSERT_NE(boks, nullptr);
        svar = qobject_cast<QMessageBox*>(boks)->text().toStdString();
        boks->close();
    });
    QTest::mouseClick(widget(vindu.SSCommand4), Qt::LeftButton);
    EXPECT_EQ(svar, innlesing::IngenFilMelding);
}

} // namespace
} // namespace importtest
