// The program's entry: real windows, the program folder, the command line and
// the screen, then Main and the event loop until the main window ends it.
#include <QApplication>
#include <QDir>
#include <QScreen>

#include <iostream>

#include "frame/Hovedmeny2.h"
#include "frame/Kommandolinje.h"
#include "frame/Main.h"
#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/mail/Idna.h"
#include "platform/printer/Printer.h"
#include "qtview/AppIcon.h"
#include "qtview/MailDomains.h"
#include "qtview/NorwegianFormats.h"
#include "qtview/PrinterBackend.h"
#include "qtview/QtHost.h"
#include "qtview/QtTexts.h"
#include "qtview/StopSignals.h"
#include "state/ProgramState.h"

namespace {

// A build has its resources copied beside the executable; an installed program
// finds them in its data folder, at the same place relative to the executable.
std::string ResourceFolder() {
    const QDir own(QCoreApplication::applicationDirPath());
    if (own.exists(QStringLiteral("pictures"))) return own.absolutePath().toStdString();
    return QDir::cleanPath(own.filePath(QStringLiteral(KD_INSTALLED_RESOURCES))).toStdString();
}

// A logout, Ctrl+C or a closed terminal ends the program as "Avslutt" does.
void AvsluttSomMenyen() {
    if (forms::IsLoaded<Hovedmeny2>()) forms::Dispatch([] { forms::Default<Hovedmeny2>().Avslutt_Click(); });
}

} // namespace

int main(int argc, char** argv) {
    // The command line is answered before anything needs a display, so that a
    // refusal, --help and --version work over ssh and on a text console too.
    const Kommandolinje kommandolinje = TolkKommandolinje({argv + 1, argv + argc}, KD_VERSION);
    switch (kommandolinje.handling) {
    case Kommandolinje::Handling::Hjelp:
    case Kommandolinje::Handling::Versjon: std::cout << kommandolinje.tekst; return 0;
    case Kommandolinje::Handling::Feil: std::cerr << kommandolinje.tekst; return 2;
    case Kommandolinje::Handling::Start: break;
    }
    // One name for the cache and the other per-user folders, whatever the case of
    // the command that started the program.
    QCoreApplication::setApplicationName(QStringLiteral("KvistrelDommer"));
    qtview::NorwegianFormats formats;
    QApplication app(argc, argv);
    qtview::StopSignals stop(AvsluttSomMenyen);
    formats.applicationMade();
    forms::App.ResourcePath = ResourceFolder();
    qtview::InstallNorwegianQtTexts(forms::App.ResourcePath);
    qtview::QtHost host;
    forms::SetHost(&host);
    qtview::QtPrinterBackend printerBackend([&host] { return &host.chosenPrinter(); });
    printer::SetBackend(&printerBackend);
    mail::SetAsciiDomainConversion(qtview::AsciiDomain);

    // The user's files live in ~/KvistrelDommer, never beside the executable, so a
    // rebuild or reinstall cannot take them; Main makes it at first start.
    forms::App.Path = files::DataFolder();
    // The icons drawn at build time lie in the icon theme folder beside the resources, in a
    // build as installed.
    QApplication::setWindowIcon(qtview::AppIcon(QString::fromStdString(forms::App.ResourcePath) + QStringLiteral("/../icons/hicolor")));
    QGuiApplication::setDesktopFileName(QStringLiteral("kvistreldommer"));
    forms::App.Command = kommandolinje.database;
    forms::App.PrevInstance = qtview::AcquireInstanceLock();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        forms::Screen.Width = screen->size().width() * forms::Screen.TwipsPerPixelX;
        forms::Screen.Height = screen->size().height() * forms::Screen.TwipsPerPixelY;
    }

    // The splash, unloaded before the event loop could paint it, costs no window.
    host.showPlainWindowsWhenLoopRuns();
    Main();
    stop.MainLoopStarts();
    const int code = forms::IsLoaded<Hovedmeny2>() ? app.exec() : 0;
    // The windows and the database handles go while Qt and the host still stand.
    forms::ResetDefaults();
    state::ResetProgramState();
    printer::SetBackend(nullptr);
    return code;
}
