// The program's icon at each size of the icon theme: round, white letters on
// blue with the red ball, and the letters thick enough to read at 16 pixels.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPixmap>

#include "qtview/AppIcon.h"
#include "support/TestEnv.h"

namespace {

struct Share {
    double white = 0, red = 0, blue = 0;
};

Share Colours(const QImage& image) {
    Share s;
    const double all = double(image.width()) * image.height();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 250) continue;
            if (c.red() > 230 && c.green() > 230 && c.blue() > 230) s.white += 1 / all;
            else if (c.red() > 180 && c.green() < 90 && c.blue() < 90) s.red += 1 / all;
            else if (c.blue() > 100 && c.red() < 40) s.blue += 1 / all;
        }
    return s;
}

TEST(AppIcon, EverySizeIsARoundBadgeWithLegibleLetters) {
    for (int size : qtview::AppIconSizes()) {
        SCOPED_TRACE(size);
        const QImage image = qtview::DrawAppIcon(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        for (QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1)})
            EXPECT_EQ(image.pixelColor(corner).alpha(), 0);
        const Share s = Colours(image);
        EXPECT_GT(s.white, 0.08) << s.white;
        EXPECT_LT(s.white, 0.35) << s.white;
        EXPECT_GT(s.red, 0.02) << s.red;
        EXPECT_GT(s.blue, 0.25) << s.blue;
    }
    // The smallest keeps a solid stroke: the letter's upright is white across two pixels.
    const QImage smallest = qtview::DrawAppIcon(16);
    int solid = 0;
    for (int x = 0; x < 16; ++x) solid += smallest.pixelColor(x, 8).lightness() > 230;
    EXPECT_GE(solid, 2);
}

// The window icon's sizes drawn at build time are read from the theme folder; a size missing there is drawn.
TEST(AppIcon, ReadsTheSizesDrawnAtBuildTimeAndDrawsTheRest) {
    kdtest::TempDir dir;
    const QString theme = QString::fromStdString(dir.path());
    QImage green(32, 32, QImage::Format_ARGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(QDir().mkpath(theme + "/32x32/apps"));
    ASSERT_TRUE(green.save(theme + "/32x32/apps/kvistreldommer.png"));
    const QIcon icon = qtview::AppIcon(theme);
    EXPECT_EQ(icon.pixmap(32, 32).toImage().pixelColor(16, 16), QColor(Qt::green));
    EXPECT_EQ(icon.pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32),
              qtview::DrawAppIcon(64).convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(icon.availableSizes().size(), 6);   // 16 to 64 pixels
}

} // namespace
