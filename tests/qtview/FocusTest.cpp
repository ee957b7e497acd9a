// Where the keys go: the control a window opens with, the main window's focus
// when its last child closes, a grid's current cell, and a window cut to the
// screen that keeps its edges clear of its scroll bars.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <memory>
#include <vector>

#include "platform/forms/Controls.h"
#include "platform/forms/Runtime.h"
#include "qtview/Convert.h"
#include "qtview/QtTestUtil.h"

using namespace qtviewtest;

namespace {

class Skjema : public forms::Form {
public:
    explicit Skjema(bool fokusVedLast = false) : Form("Skjema"), fokusVedLast_(fokusVedLast) {
        Move(0, 0, 6000, 4000);
        Av.Move(120, 120, 1500, 315);
        Av.SetEnabled(false);
        Navn.Move(120, 600, 1500, 315);
        Lest.Move(120, 1080, 1500, 315);
        Lest.Locked = true;
        Knapp.Move(3000, 3000, 1200, 375);
        Rutenett.Move(3000, 120, 2500, 2000);
        SetTabOrder({&Av, &Navn, &Rutenett, &Knapp});
    }
    void Form_Load() override {
        if (fokusVedLast_) Knapp.SetFocus();
    }
    forms::TextBox Lest{this, "Lest"}, Av{this, "Av"}, Navn{this, "Navn"};
    forms::CommandButton Knapp{this, "Knapp"};
    forms::MSFlexGrid Rutenett{this, "Rutenett"};
private:
    bool fokusVedLast_;
};

class Hoved : public forms::Form {
public:
    Hoved() : Form("Hoved") {
        IsMDIForm = true;
        Move(0, 0, 9000, 7500);
        Forste.Move(0, 0, 1200, 375);
        Andre.Move(1300, 0, 1200, 375);
        SetTabOrder({&Forste, &Andre});
    }
    forms::CommandButton Forste{this, "Forste"}, Andre{this, "Andre"};
};

class Barn : public forms::Form {
public:
    explicit Barn(const std::string& navn) : Form(navn) {
        MDIChild = true;
        Move(0, 0, 4000, 2000);
        Boks.Move(120, 120, 1500, 315);
        SetTabOrder({&Boks});
    }
    forms::TextBox Boks{this, "Boks"};
};

class FocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetRuntime();
        forms::SetHost(&host);
    }
    void TearDown() override {
        forms::SetHost(nullptr);
        forms::ResetRuntime();
    }
    static QWidget* fokus() { return QApplication::focusWidget(); }
    // The test's forms outlive the host, whose windows read their forms as they go.
    template <class F, class... A>
    F& lag(A&&... args) {
        skjemaer.push_back(std::make_unique<F>(std::forward<A>(args)...));
        return static_cast<F&>(*skjemaer.back());
    }
    std::vector<std::unique_ptr<forms::Form>> skjemaer;
    qtview::QtHost host;
};

TEST(WithScrollBars, AddsTheBarAcrossTheWayThatScrolls) {
    const QSize room(1000, 600);
    // Fits: as it is.
    EXPECT_EQ(qtview::WithScrollBars(QSize(900, 600), room, 15), QSize(900, 600));
    // Too tall: the vertical bar beside it, the width whole.
    EXPECT_EQ(qtview::WithScrollBars(QSize(900, 800), room, 15), QSize(915, 600));
    // Too wide: the horizontal bar below it.
    EXPECT_EQ(qtview::WithScrollBars(QSize(1200, 500), room, 15), QSize(1000, 515));
    // The vertical bar pushes the width over: both bars, the room whole.
    EXPECT_EQ(qtview::WithScrollBars(QSize(990, 800), room, 15), QSize(1000, 600));
    // The horizontal bar pushes the height over.
    EXPECT_EQ(qtview::WithScrollBars(QSize(1200, 590), room, 15), QSize(1000, 600));
}

TEST_F(FocusTest, AWindowOpensInItsFirstStopThatCanTakeTheFocus) {
    Skjema& f = lag<Skjema>();
    f.Rutenett.SetRows(1);
    f.Show();
    QApplication::setActiveWindow(FrameOf(host, f));
    // The disabled box is passed over, the read-only one is no stop at all.
    EXPECT_EQ(fokus(), WidgetOf(host, f.Navn));
    EXPECT_EQ(f.ActiveControl(), &f.Navn);
    QTest::keyClick(fokus(), Qt::Key_Tab);
    // The empty grid takes no Tab: on to the button.
    EXPECT_EQ(fokus(), WidgetOf(host, f.Knapp));
    QTest::keyClick(fokus(), Qt::Key_Tab);
    EXPECT_EQ(fokus(), WidgetOf(host, f.Navn));
}

TEST_F(FocusTest, FocusGivenOnLoadIsWhereTheWindowOpens) {
    Skjema& f = lag<Skjema>(true);
    f.Show();
    QApplication::setActiveWindow(FrameOf(host, f));
    EXPECT_EQ(fokus(), WidgetOf(host, f.Knapp));
    EXPECT_EQ(f.ActiveControl(), &f.Knapp);
}

TEST_F(FocusTest, TheMainWindowTakesTheKeysBackWhenItsLastChildCloses) {
    Hoved& h = lag<Hoved>();
    Barn& a = lag<Barn>("A");
    Barn& b = lag<Barn>("B");
    h.Show();
    QApplication::setActiveWindow(FrameOf(host, h));
    EXPECT_EQ(fokus(), WidgetOf(host, h.Forste));
    h.Andre.UserClick();
    a.Show();
    b.Show();
    EXPECT_EQ(fokus(), WidgetOf(host, b.Boks));
    // Another child stays: the keys go there, not to the main window.
    b.Unload();
    Settle();
    EXPECT_EQ(fokus(), WidgetOf(host, a.Boks));
    // The last child went: back to the control the user left in the main window.
    a.Unload();
    Settle();
    EXPECT_EQ(fokus(), WidgetOf(host, h.Andre));
    EXPECT_EQ(h.ActiveControl(), &h.Andre);
}

// A dialog of the main window that goes while it has the keys hands them back to the main
// window, also when no window is active any more (its box went first); one that goes while the
// user works elsewhere takes nothing from there.
TEST_F(FocusTest, AClosingDialogGivesTheKeysBackToTheMainWindow) {
    Hoved& h = lag<Hoved>();
    h.Show();
    Skjema& d = lag<Skjema>();
    Skjema& annet = lag<Skjema>();
    d.BorderStyle = 3;
    d.Show();
    QApplication::setActiveWindow(FrameOf(host, d));
    QApplication::setActiveWindow(nullptr);
    d.Hide();
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), FrameOf(host, h));
    // Unloaded, as a dialog's OK does, the same.
    d.Show();
    QApplication::setActiveWindow(nullptr);
    d.Unload();
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), FrameOf(host, h));

    d.Show();
    annet.Show();
    QApplication::setActiveWindow(FrameOf(host, annet));
    d.Hide();
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), FrameOf(host, annet));
}

TEST_F(FocusTest, AGridsCurrentCellIsNeverAHeading) {
    Skjema& f = lag<Skjema>();
    forms::MSFlexGrid& g = f.Rutenett;
    g.SetCols(3);
    g.FixedRows = 1;
    g.FixedCols = 1;
    for (int i = 1; i <= 4; ++i) g.AddItem("h\t" + std::to_string(i) + "\tØrsta");
    f.Show();
    auto* table = As<QTableView>(host, g);
    ASSERT_NE(table, nullptr);
    QApplication::setActiveWindow(table->window());
    Settle();
    // Tab into the grid nobody picked in: the first cell below and right of the headings.
    WidgetOf(host, f.Navn)->setFocus();
    QTest::keyClick(fokus(), Qt::Key_Tab);
    ASSERT_EQ(fokus(), table);
    EXPECT_EQ(table->currentIndex().row(), 1);
    EXPECT_EQ(table->currentIndex().column(), 1);
    // Up and left stop at the headings.
    QTest::keyClick(table, Qt::Key_Up);
    QTest::keyClick(table, Qt::Key_Left);
    EXPECT_EQ(table->currentIndex().row(), 1);
    EXPECT_EQ(table->currentIndex().column(), 1);
    // A cell that is no heading becomes current as asked.
    table->setCurrentIndex(table->model()->index(3, 2));
    EXPECT_EQ(table->currentIndex().row(), 3);
    EXPECT_EQ(table->currentIndex().column(), 2);
    // A click on a heading cell reaches the grid, but leaves no heading current.
    const QRect heading = table->visualRect(table->model()->index(0, 2));
    MouseClick(table->viewport(), Qt::LeftButton, heading.center());
    EXPECT_EQ(g.Row(), 0);
    EXPECT_GE(table->currentIndex().row(), 1);
}

TEST_F(FocusTest, AWindowTallerThanTheScreenKeepsItsRightEdgeBesideTheBar) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    Skjema& f = lag<Skjema>();
    // A little narrower than the screen, twice as tall.
    f.Move(0, 0, (screen.width() - 60) * 15, screen.height() * 2 * 15);
    f.Show();
    QWidget* box = WidgetOf(host, f.Navn);
    auto* scroll = qobject_cast<QScrollArea*>(box->parentWidget()->parentWidget()->parentWidget());
    ASSERT_NE(scroll, nullptr);
    Settle();
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_GE(scroll->viewport()->width(), scroll->widget()->minimumWidth());
    EXPECT_LE(FrameOf(host, f)->frameGeometry().right(), screen.right() + 1);

    // One that fits has no bar at all.
    Skjema& g = lag<Skjema>();
    g.Show();
    QWidget* gbox = WidgetOf(host, g.Navn);
    auto* gscroll = qobject_cast<QScrollArea*>(gbox->parentWidget()->parentWidget()->parentWidget());
    Settle();
    EXPECT_FALSE(gscroll->verticalScrollBar()->isVisible());
    EXPECT_FALSE(gscroll->horizontalScrollBar()->isVisible());
}

} // namespace
