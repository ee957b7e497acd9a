// The regular import in a real event loop, as the program runs it from its window, for
// the tests that stop it with real signals: the tournament database and the result file
// on the command line. A stop closes as "Avslutt" does: the databases closed, the program
// ended. With "svar" after the files every box is answered at once and the program ends
// after the import, for a run that is not stopped.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <string>

#include "database/Apen.h"
#include "import/Innlesing.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "qtview/QtHost.h"
#include "qtview/StopSignals.h"
#include "state/ProgramState.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    QApplication app(argc, argv);
    qtview::QtHost host;
    forms::SetHost(&host);
    const bool svar = argc > 3 && std::string(argv[3]) == "svar";
    qtview::StopSignals stop([] {
        for (dao::Database* db : {&state::DBase, &state::DBaseFil, &state::DBase2}) {
            try {
                if (!db->IsNothing()) db->Close();
            } catch (const vb::Err&) {
            }
        }
        forms::CurrentHost().endProgram();
    });
    state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
    state::Databasenavn = argv[1];
    if (!turneringsdb::ByttTil(argv[1])) return 3;
    state::Filsti = argv[2];

    QTimer svarer;
    QObject::connect(&svarer, &QTimer::timeout, [] {
        if (QWidget* boks = QApplication::activeModalWidget()) boks->close();
    });
    if (svar) svarer.start(10);
    QTimer::singleShot(0, [&] {
        std::puts("skriver");
        std::fflush(stdout);
        forms::Dispatch(Les_Inn_Dommerfil);
        std::puts("ferdig");
        std::fflush(stdout);
        if (svar) forms::CurrentHost().endProgram();
    });
    stop.MainLoopStarts();
    const int kode = app.exec();
    forms::ResetDefaults();
    state::ResetProgramState();
    return kode;
}
