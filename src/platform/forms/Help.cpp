#include "platform/forms/Help.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/files/Files.h"
#include "platform/files/Program.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"

namespace forms {

namespace {

constexpr int kNoViewer = 3;   // xdg-open: no program found for the file

void tell(const std::string& what, const std::string& file) {
    MsgBox(what + vb::vbCr + file, vbOKOnly + vbExclamation);
}

// True once xdg-open has answered (or its answer is lost); a refusal is told.
bool answered(pid_t child, const std::string& file) {
    int status = 0;
    const files::ChildState state = files::LookAtChild(child, status);
    if (state == files::ChildState::Running) return false;
    if (state == files::ChildState::Lost || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) return true;
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNoViewer)
        tell("Det finnes ikke noe program på denne maskinen som kan vise hjelpefilen:", file);
    else if (WIFEXITED(status))
        tell("Hjelpefilen kunne ikke vises (xdg-open avsluttet med feilkode " + std::to_string(WEXITSTATUS(status)) +
                 "):",
             file);
    else
        tell("Hjelpefilen kunne ikke vises (xdg-open ble avbrutt):", file);
    return true;
}

} // namespace

void OpenHelpFile(const std::string& file) {
    // The old file system found "Kvistrel.hlp" under the name "KVISTREL.HLP".
    const std::string found = file.empty() ? file : files::FindInAnyCase(file);
    struct stat st {};
    if (found.empty() || ::stat(found.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        tell("Hjelpefilen finnes ikke:", file);
        return;
    }
    // An absolute path can never pass for an option of xdg-open.
    pid_t pid = 0;
    const int err = files::StartProgram("xdg-open", {"xdg-open", std::filesystem::absolute(found).string()}, pid);
    if (err == ENOENT || err == EACCES) {
        tell("Fant ikke xdg-open, som åpner hjelpefilen i skrivebordets visningsprogram. Åpne fila selv:", file);
        return;
    }
    if (err != 0) {
        tell("Kunne ikke starte xdg-open (" + std::string(std::strerror(err)) + ") for hjelpefilen:", file);
        return;
    }
    // The viewer may take its time: its answer is looked for, never waited on.
    if (!answered(pid, file)) Poll(200, [pid, file] { return !answered(pid, file); });
}

} // namespace forms
