#pragma once
// Inside the forms runtime: the dispatch depth that keeps a form alive while
// one of its handlers runs, and the bookkeeping of loaded and active forms.
#include <memory>

namespace forms {
class Form;
}

namespace forms::detail {

// While any scope is open, buried forms wait; the outermost scope destroys them.
class DispatchScope {
public:
    DispatchScope();
    ~DispatchScope();
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
};

// Destroys the form now, or when the outermost dispatch scope closes.
void bury(std::unique_ptr<Form> form);

// The registry's own instance of this form, taken out of it; null for other forms.
std::unique_ptr<Form> takeDefault(Form* form);

void noteLoaded(Form* form);
void noteUnloaded(Form* form);
// The form becomes the active one (top of the activation order).
void makeActive(Form* form);
// The form stops being a candidate for activation (hidden or unloaded).
void leaveActive(Form* form);
// The form is being destroyed: every trace of it goes.
void forget(Form* form);
void resetActivation();

} // namespace forms::detail
