// The five table creators, each on the open database DBase.
#include "database/Database.h"
#include "database/Schema.h"
#include "platform/dao/ErrorNumbers.h"
#include "platform/vb/Err.h"
#include "platform/vb/Format.h"
#include "state/ProgramState.h"

using namespace turneringsdb;

namespace {


// A table that is there already keeps its layout, rows and index; any other
// failure goes to the caller, so a half-made file is never taken for a whole one.
void LagTabellOmIkkeFinnes(const Tabell& tabell) {
    try {
        LagTabell(state::DBase, tabell);
    } catch (const vb::Err& e) {
        if (e.Number != dao::errnum::TableExists) throw;
    }
}

} // namespace

void Opprett_Versjon() {
    LagTabell(state::DBase, VersjonTabell());
    state::UtvalgVersjon = state::DBase.OpenRecordset("Versjon", dao::dbOpenDynaset);
    dao::Recordset& rs = state::UtvalgVersjon;
    rs.AddNew();
    rs("DatabaseID") = vb::Variant::Integer(Skjemaversjon);
    rs("LagetDato") = vb::Format(vb::Now(), "ddddd");
    rs("TurneringsNavn") = state::Turnering_Navn;
    // The date the creation set as the default, kept with the file from the start.
    if (!state::Turnering_Dato.empty()) rs("Turneringsdato") = state::Turnering_Dato;
    if (!state::Opprettet_Av.empty()) rs("OpprettetAv") = state::Opprettet_Av;
    rs.Update();
    rs.Close();
}

void Opprett_Dommere() { LagTabellOmIkkeFinnes(DommereTabell()); }

void Opprett_Dommertabell() { LagTabell(state::DBase, DommertabellTabell()); }

void Opprett_Ranking() { LagTabellOmIkkeFinnes(RankingTabell()); }

void Opprett_Ranking_KlData() { LagTabellOmIkkeFinnes(RankingKlDataTabell()); }
