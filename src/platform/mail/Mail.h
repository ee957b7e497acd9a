#pragma once
// The mail session and message components as the program used them. Sign-on
// finds the desktop's mail hand-off (xdg-email on PATH); the hand-over starts
// it with an argument list and returns at once, leaving a Delivery to watch
// for its answer. When no mail client takes the message, it is saved as an
// ".eml" file instead. Failures raise vb::Err with the components' numbers.
#include <memory>
#include <string>

#include "platform/mail/Delivery.h"

namespace mail {

// Session actions.
inline constexpr int mapSignOn = 1, mapSignOff = 2;
// Message actions.
inline constexpr int mapSendDialog = 2, mapCompose = 6;

namespace errnum {
constexpr int LoginFail = 32003;
constexpr int AttachmentNotFound = 32011;
constexpr int InvalidSession = 32050;
}

class MAPISession {
public:
    // Where a message is saved when no mail client takes it.
    std::string FallbackFolder;
    long SessionID() const { return sessionID_; }
    // 1 signs on (LoginFail when neither xdg-email nor FallbackFolder is there); 2 signs off.
    void SetAction(int action);
    ~MAPISession();

private:
    long sessionID_ = 0;
};

class MAPIMessages {
public:
    long SessionID = 0;
    std::string MsgSubject, RecipAddress, AttachmentPathName, MsgNoteText;
    // 6 starts a new, empty message; 2 hands it over without waiting for the mail client.
    void SetAction(int action);
    // The last hand-over, null before the first; it outlives this component.
    std::shared_ptr<Delivery> LastDelivery() const { return delivery_; }

private:
    std::shared_ptr<Delivery> delivery_;
};

// Where the desktop's mail hand-off lies on PATH, or "".
std::string FindXdgEmail();

} // namespace mail
