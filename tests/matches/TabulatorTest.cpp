// The Tab key through the real widgets of the match window: every box in
// screen order, and out of the referee grid again with the model following.
#include "Fixture.h"

#include <QApplication>
#include <QTest>

#include "frame/Hovedmeny2.h"
#include "matches/Dommer.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"

namespace kamptest {
namespace {

class Tabulator : public KampTest {};

TEST_F(Tabulator, TabVisitsEveryBoxInScreenOrderAndLeavesTheRefereeGrid) {
    dommer(3, "Ola", "Nordmann");
    dommer(12, "Kari", "Ås");
    qtview::QtHost host;
    forms::SetHost(&host);
    forms::Default<Hovedmeny2>().Show();
    auto& f = forms::Default<Dommer>();
    f.Show();
    f.MSFlexGrid2.UserClickCell(2, 1);
    // Presses Tab (or Shift+Tab) in from's widget; the control the focus went to, in the model and on screen.
    auto press = [&](forms::Control& from, Qt::KeyboardModifiers modifiers = Qt::NoModifier) -> forms::Control* {
        QWidget* w = host.windowOf(f)->viewWidget(from);
        QApplication::setActiveWindow(w->window());
        w->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(w, Qt::Key_Tab, modifiers);
        forms::Control* now = f.ActiveControl();
        EXPECT_EQ(now ? host.windowOf(f)->viewWidget(*now) : nullptr, QApplication::focusWidget());
        return now;
    };
    const std::vector<forms::Control*> order = {&f.MSFlexGrid2, &f.Text4, &f.Text5, &f.Text1, &f.Text6, &f.Text2,
                                                &f.Text8(0), &f.Text8(2), &f.Text3, &f.Text8(1), &f.Text8(3), &f.SSCheck1};
    for (size_t i = 0; i + 1 < order.size(); ++i) EXPECT_EQ(press(*order[i]), order[i + 1]) << order[i]->Name();
    EXPECT_EQ(press(f.Text4, Qt::ShiftModifier), &f.MSFlexGrid2);
    // Tab moved no highlight inside the grid: the picked referee stays.
    EXPECT_EQ(f.MSFlexGrid2.Row(), 2);
    EXPECT_EQ(f.Text1.Text(), "Kari");
    forms::ResetDefaults();
    forms::SetHost(nullptr);
}

} // namespace
} // namespace kamptest
