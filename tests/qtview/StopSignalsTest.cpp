// A stop signal (logout, Ctrl+C, a closed terminal) sent to the process closes the
// boxes and modal windows an operation waits in, lets the operation end, and only
// then runs the program's close from the main event loop.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/Controls.h"
#include "platform/forms/Runtime.h"
#include "qtview/QtHost.h"
#include "qtview/StopSignals.h"

namespace {

class Vindu : public forms::Form {
public:
    Vindu() : forms::Form("Vindu") { Move(0, 0, 4800, 2400); }
};

class StopSignalsTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetRuntime();
        forms::SetHost(&host);
    }
    void TearDown() override { forms::ResetRuntime(); }

    // Runs the main loop with the signals watched: operation runs as a handler from
    // it, and the signals go to this process at waitMs; returns what happened, in order.
    std::vector<std::string> run(const std::function<void(std::vector<std::string>&)>& operation, std::vector<int> sent,
                                 int waitMs = 30) {
        std::vector<std::string> log;
        QEventLoop main;
        {
            qtview::StopSignals stop([&] {
                log.push_back("lukket");
                main.quit();
            });
            QTimer::singleShot(waitMs, [&] {
                for (int signal : sent) ::kill(::getpid(), signal);
            });
            QTimer::singleShot(0, [&] {
                forms::Dispatch([&] { operation(log); });
                log.push_back("ferdig");
            });
            // Never hangs: without a close the loop ends here, and the log says so.
            QTimer::singleShot(5000, &main, &QEventLoop::quit);
            stop.MainLoopStarts();
            main.exec();
        }
        return log;
    }

    qtview::QtHost host;
};

TEST_F(StopSignalsTest, EachSignalClosesOnceAfterTheOperationItCameIn) {
    const auto svar = [](int answer) { return "svar " + std::to_string(answer); };
    const struct {
        const char* hva;
        std::function<void(std::vector<std::string>&)> operation;
        std::vector<int> sent;
        std::vector<std::string> expected;
    } cases[] = {
        {"SIGTERM while idle", [](std::vector<std::string>&) {}, {SIGTERM}, {"ferdig", "lukket"}},
        {"SIGINT while idle", [](std::vector<std::string>&) {}, {SIGINT}, {"ferdig", "lukket"}},
        {"SIGHUP while idle", [](std::vector<std::string>&) {}, {SIGHUP}, {"ferdig", "lukket"}},
        {"three signals close once", [](std::vector<std::string>&) {}, {SIGTERM, SIGINT, SIGTERM}, {"ferdig", "lukket"}},
        // The box answers as its close button would: No, never the first button.
        {"a question waits",
         [&](std::vector<std::string>& log) { log.push_back(svar(forms::MsgBox("Slette?", forms::vbYesNo + forms::vbQuestion))); },
         {SIGTERM}, {svar(forms::vbNo), "ferdig", "lukket"}},
        {"two boxes one after the other",
         [&](std::vector<std::string>& log) {
             log.push_back(svar(forms::MsgBox("Fortsette?", forms::vbOKCancel)));
             log.push_back(svar(forms::MsgBox("Ferdig.", forms::vbOKOnly)));
         },
         {SIGINT}, {svar(forms::vbCancel), svar(forms::vbOK), "ferdig", "lukket"}},
        {"a modal window waits",
         [](std::vector<std::string>& log) {
             Vindu vindu;
             vindu.Show(forms::vbModal);
             log.push_back(vindu.IsLoaded() ? "vindu lastet" : "vindu lukket");
         },
         {SIGTERM}, {"vindu lukket", "ferdig", "lukket"}},
    };
    for (const auto& c : cases) EXPECT_EQ(run(c.operation, c.sent), c.expected) << c.hva;
}

TEST_F(StopSignalsTest, ASignalBeforeTheMainLoopWaitsForItAndTheEarlierHandlingComesBack) {
    std::vector<std::string> log;
    QEventLoop main;
    {
        qtview::StopSignals stop([&] {
            log.push_back("lukket");
            main.quit();
        });
        // Start-up still runs: the signal is kept until the main loop runs.
        ::kill(::getpid(), SIGTERM);
        QCoreApplication::processEvents();
        log.push_back("oppstart ferdig");
        QTimer::singleShot(5000, &main, &QEventLoop::quit);
        stop.MainLoopStarts();
        main.exec();
    }
    EXPECT_EQ(log, (std::vector<std::string>{"oppstart ferdig", "lukket"}));
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction now {};
        ::sigaction(signal, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << signal;
    }
}

} // namespace
