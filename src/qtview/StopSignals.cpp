#include "qtview/StopSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace qtview {

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};
int g_writeEnd = -1;

// Only async-signal-safe calls here: one byte to the pipe, errno kept.
void onSignal(int) {
    const int saved = errno;
    const char byte = 1;
    (void)!::write(g_writeEnd, &byte, 1);
    errno = saved;
}

} // namespace

class StopSignals::Watch {
public:
    explicit Watch(std::function<void()> close) : close_(std::move(close)) {
        if (g_writeEnd >= 0) throw std::logic_error("StopSignals already watches");
        if (::pipe2(fds_.data(), O_CLOEXEC | O_NONBLOCK) != 0) throw std::runtime_error("pipe2");
        notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { received(); });
        retry_.setSingleShot(true);
        retry_.setInterval(50);
        QObject::connect(&retry_, &QTimer::timeout, [this] { step(); });
        g_writeEnd = fds_[1];
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &action, &earlier_[i]);
    }
    ~Watch() {
        for (size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &earlier_[i], nullptr);
        g_writeEnd = -1;
        notifier_.reset();
        ::close(fds_[0]);
        ::close(fds_[1]);
    }

    void mainLoopStarts() {
        // Posted to an object of ours: gone with it if the loop never runs.
        QMetaObject::invokeMethod(
            &retry_,
            [this] {
                loopRuns_ = true;
                step();
            },
            Qt::QueuedConnection);
    }

private:
    void received() {
        char bytes[64];
        while (::read(fds_[0], bytes, sizeof bytes) > 0) {
        }
        if (closed_) return;
        pending_ = true;
        step();
    }
    // The innermost popup, message box or modal window goes first; the close
    // action waits for the main loop, where no handler of the program runs.
    void step() {
        if (!pending_) return;
        if (QWidget* top = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget()) {
            top->close();
            retry_.start();
            return;
        }
        if (!loopRuns_) return;
        if (QThread::currentThread()->loopLevel() > 1) {
            retry_.start();
            return;
        }
        pending_ = false;
        closed_ = true;
        close_();
    }

    std::function<void()> close_;
    std::array<int, 2> fds_{-1, -1};
    std::array<struct sigaction, kSignals.size()> earlier_{};
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer retry_;
    bool pending_ = false, closed_ = false, loopRuns_ = false;
};

StopSignals::StopSignals(std::function<void()> close) : watch_(std::make_unique<Watch>(std::move(close))) {}

StopSignals::~StopSignals() = default;

void StopSignals::MainLoopStarts() { watch_->mainLoopStarts(); }

} // namespace qtview
