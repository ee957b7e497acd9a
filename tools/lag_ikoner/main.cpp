// lag_ikoner FOLDER: draws the program's icon at every size the desktop's icon
// theme keeps, as FOLDER/<N>x<N>/apps/kvistreldommer.png.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "qtview/AppIcon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Bruk: %s MAPPE\n", argv[0]);
        return 2;
    }
    for (int size : qtview::AppIconSizes()) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        const QString file = folder + QStringLiteral("/kvistreldommer.png");
        if (!QDir().mkpath(folder) || !qtview::DrawAppIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "lag_ikoner: kan ikke skrive %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
