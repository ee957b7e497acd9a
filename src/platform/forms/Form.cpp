#include "platform/forms/Form.h"

#include <algorithm>
#include <iterator>

#include "platform/forms/Dispatcher.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"

namespace forms {

namespace {
// Forms inside Unload, so that an Unload from their own handlers does not start over.
std::vector<Form*> g_unloading;

constexpr int kKeyF1 = 112;

bool isUnloading(Form* f) { return std::find(g_unloading.begin(), g_unloading.end(), f) != g_unloading.end(); }
} // namespace

Form::Form(std::string name) : Control(nullptr, std::move(name)) {
    SetVisible(false);
    SetWidth(4800);
    SetHeight(3600);
}

Form::~Form() { detail::forget(this); }

void Form::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    notify(Prop::Caption);
}

void Form::Load() {
    if (loaded_) return;
    detail::DispatchScope scope;
    loaded_ = true;
    detail::noteLoaded(this);
    dispatch([this] { Form_Load(); });
}

void Form::Show(int modal) {
    detail::DispatchScope scope;
    if (modal == vbModal && Visible() && !modal_) vb::Raise(vb::errnum::FormAlreadyShown, "Skjemaet vises allerede og kan ikke vises modalt");
    if (!loaded_) {
        Load();
        if (!loaded_) return;   // Form_Load unloaded it again
    }
    if (modal == vbModal) modal_ = true;
    SetVisible(true);
    CurrentHost().formShown(*this);
    Activate();
    if (modal == vbModal && loaded_ && Visible()) CurrentHost().runModal(*this);
}

void Form::Hide() {
    if (!loaded_ || !Visible()) return;
    detail::DispatchScope scope;
    SetVisible(false);
    modal_ = false;
    CurrentHost().formHidden(*this);
    detail::leaveActive(this);
}

bool Form::Unload(int reason) {
    if (!loaded_ || isUnloading(this)) return true;
    detail::DispatchScope scope;
    g_unloading.push_back(this);
    int cancel = 0;
    dispatch([&] { Form_QueryUnload(cancel, reason); });
    if (cancel == 0) dispatch([&] { Form_Unload(cancel); });
    g_unloading.erase(std::find(g_unloading.begin(), g_unloading.end(), this));
    if (cancel != 0) return false;

    // Out of the registry first: what the view reads while the window goes loads nothing.
    // The default instance goes; the next use makes a fresh one. It dies when the
    // outermost handler returns, never under a running handler.
    std::unique_ptr<Form> instance = detail::takeDefault(this);
    loaded_ = false;
    modal_ = false;
    activeControl_ = nullptr;
    SetVisible(false);
    CurrentHost().formUnloaded(*this);
    detail::noteUnloaded(this);
    detail::leaveActive(this);
    detail::bury(std::move(instance));
    return true;
}

void Form::Refresh() {
    dispatch([this] { Form_Paint(); });
}

void Form::Activate() {
    if (!loaded_) return;
    detail::DispatchScope scope;
    Form* current = Screen.ActiveForm();
    if (current == this) return;
    // Clicking the frame of the MDI window keeps its active child.
    if (IsMDIForm && current && current->MDIChild) return;
    if (current) dispatch([current] { current->Form_Deactivate(); });
    detail::makeActive(this);
    dispatch([this] { Form_Activate(); });
}

Control* Form::FindControl(const std::string& name, int index) const {
    for (Control* c : controls_)
        if (c->Name() == name && (index < 0 || c->Index() == index)) return c;
    return nullptr;
}

void Form::UserKeyDown(int keyCode, int shift) {
    detail::DispatchScope scope;
    Control* target = activeControl_;
    if (KeyPreview || !target) {
        dispatch([&] { Form_KeyDown(keyCode, shift); });
        if (keyCode == 0) return;   // the form swallowed the key
    }
    if (target && target == activeControl_ && target->EffectiveEnabled() && target->KeyDown)
        Dispatch([&] { target->KeyDown(keyCode, shift); });
    // The help key opens the program's help file in any window, once one is set.
    if (keyCode == kKeyF1 && shift == 0 && !App.HelpFile.empty()) CurrentHost().openHelp(App.HelpFile);
}

void Form::addControl(Control* c) { controls_.push_back(c); }

void Form::removeControl(Control* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    tabOrder_.erase(std::remove(tabOrder_.begin(), tabOrder_.end(), c), tabOrder_.end());
    if (activeControl_ == c) activeControl_ = nullptr;
}

void Form::SetTabOrder(std::vector<Control*> stops) {
    tabOrder_ = std::move(stops);
    for (Control* c : controls_) c->TabStop = std::find(tabOrder_.begin(), tabOrder_.end(), c) != tabOrder_.end();
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> stops;
    std::copy_if(tabOrder_.begin(), tabOrder_.end(), std::back_inserter(stops),
                 [](Control* c) { return c->TabStop && c->TakesFocus(); });
    return stops;
}

void Form::setActiveControl(Control* c) { activeControl_ = c; }

} // namespace forms
