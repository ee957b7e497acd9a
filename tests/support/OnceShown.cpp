#include "support/OnceShown.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>

namespace kdtest {

void OnceShown(std::function<QWidget*()> find, std::function<void(QWidget*)> step, int waitMs) {
    auto* timer = new QTimer;
    const QDeadlineTimer deadline(waitMs);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* shown = find();
        if (!shown && !deadline.hasExpired()) return;
        timer->stop();
        timer->deleteLater();
        step(shown);
    });
    timer->start(10);
}

std::function<QWidget*()> ModalAbove(QWidget* below) {
    return [below] {
        QWidget* top = QApplication::activeModalWidget();
        return top != below ? top : nullptr;
    };
}

} // namespace kdtest
