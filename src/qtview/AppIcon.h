#pragma once
// The program's icon, drawn from shapes alone (no font needed) and simpler the
// smaller it is, so that it stays legible from 16 to 256 pixels.
#include <QIcon>
#include <QImage>
#include <vector>

namespace qtview {

// The sizes the desktop's icon theme keeps, in pixels.
const std::vector<int>& AppIconSizes();
QImage DrawAppIcon(int size);
// All the sizes above in one icon.
QIcon AppIcon();

} // namespace qtview
