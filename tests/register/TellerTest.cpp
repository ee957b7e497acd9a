// The three counters beside the grid, as the real window shows them after a save and a deletion.
#include "Fixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"
#include "support/OnceShown.h"

namespace regtest {
namespace {

TEST_F(RegisterTest, CountersOnScreenFollowASaveAndADeletionAtOnce) {
    qtview::QtHost host;
    forms::SetHost(&host);
    leggInn({.nr = 4, .fnavn = "Fire", .boccia = true});
    Dommere_Init& f = vis();
    auto widget = [&](forms::Control& c) { return host.windowOf(f)->viewWidget(c); };
    auto tellere = [&] {
        QStringList ut;
        for (auto* t : {&f.Text16, &f.Text17, &f.Text18}) ut << qobject_cast<QLineEdit*>(widget(*t))->text();
        return ut;
    };
    QTest::keyClicks(widget(f.Text4), "7");
    QTest::keyClicks(widget(f.Text1), "Sju");
    for (auto* k : std::initializer_list<forms::Control*>{&f.SSCheck1, &f.SSCheck2, &f.SSCommand2})
        QTest::mouseClick(widget(*k), Qt::LeftButton);
    EXPECT_EQ(tellere(), (QStringList{"2", "2", "1"}));

    f.Option2.UserClick();
    f.MSFlexGrid1.UserClickCell(1, 1);   // number 4
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [](QWidget* w) {
        auto* boks = qobject_cast<QMessageBox*>(w);
        for (QAbstractButton* b : boks->buttons())
            if (boks->buttonRole(b) == QMessageBox::YesRole) b->click();
    });
    QTest::mouseClick(widget(f.C_SlettDommer), Qt::LeftButton);
    EXPECT_EQ(antall("Select Count(*) From Dommere"), 1);
    EXPECT_EQ(tellere(), (QStringList{"1", "1", "1"}));
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

} // namespace
} // namespace regtest
