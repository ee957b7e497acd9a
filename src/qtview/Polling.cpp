// A poll runs from the event loop on a timer of its own, whichever windows are open.
#include <QCoreApplication>
#include <QTimer>

#include "qtview/QtHost.h"

namespace qtview {

void QtHost::startPolling(int intervalMs, std::function<bool()> poll) {
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setSingleShot(true);
    // Single shot, started again after each run: a message box the poll shows runs a nested
    // event loop, and the poll must not run again inside it.
    QObject::connect(timer, &QTimer::timeout, timer, [timer, poll = std::move(poll)] {
        if (poll())
            timer->start();
        else
            timer->deleteLater();
    });
    timer->start(intervalMs);
}

} // namespace qtview
