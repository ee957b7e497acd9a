// The referee and the match the keyboard moves to in the match windows' grids are the
// ones the windows act on, through the real widgets: what is saved or deleted is read
// back from the database.
#include "Fixture.h"

#include <filesystem>

#include <QApplication>
#include <QTableView>
#include <QTest>

#include "database/Apen.h"
#include "frame/Hovedmeny2.h"
#include "import/Dommer2.h"
#include "matches/Dommer.h"
#include "qtview/FormWindow.h"
#include "support/Mus.h"
#include "support/SvarendeQtVert.h"

namespace kamptest {
namespace {

class Tastaturvalg : public KampTest {
protected:
    void SetUp() override {
        KampTest::SetUp();
        forms::SetHost(&vert);
        forms::Default<Hovedmeny2>().Show();
    }
    QWidget* widget(forms::Control& c) { return vert.windowOf(*c.Owner())->viewWidget(c); }
    QTableView* tabell(forms::MSFlexGrid& g) { return qobject_cast<QTableView*>(widget(g)); }
    void klikk(forms::Control& knapp) { QTest::mouseClick(widget(knapp), Qt::LeftButton); }
    // The match typed in for the referee the window has picked.
    void fyllUtKamp(Dommer& f) {
        skriv(f.Text5, "Vårcup");
        skriv(f.Text6, "3. mai 2026");
        skriv(f.Text8(0), "Ørn");
        skriv(f.Text8(1), "Lyn");
        f.SSCheck1.SetValue(1);
    }

    kdtest::SvarendeQtVert vert;
};

TEST_F(Tastaturvalg, TheMatchIsSavedForTheRefereeTheArrowMovedTo) {
    dommer(12, "Per", "Lie");
    dommer(5, "Bjørn", "Ødegård");
    auto& f = forms::Default<Dommer>();
    f.Show();
    QTableView* dommere = tabell(f.MSFlexGrid2);
    QApplication::setActiveWindow(dommere->window());
    kdtest::ClickCell(dommere, 1, 1);
    ASSERT_EQ(f.Text1.Text(), "Per");
    QTest::keyClick(dommere, Qt::Key_Down);
    EXPECT_EQ(dommere->currentIndex().row(), 2);
    EXPECT_EQ(f.Text4.Text(), "5");
    EXPECT_EQ(f.Text2.Text(), "Ødegård");
    fyllUtKamp(f);
    klikk(f.SSCommand2);
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(tall("Select DommerNR From Dommertabell Where TurneringsNavn = 'Vårcup'"), 5);
    EXPECT_EQ(tall("Select Count(*) From Dommertabell"), 1);
}

TEST_F(Tastaturvalg, TheMatchTheArrowMovedToIsTheOneDeleted) {
    dommer(3, "Ola", "Nordmann");
    kamp({.nr = 3, .sekvens = 20});
    kamp({.nr = 3, .sekvens = 21});
    auto& f = forms::Default<Dommer>();
    f.Show();
    QApplication::setActiveWindow(widget(f.MSFlexGrid2)->window());
    kdtest::ClickCell(tabell(f.MSFlexGrid2), 1, 1);
    QTableView* kamper = tabell(f.MSFlexGrid1);
    kdtest::ClickCell(kamper, 1, 2);
    QTest::keyClick(kamper, Qt::Key_Down);
    forms::Headless().setNextAnswer(forms::vbYes);
    klikk(f.SSCommand3);
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_EQ(tall("Select Status From Dommertabell Where SekvensNR = 21"), 3);
    EXPECT_EQ(tall("Select Status From Dommertabell Where SekvensNR = 20"), 0);
}

// In the review of imported matches the arrows go on through the referees with the focus
// in the grid; Return picks as a click, which sends the focus on to the number box. Another
// database empties the game boxes with the rest.
TEST_F(Tastaturvalg, TheReviewWindowFollowsTheArrowsAndForgetsTheRefereeOfAnotherFile) {
    const std::string annen = dir.file("Annen.KVX");
    std::filesystem::copy_file(dbsti, annen);
    dommer(12, "Per", "Lie", "", false, true);
    dommer(5, "Bjørn", "Ødegård", "", true, false);
    dommer(7, "Kari", "Ås", "", false, true);
    auto& f = forms::Default<Dommer2>();
    f.Show();
    QTableView* dommere = tabell(f.MSFlexGrid2);
    QApplication::setActiveWindow(dommere->window());
    kdtest::ClickCell(dommere, 1, 1);
    EXPECT_EQ(f.ActiveControl(), &f.Text4);
    widget(f.Text4)->setFocus();
    dommere->setFocus();   // back into the grid, as Shift+Tab goes
    QTest::keyClick(dommere, Qt::Key_Down);
    EXPECT_EQ(f.Text4.Text(), "5");
    EXPECT_EQ(f.Text7.Text(), "Bjørn Ødegård");
    EXPECT_EQ(f.SSCheck1.Value(), 1);
    EXPECT_EQ(f.SSCheck2.Value(), 0);
    EXPECT_EQ(f.ActiveControl(), &f.MSFlexGrid2);
    QTest::keyClick(dommere, Qt::Key_Down);
    EXPECT_EQ(f.Text4.Text(), "7");
    QTest::keyClick(dommere, Qt::Key_Up);
    QTest::keyClick(dommere, Qt::Key_Return);
    EXPECT_EQ(f.Text4.Text(), "5");
    EXPECT_EQ(f.ActiveControl(), &f.Text4);

    ASSERT_TRUE(turneringsdb::ByttTil(annen));
    EXPECT_EQ(f.SSCheck1.Value(), 0);
    EXPECT_EQ(f.SSCheck2.Value(), 0);
    EXPECT_EQ(f.Text4.Text(), "");
    EXPECT_EQ(f.Text7.Text(), "");
    EXPECT_TRUE(bokser().empty());
}

} // namespace
} // namespace kamptest
