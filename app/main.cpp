// The program's entry: real windows, the program folder, the command line and
// the screen, then Main and the event loop until the main window ends it.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStringList>

#include "frame/Hovedmeny2.h"
#include "frame/Main.h"
#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "qtview/AppIcon.h"
#include "qtview/PrinterBackend.h"
#include "qtview/QtHost.h"
#include "qtview/QtTexts.h"
#include "state/ProgramState.h"

namespace {

// The user's databases, reports and distribution files live in ~/KvistrelDommer,
// never beside the executable, so a rebuild or reinstall cannot take them.
// It is made at first start, as the old installer made it.
std::string ProgramFolder() {
    const std::string folder = files::DataFolder();
    QDir().mkpath(QString::fromStdString(folder));
    return folder;
}

// A build has its resources copied beside the executable; an installed program
// finds them in its data folder, at the same place relative to the executable.
std::string ResourceFolder() {
    const QDir own(QCoreApplication::applicationDirPath());
    if (own.exists(QStringLiteral("pictures"))) return own.absolutePath().toStdString();
    return QDir::cleanPath(own.filePath(QStringLiteral(KD_INSTALLED_RESOURCES))).toStdString();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    forms::App.ResourcePath = ResourceFolder();
    qtview::InstallNorwegianQtTexts(forms::App.ResourcePath);
    qtview::QtHost host;
    forms::SetHost(&host);
    qtview::QtPrinterBackend printerBackend([&host] { return &host.chosenPrinter(); });
    printer::SetBackend(&printerBackend);

    forms::App.Path = ProgramFolder();
    // The icons drawn at build time lie in the icon theme folder beside the resources, in a
    // build as installed.
    QApplication::setWindowIcon(qtview::AppIcon(QString::fromStdString(forms::App.ResourcePath) + QStringLiteral("/../icons/hicolor")));
    QGuiApplication::setDesktopFileName(QStringLiteral("kvistreldommer"));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    forms::App.Command = args.join(QLatin1Char(' ')).toStdString();
    forms::App.PrevInstance = qtview::AcquireInstanceLock();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        forms::Screen.Width = screen->size().width() * forms::Screen.TwipsPerPixelX;
        forms::Screen.Height = screen->size().height() * forms::Screen.TwipsPerPixelY;
    }

    Main();
    const int code = forms::IsLoaded<Hovedmeny2>() ? app.exec() : 0;
    // The windows and the database handles go while Qt and the host still stand.
    forms::ResetDefaults();
    state::ResetProgramState();
    printer::SetBackend(nullptr);
    return code;
}
