#include "matches/Kampvindu.h"

#include <algorithm>
#include <string>

#include "database/Apen.h"
#include "database/Dommernummer.h"
#include "database/Kampoversikt.h"
#include "database/Transaksjon.h"
#include "platform/forms/Runtime.h"
#include "platform/dao/ErrorNumbers.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "shared/Knapperad.h"
#include "state/ProgramState.h"

namespace kamper {

std::string Celler(const dao::Recordset& rad, std::span<const shared::Kolonne> kolonner, bool typespillSmaBokstaver) {
    std::string celler;
    for (std::size_t i = 0; i < kolonner.size(); ++i) {
        std::string verdi = forms::GridCell(vb::Concat(rad.Get(kolonner[i].felt), ""));
        if (typespillSmaBokstaver && std::string_view(kolonner[i].felt) == "Typespill") verdi = vb::LCase(verdi);
        celler += (i ? vb::vbTab : "") + verdi;
    }
    return celler;
}

dao::Database& AndreHandtak() {
    return !state::DBase2.IsNothing() && state::DBase2.IsOpen() ? state::DBase2 : state::DBase;
}

} // namespace kamper

namespace {

constexpr shared::Kolonne DommerKolonner[] = {{"Nr.", 500, 3}, {"Dommer", 2400, 2}, {"Kamper", 700, 3}};

std::string tekst(const dao::Recordset& rs, const char* kolonne) { return vb::Concat(rs.Get(kolonne), ""); }

} // namespace

Kampvindu::Kampvindu(const std::string& navn) : forms::Form(navn) {
    SSCommand1.Click = [this] { SSCommand1_Click(); };
    SSCommand6.Click = [this] { SSCommand6_Click(); };
    SSCommand10.Click = [this] { SSCommand10_Click(); };
    SSCommand11.Click = [this] { SSCommand11_Click(); };
    // Entering a tournament box puts the caret after its text, nothing selected.
    for (auto* t : {&Text5, &Text6}) {
        t->GotFocus = [t] {
            t->SetSelStart(static_cast<int>(vb::Len(t->Text())));
            t->SetSelLength(0);
        };
    }
}

void Kampvindu::plasser() {
    SetLeft(120);
    // 750 twips below the button bar; on a screen too low for that, as far up as keeps the
    // whole window (its buttons at the bottom) inside the area under the bar.
    constexpr int TittelOgMeny = 900;
    const int linje = shared::Knapperadhoyde();
    const int plass = forms::Screen.Height - TittelOgMeny - linje - Height();
    SetTop(std::max(0, std::min(linje + 750, plass)));
}

void Kampvindu::SSCommand1_Click() {
    Unload();
    forms::Screen.SetMousePointer(forms::vbDefault);
}

int16_t Kampvindu::tilDommernummer(const std::string& celle) { return GyldigDommernummer(celle).value_or(0); }

Kampvindu::~Kampvindu() { turneringsdb::GlemDatabaseendring(this); }

void Kampvindu::Form_Unload(int& /*Cancel*/) { turneringsdb::GlemDatabaseendring(this); }

void Kampvindu::folgDatabasen() {
    turneringsdb::NarDatabasenEndresEllerLukk(*this, [this] {
        for (auto* t : {&Text1, &Text2, &Text3, &Text4, &Text7}) t->SetText("");
        state::DommerFunnet = false;
        listetDommer_ = 0;
        dommerGlemt();
        tilbakeTilKamplisten();
        Overskrift_Dommerliste();
        Overskrift_Kampliste();
        kampgridTomt();
        fyllDommereFornavnForst();
    });
}

void Kampvindu::Hent_Dommer() {
    // Only a whole number of the register's range can name a referee; any other text finds none.
    const auto nr = GyldigDommernummer(Text4.Text());
    if (nr) state::Utvalg = state::DBase.OpenRecordset("Select * from Dommere where Dommernr = ?", dao::dbOpenSnapshot,
                                                       {vb::Variant(*nr)});
    if (nr && !state::Utvalg.EOF_()) {
        Text1.SetText(tekst(state::Utvalg, "Dommer_FNavn"));
        Text2.SetText(tekst(state::Utvalg, "Dommer_ENavn"));
        Text3.SetText(tekst(state::Utvalg, "Dommer_Lag"));
        state::DommerFunnet = true;
        state::ValgtDommer = *nr;
        return;
    }
    for (auto* t : {&Text1, &Text2, &Text3, &Text4}) t->SetText("");
    forms::MsgBox("Dommernummer finnes ikke, velg nytt dommernummer eller legg inn ny dommer!",
                  forms::vbInformation + forms::vbOKOnly, "Innlegging Dommerdata");
    state::DommerFunnet = false;
}

void Kampvindu::Fyll_Kampliste() {
    if (vb::Val(Text4.Text()) <= 0) return;
    Hent_Dommer();
    Overskrift_Kampliste();
    // An unknown number leaves nothing of the referee shown before to act on.
    if (!state::DommerFunnet) {
        Text7.SetText("");
        return;
    }
    listKamper(true);
    state::DommerFunnet = true;
    // Utvalg still stands on the referee's row that Hent_Dommer found.
    Text7.SetText(tekst(state::Utvalg, "Dommer_FNavn") + " " + tekst(state::Utvalg, "Dommer_ENavn"));
}

void Kampvindu::listKamper(bool typespillSmaBokstaver) {
    state::Utvalg2 = state::DBase.OpenRecordset("Select * from Dommertabell where DommerNR= ? AND Status<3",
                                                dao::dbOpenSnapshot, {vb::Variant(state::ValgtDommer)});
    listetDommer_ = state::ValgtDommer;
    int n = 1;
    for (; !state::Utvalg2.EOF_(); state::Utvalg2.MoveNext(), ++n)
        MSFlexGrid1.AddItem(std::to_string(n) + vb::vbTab +
                            kamper::Celler(state::Utvalg2, kampkolonner().subspan(1), typespillSmaBokstaver));
}

void Kampvindu::Overskrift_Kampliste() {
    shared::SettOverskrift(MSFlexGrid1, kampkolonner());
    listetDommer_ = 0;
    kampgridTomt();
}

void Kampvindu::Overskrift_Dommerliste() {
    dao::Database ny = Registerets_Arbeidsomrade().OpenDatabase(state::Databasenavn, true);
    if (!state::DBase2.IsNothing()) state::DBase2.Close();
    state::DBase2 = ny;
    shared::SettOverskrift(MSFlexGrid2, DommerKolonner);
}

void Kampvindu::fyllDommergrid(bool etternavnForst) {
    const auto& antall = turneringsdb::Oversikt(state::DBase).perDommer;
    state::Utvalg2 = state::DBase.OpenRecordset("Select DommerNR, Dommer_FNavn, Dommer_ENavn from Dommere",
                                                dao::dbOpenSnapshot);
    for (; !state::Utvalg2.EOF_(); state::Utvalg2.MoveNext()) {
        const vb::Variant nr = state::Utvalg2.Get("DommerNR");
        const std::string fornavn = tekst(state::Utvalg2, "Dommer_FNavn");
        const std::string etternavn = tekst(state::Utvalg2, "Dommer_ENavn");
        std::string navn = fornavn + " " + etternavn;
        if (etternavnForst) navn = etternavn.empty() ? fornavn : etternavn + ", " + fornavn;
        long kamper = 0;
        if (!nr.IsNull())
            if (auto funnet = antall.find(vb::CLng(nr)); funnet != antall.end()) kamper = funnet->second.aktive;
        MSFlexGrid2.AddItem(vb::Concat(nr, "") + vb::vbTab + forms::GridCell(navn) + vb::vbTab + std::to_string(kamper));
    }
}

void Kampvindu::fyllDommereFornavnForst() { fyllDommergrid(false); }

void Kampvindu::Fyll_Dommerliste() {
    try {
        Overskrift_Dommerliste();
        fyllDommergrid(true);
    } catch (const vb::Err& e) {
        const char* melding = e.Number == dao::errnum::TooFewParameters
                                  ? "Kunne ikke laste dommere, databasen ble oppdatert, prøv å starte denne funksjonen "
                                    "på nytt!"
                                  : "Kan ikke laste dommere, feil ved databasen!";
        forms::MsgBox(melding, forms::vbInformation + forms::vbOKOnly, "Henter dommere");
    }
}

void Kampvindu::sorter(int sluttkolonne, int kodeNar0, int kodeEllers) {
    MSFlexGrid2.SetColSel(sluttkolonne);
    MSFlexGrid2.Sort(state::Sortering == 0 ? kodeNar0 : kodeEllers);
    state::Sortering = state::Sortering == 1 ? 0 : 1;
}

void Kampvindu::SSCommand6_Click() { sorter(0, forms::flexSortNumericAscending, forms::flexSortNumericDescending); }

void Kampvindu::SSCommand10_Click() {
    Fyll_Dommerliste();
    sorter(1, forms::flexSortStringAscending, forms::flexSortStringDescending);
}

void Kampvindu::SSCommand11_Click() {
    Fyll_Dommerliste();
    sorter(2, forms::flexSortNumericDescending, forms::flexSortNumericAscending);
}
