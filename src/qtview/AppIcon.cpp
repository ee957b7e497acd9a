#include "qtview/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace qtview {

namespace {

const QColor Blue(0x12, 0x42, 0x7a), DarkBlue(0x0a, 0x27, 0x48), Yellow(0xf3, 0xc6, 0x23), Red(0xd8, 0x32, 0x2a),
    DarkRed(0x7d, 0x14, 0x10), Highlight(0xf7, 0xb3, 0xae);

// The letters as strokes in a unit square: "K" alone below 32 pixels, "KD" above.
QPainterPath Letters(bool both) {
    QPainterPath p;
    if (!both) {
        p.moveTo(0.27, 0.22);
        p.lineTo(0.27, 0.78);
        p.moveTo(0.64, 0.22);
        p.lineTo(0.30, 0.52);
        p.moveTo(0.41, 0.43);
        p.lineTo(0.63, 0.78);
        return p;
    }
    p.moveTo(0.20, 0.27);
    p.lineTo(0.20, 0.66);
    p.moveTo(0.45, 0.27);
    p.lineTo(0.23, 0.48);
    p.moveTo(0.31, 0.40);
    p.lineTo(0.46, 0.66);
    p.moveTo(0.56, 0.27);
    p.lineTo(0.56, 0.66);
    p.moveTo(0.56, 0.27);
    p.lineTo(0.62, 0.27);
    p.cubicTo(0.82, 0.27, 0.82, 0.66, 0.62, 0.66);
    p.lineTo(0.56, 0.66);
    return p;
}

} // namespace

const std::vector<int>& AppIconSizes() {
    static const std::vector<int> sizes{16, 22, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size, size);
    const double pixel = 1.0 / size;
    const bool small = size < 32;

    // The disc with its dark rim, and the yellow ring where there is room for it.
    const double rim = std::max(pixel, 0.03);
    p.setPen(QPen(DarkBlue, rim));
    p.setBrush(Blue);
    p.drawEllipse(QRectF(rim / 2, rim / 2, 1 - rim, 1 - rim));
    if (size >= 48) {
        p.setPen(QPen(Yellow, 0.025));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(0.11, 0.11, 0.78, 0.78));
    }

    QPen letters(Qt::white, small ? 0.15 : 0.085, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(letters);
    p.setBrush(Qt::NoBrush);
    p.drawPath(Letters(!small));

    // The red ball low on the right, with a gleam once it is large enough to show one.
    const QPointF centre = small ? QPointF(0.81, 0.81) : QPointF(0.70, 0.78);
    const double radius = small ? 0.15 : 0.12;
    p.setPen(QPen(DarkRed, std::max(pixel, 0.02)));
    p.setBrush(Red);
    p.drawEllipse(centre, radius, radius);
    if (size >= 32) {
        p.setPen(Qt::NoPen);
        p.setBrush(Highlight);
        p.drawEllipse(centre - QPointF(radius / 3, radius / 3), radius / 3.5, radius / 3.5);
    }
    return image;
}

QIcon AppIcon(const QString& themeFolder) {
    QIcon icon;
    for (int size : AppIconSizes()) {
        if (size > 64) break;
        QImage image(QStringLiteral("%1/%2x%2/apps/kvistreldommer.png").arg(themeFolder).arg(size), "PNG");
        if (image.size() != QSize(size, size)) image = DrawAppIcon(size);
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

} // namespace qtview
