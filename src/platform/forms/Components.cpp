// The controls without a face of their own: timer, common dialog, status bar.
#include "platform/forms/Controls.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"

namespace forms {

namespace {
constexpr int kHelpQuit = 2;
} // namespace

void Timer::SetInterval(int ms) {
    use();
    if (ms < 0) vb::Raise(vb::errnum::InvalidPropertyValue);
    if (ms == interval_) return;
    interval_ = ms;
    notify(Prop::Other);
}

void Timer::Fire() {
    if (Enabled() && interval_ > 0) raise(Timer_);
}

void CommonDialog::SetAction(int action) {
    use();
    switch (action) {
        case 5:
            if (!CurrentHost().printerSetup() && CancelError) vb::Raise(vb::errnum::CancelChosen, "Avbryt ble valgt.");
            return;
        case 6:
            // The quit command closes the viewer; it must not open it at the program's close.
            if (HelpCommand == kHelpQuit)
                CurrentHost().closeHelp(HelpFile);
            else
                CurrentHost().openHelp(HelpFile);
            return;
        default:
            vb::Raise(vb::errnum::InvalidArgument);
    }
}

void StatusBar::SetPanelCount(int n) {
    use();
    if (n < 0) vb::Raise(vb::errnum::InvalidPropertyValue);
    if (n == PanelCount()) return;
    panels_.resize(n);
    notify(Prop::Other);
}

std::string StatusBar::PanelText(int index) const {
    use();
    if (index < 1 || index > PanelCount()) vb::Raise(vb::errnum::InvalidPropertyIndex, "Ugyldig indeks for egenskapsmatrise");
    return panels_[index - 1];
}

void StatusBar::SetPanelText(int index, const std::string& t) {
    use();
    if (index < 1 || index > PanelCount()) vb::Raise(vb::errnum::InvalidPropertyIndex, "Ugyldig indeks for egenskapsmatrise");
    if (panels_[index - 1] == t) return;
    panels_[index - 1] = t;
    notify(Prop::Text);
}

} // namespace forms
