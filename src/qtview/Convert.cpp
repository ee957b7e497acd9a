#include "qtview/Convert.h"

#include <cmath>

namespace qtview {

int Px(int twips) { return static_cast<int>(std::lround(twips / double(TwipsPerPixel))); }
int Twips(int pixels) { return pixels * TwipsPerPixel; }

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string S(const QString& text) { return text.toStdString(); }

QString Lines(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r') {
            out += '\n';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else {
            out += utf8[i];
        }
    }
    return Q(out);
}

std::string CrLf(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return S(t);
}

QColor ToQColor(forms::Color c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

std::optional<QColor> ToQColor(forms::Color c, forms::Color desktopDefault) {
    // System colours (&H80000000 and up) stand for the desktop's palette too.
    if (c == desktopDefault || (c & 0x80000000L) != 0) return std::nullopt;
    return ToQColor(c);
}

QFont ToQFont(const forms::Font& f) {
    const QString name = Q(f.Name).toLower();
    QString family = QStringLiteral("Liberation Sans");
    QFont::StyleHint hint = QFont::SansSerif;
    int stretch = QFont::Unstretched;
    if (name.contains(QLatin1String("narrow")) || name.contains(QLatin1String("condensed"))) {
        family = QStringLiteral("Liberation Sans Narrow");
        stretch = QFont::Condensed;
    } else if (name.contains(QLatin1String("courier")) || name.contains(QLatin1String("mono")) ||
               name.contains(QLatin1String("fixedsys")) || name.contains(QLatin1String("terminal"))) {
        family = QStringLiteral("Liberation Mono");
        hint = QFont::Monospace;
    } else if (name.contains(QLatin1String("times")) ||
               (name.contains(QLatin1String("serif")) && !name.contains(QLatin1String("sans")))) {
        family = QStringLiteral("Liberation Serif");
        hint = QFont::Serif;
    }
    QFont font(family);
    font.setStyleHint(hint);
    font.setStretch(stretch);
    font.setPointSizeF(f.Size > 0 ? f.Size : 8.25);
    font.setBold(f.Bold);
    font.setItalic(f.Italic);
    font.setUnderline(f.Underline);
    return font;
}

Qt::Alignment HorizontalAlignment(int vbAlignment) {
    switch (vbAlignment) {
    case forms::vbRightJustify: return Qt::AlignRight;
    case forms::vbCenter: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

Qt::Alignment GridAlignment(int code, bool numeric) {
    if (code < 0 || code > 8) return Qt::AlignVCenter | (numeric ? Qt::AlignRight : Qt::AlignLeft);
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return horizontal[code / 3] | vertical[code % 3];
}


int VbKeyCode(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F16) return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    default: return 0;
    }
}

int VbShift(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

QRect FitInto(QRect frame, const QRect& area) {
    frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveLeft(qMax(area.left(), qMin(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(qMax(area.top(), qMin(frame.top(), area.bottom() + 1 - frame.height())));
    return frame;
}

QSize WithScrollBars(QSize form, const QSize& room, int bar) {
    bool across = false, down = false;
    // Each bar taken may make the other needed.
    for (bool changed = true; changed;) {
        changed = false;
        if (!down && form.height() > room.height()) {
            down = changed = true;
            form.rwidth() += bar;
        }
        if (!across && form.width() > room.width()) {
            across = changed = true;
            form.rheight() += bar;
        }
    }
    return form.boundedTo(room);
}

} // namespace qtview
