#include "support/Mus.h"

#include <QApplication>
#include <QTest>

namespace kdtest {

namespace {
QPoint centreOf(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }
} // namespace

void FocusByMouse(QWidget* widget) {
    QApplication::setActiveWindow(widget->window());
    QTest::mouseClick(widget, Qt::LeftButton);
}

int RowOf(const QListWidget* list, const QString& text) {
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text().trimmed() == text) return row;
    return -1;
}

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(list, row));
}

void DoubleClickRow(QListWidget* list, int row) {
    const QPoint at = centreOf(list, row);
    QWidget* port = list->viewport();
    QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(port, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, at);
}

void ClickCell(QTableView* table, int row, int col) {
    // The user clicks what the table shows once the event loop has brought it up to date.
    QCoreApplication::processEvents();
    const QModelIndex cell = table->model()->index(row, col);
    table->scrollTo(cell);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, table->visualRect(cell).center());
}

} // namespace kdtest
