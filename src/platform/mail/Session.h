#pragma once
// What a sign-on found, shared between the two mail components.
#include <string>

namespace mail {

struct SessionInfo {
    std::string client;           // path of xdg-email, "" when the desktop has none
    std::string fallbackFolder;   // where a message is saved when no mail client takes it
};

// The signed-on session of that identifier, or null.
const SessionInfo* FindSession(long id);

} // namespace mail
