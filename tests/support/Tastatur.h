#pragma once
// The user's keyboard on real widgets (QTest): each key goes to the widget that
// has the focus, so Tab moves on through the window as it does for a typist.
#include <QString>
#include <QWidget>

namespace kdtest {

QWidget* Fokus();
// Tab, or Shift+Tab with modifiers.
void Tab(Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types the text, letter by letter.
void Skriv(const QString& tekst);

} // namespace kdtest
