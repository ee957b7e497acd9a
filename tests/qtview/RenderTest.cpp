// A window with every control kind becomes a tidy real window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>

#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "qtview/AllControlsForm.h"
#include "qtview/Convert.h"
#include "qtview/Pictures.h"
#include "qtview/QtTestUtil.h"
#include "support/TestEnv.h"

using namespace qtviewtest;

namespace {

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetRuntime();
        forms::App.ResourcePath = KD_SOURCE_DIR "/resources";
        files::MkDir(dir.file("Arkiv"));
        files::MkDir(dir.file("Øving"));
        dir.write("Turnering.KVX", "");
        dir.write("Ålesund.kvx", "");
        dir.write("notat.txt", "");
    }
    void TearDown() override { forms::ResetRuntime(); }
    kdtest::TempDir dir;
};

TEST_F(RenderTest, EveryControlKindGetsItsWidgetInPlace) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    Settle();

    auto* top = qobject_cast<QMainWindow*>(FrameOf(host, form));
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(top->windowTitle(), QString("Dommerregister – Åsgård"));

    // 15 twips a pixel, relative to the container.
    QLineEdit* text = As<QLineEdit>(host, form.Text1);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->geometry(), QRect(120, 8, 210, 22));
    EXPECT_EQ(text->maxLength(), 30);
    auto* option = As<QRadioButton>(host, form.Option2);
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(option->parentWidget(), WidgetOf(host, form.Frame1));
    EXPECT_EQ(option->geometry(), QRect(12, 46, 140, 20));
    EXPECT_EQ(WidgetOf(host, form.Label3)->parentWidget(), WidgetOf(host, form.Picture1));
    EXPECT_EQ(WidgetOf(host, form.Check2)->parentWidget(), WidgetOf(host, form.Frame2));

    // Each kind has the widget that fits it.
    EXPECT_NE(As<QLabel>(host, form.Label1), nullptr);
    EXPECT_NE(As<QLineEdit>(host, form.MaskedEdit1), nullptr);
    EXPECT_EQ(As<QGroupBox>(host, form.Frame1)->title(), QString("Klasse"));
    EXPECT_EQ(As<QCheckBox>(host, form.Check2)->text(), QString("Æresmedlem"));
    EXPECT_EQ(As<QListWidget>(host, form.List1)->count(), 4);
    EXPECT_EQ(As<QComboBox>(host, form.Combo1)->currentText(), QString("Boccia"));
    EXPECT_FALSE(As<QComboBox>(host, form.Combo1)->isEditable());
    EXPECT_FALSE(As<QLabel>(host, form.logo2)->pixmap().isNull());
    EXPECT_FALSE(As<QLabel>(host, form.Picture1)->pixmap().isNull());
    EXPECT_NE(As<QToolButton>(host, form.G_Res), nullptr);
    EXPECT_FALSE(As<QToolButton>(host, form.G_Fil)->icon().isNull());
    auto* save = As<QPushButton>(host, form.C_Lagre);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), QString("&Lagre"));
    EXPECT_NE(As<QComboBox>(host, form.Drive1), nullptr);
    EXPECT_EQ(As<QLabel>(host, form.Panel3D1)->text(), QString("Kvistrel Dommer"));
    EXPECT_EQ(As<QLabel>(host, form.Label4)->text(), QString("Linje én\nLinje to: æøå ÆØÅ"));
    EXPECT_EQ(As<QStatusBar>(host, form.StatusBar1)->findChildren<QLabel*>().size(), 2);
    EXPECT_EQ(WidgetOf(host, form.Timer1), nullptr);
    EXPECT_EQ(WidgetOf(host, form.cmdialog1), nullptr);

    // Folders first with the open one on top of its sub-folders; files by pattern without regard to case.
    QListWidget* dirs = As<QListWidget>(host, form.Dir1);
    ASSERT_NE(dirs, nullptr);
    QStringList shownDirs;
    for (int i = 0; i < dirs->count(); ++i) shownDirs << dirs->item(i)->text().trimmed();
    EXPECT_TRUE(shownDirs.contains("Arkiv"));
    EXPECT_TRUE(shownDirs.contains("Øving"));
    EXPECT_LT(shownDirs.indexOf(QDir(QString::fromStdString(dir.path())).dirName()), shownDirs.indexOf("Arkiv"));
    QListWidget* fileList = As<QListWidget>(host, form.File1);
    QStringList shownFiles;
    for (int i = 0; i < fileList->count(); ++i) shownFiles << fileList->item(i)->text();
    shownFiles.sort();
    EXPECT_EQ(shownFiles, QStringList({"Turnering.KVX", "Ålesund.kvx"}));

    // The grid: fixed heading row grey, widths from twips, the column alignment.
    QTableView* grid = As<QTableView>(host, form.MSFlexGrid1);
    ASSERT_NE(grid, nullptr);
    const QAbstractItemModel* cells = grid->model();
    EXPECT_EQ(cells->rowCount(), 4);
    EXPECT_EQ(cells->columnCount(), 3);
    EXPECT_EQ(grid->columnWidth(1), 160);
    EXPECT_EQ(cells->index(2, 1).data().toString(), QString("Ærø, Åse"));
    EXPECT_EQ(cells->flags(cells->index(0, 1)) & Qt::ItemIsSelectable, Qt::NoItemFlags);
    EXPECT_TRUE(cells->index(3, 0).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);

    // The menu bar: menus in order, the accelerators kept, switched-off items greyed.
    QList<QAction*> bar = top->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), QString("&Fil"));
    EXPECT_EQ(bar[1]->text(), QString("Administrasjon av Dommere"));
    QList<QAction*> items = bar[0]->menu()->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), QString("&Åpne database"));
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_FALSE(items[2]->isEnabled());

    // Fonts: the old sans face becomes Liberation Sans at the size set; the panel's narrow bold face stays narrow and bold.
    EXPECT_EQ(text->font().family(), QString("Liberation Sans"));
    EXPECT_DOUBLE_EQ(text->font().pointSizeF(), 8.25);
    const QFont panelFont = WidgetOf(host, form.Panel3D1)->font();
    EXPECT_TRUE(panelFont.bold());
    EXPECT_EQ(panelFont.family(), QString("Liberation Sans Narrow"));
    EXPECT_EQ(panelFont.stretch(), int(QFont::Condensed));
    EXPECT_DOUBLE_EQ(panelFont.pointSizeF(), 12.0);
    // &H00BBGGRR: 0x800000 is navy blue.
    EXPECT_EQ(WidgetOf(host, form.Label4)->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));

    const std::string shot = Screenshot(form, "all-controls");
    const QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 640);
}

TEST_F(RenderTest, EveryProgramPictureDraws) {
    const QStringList names = QDir(QStringLiteral(KD_SOURCE_DIR "/resources/pictures")).entryList({"*.svg"}, QDir::Files);
    for (const char* wanted : {"logo.svg", "G_Fil.svg", "G_Res.svg", "G_Disk.svg", "G_Ny.svg",
                               "G_Printer.svg", "D_Rapport.svg", "G_Hjelp.svg"})
        EXPECT_TRUE(names.contains(wanted)) << wanted;
    for (const QString& name : names) {
        const QImage image = qtview::LoadPicture(name.toStdString(), QSize(48, 48)).toImage();
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        // Something is drawn: not every pixel is transparent.
        bool inked = false;
        for (int y = 0; y < image.height() && !inked; ++y)
            for (int x = 0; x < image.width() && !inked; ++x) inked = qAlpha(image.pixel(x, y)) > 0;
        EXPECT_TRUE(inked) << name.toStdString();
    }
}

// Pictures are drawn once for each size and then read from the user's cache folder:
// what is read back is what was drawn, and a changed file is drawn anew.
TEST_F(RenderTest, KeptDrawingsMatchTheDrawingAndFollowTheFile) {
    const QSize size(144, 144);
    const QImage drawn = qtview::LoadPicture("logo.svg", size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QDir kept(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/bilder"));
    ASSERT_FALSE(kept.entryList({"logo-144x144-*.png"}, QDir::Files).isEmpty());
    const QImage read = qtview::LoadPicture("logo.svg", size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(read, drawn);
    // A kept drawing cut short (a crash while writing) is drawn again.
    const QString keptFile = kept.filePath(kept.entryList({"logo-144x144-*.png"}, QDir::Files).first());
    QFile cut(keptFile);
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
    cut.resize(cut.size() / 2);
    cut.close();
    EXPECT_EQ(qtview::LoadPicture("logo.svg", size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), drawn);
    EXPECT_TRUE(QImage(keptFile).size() == size);

    files::MkDir(dir.file("pictures"));
    forms::App.ResourcePath = dir.path();
    const auto square = [](const std::string& colour) {
        return "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><rect width='10' height='10' fill='" + colour + "'/></svg>";
    };
    for (const char* colour : {"red", "blue", "red"}) {
        dir.write("pictures/flagg.svg", square(colour));
        EXPECT_EQ(qtview::LoadPicture("flagg.svg", QSize(20, 20)).toImage().pixelColor(5, 5), QColor(colour)) << colour;
    }
    // The drawing of the picture as it was goes, the other sizes stay.
    qtview::LoadPicture("flagg.svg", QSize(30, 30));
    EXPECT_EQ(kept.entryList({"flagg-20x20-*.png"}, QDir::Files).size(), 1);
    EXPECT_EQ(kept.entryList({"flagg-*.png"}, QDir::Files).size(), 2);
}

TEST_F(RenderTest, PicturesComeFromTheResourceFolderAndOldFolderNamesAreIgnored) {
    files::MkDir(dir.file("pictures"));
    dir.write("pictures/logo.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='20'/>");
    forms::App.Path = KD_SOURCE_DIR "/resources";   // the writable folder is never searched
    forms::App.ResourcePath = dir.path();
    EXPECT_EQ(qtview::FindPicture("logo.svg"), QString::fromStdString(dir.file("pictures/logo.svg")));
    EXPECT_EQ(qtview::PictureSize("C:\\KvistrelDommer\\logo.svg"), QSize(10, 20));
    EXPECT_TRUE(qtview::FindPicture("G_Fil.svg").isEmpty());
    EXPECT_TRUE(qtview::FindPicture("finnes_ikke.svg").isEmpty());
    EXPECT_TRUE(qtview::LoadPicture("finnes_ikke.svg").isNull());
}

} // namespace

namespace {

// Picture buttons of the windows, with their sizes and fonts.
class Bildeknapper : public forms::Form {
public:
    Bildeknapper() : forms::Form("Bildeknapper") {
        Move(0, 0, 9000, 6000);
        struct Knapp { forms::SSCommand& b; int w, h; const char* caption; double size; };
        for (const Knapp& k : {Knapp{Logon, 3735, 660, "Start epost sending!", 15.75},
                               Knapp{Avslutt, 1695, 855, "Avbryt / Avslutt", 12},
                               Knapp{Rapport, 5775, 975, "Skriftelig Rapport over duplikater funnet i innleste data", 14.25},
                               Knapp{G_Dommer, 1260, 1170, "Dommer Administrasjon", 8.25}}) {
            k.b.SetPicture("G_Printer.svg");
            k.b.SetCaption(k.caption);
            k.b.SetFont(forms::Font{"Arial", k.size});
            k.b.Move(0, top, k.w, k.h);
            top += k.h + 60;
        }
    }
    int top = 0;
    forms::SSCommand Logon{this, "Logon"}, Avslutt{this, "Avslutt"}, Rapport{this, "Rapport"}, G_Dommer{this, "G_Dommer"};
};

TEST_F(RenderTest, PicturesFillTheirButtonsBesideOrUnderTheWholeCaption) {
    Bildeknapper form;   // outlives the host, which takes its window down
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    Settle();
    for (forms::SSCommand* b : {&form.Logon, &form.Avslutt, &form.Rapport, &form.G_Dommer}) {
        SCOPED_TRACE(b->Name());
        auto* tool = As<QToolButton>(host, *b);
        ASSERT_NE(tool, nullptr);
        const int height = qtview::Px(b->Height());
        // At least half the button's height, and never smaller than a small icon.
        EXPECT_GE(tool->iconSize().height(), qMin(height / 2, 32));
        const QFontMetrics metrics(tool->font());
        for (const QString& line : tool->text().split(QLatin1Char('\n')))
            EXPECT_LE(metrics.horizontalAdvance(line), tool->width() - (tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon
                                                                            ? tool->iconSize().width() : 0)) << line.toStdString();
        EXPECT_EQ(tool->text().remove(QLatin1Char('\n')).remove(QLatin1Char(' ')),
                  QString::fromStdString(b->Caption()).remove(QLatin1Char(' ')));
    }
    Screenshot(form, "bildeknapper");
    forms::SetHost(nullptr);
}

} // namespace
