#pragma once
// The mail session and message components as the program used them. Sign-on
// finds the desktop's mail hand-off (xdg-email on PATH); the hand-over starts
// it with an argument list and does not wait for the mail client. When no mail
// client is set up, the message is saved as an ".eml" file instead, and
// SavedFile() names it. Failures raise vb::Err with the components' numbers.
#include <string>

namespace mail {

// Session actions.
inline constexpr int mapSignOn = 1, mapSignOff = 2;
// Message actions.
inline constexpr int mapSendDialog = 2, mapCompose = 6;

namespace errnum {
constexpr int Failure = 32002;
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
    // How long the hand-over waits for xdg-email to refuse at once (its exit status 3:
    // no mail client); a client still running after it has taken the message.
    int RefusalWaitMs = 3000;
    // 6 starts a new, empty message; 2 hands it over.
    void SetAction(int action);
    // The ".eml" file the last hand-over wrote, or "" when a mail client took it.
    const std::string& SavedFile() const { return savedFile_; }

private:
    void handOver();
    std::string savedFile_;
};

// Where the desktop's mail hand-off lies on PATH, or "".
std::string FindXdgEmail();

} // namespace mail
