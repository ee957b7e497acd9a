// Soft deletion of the picked match: it stays in the table with Status 3 and
// the date of deletion, and drops out of every list and count.
#include <string>

#include "database/Kampoversikt.h"
#include "matches/Dommer.h"
#include "matches/Kampvindu.h"
#include "matches/ValgtKamp.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

void Dommer::SSCommand3_Click() {
    const auto ingenValgt = [] {
        forms::MsgBox(std::string("Ingen dommer eller kamp er valgt, velg først en dommer") + vb::vbCr +
                          "og deretter den kampen du ønsker å slette! ",
                      forms::vbInformation + forms::vbOKOnly, "Slette dommerdata");
    };
    if (!kamper::ValgtKamp) return ingenValgt();
    const kamper::Kampvalg valgt = *kamper::ValgtKamp;
    state::Utvalg2 = kamper::AndreHandtak().OpenRecordset(
        "Select * from Dommertabell where dommernr = ? AND sekvensnr = ? And Status<3", dao::dbOpenDynaset,
        {vb::Variant(valgt.dommer), vb::Variant::Long(valgt.sekvens)});
    if (state::Utvalg2.EOF_()) return ingenValgt();

    const auto felt = [](const char* kolonne) { return vb::Concat(state::Utvalg2.Get(kolonne), ""); };
    const std::string sporsmal = std::string("Ønsker du å slette følgende: ") + vb::vbCr + "Turnering: " +
                                 felt("TurneringsNavn") + ", " + felt("Turneringsdato") + vb::vbCr + "Dommer: " +
                                 felt("DommerNR") + " " + felt("Dommer_FNavn") + " " + felt("Dommer_ENavn") + vb::vbCr +
                                 "Sekvensnummer: " + std::to_string(valgt.sekvens) + vb::vbCr + vb::vbCr +
                                 "Bekreft at du vil slette!";
    if (forms::MsgBox(sporsmal, forms::vbYesNo + forms::vbQuestion, "Slette Turnering") != forms::vbYes) return;

    const turneringsdb::Kamptall spill = turneringsdb::Spill(state::DBase, state::Utvalg2.Get("Typespill"));
    const dao::ChangeStamp for_ = state::DBase.Stamp();
    state::Utvalg2.Edit();
    state::Utvalg2.Set("Status", vb::Variant::Integer(3));
    state::Utvalg2.Set("DatoEndret", vb::Format(vb::Now(), "d. mmm yyyy"));
    state::Utvalg2.Update();
    turneringsdb::KampSlettet(state::DBase, for_, valgt.dommer, spill);
    Nullstill_Valgt_Kamp();
    // A save empties the number box, and the list would keep the deleted row: it lists
    // the matches of the deleted one's referee instead.
    if (vb::Val(Text4.Text()) <= 0) Text4.SetText(std::to_string(valgt.dommer));
    Fyll_Kampliste();
    Fyll_Dommerliste();
}
