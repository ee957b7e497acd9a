#include "qtview/Pictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QStandardPaths>
#include <QSvgRenderer>

#include "platform/forms/Runtime.h"
#include "qtview/Convert.h"

namespace qtview {

namespace {

bool isSvg(const QString& path) { return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive); }

// Drawing a vector picture's paths is most of what the windows cost at start, so each
// picture is drawn once for each size and kept in the user's cache folder, under a name
// made of its size and its contents (a rebuild or a reinstall that copies the same
// pictures keeps the drawings; a changed picture is drawn anew).
QString keptDrawing(const QString& svgPath, QSize size) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QFile file(svgPath);
    if (folder.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
    return QStringLiteral("%1/bilder/%2-%3x%4-%5.png")
        .arg(folder, QFileInfo(svgPath).completeBaseName())
        .arg(size.width())
        .arg(size.height())
        .arg(QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex().left(16)));
}

QPixmap drawSvg(const QString& path, QSize size) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    if (!size.isValid() || size.isEmpty()) size = renderer.defaultSize();
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

// A cache that cannot be written only costs the drawing again next time, and a drawing
// cut short (a crash, two copies writing at once) reads as none and is drawn again: so it
// is written straight, without waiting for the disk. The drawing of an earlier version of
// the picture at this size goes.
void keep(const QPixmap& drawing, const QString& file) {
    const QFileInfo info(file);
    QDir folder = info.absoluteDir();
    if (!folder.mkpath(QStringLiteral("."))) return;
    const QString sameSize = info.fileName().left(info.fileName().lastIndexOf(QLatin1Char('-')) + 1);
    for (const QString& old : folder.entryList({sameSize + QStringLiteral("*.png")}, QDir::Files)) folder.remove(old);
    QFile out(file);
    // Stored uncompressed: the drawings are small, and reading them is on the way to the window.
    if (out.open(QIODevice::WriteOnly) && !drawing.save(&out, "PNG", 100)) out.remove();
}

} // namespace

QString FindPicture(const std::string& name) {
    if (name.empty()) return {};
    QString file = Q(name);
    if (QFileInfo(file).isAbsolute() && QFileInfo::exists(file)) return file;
    // Old designs named pictures with Windows folders; only the file name counts here.
    file = file.mid(qMax(file.lastIndexOf(QLatin1Char('/')), file.lastIndexOf(QLatin1Char('\\'))) + 1);
    if (forms::App.ResourcePath.empty()) return {};
    const QString path = Q(forms::App.ResourcePath) + QLatin1String("/pictures/") + file;
    return QFileInfo(path).isFile() ? path : QString();
}

QSize PictureSize(const std::string& name) {
    const QString path = FindPicture(name);
    if (path.isEmpty()) return {};
    if (isSvg(path)) return QSvgRenderer(path).defaultSize();
    return QImageReader(path).size();
}

QPixmap LoadPicture(const std::string& name, QSize size) {
    const QString path = FindPicture(name);
    if (path.isEmpty()) return {};
    if (!isSvg(path)) {
        QPixmap pixmap(path);
        if (pixmap.isNull() || !size.isValid() || pixmap.size() == size) return pixmap;
        return pixmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (!size.isValid() || size.isEmpty()) return drawSvg(path, size);
    const QString kept = keptDrawing(path, size);
    if (kept.isEmpty()) return drawSvg(path, size);
    QImage image;
    if (image.load(kept, "PNG") && image.size() == size) return QPixmap::fromImage(std::move(image));
    QPixmap drawn = drawSvg(path, size);
    if (!drawn.isNull()) keep(drawn, kept);
    return drawn;
}

} // namespace qtview
