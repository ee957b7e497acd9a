// Default instances, the order forms were loaded in and the order they were
// activated in. The lists are declared before the registry so that forms the
// registry still holds at exit can take themselves off them.
#include <algorithm>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

#include "platform/forms/Dispatcher.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"

namespace forms {

namespace {
std::vector<Form*> g_loadOrder;
std::vector<Form*> g_activation;   // last = most recently active
std::map<std::type_index, std::unique_ptr<Form>> g_defaults;

void erase(std::vector<Form*>& list, Form* form) {
    list.erase(std::remove(list.begin(), list.end(), form), list.end());
}
} // namespace

namespace detail {

Form* findDefault(std::type_index type) {
    const auto it = g_defaults.find(type);
    return it == g_defaults.end() ? nullptr : it->second.get();
}

void storeDefault(std::type_index type, std::unique_ptr<Form> form) { g_defaults[type] = std::move(form); }

std::unique_ptr<Form> takeDefault(Form* form) {
    for (auto it = g_defaults.begin(); it != g_defaults.end(); ++it) {
        if (it->second.get() == form) {
            auto owned = std::move(it->second);
            g_defaults.erase(it);
            return owned;
        }
    }
    return nullptr;
}

void noteLoaded(Form* form) {
    erase(g_loadOrder, form);
    g_loadOrder.push_back(form);
}

void noteUnloaded(Form* form) { erase(g_loadOrder, form); }

void makeActive(Form* form) {
    erase(g_activation, form);
    g_activation.push_back(form);
    Screen.setActiveForm(form);
}

void leaveActive(Form* form) {
    erase(g_activation, form);
    if (Screen.ActiveForm() != form) return;
    Form* next = nullptr;
    for (auto it = g_activation.rbegin(); it != g_activation.rend() && !next; ++it)
        if ((*it)->IsLoaded() && (*it)->Visible()) next = *it;
    Screen.setActiveForm(nullptr);
    if (!next) return;
    // Closing an MDI child moves the user to the next child, which is a real switch
    // between windows; a closing dialog only hands the focus back to the window under it.
    if (form->MDIChild && next->MDIChild)
        next->Activate();
    else
        makeActive(next);
}

void forget(Form* form) {
    erase(g_loadOrder, form);
    erase(g_activation, form);
    if (Screen.ActiveForm() == form) Screen.setActiveForm(nullptr);
}

void resetActivation() { g_activation.clear(); }

} // namespace detail

std::vector<Form*> LoadedForms() { return g_loadOrder; }

void ResetDefaults() {
    auto all = std::move(g_defaults);
    g_defaults.clear();
    for (auto& [type, form] : all)
        if (form->IsLoaded()) CurrentHost().formUnloaded(*form);
    for (auto& [type, form] : all) detail::bury(std::move(form));
}

} // namespace forms
