#include "qtview/StopSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <stdexcept>

#include "platform/dao/Stopping.h"

namespace qtview {

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};
// Read by the handler, so lock-free.
std::atomic<int> g_writeEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free);
// A window that will not close is asked again every 50 ms for two seconds; then the close runs anyway.
constexpr int kRetryMs = 50;
constexpr int kMostRetries = 40;

// Only async-signal-safe calls here: one byte to the pipe, errno kept.
void onSignal(int) {
    const int saved = errno;
    dao::StopWorkUnderWay();
    const char byte = 1;
    (void)!::write(g_writeEnd.load(), &byte, 1);
    errno = saved;
}

} // namespace

class StopSignals::Watch {
public:
    explicit Watch(std::function<void()> close) : close_(std::move(close)) {
        if (g_writeEnd.load() >= 0) throw std::logic_error("StopSignals already watches");
        if (::pipe2(fds_.data(), O_CLOEXEC | O_NONBLOCK) != 0) throw std::runtime_error("pipe2");
        notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { received(); });
        retry_.setSingleShot(true);
        retry_.setInterval(kRetryMs);
        QObject::connect(&retry_, &QTimer::timeout, [this] { step(); });
        g_writeEnd.store(fds_[1]);
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &action, &earlier_[i]);
    }
    ~Watch() {
        for (size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &earlier_[i], nullptr);
        g_writeEnd.store(-1);
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
    // A window that refuses to close, or a wait that never ends, holds the close back a
    // bounded time only.
    void step() {
        if (!pending_) return;
        const bool waitedEnough = retries_ >= kMostRetries;
        if (QWidget* top = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
            top && !waitedEnough) {
            top->close();
            again();
            return;
        }
        if (!loopRuns_) return;
        if (QThread::currentThread()->loopLevel() > 1 && !waitedEnough) {
            again();
            return;
        }
        pending_ = false;
        closed_ = true;
        dao::AllowWork();
        close_();
    }

    void again() {
        ++retries_;
        retry_.start();
    }

    std::function<void()> close_;
    std::array<int, 2> fds_{-1, -1};
    std::array<struct sigaction, kSignals.size()> earlier_{};
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer retry_;
    bool pending_ = false, closed_ = false, loopRuns_ = false;
    int retries_ = 0;
};

StopSignals::StopSignals(std::function<void()> close) : watch_(std::make_unique<Watch>(std::move(close))) {}

StopSignals::~StopSignals() = default;

void StopSignals::MainLoopStarts() { watch_->mainLoopStarts(); }

} // namespace qtview
