// Choosing the current list: by game, by group within the game, or the list
// itself in the list chooser or the group's class combo.
#include "platform/dao/Dao.h"
#include "platform/vb/Strings.h"
#include "ranking/Rankinglister.h"
#include "ranking/Ranking.h"
#include "state/ProgramState.h"

void Ranking::velgListe(int liste) {
    Fyll_Rankingliste(static_cast<int16_t>(liste));
    state::AktivListe = static_cast<int16_t>(liste);
    // A clicked entry belongs to the list it was clicked in.
    ranking::ValgtNr = 0;
}

std::string Ranking::visListe(int liste) {
    velgListe(liste);
    // The grid was just filled from the list's row in Utvalg4.
    const std::string navn = state::Utvalg4.EOF_() ? std::string() : vb::Concat(state::Utvalg4.Get("KlasseNavn"), "");
    Combo3.SetText(ranking::Listeoverskrift(liste, navn));
    Text5.SetText(std::to_string(liste));
    Text6.SetText(navn);
    return navn;
}

void Ranking::visGruppe(int gruppe) {
    for (auto& c : Combo1) c->SetVisible(false);
    Combo1(gruppe).SetVisible(true);
}

void Ranking::tomFelter(bool medRankingNr) {
    for (forms::TextBox* t : {&Text1, &Text2, &Text3, &Text10}) t->SetText("");
    if (medRankingNr) Text4.SetText("");
}

void Ranking::foreslaRankingNr(int liste) {
    // The highest ranking number of the list plus one; no numbers count as 0.
    state::Utvalg2 = state::DBase.OpenRecordset(
        "Select Max(Rank_Nr) from Ranking where KlasseNR=" + std::to_string(liste), dao::dbOpenSnapshot);
    const vb::Variant hoyeste = state::Utvalg2.Get(0);
    Text4.SetText(std::to_string((hoyeste.IsNull() ? 0 : vb::CLng(hoyeste)) + 1));
}

void Ranking::Combo1_Click(int Index) {
    forms::ComboBox& combo = Combo1(Index);
    if (combo.ListIndex() < 0) return;
    const int liste = static_cast<int>(combo.ItemData(combo.ListIndex()));
    const std::string navn = visListe(liste);
    combo.SetText(ranking::Listeoverskrift(liste, navn));
    tomFelter(false);
    foreslaRankingNr(liste);
}

void Ranking::Combo3_Click() {
    if (Combo3.ListIndex() < 0) return;
    const int liste = static_cast<int>(Combo3.ItemData(Combo3.ListIndex()));
    const std::string navn = visListe(liste);
    const int gruppe = ranking::GruppeFor(liste);
    const bool boccia = gruppe <= 1;
    Combo2.SetText(boccia ? "BOCCIA" : "CURLING");
    Frame3.SetVisible(boccia);
    Frame4.SetVisible(!boccia);
    visGruppe(gruppe);
    Combo1(gruppe).SetText(ranking::Listeoverskrift(liste, navn));
    tomFelter(false);
    foreslaRankingNr(liste);
}

void Ranking::Combo2_Click() {
    const std::string spill = vb::UCase(Combo2.Text());
    if (spill != "BOCCIA" && spill != "CURLING") return;
    const bool boccia = spill == "BOCCIA";
    Frame3.SetVisible(boccia);
    Frame4.SetVisible(!boccia);
    Text6.SetText("");
    if (boccia) {
        merk(Option9);
        Fyll_Liste_Boccia();
        Option10.SetValue(false);
    } else {
        merk(Option12);
        Fyll_Liste_Curling();
        Option9.SetValue(false);
        Option10.SetValue(false);
    }
    Option9.SetEnabled(boccia);
    Option10.SetEnabled(boccia);
    const int gruppe = boccia ? 0 : 2;
    const int liste = ranking::Grupper[gruppe].forste;
    visGruppe(gruppe);
    Combo1(gruppe).SetText(visListe(liste));
}

void Ranking::Fyll_Liste_Boccia() {
    Combo3.Clear();
    for (int i = 0; i < 10; ++i) {
        const auto& liste = ranking::Standard_Rankinglister[static_cast<size_t>(i)];
        Combo3.AddItem(liste.langTekst);
        Combo3.SetItemData(Combo3.NewIndex(), liste.KlasseNr);
    }
}

void Ranking::Fyll_Liste_Curling() {
    Combo3.Clear();
    for (int i = 20; i < 24; ++i) {
        const auto& liste = ranking::Standard_Rankinglister[static_cast<size_t>(i)];
        Combo3.AddItem(liste.langTekst);
        Combo3.SetItemData(Combo3.NewIndex(), liste.KlasseNr);
    }
}

void Ranking::gruppevalg(int gruppe) {
    // Marked from code, the option only shows the group of the list already current.
    if (fraKode_) return;
    const ranking::Gruppe& g = ranking::Grupper[static_cast<size_t>(gruppe)];
    visGruppe(gruppe);
    Combo3.Clear();
    for (int liste = g.forste; liste <= g.siste; ++liste) {
        Combo3.AddItem(ranking::Standard_Rankinglister[static_cast<size_t>(liste - 1)].kortTekst);
        Combo3.SetItemData(Combo3.NewIndex(), liste);
    }
    Combo1(gruppe).SetText(visListe(g.forste));
}

void Ranking::Option9_Click() { gruppevalg(0); }
void Ranking::Option10_Click() { gruppevalg(1); }
void Ranking::Option12_Click() { gruppevalg(2); }
void Ranking::Option13_Click() { gruppevalg(3); }
void Ranking::Option14_Click() { gruppevalg(4); }
