// A stop signal closes the box or modal window an operation waits in, as by its
// close button, lets the operation end, then runs the close once, from the main loop.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QEventLoop>
#include <QTimer>

#include "platform/forms/Runtime.h"
#include "qtview/QtHost.h"
#include "qtview/StopSignals.h"

TEST(StopSignals, TheOperationUnderWayEndsFirstAndTheCloseRunsOnce) {
    qtview::QtHost host;
    forms::SetHost(&host);
    std::vector<std::string> log;
    QEventLoop main;
    {
        qtview::StopSignals stop([&] { log.push_back("lukket"), main.quit(); });
        QTimer::singleShot(30, [] {
            for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::kill(::getpid(), signal);
        });
        QTimer::singleShot(0, [&] {
            forms::Dispatch([&] {
                // A question is answered No, never with its first button; then the next wait ends too.
                log.push_back(std::to_string(forms::MsgBox("Slette?", forms::vbYesNo)));
                forms::Form vindu("Vindu");
                vindu.Show(forms::vbModal);
                log.push_back(vindu.IsLoaded() ? "vindu lastet" : "vindu lukket");
            });
            log.push_back("ferdig");
        });
        QTimer::singleShot(5000, &main, &QEventLoop::quit);
        stop.MainLoopStarts();
        main.exec();
    }
    EXPECT_EQ(log, (std::vector<std::string>{std::to_string(forms::vbNo), "vindu lukket", "ferdig", "lukket"}));
    forms::ResetRuntime();
}
