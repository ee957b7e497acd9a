#pragma once
// The real windows of forms: a top-level main window (also for dialogs) and an
// MDI child. Both hand the close box and activation to their FormWindow.
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QScrollArea>

namespace qtview {

class FormWindow;

class TopWindow : public QMainWindow {
public:
    explicit TopWindow(QWidget* parent) : QMainWindow(parent) {}
    FormWindow* owner = nullptr;   // cleared when the form's window is dropped
protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

class SubWindow : public QMdiSubWindow {
public:
    SubWindow() = default;
    FormWindow* owner = nullptr;
protected:
    void closeEvent(QCloseEvent* event) override;
};

// Holds a form too big for its window. The focus moving inside it brings the control
// into view whole, with as much as fits of what stands before it (its label, the
// heading above it), so a form is never left scrolled away from what it shows.
class FormScroll : public QScrollArea {
public:
    FormScroll() = default;
    void reveal(QWidget* focus);
protected:
    bool focusNextPrevChild(bool next) override;
};

} // namespace qtview
