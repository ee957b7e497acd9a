#pragma once
// The program's pictures, found by file name in the program folder's
// "pictures" and then in the source tree's resources.
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <string>

namespace qtview {

// The full path of a picture, or an empty string when none is found.
QString FindPicture(const std::string& name);
// The picture drawn at size (its own size when size is invalid); null when missing.
QPixmap LoadPicture(const std::string& name, QSize size = QSize());
// The picture's own size in pixels (invalid when missing).
QSize PictureSize(const std::string& name);

} // namespace qtview
