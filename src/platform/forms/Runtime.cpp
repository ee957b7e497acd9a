#include "platform/forms/Runtime.h"

#include <exception>
#include <memory>
#include <utility>
#include <vector>

#include "platform/forms/Dispatcher.h"
#include "platform/forms/Form.h"
#include "platform/vb/Err.h"

namespace forms {

ScreenObject Screen;
AppObject App;

namespace {
Host* g_host = nullptr;
int g_depth = 0;
std::vector<std::unique_ptr<Form>> g_graveyard;

void flushGraveyard() {
    // Destroying a form runs no handlers, but loop in case a destructor buries another.
    while (!g_graveyard.empty()) {
        auto dead = std::move(g_graveyard);
        g_graveyard.clear();
        dead.clear();
    }
}
} // namespace

std::vector<int> MsgBoxRequest::answers() const {
    switch (buttons()) {
        case vbOKCancel: return {vbOK, vbCancel};
        case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
        case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
        case vbYesNo: return {vbYes, vbNo};
        case vbRetryCancel: return {vbRetry, vbCancel};
        default: return {vbOK};
    }
}

int HeadlessHost::messageBox(const MsgBoxRequest& request) {
    boxes.push_back(request);
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    const auto buttons = request.answers();
    const auto index = static_cast<size_t>(request.defaultButton());
    return index < buttons.size() ? buttons[index] : buttons.front();
}

void HeadlessHost::runModal(Form& form) {
    // A copy: the driver may replace itself for a nested dialog.
    if (auto driver = modalDriver) driver(form);
}

bool HeadlessHost::runPolls() {
    // A poll may start another: it waits for the next tick.
    auto due = std::move(polls);
    polls.clear();
    for (auto& poll : due)
        if (poll()) polls.push_back(std::move(poll));
    return !polls.empty();
}

void SetHost(Host* host) { g_host = host; }

HeadlessHost& Headless() {
    static HeadlessHost host;
    return host;
}

Host& CurrentHost() { return g_host ? *g_host : Headless(); }

int MsgBox(const std::string& prompt, int style, const std::string& title) {
    MsgBoxRequest request{prompt, style, title.empty() ? std::string(ProgramTitle) : title};
    return CurrentHost().messageBox(request);
}

void Beep() { CurrentHost().beep(); }

void Dispatch(const std::function<void()>& handler) {
    detail::DispatchScope scope;
    try {
        handler();
    } catch (const vb::Err& e) {
        MsgBox("Årsak :  " + (e.Description.empty() ? vb::ErrorText(e.Number) : e.Description), vbCritical);
    } catch (const std::exception& e) {
        MsgBox(std::string("Årsak :  ") + e.what(), vbCritical);
    } catch (...) {
        MsgBox("Årsak :  Ukjent feil.", vbCritical);
    }
}

void Poll(int intervalMs, std::function<bool()> poll) {
    CurrentHost().startPolling(intervalMs, [poll = std::move(poll)] {
        bool again = false;
        Dispatch([&] { again = poll(); });
        return again;
    });
}

void ScreenObject::SetMousePointer(int p) {
    mousePointer_ = p;
    CurrentHost().mousePointerChanged(p);
}

void ResetRuntime() {
    Screen = ScreenObject{};
    App = AppObject{};
    detail::resetActivation();
    g_host = nullptr;
    HeadlessHost& h = Headless();
    h.answers.clear();
    h.boxes.clear();
    h.modalDriver = nullptr;
    h.pointers.clear();
    h.printerSetups = 0;
    h.printerSetupAnswer = true;
    h.helpOpened.clear();
    h.helpClosed.clear();
    h.beeps = 0;
    h.ended = false;
    h.polls.clear();
}

namespace detail {

DispatchScope::DispatchScope() { ++g_depth; }

DispatchScope::~DispatchScope() {
    if (--g_depth == 0) flushGraveyard();
}

void bury(std::unique_ptr<Form> form) {
    if (!form) return;
    g_graveyard.push_back(std::move(form));
    if (g_depth == 0) flushGraveyard();
}

} // namespace detail

} // namespace forms
