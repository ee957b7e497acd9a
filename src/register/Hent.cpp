// Loading a stored referee into the form: from a grid row, or by the number typed.
#include "database/Dommernummer.h"
#include "platform/vb/Variant.h"
#include "register/Dommere_Init.h"
#include "state/ProgramState.h"

namespace {

using state::Utvalg;

std::string tekst(const char* kolonne) { return vb::Concat(Utvalg.Get(kolonne), ""); }

bool flagg(const char* kolonne) {
    const vb::Variant v = Utvalg.Get(kolonne);
    return !v.IsNull() && vb::CBool(v);
}

// Selected when the flag is set, else set to not selected (which runs no rule).
void etterFlagg(forms::OptionButton& valg, const char* kolonne) { valg.SetValue(flagg(kolonne)); }

// The grid row that shows the referee numbered nr; the heading row when none does.
int radFor(const forms::MSFlexGrid& grid, int16_t nr) {
    for (int r = grid.FixedRows; r < grid.Rows(); ++r)
        if (GyldigDommernummer(grid.TextMatrix(r, 0)) == nr) return r;
    return 0;
}

void hentReferanse(int16_t nr) {
    Utvalg = state::DBase2.OpenRecordset("Select * from Dommere where Dommernr= ?", dao::dbOpenDynaset, {vb::Variant(nr)});
}

} // namespace

void Dommere_Init::fyllAlt() {
    Text4.SetText(tekst("DommerNR"));
    Text1.SetText(tekst("Dommer_FNavn"));
    Text2.SetText(tekst("Dommer_ENavn"));
    Text3.SetText(tekst("Dommer_Lag"));
    Text5.SetText(tekst("Dommer_Adresse"));
    Text6.SetText(tekst("Dommer_Postnr"));
    Text7.SetText(tekst("Dommer_Poststed"));
    Text8.SetText(tekst("Dommer_email"));
    Text9.SetText(tekst("Dommer_DatoOppdBocKurs"));
    Text15.SetText(tekst("Dommer_DatoOppdCurKurs"));
    Text10.SetText(tekst("Dommer_mobil"));
    Text14.SetText(tekst("Dommer_DatoDKurs"));
    SSCheck1.SetValue(flagg("Dommer_Boccia") ? 1 : 0);
    SSCheck2.SetValue(flagg("Dommer_Curling") ? 1 : 0);

    // The second federation class shows as the additional choice beside the first or third.
    etterFlagg(Option4, "KlB_Dommer1");
    if (Option4.Value()) {
        if (flagg("KlB_Dommer2")) Option20.SetValue(true);
    } else if (flagg("KlB_Dommer2")) {
        Option5.SetValue(true);
    }
    etterFlagg(Option6, "KlB_Dommer3");
    if (flagg("KlB_Dommer3") && flagg("KlB_Dommer2")) Option20.SetValue(true);
    etterFlagg(Option7, "KlB_Aspirant1");
    etterFlagg(Option8, "KlB_Aspirant2");
    etterFlagg(Option9, "KlB_Aspirant3");

    etterFlagg(Option14, "KlC_Dommer1");
    etterFlagg(Option13, "KlC_Dommer3");
    etterFlagg(Option11, "KlC_Aspirant1");

    etterFlagg(Option15, "KlB_Overdommer");
    etterFlagg(Option16, "KlC_Overdommer");
}

void Dommere_Init::fyllRapport() {
    Text4.SetText(tekst("DommerNR"));
    Text1.SetText(tekst("Dommer_FNavn"));
    Text2.SetText(tekst("Dommer_ENavn"));
    Text3.SetText(tekst("Dommer_Lag"));
    etterFlagg(Option4, "KlB_Dommer1");
    etterFlagg(Option5, "KlB_Dommer2");
    etterFlagg(Option6, "KlB_Dommer3");
    etterFlagg(Option7, "KlB_Aspirant1");
    etterFlagg(Option8, "KlB_Aspirant2");
    etterFlagg(Option9, "KlB_Aspirant3");
    etterFlagg(Option14, "KlC_Dommer1");
    etterFlagg(Option13, "KlC_Dommer3");
    etterFlagg(Option15, "KlB_Overdommer");
    etterFlagg(Option16, "KlC_Overdommer");
    etterFlagg(Option11, "KlC_Aspirant1");
}

void Dommere_Init::MSFlexGrid1_Click() {
    MSFlexGrid1.SetCol(0);
    // The heading "Nr" (or any cell without a number) keeps the referee chosen before.
    if (const auto nr = GyldigDommernummer(MSFlexGrid1.Text())) state::ValgtDommer = *nr;

    Option10.SetValue(true);
    Option12.SetValue(true);
    if (Option1.Value()) return;
    if (Option2.Value()) {
        hentReferanse(state::ValgtDommer);
        for (; !Utvalg.EOF_(); Utvalg.MoveNext()) fyllAlt();
        return;
    }
    if (Option3.Value()) {
        hentReferanse(state::ValgtDommer);
        if (!Utvalg.EOF_()) fyllRapport();
    }
}

void Dommere_Init::SSCommand7_Click() {
    for (auto* t : {&Text1, &Text2, &Text3, &Text5, &Text6, &Text7, &Text8, &Text9, &Text10, &Text14, &Text15})
        t->SetText("");
    SSCheck1.SetValue(0);
    SSCheck2.SetValue(0);

    // Only a whole number from 1 to 999 can be a referee; anything else finds no one.
    state::ValgtDommer = GyldigDommernummer(Text4.Text()).value_or(0);
    hentReferanse(state::ValgtDommer);

    Option10.SetValue(true);
    Option12.SetValue(true);
    bool funnet = false;
    for (; !Utvalg.EOF_(); Utvalg.MoveNext(), funnet = true) fyllAlt();
    // The referee found is the grid's current row too, so the buttons that act on the row act on him.
    MSFlexGrid1.SetRow(funnet ? radFor(MSFlexGrid1, state::ValgtDommer) : 0);
    MSFlexGrid1.SetCol(0);
}
