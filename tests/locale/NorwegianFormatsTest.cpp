// Qt's dialogs in Norwegian formats whatever the user's locale: this program
// makes its application object as the program does, under an American LC_ALL,
// which would otherwise give inches, "12:00 AM" and "12/9/26".
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QTest>
#include <QTreeView>
#include <clocale>
#include <cstdlib>

#include "qtview/NorwegianFormats.h"
#include "support/TestEnv.h"

namespace {

TEST(NorwegianFormats, SystemAndDefaultLocaleFormatAsInNorway) {
    for (const QLocale& locale : {QLocale::system(), QLocale()}) {
        EXPECT_EQ(locale.toString(QDate(2026, 12, 9), QLocale::ShortFormat), "09.12.2026");
        EXPECT_EQ(locale.toString(QTime(0, 0), QLocale::ShortFormat), "00:00");
        EXPECT_EQ(locale.toString(1234.5, 'f', 1), QStringLiteral("1\u00a0234,5"));
        EXPECT_EQ(locale.measurementSystem(), QLocale::MetricSystem);
    }
}

// Programs the program starts see the user's own locale, and so does the C library.
TEST(NorwegianFormats, EnvironmentAndCLibraryStayTheUsers) {
    EXPECT_STREQ(std::getenv("LC_ALL"), "en_US.UTF-8");
    EXPECT_STREQ(std::getenv("LANG"), "C.UTF-8");
    EXPECT_EQ(std::getenv("LC_TIME"), nullptr);
    // Where a Norwegian locale is installed, Qt would have given it to the C library.
    EXPECT_STRNE(std::setlocale(LC_TIME, nullptr), "nb_NO.UTF-8");
}

TEST(NorwegianFormats, PageSetupMeasuresInMillimetres) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::NativeFormat);
    QPageSetupDialog dialog(&printer);
    auto* units = dialog.findChild<QComboBox*>(QStringLiteral("unitCombo"));
    ASSERT_TRUE(units);
    EXPECT_EQ(units->currentData().value<QPageLayout::Unit>(), QPageLayout::Millimeter);
}

TEST(NorwegianFormats, FileChooserShowsWholeNorwegianDates) {
    kdtest::TempDir dir;
    QFile file(QString::fromStdString(dir.write("Cup.kvx", "x")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2026, 12, 28), QTime(20, 48)), QFileDevice::FileModificationTime));
    file.close();

    QFileDialog dialog(nullptr, {}, QString::fromStdString(dir.path()));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.show();
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_TRUE(view);
    QModelIndex date;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            if (const QModelIndex i = view->model()->index(row, 0, view->rootIndex()); i.data().toString() == "Cup.kvx")
                date = i.siblingAtColumn(3);
        return date.isValid();
    }));
    const QString text = date.data().toString();
    EXPECT_EQ(text, "28.12.2026 20:48");
    // The cell shows its text whole: no "…" in place of the minutes.
    EXPECT_GE(view->header()->sectionSize(3), view->fontMetrics().horizontalAdvance(text) + 8);
    EXPECT_EQ(view->fontMetrics().elidedText(text, Qt::ElideRight, view->visualRect(date).width() - 8), text);
}

} // namespace

int main(int argc, char** argv) {
    kdtest::InitEnvironment();
    ::setenv("LANG", "C.UTF-8", 1);
    ::setenv("LC_ALL", "en_US.UTF-8", 1);
    qtview::NorwegianFormats formats;
    QApplication app(argc, argv);
    formats.applicationMade();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
