#include "qtview/Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScrollBar>

#include "qtview/FormWindow.h"

namespace qtview {

// The model decides whether the window goes: Unload may be cancelled by the form.
void TopWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (owner) owner->userClose();
}

bool TopWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && owner) owner->userActivated();
    return QMainWindow::event(event);
}

void TopWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (owner) owner->userResized();
}

void SubWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (owner) owner->userClose();
}

namespace {
// The scroll value that shows [from, to] whole in a view of size: unchanged when it shows
// already, else with the span at the far end, so the most of what lies before it shows.
int showSpan(int value, int from, int to, int size) {
    constexpr int Margin = 6;
    if (from >= value && to <= value + size) return value;
    return qMin(to + Margin - size, from - Margin);
}
}

void FormScroll::reveal(QWidget* focus) {
    if (!focus || !widget() || !widget()->isAncestorOf(focus)) return;
    const QRect at(focus->mapTo(widget(), QPoint(0, 0)), focus->size());
    const QSize view = viewport()->size();
    horizontalScrollBar()->setValue(showSpan(horizontalScrollBar()->value(), at.left(), at.right() + 1, view.width()));
    verticalScrollBar()->setValue(showSpan(verticalScrollBar()->value(), at.top(), at.bottom() + 1, view.height()));
}

// Not QScrollArea's own: that scrolls only just far enough, leaving a label cut.
bool FormScroll::focusNextPrevChild(bool next) {
    if (!QWidget::focusNextPrevChild(next)) return false;
    reveal(QApplication::focusWidget());
    return true;
}

} // namespace qtview
