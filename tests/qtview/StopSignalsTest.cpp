// A stop signal closes the box or modal window an operation waits in, as by its
// close button, lets the operation end, then runs the close once, from the main loop.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <chrono>

#include "platform/dao/Stopping.h"

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

// A window that will not close holds the close back two seconds at most; the database work
// under way is cut short by the signal itself and allowed again for the close.
TEST(StopSignals, AWindowThatWillNotCloseHoldsTheCloseBackTwoSecondsAtMost) {
    qtview::QtHost host;
    forms::SetHost(&host);
    class Stubborn : public QDialog {
    protected:
        void closeEvent(QCloseEvent* event) override { event->ignore(); }
    } dialog;
    using Clock = std::chrono::steady_clock;
    Clock::time_point sent, closed;
    bool stoppedInTheWindow = false, allowedAtTheClose = false;
    QEventLoop main;
    {
        qtview::StopSignals stop([&] {
            closed = Clock::now();
            allowedAtTheClose = !dao::detail::WorkStopped();
            dialog.done(0);
            main.quit();
        });
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(30, [&] {
                sent = Clock::now();
                ::kill(::getpid(), SIGTERM);
            });
            QTimer::singleShot(300, [&] { stoppedInTheWindow = dao::detail::WorkStopped(); });
            dialog.exec();
        });
        QTimer::singleShot(15000, &main, &QEventLoop::quit);
        stop.MainLoopStarts();
        main.exec();
    }
    EXPECT_TRUE(stoppedInTheWindow);
    EXPECT_TRUE(allowedAtTheClose);
    ASSERT_NE(closed, Clock::time_point());
    EXPECT_GE(closed - sent, std::chrono::milliseconds(1500));
    // Bounded, with room for a loaded machine whose timers fire late.
    EXPECT_LE(closed - sent, std::chrono::milliseconds(10000));
    forms::ResetRuntime();
}
