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

// The picture a view last showed: a view is set up more than once while its window is
// made, and reads its picture again only when the picture or its place changed.
class ShownPicture {
public:
    // True (and remembered) when name, size or stretching differ from the last call's.
    bool Changes(const std::string& name, QSize size, bool stretch = false) {
        if (shown_ && name == name_ && size == size_ && stretch == stretch_) return false;
        shown_ = true;
        name_ = name;
        size_ = size;
        stretch_ = stretch;
        return true;
    }

private:
    bool shown_ = false;
    std::string name_;
    QSize size_;
    bool stretch_ = false;
};

} // namespace qtview
