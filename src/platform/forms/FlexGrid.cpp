#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "platform/forms/Controls.h"
#include "platform/forms/Dispatcher.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "platform/vb/Variant.h"

namespace forms {

namespace {
constexpr int kDefaultColWidth = 960;

[[noreturn]] void badIndex() { vb::Raise(vb::errnum::InvalidPropertyIndex, "Ugyldig indeks for egenskapsmatrise"); }

bool isNumber(const std::string& s) { return vb::IsNumeric(vb::Variant(s)); }

int threeWay(double a, double b) { return a < b ? -1 : a > b ? 1 : 0; }

// A cell as a sort code reads it: its number is parsed once, not at every comparison.
// Kept small, as a sort of a large grid holds one for each row and key column.
struct SortCell {
    const char* data;
    std::uint32_t size;
    bool numeric;
    double value;   // 0 where the cell is no number
    std::string_view text() const { return {data, size}; }
};

// A generic or text sort's key for a cell.
SortCell sortCell(std::string_view s, int code) {
    const auto size = static_cast<std::uint32_t>(s.size());
    if (code != flexSortGenericAscending && code != flexSortGenericDescending) return {s.data(), size, false, 0.0};
    const std::string text(s);
    const bool numeric = isNumber(text);
    return {s.data(), size, numeric, numeric ? vb::CDbl(vb::Variant(text)) : 0.0};
}

double numberIn(std::string_view s) {
    const std::string text(s);
    return isNumber(text) ? vb::CDbl(vb::Variant(text)) : 0.0;
}

// The rows' order by their keys, one for each row and key column, made once each; equal rows keep theirs.
template <class Key, class MakeKey, class Compare>
std::vector<std::size_t> sortedOrder(std::size_t count, std::size_t width, bool descending, MakeKey makeKey, Compare compare) {
    std::vector<Key> keys;
    keys.reserve(count * width);
    for (std::size_t r = 0; r < count; ++r)
        for (std::size_t c = 0; c < width; ++c) keys.push_back(makeKey(r, c));
    std::vector<std::size_t> order(count);
    for (std::size_t r = 0; r < count; ++r) order[r] = r;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        for (std::size_t c = 0; c < width; ++c) {
            const int cmp = compare(keys[a * width + c], keys[b * width + c]);
            if (cmp != 0) return descending ? cmp > 0 : cmp < 0;
        }
        return false;
    });
    return order;
}

// One cell against another under a generic or text sort code, ascending.
int compareCells(const SortCell& a, const SortCell& b, int code) {
    if (a.text() == b.text()) return 0;   // the usual case among a sorted list's like rows
    switch (code) {
        case flexSortGenericAscending:
        case flexSortGenericDescending:
            if (a.numeric && b.numeric) return threeWay(a.value, b.value);
            return vb::StrCompText(a.text(), b.text());
        case flexSortStringNoCaseAscending:
        case flexSortStringNoCaseDescending:
            return vb::StrCompText(a.text(), b.text());
        default: {   // case-sensitive: the same order, case deciding between equal letters
            const int folded = vb::StrCompText(a.text(), b.text());
            const int exact = a.text().compare(b.text());
            return folded != 0 ? folded : exact < 0 ? -1 : exact > 0 ? 1 : 0;
        }
    }
}
} // namespace

MSFlexGrid::MSFlexGrid(Form* owner, std::string name, int index)
    : Control(owner, std::move(name), index),
      cells_(rows_, GridRow(cols_)),
      colWidth_(cols_, kDefaultColWidth),
      colAlign_(cols_, flexAlignGeneral) {
    SetBackColor(vbWindowBackground);
    SetWidth(4800);
    SetHeight(3000);
}

void MSFlexGrid::SetRows(int n) {
    use();
    if (n < 0 || n < FixedRows) vb::Raise(vb::errnum::InvalidPropertyValue);
    if (n == rows_) return;
    const int old = rows_;
    rows_ = n;
    cells_.resize(rows_, GridRow(cols_));
    const int last = std::max(0, rows_ - 1);
    row_ = std::min(row_, last);
    rowSel_ = std::min(rowSel_, last);
    TopRow = std::min(TopRow, last);
    rowsChangedFrom(std::min(old, n));
}

void MSFlexGrid::SetCols(int n) {
    use();
    if (n < 0 || n < FixedCols) vb::Raise(vb::errnum::InvalidPropertyValue);
    if (n == cols_) return;
    for (auto& row : cells_) row.resize(cols_, n);
    cols_ = n;
    colWidth_.resize(cols_, kDefaultColWidth);
    colAlign_.resize(cols_, flexAlignGeneral);
    const int last = std::max(0, cols_ - 1);
    col_ = std::min(col_, last);
    colSel_ = std::min(colSel_, last);
    columnsChanged();
}

std::string MSFlexGrid::TextMatrix(int row, int col) const {
    use();
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) badIndex();
    return std::string(cells_[row].cell(col));
}

void MSFlexGrid::SetTextMatrix(int row, int col, const std::string& text) {
    use();
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) badIndex();
    if (cells_[row].cell(col) == text) return;
    cells_[row].set(col, text);
    rowsChangedFrom(row);
}

void MSFlexGrid::SetRow(int r) {
    use();
    if (r < 0 || r >= rows_) badIndex();
    row_ = rowSel_ = r;
    notify(Prop::Selection);
}

void MSFlexGrid::SetCol(int c) {
    use();
    if (c < 0 || c >= cols_) badIndex();
    col_ = colSel_ = c;
    notify(Prop::Selection);
}

void MSFlexGrid::SetRowSel(int r) {
    use();
    if (r < 0 || r >= rows_) badIndex();
    rowSel_ = r;
    notify(Prop::Selection);
}

void MSFlexGrid::SetColSel(int c) {
    use();
    if (c < 0 || c >= cols_) badIndex();
    colSel_ = c;
    notify(Prop::Selection);
}

int MSFlexGrid::ColWidth(int col) const {
    use();
    if (col < 0 || col >= cols_) badIndex();
    return colWidth_[col];
}

// Column -1 stands for every column.
void MSFlexGrid::SetColWidth(int col, int twips) {
    use();
    if (col < -1 || col >= cols_) badIndex();
    if (col == -1 ? std::all_of(colWidth_.begin(), colWidth_.end(), [twips](int w) { return w == twips; })
                  : colWidth_[col] == twips)
        return;
    if (col == -1)
        std::fill(colWidth_.begin(), colWidth_.end(), twips);
    else
        colWidth_[col] = twips;
    columnsChanged();
}

int MSFlexGrid::ColAlignment(int col) const {
    use();
    if (col < 0 || col >= cols_) badIndex();
    return colAlign_[col];
}

void MSFlexGrid::SetColAlignment(int col, int alignment) {
    use();
    if (col < -1 || col >= cols_) badIndex();
    if (alignment < 0 || alignment > flexAlignGeneral) vb::Raise(vb::errnum::InvalidPropertyValue);
    if (col == -1 ? std::all_of(colAlign_.begin(), colAlign_.end(), [alignment](int a) { return a == alignment; })
                  : colAlign_[col] == alignment)
        return;
    if (col == -1)
        std::fill(colAlign_.begin(), colAlign_.end(), alignment);
    else
        colAlign_[col] = alignment;
    columnsChanged();
}

void MSFlexGrid::AddItem(const std::string& tabbedCells, int index) {
    use();
    const int at = index == -1 ? rows_ : index;
    if (at < 0 || at > rows_) badIndex();
    cells_.insert(cells_.begin() + at, GridRow::FromTabbed(tabbedCells, cols_));
    ++rows_;
    rowsChangedFrom(at);
}

void MSFlexGrid::RemoveItem(int index) {
    use();
    if (index < 0 || index >= rows_) badIndex();
    cells_.erase(cells_.begin() + index);
    --rows_;
    const int last = std::max(0, rows_ - 1);
    row_ = std::min(row_, last);
    rowSel_ = std::min(rowSel_, last);
    TopRow = std::min(TopRow, last);
    rowsChangedFrom(index);
}

void MSFlexGrid::Clear() {
    use();
    std::fill(cells_.begin(), cells_.end(), GridRow(cols_));
    rowsChangedFrom(0);
}

void MSFlexGrid::Sort(int code) {
    use();
    if (code < flexSortNone || code > flexSortStringDescending) vb::Raise(vb::errnum::InvalidPropertyValue);
    const int first = std::clamp(FixedRows, 0, rows_);
    if (code == flexSortNone || rows_ - first < 2 || cols_ == 0) return;
    const int fromCol = std::min(col_, colSel_);
    const int toCol = std::max(col_, colSel_);
    const bool descending = code % 2 == 0;
    const auto width = static_cast<std::size_t>(toCol - fromCol + 1);
    const auto count = static_cast<std::size_t>(rows_ - first);
    const auto cell = [&](std::size_t r, std::size_t c) { return cells_[first + r].cell(fromCol + static_cast<int>(c)); };
    // A numeric sort reads only the numbers (a cell that is no number counts as 0): one double a cell.
    std::vector<std::size_t> order =
        code == flexSortNumericAscending || code == flexSortNumericDescending
            ? sortedOrder<double>(count, width, descending, [&](std::size_t r, std::size_t c) { return numberIn(cell(r, c)); },
                                  threeWay)
            : sortedOrder<SortCell>(count, width, descending,
                                    [&](std::size_t r, std::size_t c) { return sortCell(cell(r, c), code); },
                                    [code](const SortCell& a, const SortCell& b) { return compareCells(a, b, code); });
    // Each row to its place along the order's cycles, without a second copy of the rows.
    const auto at = [&](std::size_t r) -> GridRow& { return cells_[first + r]; };
    for (std::size_t start = 0; start < count; ++start) {
        if (order[start] == start) continue;
        GridRow moving = std::move(at(start));
        std::size_t to = start;
        while (order[to] != start) {
            const std::size_t from = order[to];
            at(to) = std::move(at(from));
            order[to] = to;
            to = from;
        }
        at(to) = std::move(moving);
        order[to] = to;
    }
    rowsChangedFrom(first);
}

std::string GridCell(std::string value) {
    std::replace_if(value.begin(), value.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return value;
}

void AppendGridCell(std::string& row, std::string_view value) {
    const std::size_t from = row.size();
    row += value;
    std::replace_if(row.begin() + static_cast<std::ptrdiff_t>(from), row.end(),
                    [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
}

bool MSFlexGrid::userCanPick(int row, int col) const {
    return EffectiveEnabled() && EffectiveVisible() && row >= 0 && row < rows_ && col >= 0 && col < cols_;
}

void MSFlexGrid::moveTo(int row, int col) {
    const bool moved = row != row_ || col != col_;
    const int newColSel = SelectionMode == 1 ? cols_ - 1 : col;
    const bool selectionChanged = moved || rowSel_ != row || colSel_ != newColSel;
    row_ = rowSel_ = row;
    col_ = col;
    colSel_ = newColSel;
    if (selectionChanged) notify(Prop::Selection);
    if (moved) raise(EnterCell);
    if (selectionChanged) raise(SelChange);
}

void MSFlexGrid::UserClickCell(int row, int col) {
    detail::DispatchScope scope;
    if (!userCanPick(row, col)) return;
    SetFocus();
    moveTo(row, col);
    raise(Click);
}

void MSFlexGrid::UserDblClickCell(int row, int col) {
    detail::DispatchScope scope;
    if (!userCanPick(row, col)) return;
    UserClickCell(row, col);
    raise(DblClick);
}

// Only a new row is picked: a move along the row leaves the window's choice as it is.
void MSFlexGrid::UserKeyMoveCell(int row, int col) {
    detail::DispatchScope scope;
    if (!userCanPick(row, col) || (row == row_ && col == col_)) return;
    const bool newRow = row != row_;
    const bool outer = std::exchange(movedByKeys_, true);
    moveTo(row, col);
    if (newRow) raise(Click);
    movedByKeys_ = outer;
}

GridChanges MSFlexGrid::TakeChanges() { return std::exchange(pending_, GridChanges{}); }

void MSFlexGrid::rowsChangedFrom(int row) { changed(row, false); }

void MSFlexGrid::columnsChanged() { changed(-1, true); }

void MSFlexGrid::changed(int firstRow, bool columns) {
    const bool first = !pending_.any();
    if (firstRow >= 0) pending_.firstRow = pending_.firstRow < 0 ? firstRow : std::min(pending_.firstRow, firstRow);
    pending_.columns = pending_.columns || columns;
    if (first) notify(Prop::Grid);
}

} // namespace forms
