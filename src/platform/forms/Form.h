#pragma once
// A window: its caption, geometry, controls and life events. Each form class
// has one default instance, made on first use by Default<F>(); Unload drops the
// instance's controls (the next use makes a fresh one and runs Form_Load again),
// Hide keeps everything. State that must outlive Unload lives outside the class.
#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>
#include "Control.h"

namespace forms {

inline constexpr int vbModeless = 0, vbModal = 1;
// QueryUnload reasons.
inline constexpr int vbFormControlMenu = 0, vbFormCode = 1, vbAppWindows = 2, vbAppTaskManager = 3,
                     vbFormMDIForm = 4;
inline constexpr int vbNormalState = 0, vbMinimized = 1, vbMaximized = 2;

class Form : public Control {
public:
    explicit Form(std::string name);
    ~Form() override;
    const char* Kind() const override { return "Form"; }
    bool TakesFocus() const override { return false; }
    bool IsContainer() const override { return true; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    bool IsMDIForm = false;       // the main window holding the MDI children
    bool MDIChild = false;        // placed inside the main window
    int BorderStyle = 2;          // 3: fixed dialog
    int WindowState = vbNormalState;
    bool KeyPreview = false;      // KeyDown reaches the form before the control
    bool ControlBox = true;
    bool MaxButton = true, MinButton = true;
    std::string Icon;

    // Life cycle, as the old runtime ran it.
    void Load();                  // runs Form_Load once per loaded life
    void Show(int modal = vbModeless);   // loads first; modal waits until the form is hidden or unloaded
    void Hide();
    // QueryUnload (may cancel), then Unload (may cancel); true when it went.
    bool Unload(int reason = vbFormCode);
    void Refresh();               // Paint
    bool IsLoaded() const { return loaded_; }
    bool IsModal() const { return modal_; }
    void Activate();              // the user moved to this window: Form_Activate when it was not active

    // The controls in declaration order, and the one that has the focus.
    const std::vector<Control*>& Controls() const { return controls_; }
    Control* ActiveControl() const { return activeControl_; }
    Control* FindControl(const std::string& name, int index = -1) const;

    // The Tab key's order, written where the window is laid out: the listed controls are
    // the Tab stops in that order, and the window opens with the focus in the first that
    // can take it. Every other control of the form is no Tab stop.
    void SetTabOrder(std::vector<Control*> stops);
    // The Tab stops in order: the written list less those since made no Tab stop.
    std::vector<Control*> TabOrder() const;

    // The window's events; handlers of derived forms override these.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Paint() {}
    virtual void Form_Resize() {}
    virtual void Form_KeyDown(int& /*KeyCode*/, int /*Shift*/) {}
    virtual void Form_QueryUnload(int& /*Cancel*/, int /*UnloadMode*/) {}
    virtual void Form_Unload(int& /*Cancel*/) {}

    // Key press from the user with KeyPreview: the form's KeyDown first, then the control's.
    void UserKeyDown(int keyCode, int shift = 0);

private:
    friend class Control;
    void addControl(Control* c);
    void removeControl(Control* c);
    void setActiveControl(Control* c);
    std::string caption_;
    std::vector<Control*> controls_;
    std::vector<Control*> tabOrder_;
    Control* activeControl_ = nullptr;
    bool loaded_ = false, modal_ = false;
};

// The registry of default instances.
namespace detail {
Form* findDefault(std::type_index type);
void storeDefault(std::type_index type, std::unique_ptr<Form> form);
}

// The default instance of F, made on first use (not yet loaded).
template <class F>
F& Default() {
    if (auto* f = detail::findDefault(typeid(F))) return static_cast<F&>(*f);
    auto made = std::make_unique<F>();
    F& ref = *made;
    detail::storeDefault(typeid(F), std::move(made));
    return ref;
}
// Whether F's default instance exists and is loaded.
template <class F>
bool IsLoaded() {
    auto* f = detail::findDefault(typeid(F));
    return f && f->IsLoaded();
}
// Every loaded form, in the order they were loaded.
std::vector<Form*> LoadedForms();
// Drops every default instance (tests; the end of the program).
void ResetDefaults();

} // namespace forms
