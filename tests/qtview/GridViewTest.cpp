// The grid as the user meets it: what the screen shows after each kind of
// change from code, and clicks on the rows the user sees, scrolled or not.
#include <gtest/gtest.h>

#include <functional>

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "platform/forms/Runtime.h"
#include "qtview/AllControlsForm.h"
#include "qtview/QtTestUtil.h"
#include "support/TestEnv.h"

using namespace qtviewtest;

namespace {

class GridViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetRuntime();
        forms::App.ResourcePath = KD_SOURCE_DIR "/resources";
        forms::SetHost(&host);
        form.Show();
        grid = As<QTableView>(host, form.MSFlexGrid1);
        ASSERT_NE(grid, nullptr);
    }
    void TearDown() override { forms::ResetRuntime(); }

    void fill(int rows) {
        for (int i = 1; i <= rows; ++i) form.MSFlexGrid1.AddItem(std::to_string(i) + "\tDommer " + std::to_string(i) + "\tØrsta");
    }
    // What the window has on screen now, against the grid drawn afresh from the model.
    QImage onScreen() {
        QWidget* top = grid->window();
        const QPoint at = grid->mapTo(top, QPoint(0, 0));
        return QGuiApplication::primaryScreen()
            ->grabWindow(top->winId(), at.x(), at.y(), grid->width(), grid->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage drawnAfresh() { return grid->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QModelIndex cell(int row, int col) const { return grid->model()->index(row, col); }
    void click(int row, int col) { MouseClick(grid->viewport(), Qt::LeftButton, grid->visualRect(cell(row, col)).center()); }

    kdtest::TempDir dir;
    AllControlsForm form{dir.path()};
    qtview::QtHost host;
    QTableView* grid = nullptr;
};

TEST_F(GridViewTest, TheScreenShowsWhatTheGridHoldsAfterEachKindOfChange) {
    forms::MSFlexGrid& g = form.MSFlexGrid1;
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"rows added", [&] { fill(40); }},
        {"a cell written", [&] { g.SetTextMatrix(2, 1, "Aas, Øystein"); }},
        {"sorted by name, descending", [&] { g.SetCol(1); g.Sort(forms::flexSortStringDescending); }},
        {"a row taken out", [&] { g.RemoveItem(1); }},
        {"a row put in first", [&] { g.AddItem("0\tFørst\tBodø", 1); }},
        {"fewer rows", [&] { g.SetRows(3); }},
        {"cleared and refilled", [&] { g.Clear(); g.SetRows(1); fill(5); }},
        {"a wider column", [&] { g.SetColWidth(1, T(220)); }},
        {"a fixed first column", [&] { g.FixedCols = 1; g.SetTextMatrix(1, 0, "x"); }},
        {"a row selected", [&] { g.SetRow(4); g.SetCol(2); }},
        {"all rows gone", [&] { g.SetRows(1); }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        change();
        Settle();
        ASSERT_EQ(grid->model()->rowCount(), g.Rows());
        ASSERT_EQ(grid->model()->columnCount(), g.Cols());
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < g.Cols(); ++c) ASSERT_EQ(cell(r, c).data().toString().toStdString(), g.TextMatrix(r, c));
        EXPECT_EQ(onScreen(), drawnAfresh());
        const bool selectable = g.Row() >= g.FixedRows && g.Col() >= g.FixedCols;
        EXPECT_EQ(grid->selectionModel()->isSelected(cell(g.Row(), g.Col())), selectable);
    }
}

TEST_F(GridViewTest, AClickSelectsTheRowTheUserSeesAlsoWhenScrolled) {
    fill(400);
    Settle();
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum() / 2);
    Settle();
    const QPoint middle = grid->viewport()->rect().center();
    const QModelIndex seen = grid->indexAt(middle);
    ASSERT_GT(seen.row(), 100);
    MouseClick(grid->viewport(), Qt::LeftButton, middle);
    EXPECT_EQ(form.MSFlexGrid1.Row(), seen.row());
    EXPECT_EQ(form.MSFlexGrid1.Col(), seen.column());
    EXPECT_EQ(form.MSFlexGrid1.TextMatrix(form.MSFlexGrid1.Row(), 0), std::to_string(seen.row() - 3));
    EXPECT_EQ(form.events.back(), "Grid_Click " + std::to_string(seen.row()) + "," + std::to_string(seen.column()));
    EXPECT_EQ(grid->currentIndex(), seen);

    form.MSFlexGrid1.DblClick = [this] { form.events.push_back("Grid_DblClick"); };
    form.events.clear();
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(middle), grid->viewport()->mapToGlobal(QPointF(middle)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &twice);
    EXPECT_EQ(form.events.back(), "Grid_DblClick");
}

// A click whose handler fills the grid anew sees the new rows on screen when it returns.
TEST_F(GridViewTest, AClickThatRefillsTheGridShowsTheNewRowsAtOnce) {
    fill(3);
    Settle();
    forms::MSFlexGrid& g = form.MSFlexGrid1;
    g.Click = [&g] {
        const std::string picked = g.TextMatrix(g.Row(), 1);
        g.SetRows(1);
        for (int i = 0; i < 50; ++i) g.AddItem(std::to_string(i) + "\t" + picked);
        g.SetRow(7);
    };
    click(2, 1);
    EXPECT_EQ(grid->model()->rowCount(), 51);
    EXPECT_EQ(cell(50, 1).data().toString(), QString("Ærø, Åse"));
    EXPECT_EQ(grid->currentIndex().row(), 7);
    Settle();
    EXPECT_EQ(onScreen(), drawnAfresh());
}

// Wherever the keys or the mouse leave the highlight, the grid stands there too and its
// window has been told as by a click: arrows, Page Down, Ctrl+End, Ctrl+Home and a typed
// letter pick the row they reach; Return and Space pick the current row; a move along the
// row, or one that finds no new cell, picks nothing; a drag picks the row where it ends.
TEST_F(GridViewTest, KeysAndDragsPickTheRowTheHighlightShows) {
    // A default button takes Return wherever the focus stands, as on the old forms; the
    // windows with grids have none.
    form.C_Lagre.Default = false;
    fill(40);
    Settle();
    forms::MSFlexGrid& g = form.MSFlexGrid1;
    click(2, 1);
    Focus(grid);
    // The window's events from one key, the highlight and the grid agreeing after it.
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        form.events.clear();
        QTest::keyClick(grid, key, modifiers);
        EXPECT_EQ(grid->currentIndex(), cell(g.Row(), g.Col()));
        return form.events;
    };
    using Events = std::vector<std::string>;
    const auto picked = [](int row, int col) { return Events{"Grid_Click " + std::to_string(row) + "," + std::to_string(col)}; };
    EXPECT_EQ(press(Qt::Key_Down), picked(3, 1));
    EXPECT_EQ(g.TextMatrix(g.Row(), 1), "Lie, Bjørn");
    EXPECT_EQ(press(Qt::Key_Up), picked(2, 1));
    const Events down = press(Qt::Key_PageDown);
    EXPECT_GT(g.Row(), 5);
    EXPECT_EQ(down, picked(g.Row(), 1));
    EXPECT_EQ(press(Qt::Key_End, Qt::ControlModifier), picked(43, 2));
    EXPECT_EQ(press(Qt::Key_Up), picked(42, 2));
    EXPECT_EQ(press(Qt::Key_Home), Events{});
    EXPECT_EQ(press(Qt::Key_Right), Events{});
    EXPECT_EQ(g.Col(), 1);
    form.events.clear();
    QTest::keyClicks(grid, "Lie");
    EXPECT_EQ(form.events, picked(3, 1));
    EXPECT_EQ(grid->currentIndex(), cell(3, 1));
    EXPECT_EQ(press(Qt::Key_Return), picked(3, 1));
    EXPECT_EQ(press(Qt::Key_Space), picked(3, 1));
    EXPECT_EQ(g.Row(), 3);

    // Pressed on one row, let go on another: the row let go on is picked, once.
    form.events.clear();
    const QPoint from = grid->visualRect(cell(5, 1)).center(), to = grid->visualRect(cell(8, 1)).center();
    MousePress(grid->viewport(), Qt::LeftButton, from);
    QMouseEvent drag(QEvent::MouseMove, QPointF(to), grid->viewport()->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &drag);
    MouseRelease(grid->viewport(), Qt::LeftButton, to);
    EXPECT_EQ(form.events, picked(8, 1));
    EXPECT_EQ(g.Row(), 8);
    form.events.clear();
    click(6, 1);
    EXPECT_EQ(form.events, picked(6, 1));

    // A click on a heading reaches the grid as that click and picks no row below it.
    form.events.clear();
    click(0, 1);
    EXPECT_EQ(form.events, picked(0, 1));
}

// The first and last rows of the cell, from its top, that hold ink.
std::pair<int, int> inkRows(const QImage& image, const QRect& cell) {
    const QRgb back = image.pixel(cell.right() - 2, cell.top() + 2);
    int first = -1, last = -1;
    for (int y = cell.top(); y < cell.bottom(); ++y) {
        bool ink = false;
        for (int x = cell.left() + 2; x < cell.right() - 2; ++x) ink = ink || image.pixel(x, y) != back;
        if (!ink) continue;
        if (first < 0) first = y - cell.top();
        last = y - cell.top();
    }
    return {first, last};
}

// Text of a column with the grid's own alignment stands in the middle of its row, letters to
// descenders; one set to the top keeps it there. The focus shows as a frame on the current
// cell, and a grid with no row to pick is no Tab stop.
TEST_F(GridViewTest, TextIsCentredInItsRowAndTheFocusShows) {
    form.MSFlexGrid1.SetRows(1);
    Settle();
    EXPECT_FALSE(grid->focusPolicy() & Qt::TabFocus);
    form.MSFlexGrid1.SetColAlignment(2, 0);   // left, top
    fill(2);
    form.MSFlexGrid1.AddItem("1\tHpgj Tønsberg\tHpgj");
    form.MSFlexGrid1.SetRow(1);
    form.MSFlexGrid1.SetCol(1);
    Settle();
    EXPECT_TRUE(grid->focusPolicy() & Qt::TabFocus);
    const auto shown = [this] { return grid->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    const QImage image = shown();
    const QRect general = grid->visualRect(cell(3, 1)).adjusted(0, 0, 0, -1);
    const auto [top, bottom] = inkRows(image, general);
    const int below = general.height() - 1 - bottom;
    EXPECT_LE(std::abs(top - below), 1) << top << " above, " << below << " below";
    EXPECT_LT(inkRows(image, grid->visualRect(cell(3, 2))).first, top);

    Focus(grid);
    const QImage focused = shown();
    const QRect current = grid->visualRect(cell(1, 1));
    int changed = 0;
    for (int x = current.left(); x < current.right(); ++x) changed += focused.pixel(x, current.top()) != image.pixel(x, current.top());
    EXPECT_GT(changed, current.width() / 4);
}

} // namespace
