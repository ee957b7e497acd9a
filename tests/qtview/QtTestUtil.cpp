#include "qtview/QtTestUtil.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace qtviewtest {

QWidget* WidgetOf(qtview::QtHost& host, const forms::Control& control) {
    const qtview::FormWindow* window = control.Owner() ? host.windowOf(*control.Owner()) : nullptr;
    return window ? window->viewWidget(control) : nullptr;
}

QWidget* FrameOf(qtview::QtHost& host, const forms::Form& form) {
    const qtview::FormWindow* window = host.windowOf(form);
    return window ? window->frame() : nullptr;
}

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Wait(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void Focus(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    widget->window()->activateWindow();
    QApplication::setActiveWindow(widget->window());
    widget->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
}

void PressKey(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void TypeText(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        const int key = ch.isLetterOrNumber() && ch.unicode() < 128 ? int(ch.toUpper().unicode()) : int(Qt::Key_unknown);
        PressKey(widget, ch == QLatin1Char(' ') ? int(Qt::Key_Space) : key, QString(ch));
    }
}

void MousePress(QWidget* widget, Qt::MouseButton button, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), widget->mapToGlobal(QPointF(at)), button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

void MouseRelease(QWidget* widget, Qt::MouseButton button, QPoint at) {
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), widget->mapToGlobal(QPointF(at)), button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void MouseClick(QWidget* widget, Qt::MouseButton button, QPoint at) {
    MousePress(widget, button, at);
    MouseRelease(widget, button, at);
}

std::string Screenshot(forms::Form& form, const std::string& name) {
    Settle();
    const std::string path = std::string(KD_BINARY_DIR) + "/screenshots/" + name + ".png";
    EXPECT_TRUE(qtview::SaveScreenshot(form, path)) << path;
    return path;
}

} // namespace qtviewtest
