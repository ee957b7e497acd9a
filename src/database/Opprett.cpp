// Creating a new, empty tournament database at Databasenavn.
#include "database/Apen.h"
#include "database/Database.h"
#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

using namespace turneringsdb;

namespace {

struct Turneringsdata {
    std::string navn, dato, sted;
};

Turneringsdata Naa() { return {state::Turnering_Navn, state::Turnering_Dato, state::Turnering_Sted}; }

void Tilbake(const Turneringsdata& t) {
    state::Turnering_Navn = t.navn;
    state::Turnering_Dato = t.dato;
    state::Turnering_Sted = t.sted;
}

void NavnTilbake(const Navn& n) {
    state::Databasenavn = n.databasenavn;
    state::DatabaseFilnavn = n.filnavn;
}

void VisFeil(const vb::Err& e) {
    if (e.Number == dao::errnum::DatabaseExists) {
        forms::MsgBox(std::string("Feil ved opprettelse av ny database.") + vb::vbCr +
                          "Database med samme navn finnes fra før." + vb::vbCr + "Slett denne først og prøv igjen!",
                      forms::vbExclamation + forms::vbOKOnly, "Konvertere gammelt filformat");
    } else {
        state::Svar = static_cast<int16_t>(forms::MsgBox(Aarsak(e), forms::vbInformation + forms::vbOKOnly,
                                                         "Feil ved opprettelse av ny database"));
    }
}

} // namespace

void Opprett_Ny_Database() {
    forms::Timeglass timeglass;
    const Navn forrigeNavn = NavnPaaApen();
    const Turneringsdata forrigeData = Naa();
    const dao::Database forrige = state::DBase;
    const std::string sti = state::Databasenavn;
    dao::Workspace& ws = Arbeid();

    try {
        state::DBase = ws.CreateDatabase(sti, dao::dbLangNorwegian, dao::dbVersion30);
    } catch (const vb::Err& e) {
        // Nothing was made: an existing file of that name is not ours to remove.
        NavnTilbake(forrigeNavn);
        timeglass.Slipp();
        VisFeil(e);
        return;
    }

    state::Turnering_Navn = "Norges Valmorisk";
    state::Turnering_Dato = vb::Format(vb::Now(), "dd. mmmm yyyy");
    state::Turnering_Sted = "";
    try {
        // One commit for the whole layout; a failure leaves no half-made file.
        ws.BeginTrans();
        Opprett_Versjon();
        Opprett_Dommere();
        Opprett_Dommertabell();
        Opprett_Ranking();
        Opprett_Ranking_KlData();
        ws.CommitTrans();
    } catch (const vb::Err& e) {
        if (ws.InTransaction()) ws.Rollback();
        SlippDelte();
        state::DBase.Close();
        state::DBase = forrige;
        try {
            files::Kill(sti);
        } catch (const vb::Err&) {
        }
        Tilbake(forrigeData);
        NavnTilbake(forrigeNavn);
        timeglass.Slipp();
        VisFeil(e);
        return;
    }
    BliApen(forrige, sti);
}
