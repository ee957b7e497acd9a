#pragma once
// Conversions between the forms model's units and Qt's: twips, &H00BBGGRR
// colours, the old font names, alignment codes and UTF-8 text.
#include <QColor>
#include <QRect>
#include <QFont>
#include <QString>
#include <optional>
#include <string>
#include "platform/forms/Control.h"

namespace qtview {

inline constexpr int TwipsPerPixel = 15;

int Px(int twips);
int Twips(int pixels);

QString Q(const std::string& utf8);
std::string S(const QString& text);

// A model text with its line breaks (CR, LF or CR LF, each one break) as Qt's "\n".
QString Lines(const std::string& utf8);
// A widget's "\n" breaks back as CR LF, as the old multi-line text boxes held them.
std::string CrLf(const QString& text);

// The colour to paint, or none when the value is the model's stand-in for the
// desktop's own colour (grey button face, white window) and the style should decide.
std::optional<QColor> ToQColor(forms::Color c, forms::Color desktopDefault);
QColor ToQColor(forms::Color c);

// The old Windows face names map to the Liberation families, whose letters are as wide as
// the faces the windows were laid out with.
QFont ToQFont(const forms::Font& f);

// 0 left, 1 right, 2 centre.
Qt::Alignment HorizontalAlignment(int vbAlignment);
// The flex grid's 0..8 codes (left/centre/right by top/centre/bottom) and 9 general.
Qt::Alignment GridAlignment(int code, bool numeric);

// The old platform's key codes (vbKeyReturn 13, vbKeyA 65, vbKeyF1 112 ...); 0 for keys it had no code for.
int VbKeyCode(int qtKey);
// Shift 1, Ctrl 2, Alt 4.
int VbShift(Qt::KeyboardModifiers modifiers);

// A window's frame moved up and left into area as far as needed, and cut to its size.
QRect FitInto(QRect frame, const QRect& area);
// The inner size that shows a form of inner size form within room: where the form must
// scroll one way, the scroll bar of that way (bar pixels) is added across it as far as room
// allows, so that the bar hides no edge of the form.
QSize WithScrollBars(QSize form, const QSize& room, int bar);
} // namespace qtview
