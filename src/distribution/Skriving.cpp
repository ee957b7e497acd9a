// The write of the distribution file, with its questions and messages.
#include <string>

#include "database/Apen.h"
#include "database/Transaksjon.h"
#include "distribution/Dommerfil.h"
#include "platform/files/Files.h"
#include "platform/files/WholeFile.h"
#include "platform/forms/Runtime.h"
#include "platform/dao/ErrorNumbers.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
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

// A new file is built whole beside sti and moved there only when done: a failure, or
// the end of the program half way, leaves nothing at sti (3204 when a file of that
// name appeared meanwhile).
void lagNy(const std::string& sti) {
    files::WholeFile ny(sti);
    dao::Database fil = arbeid().CreateDatabaseIn(ny.TempPath());
    iTransaksjon(fil, [&] {
        Opprett_Dommere_Dommerfil(fil);
        Kopier_Dommere_Til_Dommerfil(fil);
    });
    try {
        ny.Commit(files::WholeFile::Replace::Never);
    } catch (const vb::Err& e) {
        if (e.Number == vb::errnum::FileExists) vb::Raise(dao::errnum::DatabaseExists);
        throw;
    }
}

// The existing file keeps its table; its rows are replaced, all or none.
void fyllPaNytt(const std::string& sti) {
    turneringsdb::ProvFilForPafylling(sti, "Dommere");
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
        if (files::Exists(sti)) vb::Raise(dao::errnum::DatabaseExists);
        lagNy(sti);
        visLagret(inngang, sti);
    } catch (const vb::Err& e) {
        if (e.Number != dao::errnum::DatabaseExists) {
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
