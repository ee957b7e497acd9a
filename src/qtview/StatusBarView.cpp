// The status bar and its panels.
#include <QLabel>
#include <QStatusBar>

#include "platform/forms/Controls.h"
#include "qtview/Convert.h"
#include "qtview/ViewKinds.h"

namespace qtview {

namespace {

class StatusBarView : public WidgetView {
public:
    StatusBarView(forms::StatusBar& bar, FormWindow& window, QWidget* parent)
        : WidgetView(bar, window, new QStatusBar(parent)), bar_(bar) {
        status()->setSizeGripEnabled(false);
    }

protected:
    bool clicksOnRelease() const override { return true; }
    void content() override {
        while (int(panels_.size()) > bar_.PanelCount()) {
            delete panels_.back();
            panels_.pop_back();
        }
        while (int(panels_.size()) < bar_.PanelCount()) {
            auto* panel = new QLabel;
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            panel->setTextFormat(Qt::PlainText);
            panel->setMargin(1);
            status()->addWidget(panel, 1);
            panels_.push_back(panel);
        }
        for (int i = 0; i < bar_.PanelCount(); ++i)
            if (panels_[std::size_t(i)]) panels_[std::size_t(i)]->setText(Q(bar_.PanelText(i + 1)));
    }

private:
    QStatusBar* status() const { return static_cast<QStatusBar*>(widget()); }
    forms::StatusBar& bar_;
    std::vector<QPointer<QLabel>> panels_;
};

} // namespace

std::unique_ptr<WidgetView> MakeStatusBarView(forms::Control& control, FormWindow& window, QWidget* parent) {
    if (auto* s = dynamic_cast<forms::StatusBar*>(&control)) return std::make_unique<StatusBarView>(*s, window, parent);
    return nullptr;
}

} // namespace qtview
