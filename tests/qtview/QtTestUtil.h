#pragma once
// Driving real widgets in the Qt tests: finding a control's widget, typing,
// clicking with a mouse button, waiting, and saving screenshots.
#include <QApplication>
#include <QString>
#include <QWidget>
#include <string>

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"

namespace qtviewtest {

// The widget of a control on a shown form (null when there is none).
QWidget* WidgetOf(qtview::QtHost& host, const forms::Control& control);
template <class W>
W* As(qtview::QtHost& host, const forms::Control& control) {
    return qobject_cast<W*>(WidgetOf(host, control));
}
QWidget* FrameOf(qtview::QtHost& host, const forms::Form& form);

// Lets queued events and deferred deletions run.
void Settle();
// Runs the event loop for about ms milliseconds.
void Wait(int ms);

// Puts the focus into the widget's window and the widget.
void Focus(QWidget* widget);
// Types each character as a key press, as a keyboard would.
void TypeText(QWidget* widget, const QString& text);
void PressKey(QWidget* widget, int key, const QString& text = QString());
void MouseClick(QWidget* widget, Qt::MouseButton button, QPoint at = QPoint(5, 5));
void MousePress(QWidget* widget, Qt::MouseButton button, QPoint at = QPoint(5, 5));
void MouseRelease(QWidget* widget, Qt::MouseButton button, QPoint at = QPoint(5, 5));

// Saves the form's window under the build folder's "screenshots"; returns the path.
std::string Screenshot(forms::Form& form, const std::string& name);

} // namespace qtviewtest
