// The flex grid: fixed rows and columns drawn as grey heading cells, the
// rest as plain cells; cells are compared with what is shown and only the
// changed ones are written, so filling row by row stays cheap.
#include <QHeaderView>
#include <QTableWidget>

#include "platform/forms/Controls.h"
#include "qtview/Convert.h"
#include "qtview/ViewKinds.h"

namespace qtview {

namespace {

bool looksNumeric(const std::string& text) {
    if (text.empty()) return false;
    bool digit = false;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') digit = true;
        else if (ch != ' ' && ch != ',' && ch != '.' && ch != '-' && ch != '+') return false;
    }
    return digit;
}

class GridView : public WidgetView {
public:
    GridView(forms::MSFlexGrid& grid, FormWindow& window, QWidget* parent)
        : WidgetView(grid, window, new QTableWidget(parent)), grid_(grid) {
        QTableWidget* t = table();
        t->horizontalHeader()->hide();
        t->verticalHeader()->hide();
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setWordWrap(false);
        on(t, &QTableWidget::cellClicked, [this](int row, int col) {
            if (toModel([this, row, col] { grid_.UserClickCell(row, col); })) syncSelection();
        });
        on(t, &QTableWidget::cellDoubleClicked, [this](int row, int col) {
            toModel([this, row, col] { grid_.UserDblClickCell(row, col); });
        });
    }

protected:
    QPalette::ColorRole backRole() const override { return QPalette::Base; }
    QPalette::ColorRole foreRole() const override { return QPalette::Text; }
    void applyFont() override {
        WidgetView::applyFont();
        table()->verticalHeader()->setDefaultSectionSize(QFontMetrics(widget()->font()).height() + 6);
    }
    void content() override {
        QTableWidget* t = table();
        t->setSelectionBehavior(grid_.SelectionMode == 1 ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        const Qt::ScrollBarPolicy off = Qt::ScrollBarAlwaysOff, asNeeded = Qt::ScrollBarAsNeeded;
        t->setHorizontalScrollBarPolicy(grid_.ScrollBars & 1 ? asNeeded : off);
        t->setVerticalScrollBarPolicy(grid_.ScrollBars & 2 ? asNeeded : off);
        syncCells();
        syncSelection();
    }
    void update(forms::Prop what) override {
        if (what == forms::Prop::Selection) syncSelection();
        else if (what == forms::Prop::Grid) { syncCells(); syncSelection(); }
        else content();
    }

private:
    QTableWidget* table() const { return static_cast<QTableWidget*>(widget()); }
    bool fixedCell(int row, int col) const { return row < grid_.FixedRows || col < grid_.FixedCols; }

    void syncCells() {
        Updating guard(updating_);
        QTableWidget* t = table();
        const int rows = grid_.Rows(), cols = grid_.Cols();
        if (t->rowCount() != rows || t->columnCount() != cols) {
            t->setRowCount(rows);
            t->setColumnCount(cols);
        }
        // Other fixed rows or columns change how every cell is drawn.
        if (fixedRows_ != grid_.FixedRows || fixedCols_ != grid_.FixedCols) {
            fixedRows_ = grid_.FixedRows;
            fixedCols_ = grid_.FixedCols;
            made_.clear();
        }
        shown_.resize(std::size_t(rows));
        made_.resize(std::size_t(rows));
        for (int r = 0; r < rows; ++r) {
            shown_[std::size_t(r)].resize(std::size_t(cols));
            made_[std::size_t(r)].resize(std::size_t(cols), false);
        }
        alignments_.resize(std::size_t(cols), -1);
        for (int c = 0; c < cols; ++c) {
            const int width = grid_.ColWidth(c);
            t->setColumnWidth(c, width >= 0 ? Px(width) : 64);
        }
        const QBrush heading = t->palette().brush(QPalette::Button);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                std::string text = grid_.TextMatrix(r, c);
                const int alignment = grid_.ColAlignment(c);
                auto& shown = shown_[std::size_t(r)][std::size_t(c)];
                if (made_[std::size_t(r)][std::size_t(c)] && shown == text && alignments_[std::size_t(c)] == alignment) continue;
                auto* item = new QTableWidgetItem(Q(text));
                if (fixedCell(r, c)) {
                    item->setBackground(heading);
                    item->setFlags(Qt::ItemIsEnabled);
                    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                } else {
                    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                    item->setTextAlignment(GridAlignment(alignment, looksNumeric(text)));
                }
                t->setItem(r, c, item);
                shown = std::move(text);
                made_[std::size_t(r)][std::size_t(c)] = true;
            }
        }
        for (int c = 0; c < cols; ++c) alignments_[std::size_t(c)] = grid_.ColAlignment(c);
    }

    void syncSelection() {
        Updating guard(updating_);
        QTableWidget* t = table();
        if (grid_.Row() < t->rowCount() && grid_.Col() < t->columnCount() && !fixedCell(grid_.Row(), grid_.Col()))
            t->setCurrentCell(grid_.Row(), grid_.Col());
        else
            t->clearSelection();
    }

    forms::MSFlexGrid& grid_;
    std::vector<std::vector<std::string>> shown_;
    std::vector<std::vector<bool>> made_;
    std::vector<int> alignments_;
    int fixedRows_ = -1, fixedCols_ = -1;
};

} // namespace

std::unique_ptr<WidgetView> MakeGridView(forms::Control& control, FormWindow& window, QWidget* parent) {
    if (auto* g = dynamic_cast<forms::MSFlexGrid*>(&control)) return std::make_unique<GridView>(*g, window, parent);
    return nullptr;
}

} // namespace qtview
