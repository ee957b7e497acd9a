// Sign-on: which hand-off this desktop offers. Sessions live in one table so
// that the messages component finds its session by the identifier alone.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <string_view>

#include "platform/files/Files.h"
#include "platform/mail/Mail.h"
#include "platform/mail/Session.h"
#include "platform/vb/Err.h"

namespace mail {

namespace {
std::map<long, SessionInfo>& sessions() {
    static std::map<long, SessionInfo> table;
    return table;
}
long lastID = 0;
} // namespace

std::string FindXdgEmail() {
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "/usr/local/bin:/usr/bin:/bin";
    for (;;) {
        const size_t colon = rest.find(':');
        const std::string_view dir = rest.substr(0, colon);
        // An empty entry is the current folder.
        const std::string candidate = files::Join(dir.empty() ? std::string(".") : std::string(dir), "xdg-email");
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (colon == std::string_view::npos) return {};
        rest.remove_prefix(colon + 1);
    }
}

const SessionInfo* FindSession(long id) {
    const auto it = sessions().find(id);
    return it == sessions().end() ? nullptr : &it->second;
}

void MAPISession::SetAction(int action) {
    if (action == mapSignOff) {
        sessions().erase(sessionID_);
        sessionID_ = 0;
        return;
    }
    if (action != mapSignOn) vb::Raise(vb::errnum::InvalidUse);
    SessionInfo info{FindXdgEmail(), FallbackFolder};
    if (info.client.empty() && !files::IsFolder(FallbackFolder))
    {
        std::string tekst = "Fant ikke noe e-postprogram (xdg-email), og mappen ";
        tekst += FallbackFolder;
        tekst += " der e-posten ellers lagres, finnes ikke.";
        vb::Raise(errnum::LoginFail, tekst);
    }
    if (sessionID_ != 0) sessions().erase(sessionID_);
    sessionID_ = ++lastID;
    sessions()[sessionID_] = std::move(info);
}

MAPISession::~MAPISession() {
    if (sessionID_ != 0) sessions().erase(sessionID_);
}

} // namespace mail
