// The three counters beside the grid, as the user sees them in the real window
// after a save and after a deletion.
#include "Fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"
#include "support/OnceShown.h"

namespace regtest {
namespace {

class Teller : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        forms::SetHost(&host);
    }
    void TearDown() override {
        forms::ResetDefaults();
        forms::SetHost(nullptr);
        RegisterTest::TearDown();
    }
    QWidget* widget(forms::Control& c) { return host.windowOf(*c.Owner())->viewWidget(c); }
    void klikk(forms::Control& c) {
        QTest::mouseClick(widget(c), Qt::LeftButton);
        QApplication::processEvents();
    }
    // Total, Boccia, Curling, as the boxes on screen show them.
    QStringList tellere(Dommere_Init& f) {
        QStringList ut;
        for (auto* t : {&f.Text16, &f.Text17, &f.Text18}) ut << qobject_cast<QLineEdit*>(widget(*t))->text();
        return ut;
    }
    qtview::QtHost host;
};

TEST_F(Teller, ASaveAndADeletionShowAtOnce) {
    leggInn({.nr = 4, .fnavn = "Fire", .boccia = true});
    Dommere_Init& f = vis();
    QApplication::processEvents();
    ASSERT_EQ(tellere(f), (QStringList{"1", "1", "0"}));

    QTest::keyClicks(widget(f.Text4), "7");
    QTest::keyClicks(widget(f.Text1), "Sju");
    klikk(f.SSCheck1);
    klikk(f.SSCheck2);
    klikk(f.SSCommand2);
    EXPECT_EQ(tellere(f), (QStringList{"2", "2", "1"}));

    f.Option2.UserClick();
    f.MSFlexGrid1.UserClickCell(1, 1);   // number 4
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [](QWidget* w) {
        auto* boks = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(boks, nullptr);
        for (QAbstractButton* b : boks->buttons())
            if (boks->buttonRole(b) == QMessageBox::YesRole) b->click();
    });
    klikk(f.C_SlettDommer);
    EXPECT_EQ(antall("Select Count(*) From Dommere"), 1);
    EXPECT_EQ(tellere(f), (QStringList{"1", "1", "1"}));
}

} // namespace
} // namespace regtest
