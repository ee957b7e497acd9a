#include "platform/mail/Delivery.h"

#include <sys/wait.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "platform/files/Program.h"
#include "platform/vb/Err.h"

namespace mail {

namespace {

constexpr int kNoMailClient = 3;   // xdg-email: no tool found to open the message with

// xdg-email's documented exit statuses, for the user.
std::string exitReason(int status) {
    const char* what = status == 1   ? "feil i argumentene"
                       : status == 2 ? "en fil finnes ikke"
                       : status == 4 ? "handlingen mislyktes"
                       : status == 5 ? "mangler tilgang til en fil"
                                     : nullptr;
    return "xdg-email avsluttet med feilkode " + std::to_string(status) + (what ? std::string(" (") + what + ")" : "") +
           ".";
}

} // namespace

Delivery::Delivery(pid_t child, EmlMessage message, std::string emlPath)
    : child_(child), message_(std::move(message)), emlPath_(std::move(emlPath)) {}

Delivery::Delivery(Outcome refusal, std::string reason, EmlMessage message, std::string emlPath)
    : message_(std::move(message)), emlPath_(std::move(emlPath)) {
    finish(refusal, std::move(reason));
}

Delivery::~Delivery() {
    if (outcome_ != Outcome::Waiting || child_ <= 0) return;
    std::thread([pid = child_] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

bool Delivery::Poll() {
    if (outcome_ != Outcome::Waiting) return true;
    int status = 0;
    const files::ChildState state = files::LookAtChild(child_, status);
    if (state == files::ChildState::Running) return false;
    if (state == files::ChildState::Lost)
        finish(Outcome::Refused, "Svaret fra xdg-email gikk tapt.");
    else if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        finish(Outcome::Taken, "");
    else if (WIFEXITED(status) && WEXITSTATUS(status) == kNoMailClient)
        finish(Outcome::NoClient, "");
    else if (WIFEXITED(status))
        finish(Outcome::Refused, exitReason(WEXITSTATUS(status)));
    else
        finish(Outcome::Refused, "xdg-email ble avbrutt (signal " + std::to_string(WTERMSIG(status)) + ").");
    return true;
}

void Delivery::finish(Outcome outcome, std::string reason) {
    outcome_ = outcome;
    reason_ = std::move(reason);
    if (outcome == Outcome::Taken) return;
    try {
        WriteEml(message_, emlPath_);
        savedFile_ = emlPath_;
    } catch (const vb::Err& e) {
        saveError_ = e.Description;
    }
}

} // namespace mail
