#include "qtview/Windows.h"

#include <QCloseEvent>

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

} // namespace qtview
