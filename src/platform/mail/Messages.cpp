// Composing and handing over one message.
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/files/Files.h"
#include "platform/files/Program.h"
#include "platform/mail/Eml.h"
#include "platform/mail/Mail.h"
#include "platform/mail/Session.h"
#include "platform/vb/Err.h"


namespace mail {

namespace {

// Percent-encoding of UTF-8 bytes; keep names the characters that stay as they are.
std::string percent(const std::string& text, const char* keep) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) && c < 128) {
            out += static_cast<char>(c);
        } else if (c != 0 && std::strchr(keep, c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return out;
}

// Every typed text travels inside one mailto: URI, so that none of them can be read
// as an option of xdg-email ("--help"), and an empty one is simply left out.
std::string mailtoUri(const MAPIMessages& m) {
    std::string uri = "mailto:" + percent(m.RecipAddress, "-._~@");
    char separator = '?';
    for (const auto& [name, value] : {std::pair{"subject", m.MsgSubject}, std::pair{"body", CrLf(m.MsgNoteText)}}) {
        if (value.empty()) continue;
        uri += separator + std::string(name) + "=" + percent(value, "-._~");
        separator = '&';
    }
    return uri;
}

std::shared_ptr<Delivery> startClient(const std::string& client, const EmlMessage& message, const std::string& uri,
                                      const std::string& emlPath) {
    std::vector<std::string> args{"xdg-email", "--utf8"};
    if (!message.attachmentPath.empty()) args.insert(args.end(), {"--attach", message.attachmentPath});
    args.push_back(uri);
    pid_t pid = 0;
    const int err = files::StartProgram(client, std::move(args), pid);
    // Gone since the sign-on: the same as a desktop without one.
    if (err == ENOENT || err == EACCES) return std::make_shared<Delivery>(Delivery::Outcome::NoClient, "", message, emlPath);
    if (err != 0)
        return std::make_shared<Delivery>(Delivery::Outcome::Refused,
                                          "Kunne ikke starte xdg-email (" + std::string(std::strerror(err)) + ").",
                                          message, emlPath);
    return std::make_shared<Delivery>(pid, message, emlPath);
}

bool isFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The message beside the attachment's name: "KV_Dommere.kvz" is saved as "KV_Dommere.eml".
std::string emlPath(const std::string& folder, const std::string& attachment) {
    const std::string stem = files::BaseName(attachment.empty() ? std::string("Epost") : attachment);
    const size_t dot = stem.rfind('.');
    return files::Join(folder, (dot == std::string::npos || dot == 0 ? stem : stem.substr(0, dot)) + ".eml");
}

} // namespace

void MAPIMessages::SetAction(int action) {
    if (action == mapCompose) {
        MsgSubject.clear();
        RecipAddress.clear();
        AttachmentPathName.clear();
        MsgNoteText.clear();
        delivery_.reset();
        return;
    }
    if (action != mapSendDialog) vb::Raise(vb::errnum::InvalidUse);
    delivery_.reset();
    const SessionInfo* session = FindSession(SessionID);
    if (!session) vb::Raise(errnum::InvalidSession, "Ingen gyldig pålogging til e-postsystemet.");
    // A mail client given a missing file would send the letter without it.
    if (!AttachmentPathName.empty() && !isFile(AttachmentPathName))
        vb::Raise(errnum::AttachmentNotFound, AttachmentPathName);
    // An absolute path can never pass for an option either.
    const EmlMessage message{MsgSubject, RecipAddress, MsgNoteText,
                             AttachmentPathName.empty() ? std::string()
                                                        : std::filesystem::absolute(AttachmentPathName).string()};
    const std::string eml = emlPath(session->fallbackFolder, AttachmentPathName);
    delivery_ = session->client.empty()
                    ? std::make_shared<Delivery>(Delivery::Outcome::NoClient, "", message, eml)
                    : startClient(session->client, message, mailtoUri(*this), eml);
}

} // namespace mail
