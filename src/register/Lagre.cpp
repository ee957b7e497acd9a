// Saving the referee in the form: checks, a new or a changed row, the emptied
// form, the refilled grid and the last-update stamp.
#include <optional>

#include "database/Dommernummer.h"
#include "database/Kampoversikt.h"
#include "database/Transaksjon.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "register/Dommere_Init.h"
#include "register/Stempel.h"
#include "state/ProgramState.h"

namespace {

using state::Utvalg;

constexpr const char* Tittel = "Innlegging Dommere";

void melding(const char* tekst) { forms::MsgBox(tekst, forms::vbInformation + forms::vbOKOnly, Tittel); }

struct Klasse { const forms::OptionButton* valg; const char* kolonne; };

// The first selected option of a game, in the order the save looks at them.
template <std::size_t N>
const Klasse* forstValgt(const Klasse (&klasser)[N]) {
    for (const Klasse& k : klasser)
        if (k.valg->Value()) return &k;
    return nullptr;
}

} // namespace

void Dommere_Init::Init_Klassifisering_Bo() {
    for (const char* k : {"KlB_Dommer1", "KlB_Dommer2", "KlB_Dommer3", "KlB_Aspirant1", "KlB_Aspirant2", "KlB_Aspirant3",
                          "KlB_Overdommer"})
        Utvalg.Set(k, false);
}

void Dommere_Init::Init_Klassifisering_Cu() {
    for (const char* k : {"KlC_Dommer1", "KlC_Dommer3", "KlC_Aspirant1", "KlC_Overdommer"}) Utvalg.Set(k, false);
}

void Dommere_Init::SSCommand2_Click() {
    if (Text1.Text().empty()) return melding("Skriv inn navn på dommer");
    if (SSCheck1.Value() != 1 && SSCheck2.Value() != 1) return melding("Velg minimum en type spill !");
    // A fraction or a number outside the register's range never reaches the Integer column.
    const std::optional<int16_t> nr = GyldigDommernummer(Text4.Text());
    if (!nr) return melding("Ugyldig dommernummer, må ligge 1 og 999!");

    Utvalg = state::DBase2.OpenRecordset("Select * from Dommere where Dommernr = ?", dao::dbOpenDynaset,
                                         {vb::Variant(*nr)});
    const bool endring = !Utvalg.EOF_();
    if (endring && !Option2.Value()) return melding("Dommernummer finnes allerede, velg nytt dommernummer !");
    if (endring) Utvalg.Edit();
    else Utvalg.AddNew();

    Utvalg.Set("Dommer_FNavn", Text1.Text());
    Utvalg.Set("DommerNR", vb::Variant(*nr));
    Utvalg.Set("Dommer_ENavn", Text2.Text());
    Utvalg.Set("Dommer_Lag", Text3.Text());
    Utvalg.Set("Dommer_Adresse", Text5.Text());
    Utvalg.Set("Dommer_Postnr", Text6.Text());
    Utvalg.Set("Dommer_Poststed", Text7.Text());
    Utvalg.Set("Dommer_email", Text8.Text());
    // A change keeps the stored refresher-course dates when their boxes are empty.
    if (!endring || !Text9.Text().empty()) Utvalg.Set("Dommer_DatoOppdBocKurs", Text9.Text());
    Utvalg.Set("Dommer_mobil", Text10.Text());
    Utvalg.Set("Dommer_DatoDKurs", Text14.Text());
    if (!endring || !Text15.Text().empty()) Utvalg.Set("Dommer_DatoOppdCurKurs", Text15.Text());

    const Klasse boccia[] = {{&Option4, "KlB_Dommer1"},   {&Option5, "KlB_Dommer2"},   {&Option6, "KlB_Dommer3"},
                             {&Option7, "KlB_Aspirant1"}, {&Option8, "KlB_Aspirant2"}, {&Option9, "KlB_Aspirant3"},
                             {&Option10, nullptr},        {&Option15, "KlB_Overdommer"}};
    const Klasse curling[] = {{&Option14, "KlC_Dommer1"}, {&Option13, "KlC_Dommer3"}, {&Option11, "KlC_Aspirant1"},
                              {&Option12, nullptr},       {&Option16, "KlC_Overdommer"}};
    if (SSCheck1.Value() == 1) {
        Utvalg.Set("Dommer_Boccia", true);
        if (const Klasse* k = forstValgt(boccia)) {
            if (endring) Init_Klassifisering_Bo();
            if (k->kolonne) Utvalg.Set(k->kolonne, true);
            // The second federation class rides along with the first or the third.
            if (k->valg == &Option4 || k->valg == &Option6) {
                if (endring) Utvalg.Set("KlB_Dommer2", Option20.Value());
                else if (Option20.Value()) Utvalg.Set("KlB_Dommer2", true);
            }
        }
    } else if (endring) {
        Utvalg.Set("Dommer_Boccia", false);
    }
    if (SSCheck2.Value() == 1) {
        Utvalg.Set("Dommer_Curling", true);
        if (const Klasse* k = forstValgt(curling)) {
            if (endring) Init_Klassifisering_Cu();
            if (k->kolonne) Utvalg.Set(k->kolonne, true);
        }
    } else if (endring) {
        Utvalg.Set("Dommer_Curling", false);
    }
    // The row and the stamp go together. A value the engine refuses (too long for its
    // column) leaves neither, and the form as it was; the dispatcher shows the reason.
    const dao::ChangeStamp for_ = state::DBase2.Stamp();
    I_Transaksjon([&] {
        try {
            Utvalg.Update();
        } catch (const vb::Err&) {
            if (Utvalg.EditMode() != 0) Utvalg.CancelUpdate();
            throw;
        }
        Siste_Oppdatering(state::DBase, endring ? DatoEtterEndring : DatoEtterNyDommer);
    });
    // A referee's own row and the file's stamp: his matches stay as they were, so the
    // refill below need not read the whole match table again.
    turneringsdb::AndreTabellerSkrevet(state::DBase2, for_, 2);

    Nullstill_Felter();

    Fyll_List1();
    Fyll_MSFlexgrid1();
    Tell_Dommere();
    visStempel(state::DBase);
}
