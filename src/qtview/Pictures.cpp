#include "qtview/Pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include "platform/forms/Runtime.h"
#include "qtview/Convert.h"

namespace qtview {

namespace {
bool isSvg(const QString& path) { return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive); }
}

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
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    if (!size.isValid() || size.isEmpty()) size = renderer.defaultSize();
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace qtview
