// A timer ticks through a QTimer while it is enabled with an interval.
#include <QTimer>

#include "platform/forms/Controls.h"
#include "qtview/Views.h"

namespace qtview {

namespace {

class TimerView : public BoundView {
public:
    TimerView(forms::Timer& timer, FormWindow& window) : BoundView(timer, window), timer_(timer), clock_(new QTimer) {
        on(clock_.data(), &QTimer::timeout, [this] { toModel([this] { timer_.Fire(); }); });
    }
    // The tick may unload the form and so this view: the QTimer goes later.
    ~TimerView() override {
        if (clock_) {
            clock_->stop();
            clock_->deleteLater();
        }
    }
    void changed(forms::Control&, forms::Prop) override { sync(); }
    void sync() override {
        const bool running = timer_.Enabled() && timer_.Interval() > 0;
        if (!running) {
            clock_->stop();
        } else if (!clock_->isActive() || clock_->interval() != timer_.Interval()) {
            clock_->start(timer_.Interval());
        }
    }

private:
    forms::Timer& timer_;
    QPointer<QTimer> clock_;
};

} // namespace

std::unique_ptr<BoundView> MakeTimerView(forms::Timer& timer, FormWindow& window) {
    auto view = std::make_unique<TimerView>(timer, window);
    view->sync();
    return view;
}

} // namespace qtview
