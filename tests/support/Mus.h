#pragma once
// The user's mouse on real list widgets (QTest, spontaneous events): the press
// moves the focus first, as on a desktop, and a double click is what Qt hands a
// widget from a window system: press, release, double click, release (the second
// press becomes the double click and is not delivered as a press).
#include <QListWidget>
#include <QString>
#include <QTableView>

namespace kdtest {

// The widget's window made the active one (as the window manager does for a new
// window) and a click into the widget, which so has the focus.
void FocusByMouse(QWidget* widget);
// The row that shows text exactly; -1 when none does.
int RowOf(const QListWidget* list, const QString& text);
void ClickRow(QListWidget* list, int row);
void DoubleClickRow(QListWidget* list, int row);
// A click on a cell of a table, brought up to date and scrolled to the cell first.
void ClickCell(QTableView* table, int row, int col);

} // namespace kdtest
