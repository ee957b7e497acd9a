// The referee the grid's highlight stands on is the one the register acts on, through the
// real widgets: moved to with the arrows, picked with Return, or found by his number.
#include "Fixture.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

#include "qtview/FormWindow.h"
#include "support/Mus.h"
#include "support/SvarendeQtVert.h"

namespace regtest {
namespace {

class Tastaturvalg : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        forms::SetHost(&vert);
    }
    QWidget* widget(forms::Control& c) { return vert.windowOf(*c.Owner())->viewWidget(c); }
    void klikk(forms::Control& knapp) { QTest::mouseClick(widget(knapp), Qt::LeftButton); }
    long dommere() { return antall("Select Count(*) From Dommere"); }

    kdtest::SvarendeQtVert vert;
};

TEST_F(Tastaturvalg, TheHighlightedOrFoundRefereeIsTheOneEditedAndDeleted) {
    leggInn({.nr = 12, .fnavn = "Per", .enavn = "Lie", .boccia = true});
    leggInn({.nr = 5, .fnavn = "Bjørn", .enavn = "Ødegård", .curling = true});
    leggInn({.nr = 7, .fnavn = "Kari", .enavn = "Ås", .boccia = true});
    Dommere_Init& f = vis();
    f.Option2.UserClick();
    auto* rutenett = qobject_cast<QTableView*>(widget(f.MSFlexGrid1));
    QApplication::setActiveWindow(rutenett->window());
    kdtest::ClickCell(rutenett, 1, 1);
    ASSERT_EQ(f.Text1.Text(), "Per");
    QTest::keyClick(rutenett, Qt::Key_Down);
    EXPECT_EQ(f.Text4.Text(), "5");
    EXPECT_EQ(f.Text2.Text(), "Ødegård");
    EXPECT_EQ(f.SSCheck2.Value(), 1);

    // Found by his number: his row is the current one, and "Slett Dommer" deletes him.
    skriv(f.Text4, "7");
    klikk(f.SSCommand7);
    EXPECT_EQ(f.Text1.Text(), "Kari");
    QCoreApplication::processEvents();
    EXPECT_EQ(rutenett->currentIndex().row(), 3);
    forms::Headless().setNextAnswer(forms::vbYes);
    klikk(f.C_SlettDommer);
    auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Vil du virkelig slette Dommer : 7 Kari Ås?");
    EXPECT_EQ(antall("Select Count(*) From Dommere Where DommerNR = 7"), 0);
    EXPECT_EQ(dommere(), 2);

    // A number not in the register leaves no row picked: the one clicked before is not deleted.
    rutenett->setFocus();
    kdtest::ClickCell(rutenett, 1, 1);
    QTest::keyClick(rutenett, Qt::Key_Return);
    ASSERT_EQ(f.Text1.Text(), "Per");
    skriv(f.Text4, "99");
    klikk(f.SSCommand7);
    EXPECT_EQ(f.Text1.Text(), "");
    klikk(f.C_SlettDommer);
    b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Ingen dommer valgt!\rVelg Dommer og prøv igjen!");
    EXPECT_EQ(dommere(), 2);
}

} // namespace
} // namespace regtest
