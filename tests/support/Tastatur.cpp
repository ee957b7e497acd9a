#include "support/Tastatur.h"

#include <QApplication>
#include <QTest>

namespace kdtest {

QWidget* Fokus() { return QApplication::focusWidget(); }

void Tab(Qt::KeyboardModifiers modifiers) { QTest::keyClick(Fokus(), Qt::Key_Tab, modifiers); }

void Skriv(const QString& tekst) { QTest::keyClicks(Fokus(), tekst); }

} // namespace kdtest
