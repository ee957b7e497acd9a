// The flex grid: a table view straight over the grid's own cells, fixed rows
// and columns drawn as grey heading cells. Nothing is copied; the changes the
// grid gathers reach the view once, at the next turn of the event loop or at
// the end of the user's action, so a fill costs the view what changed, not
// the grid's size for each cell written.
#include <algorithm>

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>

#include <functional>

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

// The grid's cells as a table model. Its row and column counts are the ones the
// view has been told of; the grid may be ahead of them until follow() runs.
class GridCells : public QAbstractTableModel {
public:
    GridCells(const forms::MSFlexGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : cols_; }

    QVariant data(const QModelIndex& index, int role) const override {
        const int r = index.row(), c = index.column();
        if (r >= grid_.Rows() || c >= grid_.Cols()) return {};
        switch (role) {
        case Qt::DisplayRole: return Q(grid_.TextMatrix(r, c));
        case Qt::TextAlignmentRole:
            if (fixed(r, c)) return int(Qt::AlignLeft | Qt::AlignVCenter);
            return int(GridAlignment(grid_.ColAlignment(c), looksNumeric(grid_.TextMatrix(r, c))));
        case Qt::BackgroundRole: return fixed(r, c) ? QVariant(heading_) : QVariant();
        default: return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return fixed(index.row(), index.column()) ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

    bool fixed(int row, int col) const { return row < grid_.FixedRows || col < grid_.FixedCols; }
    void setHeading(const QBrush& brush) { heading_ = brush; }

    // Everything anew (a new column count, or the first showing).
    void reload() {
        beginResetModel();
        take();
        rows_ = grid_.Rows();
        cols_ = grid_.Cols();
        endResetModel();
    }

    // Tells the view what changed since it last looked; true when the columns need their widths again.
    bool follow(const forms::GridChanges& changes) {
        if (grid_.Cols() != cols_) {
            reload();
            return true;
        }
        // Other fixed rows or columns change how every cell is drawn.
        const bool fixedChanged = take();   // noted always, also when the columns changed too
        const bool redrawAll = changes.columns || fixedChanged;
        const int rows = grid_.Rows(), kept = std::min(rows, rows_);
        if (rows < rows_) {
            beginRemoveRows({}, rows, rows_ - 1);
            rows_ = rows;
            endRemoveRows();
        } else if (rows > rows_) {
            beginInsertRows({}, rows_, rows - 1);
            rows_ = rows;
            endInsertRows();
        }
        const int first = redrawAll ? 0 : changes.firstRow;
        if (first >= 0 && first < kept && cols_ > 0) emit dataChanged(index(first, 0), index(kept - 1, cols_ - 1));
        return changes.columns;
    }

private:
    // Notes the fixed rows and columns; true when they differ from the last ones noted.
    bool take() {
        const bool differ = fixedRows_ != grid_.FixedRows || fixedCols_ != grid_.FixedCols;
        fixedRows_ = grid_.FixedRows;
        fixedCols_ = grid_.FixedCols;
        return differ;
    }

    const forms::MSFlexGrid& grid_;
    QBrush heading_;
    int rows_ = 0, cols_ = 0, fixedRows_ = -1, fixedCols_ = -1;
};

// The grid's current cell is never a heading: a view that would make one current (the
// first cell, when the focus enters a grid nobody picked in) gets the nearest cell below
// and right of the headings, or none when the grid has no such cell.
class NoHeadingCurrent : public QItemSelectionModel {
public:
    NoHeadingCurrent(GridCells* cells, const forms::MSFlexGrid& grid, QObject* parent)
        : QItemSelectionModel(cells, parent), grid_(grid) {}
    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override {
        QModelIndex current = index;
        if (index.isValid() && (index.row() < grid_.FixedRows || index.column() < grid_.FixedCols))
            current = model()->index(std::max(index.row(), grid_.FixedRows), std::max(index.column(), grid_.FixedCols));
        QItemSelectionModel::setCurrentIndex(current, command);
    }
private:
    const forms::MSFlexGrid& grid_;
};

// Draws a cell as the old grid did: its text a pixel inside the grid lines, cut
// where the column ends (no ellipsis), so the headings the columns were made for show
// whole. Plainer than the style's item drawing, and so quicker to repaint.
class CellPainter : public QStyledItemDelegate {
public:
    static constexpr int Inset = 1;
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : option.state & QStyle::State_Active   ? QPalette::Normal
                                                                                   : QPalette::Inactive;
        if (selected) {
            p->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        } else if (const QVariant back = index.data(Qt::BackgroundRole); back.isValid()) {
            p->fillRect(option.rect, qvariant_cast<QBrush>(back));
        }
        p->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        p->setFont(option.font);
        QRect text = option.rect.adjusted(Inset, 0, -Inset, 0);
        int alignment = index.data(Qt::TextAlignmentRole).toInt();
        if (alignment & Qt::AlignVCenter) {
            // Centred by its letters, capitals to descenders, as the old grid showed it: the
            // font's box holds room for accents above and would set the text on the lower line.
            const QFontMetrics metrics(option.font);
            const int letters = metrics.capHeight() + metrics.descent();
            text.setTop(text.top() + (text.height() - letters) / 2 - (metrics.ascent() - metrics.capHeight()));
            text.setHeight(metrics.height());
            alignment = (alignment & ~Qt::AlignVertical_Mask) | Qt::AlignTop;
        }
        p->drawText(text, alignment | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
        if (option.state & QStyle::State_HasFocus) {
            // A dotted frame in the text's colour, seen on a picked row too, as the old grid drew it.
            p->setPen(QPen(p->pen().color(), 1, Qt::DotLine));
            p->setBrush(Qt::NoBrush);
            p->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
    }
    // The room the cell's text needs to show whole.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QFontMetrics metrics(option.font);
        return {metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 2 * Inset, metrics.height()};
    }
};

// The table tells its view where the user left the current cell: after a key (an arrow,
// Page Up/Down, Home/End, a typed letter) and after a mouse release (a drag moves it
// without a click). Return and Space pick the current cell's row, as a click does.
class GridTable : public QTableView {
public:
    using QTableView::QTableView;
    std::function<void(const QModelIndex&, bool byKeys)> left;
    std::function<void(const QModelIndex&)> picked;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        const QModelIndex before = currentIndex();
        const bool pick = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) &&
                          !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (pick && before.isValid() && picked) {
            e->accept();
            call(picked, before);
            return;
        }
        QTableView::keyPressEvent(e);
        if (currentIndex() != before) call(left, currentIndex(), true);
    }
    void mousePressEvent(QMouseEvent* e) override {
        pressedAt_ = indexAt(e->position().toPoint());
        QTableView::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QTableView::mouseReleaseEvent(e);   // a click reaches the grid through clicked()
        call(left, currentIndex(), false);
    }

public:
    // Where the last press of the mouse landed: a press on a heading picks no row.
    QModelIndex pressedAt() const { return pressedAt_; }

private:
    // Through a copy: a handler that closes the window takes the view, and the view clears these.
    template <class F, class... A>
    static void call(const F& f, A... args) {
        if (F copy = f) copy(args...);
    }
    QPersistentModelIndex pressedAt_;
};

class GridView : public WidgetView {
public:
    GridView(forms::MSFlexGrid& grid, FormWindow& window, QWidget* parent)
        : WidgetView(grid, window, new GridTable(parent)), grid_(grid), cells_(new GridCells(grid, table())) {
        GridTable* t = table();
        t->setModel(cells_);
        QItemSelectionModel* standard = t->selectionModel();
        t->setSelectionModel(new NoHeadingCurrent(cells_, grid, t));
        delete standard;
        t->setItemDelegate(new CellPainter(t));
        t->horizontalHeader()->hide();
        t->verticalHeader()->hide();
        t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        // Tab leaves the grid for the next control, as the old grid let it.
        t->setTabKeyNavigation(false);
        on(t, &QTableView::clicked, [this](const QModelIndex& at) {
            if (toModel([this, at] { grid_.UserClickCell(at.row(), at.column()); })) flush();
        });
        on(t, &QTableView::doubleClicked, [this](const QModelIndex& at) {
            if (toModel([this, at] { grid_.UserDblClickCell(at.row(), at.column()); })) flush();
        });
        // The highlight and the window's choice never disagree: a current cell the user left
        // where the grid does not have it is picked, by keys as a move, by the mouse as a click.
        t->left = [this](const QModelIndex& at, bool byKeys) {
            if (!at.isValid() || (at.row() == grid_.Row() && at.column() == grid_.Col())) return;
            // The current cell leaves a heading the mouse pressed on for a row nobody pointed at.
            if (const QModelIndex pressed = table()->pressedAt();
                !byKeys && pressed.isValid() && cells_->fixed(pressed.row(), pressed.column()))
                return;
            if (toModel([this, at, byKeys] {
                    if (byKeys)
                        grid_.UserKeyMoveCell(at.row(), at.column());
                    else
                        grid_.UserClickCell(at.row(), at.column());
                }))
                flush();
        };
        t->picked = [this](const QModelIndex& at) {
            if (toModel([this, at] { grid_.UserClickCell(at.row(), at.column()); })) flush();
        };
    }

    // The table goes only when its window is deleted, after the form and its grid:
    // until then it must not read the grid (a focus, key or paint event may still reach it).
    ~GridView() override {
        if (GridTable* t = table()) {
            t->setModel(nullptr);
            t->left = nullptr;
            t->picked = nullptr;
        }
    }

protected:
    QPalette::ColorRole backRole() const override { return QPalette::Base; }
    QPalette::ColorRole foreRole() const override { return QPalette::Text; }
    void applyFont() override {
        WidgetView::applyFont();
        table()->verticalHeader()->setDefaultSectionSize(QFontMetrics(widget()->font()).height() + 6);
    }
    void content() override {
        QTableView* t = table();
        t->setSelectionBehavior(grid_.SelectionMode == 1 ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
        const Qt::ScrollBarPolicy off = Qt::ScrollBarAlwaysOff, asNeeded = Qt::ScrollBarAsNeeded;
        t->setHorizontalScrollBarPolicy(grid_.ScrollBars & 1 ? asNeeded : off);
        t->setVerticalScrollBarPolicy(grid_.ScrollBars & 2 ? asNeeded : off);
        cells_->setHeading(t->palette().brush(QPalette::Button));
        grid_.TakeChanges();
        cells_->reload();
        syncColumns();
        syncSelection();
    }
    // Cells and selection wait for the next turn of the event loop, which takes all the changes at once.
    void update(forms::Prop what) override {
        if (what != forms::Prop::Grid && what != forms::Prop::Selection) {
            content();
        } else if (!queued_) {
            queued_ = true;
            QMetaObject::invokeMethod(&flusher_, [this] { flush(); }, Qt::QueuedConnection);
        }
    }

private:
    GridTable* table() const { return static_cast<GridTable*>(widget()); }

    void flush() {
        queued_ = false;
        if (!widget_) return;
        Updating guard(updating_);
        if (cells_->follow(grid_.TakeChanges())) syncColumns();
        syncSelection();
    }

    void syncColumns() {
        QTableView* t = table();
        for (int c = 0; c < grid_.Cols(); ++c) {
            const int width = grid_.ColWidth(c);
            t->setColumnWidth(c, width >= 0 ? Px(width) : 64);
        }
    }

    void syncSelection() {
        Updating guard(updating_);
        QTableView* t = table();
        // A grid without a row to pick is no Tab stop: nothing there could show the focus.
        const bool rows = cells_->rowCount({}) > grid_.FixedRows && cells_->columnCount({}) > grid_.FixedCols;
        t->setFocusPolicy(rows && grid_.TabStop ? Qt::StrongFocus : Qt::ClickFocus);
        const int row = grid_.Row(), col = grid_.Col();
        if (row < cells_->rowCount({}) && col < cells_->columnCount({}) && !cells_->fixed(row, col))
            t->setCurrentIndex(cells_->index(row, col));
        else
            t->clearSelection();
    }

    forms::MSFlexGrid& grid_;
    GridCells* cells_;
    // Queued flushes die with the view.
    QObject flusher_;
    bool queued_ = false;
};

} // namespace

std::unique_ptr<WidgetView> MakeGridView(forms::Control& control, FormWindow& window, QWidget* parent) {
    if (auto* g = dynamic_cast<forms::MSFlexGrid*>(&control)) return std::make_unique<GridView>(*g, window, parent);
    return nullptr;
}

} // namespace qtview
