#include "import/Dommer2.h"

#include "import/HentDommerFil.h"
#include "import/VisDuplikater.h"
#include "matches/Utforming.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace {

constexpr shared::Kolonne Kampkolonner[] = {
    {"Nr.", 350, 3},        {"Dato", 1500, 3, "Turneringsdato"},     {"Turnering", 2000, -1, "TurneringsNavn"},
    {"Type spill", 750, 3, "Typespill"}, {"Hjemmelag", 1700, -1, "Dommer_HLag"}, {"Bortelag", 1700, -1, "Dommer_BLag"},
    {"HP", 320, 3, "Dommer_HPoeng"}, {"BP", 350, 3, "Dommer_BPoeng"}};

bool flagg(const dao::Recordset& rs, const char* kolonne) {
    const vb::Variant v = rs.Get(kolonne);
    return !v.IsNull() && vb::CBool(v);
}

} // namespace

Dommer2::Dommer2() : Kampvindu("Dommer2") {
    using kamper::Knapp;
    using kamper::Ledetekst;
    UtformFelles(9300);
    Label1.SetCaption("Automatisk innlegging av turneringsdata for dommere");
    Ledetekst(Label4, 7620, 480, 1260, "Turnering:");
    Ledetekst(Label12, 7620, 870, 1260, "Dato:");
    for (auto* t : {&Text1, &Text2, &Text3}) t->Locked = true;

    Knapp(SSCommand5, 120, 5580, 3960, 540, "Hent/Les inn     Turneringsdata fra klubbene");
    Knapp(SSCommand2, 120, 6180, 3960, 540, "Vis Duplikater for siste innlesning");
    Knapp(SSCommand8, 4260, 5580, 3900, 540, "Elektronisk rapport over dømte kamper for alle dommere");
    Knapp(SSCommand9, 8220, 5580, 4400, 540, "  Elektronisk rapport for           1 utvalgt turnerings-dommer");
    // The number, the tournament, the two grids, the buttons. The referee's name, club and
    // games only show what the register holds.
    SetTabOrder({&Text4, &Text5, &Text6, &MSFlexGrid2, &MSFlexGrid1, &SSCommand6, &SSCommand10, &SSCommand11,
                 &SSCommand5, &SSCommand2, &SSCommand8, &SSCommand9, &SSCommand1});

    MSFlexGrid2.Click = [this] { MSFlexGrid2_Click(); };
    MSFlexGrid1.Click = [this] { MSFlexGrid1_Click(); };
    Text4.LostFocus = [this] { Text4_LostFocus(); };
    SSCommand5.Click = [this] { SSCommand5_Click(); };
    SSCommand2.Click = [this] { SSCommand2_Click(); };
    SSCommand8.Click = [this] { SSCommand8_Click(); };
    SSCommand9.Click = [this] { SSCommand9_Click(); };
}

void Dommer2::Form_Load() {
    plasser();
    Overskrift_Kampliste();
    folgDatabasen();
}

void Dommer2::Form_Activate() {
    Overskrift_Dommerliste();
    fyllDommereFornavnForst();
}

std::span<const shared::Kolonne> Dommer2::kampkolonner() const { return Kampkolonner; }

void Dommer2::dommerGlemt() {
    SSCheck1.SetValue(0);
    SSCheck2.SetValue(0);
}

void Dommer2::MSFlexGrid2_Click() {
    dommerGlemt();
    // The heading row names no referee.
    if (MSFlexGrid2.Row() < MSFlexGrid2.FixedRows) return;
    MSFlexGrid2.SetCol(0);
    const std::string celle = MSFlexGrid2.Text();
    Text4.SetText(celle);
    // A click sends the focus to the number box; the arrow keys keep it in the grid, to go on.
    if (!MSFlexGrid2.MovedByKeys()) Text4.SetFocus();
    Fyll_Kampliste();
    MSFlexGrid2.SetCol(0);
    if (const int16_t nr = tilDommernummer(celle)) state::ValgtDommer = nr;
    // The games the register gives the referee; the boxes only show them.
    if (tilDommernummer(celle) != 0 && state::DommerFunnet && !state::Utvalg.EOF_()) {
        SSCheck1.SetValue(flagg(state::Utvalg, "Dommer_Boccia") ? 1 : 0);
        SSCheck2.SetValue(flagg(state::Utvalg, "Dommer_Curling") ? 1 : 0);
    }
}

void Dommer2::MSFlexGrid1_Click() {
    MSFlexGrid1.SetCol(0);
    MSFlexGrid1.Sort(forms::flexSortNumericAscending);
}

void Dommer2::Text4_LostFocus() { Fyll_Kampliste(); }

void Dommer2::SSCommand5_Click() { forms::Default<HentDommerFil>().Show(); }

void Dommer2::SSCommand2_Click() { forms::Default<VisDuplikater>().Show(); }

void Dommer2::SSCommand8_Click() { rapportfilAlle("+ {dommere.DommerNR}"); }
void Dommer2::SSCommand9_Click() { rapportfilEn(); }
