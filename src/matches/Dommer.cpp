#include "matches/Dommer.h"

#include "matches/Utforming.h"
#include "matches/ValgtKamp.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace {

constexpr shared::Kolonne Kampkolonner[] = {
    {"Nr.", 350, 3},        {"Dato", 1500, 3, "Turneringsdato"},     {"Turnering", 2000, -1, "TurneringsNavn"},
    {"Type spill", 800, -1, "Typespill"}, {"Hjemmelag", 1700, -1, "Dommer_HLag"}, {"Bortelag", 1700, -1, "Dommer_BLag"},
    {"HP", 320, 3, "Dommer_HPoeng"}, {"BP", 350, 3, "Dommer_BPoeng"}, {"SNr", 500, 3, "SekvensNR"}};

constexpr int Tekstkolonne = 50;   // characters of the text columns of Dommertabell

} // namespace

Dommer::Dommer() : Kampvindu("Dommer") {
    using kamper::Knapp;
    using kamper::Ledetekst;
    UtformFelles(9800);
    Label1.SetCaption("Manuell innlegging av turneringsdata for dommere");
    Ledetekst(Label4, 7620, 480, 1260, "Turneringsnavn:");
    Ledetekst(Label12, 7620, 870, 1260, "Turneringsdato:");
    Ledetekst(Label6(0), 7620, 1260, 1260, "Hjemmelag:");
    Text8(0).Move(8940, 1260, 2800, 315);
    Ledetekst(Label6(1), 7620, 1650, 1260, "Bortelag:");
    Text8(1).Move(8940, 1650, 2800, 315);
    Ledetekst(Label6(2), 11880, 1260, 540, "Poeng:");
    Text8(2).Move(12480, 1260, 600, 315);
    Ledetekst(Label6(3), 11880, 1650, 540, "Poeng:");
    Text8(3).Move(12480, 1650, 600, 315);
    // Both point boxes stand beside a label "Poeng:": each is named by its team.
    Text8(2).AccessibleName = "Poeng, hjemmelag";
    Text8(3).AccessibleName = "Poeng, bortelag";
    for (auto* t : {&Text1, &Text2, &Text5, &Text6, &Text8(0), &Text8(1)}) t->SetMaxLength(Tekstkolonne);
    Text3.Locked = true;

    // Push buttons keep their caption on one line: each is as wide as its caption needs.
    Knapp(SSCommand2, 120, 5580, 3960, 540, "Lagre Turnerings Data for Dommer");
    SSCommand2.SetFontBold(true);
    Knapp(SSCommand3, 120, 6180, 3960, 540, "Slette Turneringsdata");
    Knapp(SSCommand5, 4260, 5580, 3300, 540, "Søk etter mulige Duplikater i Dommerdatabasen");
    Knapp(SSCommand4, 7620, 5580, 2700, 540, "Skriv Rapport for 1 utvalgt Dommer");
    Knapp(SSCommand7, 10380, 5580, 4080, 540, "Skriv Rapport over dømte kamper for alle Dommere");
    Knapp(SSCommand8, 4260, 6180, 3900, 540, "Elektronisk rapport over dømte kamper for alle dommere");
    Knapp(SSCommand9, 8220, 6180, 2900, 540, "Elektronisk rapport for 1 utvalgt dommer");
    // Down the referee's boxes, then the match's (home team above away team, then their points),
    // the games, the two grids, the buttons. Klubb/Lag only shows the register's club.
    SetTabOrder({&Text4, &Text1, &Text2, &Text5, &Text6, &Text8(0), &Text8(1), &Text8(2), &Text8(3), &SSCheck1,
                 &SSCheck2, &MSFlexGrid2, &MSFlexGrid1, &SSCommand6, &SSCommand10, &SSCommand11, &SSCommand2,
                 &SSCommand3, &SSCommand5, &SSCommand4, &SSCommand7, &SSCommand8, &SSCommand9, &SSCommand1});

    MSFlexGrid2.Click = [this] { MSFlexGrid2_Click(); };
    MSFlexGrid1.Click = [this] { MSFlexGrid1_Click(); };
    SSCommand2.Click = [this] { SSCommand2_Click(); };
    SSCommand3.Click = [this] { SSCommand3_Click(); };
    SSCommand5.Click = [this] { SSCommand5_Click(); };
    SSCommand4.Click = [this] { SSCommand4_Click(); };
    SSCommand7.Click = [this] { SSCommand7_Click(); };
    SSCommand8.Click = [this] { SSCommand8_Click(); };
    SSCommand9.Click = [this] { SSCommand9_Click(); };
}

void Dommer::Form_Load() {
    plasser();
    Overskrift_Dommerliste();
    Overskrift_Kampliste();
    fyllDommereFornavnForst();
    folgDatabasen();
}

std::span<const shared::Kolonne> Dommer::kampkolonner() const { return Kampkolonner; }

void Dommer::kampgridTomt() { Nullstill_Valgt_Kamp(); }

void Dommer::tilbakeTilKamplisten() {
    if (Duplikatmodus) visDuplikatmodus(false);
}

void Dommer::MSFlexGrid2_Click() {
    if (Duplikatmodus) {
        tilbakeTilKamplisten();
        Overskrift_Kampliste();
    }
    // The heading row names no referee.
    if (MSFlexGrid2.Row() < MSFlexGrid2.FixedRows) return;
    MSFlexGrid2.SetCol(0);
    const std::string celle = MSFlexGrid2.Text();
    Text4.SetText(celle);
    Nullstill_Valgt_Kamp();
    Fyll_Kampliste();
    MSFlexGrid2.SetCol(0);
    if (const int16_t nr = tilDommernummer(celle)) state::ValgtDommer = nr;
}

void Dommer::MSFlexGrid1_Click() {
    MSFlexGrid1.SetCol(8);
    Nullstill_Valgt_Kamp();
    if (MSFlexGrid1.Row() < MSFlexGrid1.FixedRows) return;
    const double sekvens = vb::Val(MSFlexGrid1.Text());
    if (sekvens < 1 || sekvens > 2147483647.0) return;
    state::Sekvensnummer = vb::CLng(vb::Variant(sekvens));
    // In the duplicate list the row names its referee; otherwise the grid lists one referee.
    const int16_t dommer = Duplikatmodus ? tilDommernummer(MSFlexGrid1.TextMatrix(MSFlexGrid1.Row(), 0)) : listetDommer_;
    if (dommer != 0) kamper::ValgtKamp = kamper::Kampvalg{dommer, state::Sekvensnummer};
}

void Dommer::visDuplikatmodus(bool liste) {
    Duplikatmodus = liste;
    SSCommand3.SetEnabled(!liste);
    Label1.SetCaption(liste ? "Duplikatliste for : " : "Manuell innlegging av turneringsdata for dommere");
    SSCommand5.SetCaption(liste ? "Tilbake til manuell innlegging av turneringsdata"
                                : "Søk etter mulige Duplikater i DommerDatabasen");
    std::vector<forms::Control*> inntasting = {&Label8, &Label9,  &Label5, &Label3, &Label2(0), &Label2(1),
                                              &Label7, &Text7,   &Text1,  &Text2,  &Text3,     &Text4,
                                              &SSCheck1, &SSCheck2};
    for (int i = 0; i < 4; ++i) {
        inntasting.push_back(&Label6(i));
        inntasting.push_back(&Text8(i));
    }
    for (forms::Control* c : inntasting) c->SetVisible(!liste);
    for (forms::SSCommand* k : {&SSCommand2, &SSCommand4, &SSCommand7, &SSCommand8, &SSCommand9}) k->SetEnabled(!liste);
}
