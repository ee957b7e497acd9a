// The write of the distribution file, with its questions and messages.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

#include "database/Apen.h"
#include "distribution/Dommerfil.h"
#include "platform/files/Files.h"
#include "platform/files/SysError.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "register/Transaksjon.h"
#include "state/ProgramState.h"

namespace dommerfil {

namespace {

std::string linjer(std::initializer_list<std::string> deler) {
    std::string ut;
    for (const auto& d : deler) {
        if (&d != deler.begin()) ut += vb::vbCr;
        ut += d;
    }
    return ut;
}

void visLagret(Inngang inngang, const std::string& sti) {
    if (inngang == Inngang::Registerknapp)
        forms::MsgBox(linjer({"DOMMERFIL LAGRET OK!", "", "Rapporten finner du her: ", sti, "",
                              "Denne fil skal sendes alle klubber!"}),
                      forms::vbOKOnly + forms::vbInformation, "Dommerdata fra forbundet");
    else
        forms::MsgBox(linjer({"DOMMERFIL LAGRET OK!", "", "Dommerfila finner du her: ", sti, "",
                              "Denne fil inneholder alle dommerne og skal sendes til klubber!"}),
                      forms::vbOKOnly + forms::vbInformation, "Dommerfil til klubbene");
}

void visFyltPaNytt(Inngang inngang, const std::string& sti) {
    if (inngang == Inngang::Registerknapp)
        forms::MsgBox(linjer({"DOMMERRAPPORT LAGRET OK!", "", "Rapporten finner du her: ", sti, "",
                              "Denne fil skal sendes alle klubber!"}),
                      forms::vbOKOnly + forms::vbInformation, "Turneringsdata fra forbundet");
    else
        forms::MsgBox(linjer({"DOMMERFIL ER LAGRET OK!", "", "Dommerfila finner du her: ", sti, "",
                              "Denne fil skal sendes alle klubber!"}),
                      forms::vbOKOnly + forms::vbInformation, "Dommerfil fra forbundet");
}

int spor(const std::string& sti) {
    return forms::MsgBox(linjer({"Database: " + sti, "", "Database med samme navn finnes fra før.",
                                 "Ønsker du å oppdatere data i denne, trykk i såfall OK?",
                                 "Ellers trykk Avbryt for å avbryte!"}),
                         forms::vbOKCancel + forms::vbExclamation, "Turneringsdata til forbundet");
}

void visAvbrutt() {
    forms::MsgBox(linjer({"Lagring avbrudt!", "", "Database ble ikke oppdatert!"}), forms::vbOKOnly + forms::vbInformation,
                  "Dommerdata fra forbundet");
}

void visFeil(const vb::Err& e) {
    state::Svar = static_cast<int16_t>(forms::MsgBox(turneringsdb::Aarsak(e), forms::vbOKOnly + forms::vbInformation,
                                                     "Feil ved opprettelse av ny database"));
}

dao::Workspace& arbeid() {
    state::ArbeidsomradeFil = &dao::DBEngine::Workspaces(0);
    return *state::ArbeidsomradeFil;
}

// Runs the work on fil in one transaction; on failure nothing of it stays. Either way fil is
// closed, so the mail client reads the file whole and no lock keeps it.
template <class F>
void iTransaksjon(dao::Database& fil, F arbeidet) {
    try {
        I_Transaksjon(arbeidet);
    } catch (...) {
        fil.Close();
        throw;
    }
    fil.Close();
}

// A name beside the target that no one else uses.
std::string midlertidigSti(const std::string& sti) {
    std::random_device tilfeldig;
    const std::string mappe = files::FolderOf(sti);
    return files::Join(mappe.empty() ? "." : mappe,
                       "." + files::BaseName(sti) + "." + std::to_string(tilfeldig() % 1000000000u) + ".tmp");
}

void tilDisk(const std::string& sti) {
    const int fd = ::open(sti.c_str(), O_RDONLY | O_CLOEXEC);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    const int feil = errno;
    if (fd >= 0) ::close(fd);
    if (!ok) files::detail::RaiseErrno(feil);
}

// Moves the finished file to sti unless a file of that name appeared meanwhile (3204).
void flyttPaPlass(const std::string& fra, const std::string& sti) {
    if (::renameat2(AT_FDCWD, fra.c_str(), AT_FDCWD, sti.c_str(), RENAME_NOREPLACE) == 0) return;
    int feil = errno;
    // File systems without the no-replace rename: test, then rename.
    if (feil == EINVAL || feil == ENOSYS) {
        if (files::Exists(sti)) feil = EEXIST;
        else if (::rename(fra.c_str(), sti.c_str()) == 0) return;
        else feil = errno;
    }
    if (feil == EEXIST) vb::Raise(vb::errnum::DatabaseExists);
    files::detail::RaiseErrno(feil, files::detail::Missing::Folder);
}

// A new file is made under another name and moved to sti only when whole: a
// failure, or the end of the program half way, leaves no file at sti.
void lagNy(const std::string& sti) {
    const std::string midlertidig = midlertidigSti(sti);
    dao::Database fil = arbeid().CreateDatabase(midlertidig, dao::dbLangNorwegian, dao::dbVersion30);
    try {
        // No one sees the file under this name: one flush to disk before the move is enough.
        fil.Execute("PRAGMA synchronous = OFF");
        iTransaksjon(fil, [&] {
            Opprett_Dommere_Dommerfil(fil);
            Kopier_Dommere_Til_Dommerfil(fil);
        });
        tilDisk(midlertidig);
        flyttPaPlass(midlertidig, sti);
    } catch (...) {
        std::remove(midlertidig.c_str());
        std::remove((midlertidig + "-journal").c_str());
        throw;
    }
}

// The existing file keeps its table; its rows are replaced, all or none.
void fyllPaNytt(const std::string& sti) {
    dao::Database fil = arbeid().OpenDatabase(sti, true, false);
    iTransaksjon(fil, [&] {
        Slett_Dommere_Dommerfil(fil);
        Kopier_Dommere_Til_Dommerfil(fil);
    });
}

} // namespace

std::string StiIDatamappen() { return files::Join(forms::App.Path, DommerfilNavn); }

void Skriv(Inngang inngang, const std::string& sti) {
    state::Filsti = sti;
    try {
        if (files::Exists(sti)) vb::Raise(vb::errnum::DatabaseExists);
        lagNy(sti);
        visLagret(inngang, sti);
    } catch (const vb::Err& e) {
        if (e.Number != vb::errnum::DatabaseExists) {
            visFeil(e);
        } else {
            state::Svar = static_cast<int16_t>(spor(sti));
            if (state::Svar != forms::vbOK) {
                visAvbrutt();
            } else {
                try {
                    fyllPaNytt(sti);
                    visFyltPaNytt(inngang, sti);
                } catch (const vb::Err& feil) {
                    visFeil(feil);
                }
            }
        }
    }
    forms::Screen.SetMousePointer(forms::vbDefault);
}

} // namespace dommerfil
