#include "FormsTest.h"
#include "platform/vb/Err.h"

using namespace forms;

namespace {

struct GridForm : Form {
    GridForm() : Form("GridForm") {}
    MSFlexGrid MSFlexGrid1{this, "MSFlexGrid1"};
};

class Grid : public formstest::FormsTest {
protected:
    MSFlexGrid& g() { return Default<GridForm>().MSFlexGrid1; }
    std::vector<std::string> column(int col) {
        std::vector<std::string> out;
        for (int r = g().FixedRows; r < g().Rows(); ++r) out.push_back(g().TextMatrix(r, col));
        return out;
    }
    int errorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const vb::Err& e) {
            return e.Number;
        }
        return 0;
    }
};

TEST_F(Grid, AddItemSplitsTabsAndInsertsBeforeAnIndex) {
    g().SetCols(4);
    g().SetRows(1);
    g().AddItem("    7\tOla  Nordmann\tBK Kvistrel\t3");
    g().AddItem("   42\tKari\t\t0\textra cell dropped");
    g().AddItem("  123", 1);
    EXPECT_EQ(g().Rows(), 4);
    EXPECT_EQ(column(0), (std::vector<std::string>{"  123", "    7", "   42"}));
    EXPECT_EQ(g().TextMatrix(2, 1), "Ola  Nordmann");
    EXPECT_EQ(g().TextMatrix(3, 2), "");
    EXPECT_EQ(g().TextMatrix(1, 3), "");
    g().RemoveItem(1);
    EXPECT_EQ(column(0), (std::vector<std::string>{"    7", "   42"}));
    EXPECT_EQ(errorOf([&] { g().AddItem("x", 9); }), 381);
}

// A row built cell by cell keeps what was in it and its own tabs; a value's tab or line
// break shows as a blank, so the row keeps its count of cells.
TEST_F(Grid, AppendedCellsCannotSplitTheRow) {
    g().SetCols(3);
    g().SetRows(1);
    std::string rad = "Ola\t";
    forms::AppendGridCell(rad, "A\tB\r\nC");
    rad += '\t';
    forms::AppendGridCell(rad, "Ås IL");
    EXPECT_EQ(rad, "Ola\tA B  C\tÅs IL");
    g().AddItem(rad);
    EXPECT_EQ(g().TextMatrix(1, 1), "A B  C");
    EXPECT_EQ(g().TextMatrix(1, 2), "Ås IL");
}

TEST_F(Grid, OutOfRangeCellsRaise381) {
    g().SetRows(3);
    g().SetCols(2);
    EXPECT_EQ(errorOf([&] { g().TextMatrix(3, 0); }), 381);
    EXPECT_EQ(errorOf([&] { g().TextMatrix(0, 2); }), 381);
    EXPECT_EQ(errorOf([&] { g().SetTextMatrix(-1, 0, "x"); }), 381);
    EXPECT_EQ(errorOf([&] { g().SetRow(3); }), 381);
    EXPECT_EQ(errorOf([&] { g().ColWidth(2); }), 381);
    EXPECT_EQ(errorOf([&] { g().TextMatrix(2, 1); }), 0);
}

TEST_F(Grid, ResizingKeepsTheCellsThatRemain) {
    g().SetRows(3);
    g().SetCols(3);
    g().SetTextMatrix(1, 1, "a");
    g().SetTextMatrix(2, 2, "b");
    g().SetColWidth(1, 2400);
    g().SetRows(2);
    g().SetCols(5);
    EXPECT_EQ(g().TextMatrix(1, 1), "a");
    EXPECT_EQ(g().TextMatrix(1, 4), "");
    EXPECT_EQ(g().ColWidth(1), 2400);
    g().SetRows(3);
    EXPECT_EQ(g().TextMatrix(2, 2), "");   // the cut row came back empty
    g().Clear();
    EXPECT_EQ(g().TextMatrix(1, 1), "");
    EXPECT_EQ(g().Rows(), 3);
    EXPECT_EQ(g().Cols(), 5);
}

// The cells are kept packed, each after its length: every content and length must come
// back as it went in, beside its neighbours, through writes, new columns and a sort.
TEST_F(Grid, CellsOfAnyLengthAndContentKeepTheirTextAndTheirNeighbours) {
    const std::string cells[] = {
        "",
        "Ærlig Åsheim",
        std::string(127, 'a'),             // the longest length in one byte
        std::string(128, 'b'),             // the shortest in two
        std::string(20000, 'c'),           // three bytes of length
        std::string("tab\tnul\0cr\r", 11),  // written directly, nothing is split or cut
    };
    const int n = static_cast<int>(std::size(cells));
    g().SetRows(2);
    g().SetCols(n + 1);
    for (int c = 0; c < n; ++c) g().SetTextMatrix(1, c + 1, cells[c]);
    g().SetTextMatrix(1, 0, "z");
    for (int c = 0; c < n; ++c) EXPECT_EQ(g().TextMatrix(1, c + 1), cells[c]) << c;
    // A cell written again, longer and then shorter, leaves the others be.
    g().SetTextMatrix(1, 3, std::string(300, 'x'));
    g().SetTextMatrix(1, 3, "y");
    EXPECT_EQ(g().TextMatrix(1, 3), "y");
    EXPECT_EQ(g().TextMatrix(1, 4), cells[3]);
    g().SetTextMatrix(1, 3, cells[2]);
    g().AddItem("a\t" + cells[4] + "\t\t\xc3\x98");
    g().SetCols(n + 3);
    EXPECT_EQ(g().TextMatrix(1, n), cells[n - 1]);
    EXPECT_EQ(g().TextMatrix(1, n + 2), "");
    g().SetCol(0);
    g().Sort(flexSortStringAscending);
    EXPECT_EQ(column(0), (std::vector<std::string>{"a", "z"}));
    EXPECT_EQ(g().TextMatrix(1, 1), cells[4]);
    EXPECT_EQ(g().TextMatrix(1, 3), "\xc3\x98");
    for (int c = 0; c < n; ++c) EXPECT_EQ(g().TextMatrix(2, c + 1), cells[c]) << c;
    g().SetCols(3);
    EXPECT_EQ(g().TextMatrix(2, 2), cells[1]);
    EXPECT_EQ(g().TextMatrix(1, 1), cells[4]);
}

TEST_F(Grid, SortKeepsFixedRowsAndUsesTheChosenColumns) {
    g().SetCols(2);
    g().SetRows(1);
    g().SetTextMatrix(0, 0, "Nr");
    for (const char* row : {"10\tb", "9\tA", "100\tC", "abc\ta", "9\tÅ"}) g().AddItem(row);
    g().SetCol(0);
    g().Sort(flexSortGenericAscending);
    EXPECT_EQ(g().TextMatrix(0, 0), "Nr");
    EXPECT_EQ(column(0), (std::vector<std::string>{"9", "9", "10", "100", "abc"}));
    EXPECT_EQ(column(1)[0], "A");   // equal keys keep their order
    g().Sort(flexSortStringAscending);
    EXPECT_EQ(column(0), (std::vector<std::string>{"10", "100", "9", "9", "abc"}));
    g().Sort(flexSortNumericDescending);
    EXPECT_EQ(column(0), (std::vector<std::string>{"100", "10", "9", "9", "abc"}));
    g().SetCol(1);
    g().Sort(flexSortStringNoCaseAscending);
    EXPECT_EQ(column(1), (std::vector<std::string>{"A", "a", "b", "C", "Å"}));
    // Two key columns: Col..ColSel.
    g().SetCol(0);
    g().SetColSel(1);
    g().Sort(flexSortGenericDescending);
    EXPECT_EQ(column(1), (std::vector<std::string>{"a", "C", "b", "Å", "A"}));
    EXPECT_THROW(g().Sort(9), vb::Err);
}

TEST_F(Grid, ClickingACellSelectsItAndClicks) {
    g().SetRows(4);
    g().SetCols(4);
    std::vector<std::string> events;
    g().EnterCell = [&] { events.push_back("EnterCell"); };
    g().Click = [&] { events.push_back("Click " + std::to_string(g().Row())); };
    g().SelectionMode = 1;
    g().UserClickCell(2, 1);
    EXPECT_EQ(g().RowSel(), 2);
    EXPECT_EQ(g().ColSel(), 3);
    g().UserClickCell(2, 1);
    g().UserClickCell(9, 1);
    EXPECT_EQ(events, (std::vector<std::string>{"EnterCell", "Click 2", "Click 2"}));
}

// A key that moves to another row picks it as a click does, the focus staying where it is;
// a move along the row, or to where the grid already stands, picks nothing.
TEST_F(Grid, AKeyMoveToAnotherRowPicksItAsAClick) {
    g().SetRows(5);
    g().SetCols(3);
    g().SelectionMode = 1;
    std::vector<std::string> events;
    g().EnterCell = [&] { events.push_back("EnterCell"); };
    g().Click = [&] {
        events.push_back("Click " + std::to_string(g().Row()) + (g().MovedByKeys() ? " keys" : " mouse"));
    };
    g().UserKeyMoveCell(3, 1);
    EXPECT_EQ(g().Row(), 3);
    EXPECT_EQ(g().RowSel(), 3);
    EXPECT_EQ(g().ColSel(), 2);
    g().UserKeyMoveCell(3, 1);    // nowhere new
    g().UserKeyMoveCell(3, 2);    // along the row
    g().UserKeyMoveCell(7, 1);    // outside the grid
    EXPECT_EQ(g().Col(), 2);
    g().UserClickCell(4, 0);
    EXPECT_FALSE(g().MovedByKeys());
    g().SetEnabled(false);
    g().UserKeyMoveCell(1, 0);
    EXPECT_EQ(g().Row(), 4);
    EXPECT_EQ(events, (std::vector<std::string>{"EnterCell", "Click 3 keys", "EnterCell", "EnterCell", "Click 4 mouse"}));
}

// A fill of many rows reaches the view as one change, which says where the rows begin to differ.
TEST_F(Grid, ChangesGatherUntilTheViewTakesThem) {
    struct Counter : ControlView {
        void changed(Control&, Prop what) override { if (what == Prop::Grid) ++grids; }
        int grids = 0;
    } view;
    struct Case {
        const char* what;
        std::function<void(MSFlexGrid&)> change;
        int firstRow;
        bool columns;
    };
    const std::vector<Case> cases = {
        {"nothing", [](MSFlexGrid&) {}, -1, false},
        {"rows added at the end", [](MSFlexGrid& g) { for (int i = 0; i < 1000; ++i) g.AddItem("x"); }, 5, false},
        {"a row put in between", [](MSFlexGrid& g) { g.AddItem("x", 3); }, 3, false},
        {"a row taken out", [](MSFlexGrid& g) { g.RemoveItem(2); }, 2, false},
        {"fewer rows", [](MSFlexGrid& g) { g.SetRows(2); }, 2, false},
        {"more rows", [](MSFlexGrid& g) { g.SetRows(9); }, 5, false},
        {"cells written low, then high", [](MSFlexGrid& g) { g.SetTextMatrix(4, 1, "a"); g.SetTextMatrix(1, 0, "b"); }, 1, false},
        {"a cell written as it stands", [](MSFlexGrid& g) { g.SetTextMatrix(4, 1, "d"); }, -1, false},
        {"sorted", [](MSFlexGrid& g) { g.Sort(flexSortGenericAscending); }, 1, false},
        {"cleared", [](MSFlexGrid& g) { g.Clear(); }, 0, false},
        {"a new width", [](MSFlexGrid& g) { g.SetColWidth(1, 2000); }, -1, true},
        {"the same width", [](MSFlexGrid& g) { g.SetColWidth(-1, 960); }, -1, false},
        {"a new alignment, then a row", [](MSFlexGrid& g) { g.SetColAlignment(0, 4); g.AddItem("y"); }, 5, true},
        {"more columns", [](MSFlexGrid& g) { g.SetCols(3); }, -1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reset();
        g().SetRows(1);
        for (const char* row : {"a\tb", "c\td", "e\tf", "g\td"}) g().AddItem(row);
        g().SetView(&view);
        g().TakeChanges();
        view.grids = 0;
        c.change(g());
        const GridChanges changes = g().TakeChanges();
        EXPECT_EQ(changes.firstRow, c.firstRow);
        EXPECT_EQ(changes.columns, c.columns);
        EXPECT_EQ(view.grids, changes.any() ? 1 : 0);
        EXPECT_FALSE(g().TakeChanges().any());
        g().SetView(nullptr);
    }
}

} // namespace
