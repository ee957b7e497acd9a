// The program's entry: real windows, the program folder, the command line and
// the screen, then Main and the event loop until the main window ends it.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QStringList>

#include "frame/Hovedmeny2.h"
#include "frame/Main.h"
#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "qtview/PrinterBackend.h"
#include "qtview/QtHost.h"
#include "state/ProgramState.h"

namespace {

// New databases and the report folders are made in the program folder, so it
// must be writable: the executable's own folder, else the per-user data folder.
std::string ProgramFolder() {
    const QString own = QCoreApplication::applicationDirPath();
    if (QFileInfo(own).isWritable()) return own.toStdString();
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share");
    const QString folder = data + QStringLiteral("/KvistrelDommer");
    QDir().mkpath(folder);
    return folder.toStdString();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qtview::QtHost host;
    forms::SetHost(&host);
    qtview::QtPrinterBackend printerBackend(&host.chosenPrinter());
    printer::SetBackend(&printerBackend);

    forms::App.Path = ProgramFolder();
    forms::App.ResourcePath = QCoreApplication::applicationDirPath().toStdString();
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
