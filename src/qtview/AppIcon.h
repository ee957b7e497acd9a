#pragma once
// The program's icon, drawn from shapes alone (no font needed) and simpler the
// smaller it is, so that it stays legible from 16 to 256 pixels.
#include <QIcon>
#include <QImage>
#include <QString>
#include <vector>

namespace qtview {

// The sizes the desktop's icon theme keeps, in pixels.
const std::vector<int>& AppIconSizes();
QImage DrawAppIcon(int size);
// The windows' icon: the sizes above up to 64 pixels, the most title bars and task
// switchers show (launchers take the larger ones from the icon theme, and every window
// would carry them to the X server). Each is read from the icon theme folder lag_ikoner
// wrote at build time (<size>x<size>/apps/kvistreldommer.png), drawn only when missing there.
QIcon AppIcon(const QString& themeFolder);

} // namespace qtview
