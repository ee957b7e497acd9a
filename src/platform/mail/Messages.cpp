// Composing and handing over one message.
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/files/Files.h"
#include "platform/mail/Eml.h"
#include "platform/mail/Mail.h"
#include "platform/mail/Session.h"
#include "platform/vb/Err.h"

extern char** environ;

namespace mail {

namespace {

constexpr int kNoMailClient = 3;   // xdg-email: no tool found to open the message with

enum class Outcome { Taken, NoClient };

// Waits up to waitMs for the child; a child still running is reaped in the background.
Outcome awaitRefusal(pid_t pid, int waitMs) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return Outcome::Taken;
            if (WIFEXITED(status) && WEXITSTATUS(status) == kNoMailClient) return Outcome::NoClient;
            vb::Raise(errnum::Failure, WIFEXITED(status) ? "E-postprogrammet avsluttet med feilkode " +
                                                               std::to_string(WEXITSTATUS(status)) + "."
                                                         : std::string("E-postprogrammet ble avbrutt."));
        }
        if (done < 0 && errno != EINTR) return Outcome::Taken;
        if (std::chrono::steady_clock::now() >= until) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // The mail client keeps the message as long as the user needs; nobody waits for it.
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return Outcome::Taken;
}

Outcome startClient(const std::string& client, const MAPIMessages& m) {
    std::vector<std::string> args{"xdg-email", "--utf8",  "--subject",          m.MsgSubject,
                                  "--body",    m.MsgNoteText, "--attach", m.AttachmentPathName};
    if (!m.RecipAddress.empty()) args.push_back(m.RecipAddress);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int err = ::posix_spawn(&pid, client.c_str(), nullptr, nullptr, argv.data(), environ);
    // Gone since the sign-on: the same as a desktop without one.
    if (err == ENOENT || err == EACCES) return Outcome::NoClient;
    if (err != 0) vb::Raise(errnum::Failure, "Kunne ikke starte e-postprogrammet (" + client + ").");
    return awaitRefusal(pid, m.RefusalWaitMs);
}

bool isFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

void MAPIMessages::SetAction(int action) {
    if (action == mapCompose) {
        MsgSubject.clear();
        RecipAddress.clear();
        AttachmentPathName.clear();
        MsgNoteText.clear();
        savedFile_.clear();
        return;
    }
    if (action != mapSendDialog) vb::Raise(vb::errnum::InvalidUse);
    handOver();
}

void MAPIMessages::handOver() {
    savedFile_.clear();
    const SessionInfo* session = FindSession(SessionID);
    if (!session) vb::Raise(errnum::InvalidSession, "Ingen gyldig pålogging til e-postsystemet.");
    // A mail client given a missing file would send the letter without it.
    if (!AttachmentPathName.empty() && !isFile(AttachmentPathName))
        vb::Raise(errnum::AttachmentNotFound, AttachmentPathName);
    if (!session->client.empty() && startClient(session->client, *this) == Outcome::Taken) return;

    const std::string stem = files::BaseName(AttachmentPathName.empty() ? std::string("Epost") : AttachmentPathName);
    const size_t dot = stem.rfind('.');
    const std::string path =
        files::Join(session->fallbackFolder, (dot == std::string::npos || dot == 0 ? stem : stem.substr(0, dot)) + ".eml");
    WriteEml({MsgSubject, RecipAddress, MsgNoteText, AttachmentPathName}, path);
    savedFile_ = path;
}

} // namespace mail
