#pragma once
// Answering a window a test's own step opens in its own event loop (a message box,
// a dialog, a popup menu): the answer waits until the window shows, however late.
#include <functional>

class QWidget;

namespace kdtest {

// Runs step on the window find() returns, from inside that window's own event
// loop, once it shows (null after waitMs without it).
void OnceShown(std::function<QWidget*()> find, std::function<void(QWidget*)> step, int waitMs = 5000);

// The modal window above the one given (any modal window for null).
std::function<QWidget*()> ModalAbove(QWidget* below);

} // namespace kdtest
