// The ranking window's life: design state, loading, the full refresh on every
// activation (scratch list gone, the 29 lists ensured, all lists renumbered,
// the current list shown), the grid of the current list, and closing.
#include "ranking/Ranking.h"

#include "database/Apen.h"
#include "database/Transaksjon.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "ranking/Rankinglister.h"
#include "state/ProgramState.h"

using ranking::AktivSpillOpsjon;

namespace {

std::string tekst(const vb::Variant& v) { return vb::Concat(v, ""); }

// A number cell shows numbers above 0 only.
std::string nummer(const vb::Variant& v) {
    if (v.IsNull()) return {};
    const long n = vb::CLng(v);
    return n > 0 ? std::to_string(n) : std::string();
}

} // namespace

Ranking::Ranking() : forms::Form("Ranking") {
    Utform();
    // The window's design state: new-entry mode, individual play, Boccia senior.
    Option1.SetValue(true);
    Option7.SetValue(true);
    Option9.SetValue(true);
    Option12.SetValue(true);
    Frame4.SetVisible(false);
    Combo2.SetText("BOCCIA");
    SSCommand4.SetCaption("Lagre Lag/Spiller i Rankingliste");
    modus(true, false, false, false);
    Kople();
}

void Ranking::Form_Load() {
    // At the top of the main window's work area, so that it fits a 1024 x 768 screen.
    SetLeft(120);
    SetTop(120);
    state::AktivListe = 1;
    MSFlexGrid1.SetCols(6);
    MSFlexGrid1.SetRows(1);
    MSFlexGrid1.FixedRows = 1;
    kolonnebredder(AktivSpillOpsjon == ranking::Individuelt);
    overskrifter(AktivSpillOpsjon == ranking::Lagspill);
    for (const auto& liste : ranking::Standard_Rankinglister) {
        forms::ComboBox& combo = Combo1(ranking::GruppeFor(liste.KlasseNr));
        combo.AddItem(liste.kortTekst);
        combo.SetItemData(combo.NewIndex(), liste.KlasseNr);
    }
    Combo2.AddItem("BOCCIA");
    Combo2.AddItem("CURLING");
    for (int g = 1; g < Combo1.Count(); ++g) Combo1(g).SetVisible(false);
    Fyll_Liste_Boccia();
    // Another open database refreshes the lists as a return to the window does.
    turneringsdb::NarDatabasenEndresEllerLukk(*this, [this] { Form_Activate(); });
}

void Ranking::Form_Unload(int& /*Cancel*/) { turneringsdb::GlemDatabaseendring(this); }
Ranking::~Ranking() { turneringsdb::GlemDatabaseendring(this); }

void Ranking::Form_Activate() {
    ranking::ValgtNr = 0;
    state::Utvalg2 = state::DBase.OpenRecordset("Select * from Dommere");
    if (state::Utvalg2.EOF_()) {
        forms::MsgBox(std::string("Databasen inneholder ingen dommere!") + vb::vbCr + vb::vbCr +
                          "Importer/eller legg inn Dommere først!",
                      forms::vbInformation + forms::vbOKOnly, "RankingListe");
        Unload();
        return;
    }
    // The lists are put in order as a whole or not at all.
    I_Transaksjon([this] {
        Slett_Liste99();
        Initier_RankingLister();
        Nummerer_Lister(1, ranking::AntallLister);
    });
    // Vis_Rankingliste fills the grid of the current list first.
    Vis_Rankingliste();
}

void Ranking::SSCommand1_Click() {
    Unload();
    forms::Screen.SetMousePointer(forms::vbDefault);
}

void Ranking::Slett_Liste99() { state::DBase.Execute("Delete from Ranking Where KlasseNr=99"); }

void Ranking::Initier_RankingLister() {
    dao::Recordset antall = state::DBase.OpenRecordset("Select Count(*) from Ranking_KlData", dao::dbOpenSnapshot);
    const long lister = vb::CLng(antall.Get(0));
    if (lister == ranking::AntallLister) {
        // Later rows of one number win, as they did when each row was written in turn.
        state::Utvalg3 = state::DBase.OpenRecordset("Select KlasseNr, KlasseNavn from Ranking_KlData", dao::dbOpenSnapshot);
        for (; !state::Utvalg3.EOF_(); state::Utvalg3.MoveNext()) {
            const vb::Variant nr = state::Utvalg3.Get("KlasseNr");
            if (nr.IsNull()) continue;
            const vb::Variant navn = state::Utvalg3.Get("KlasseNavn");
            // Only names that differ are written, a change of letter case too.
            state::DBase.Execute(
                "Update Ranking Set Klasse_Navn = ? Where KlasseNr = ? And Klasse_Navn Is Not ? Collate Binary",
                {navn, nr, navn});
        }
        return;
    }
    if (lister > 0) state::DBase.Execute("Delete from Ranking_KlData");
    for (const auto& liste : ranking::Standard_Rankinglister)
        state::DBase.Execute(
            "Insert Into Ranking_KlData (KlasseNr, KlasseNavn, TypeSpill, KlasseType, SpillOpsjon, TieBreak) "
            "Values (?, ?, ?, ?, Null, ?)",
            {vb::Variant::Integer(liste.KlasseNr), liste.KlasseNavn, liste.TypeSpill, liste.KlasseType, false});
}

void Ranking::Nummerer_Lister(int forste, int siste) {
    // Ranked entries (Trukket 0) first by ranking number, then drawn ones by drawn
    // number; a missing value sorts first. Only rows whose position changes are written.
    state::DBase.Execute(
        "Update Ranking Set Nr = ny.Nr From ("
        "Select rowid As id, Row_Number() Over (Partition By KlasseNr Order By Trukket, Rank_Nr, rowid) As Nr "
        "From Ranking Where KlasseNr Between ? And ?) As ny "
        "Where Ranking.rowid = ny.id And Ranking.Nr Is Not ny.Nr",
        {vb::Variant::Integer(forste), vb::Variant::Integer(siste)});
}

void Ranking::kolonnebredder(bool individuelt) {
    const int bredder[2][6] = {{500, 2700, 2700, 100, 600, 700}, {500, 1700, 1900, 1900, 600, 700}};
    const int justering[6] = {3, 1, 1, 1, 3, 3};
    for (int c = 0; c < 6; ++c) {
        MSFlexGrid1.SetColWidth(c, bredder[individuelt][c]);
        MSFlexGrid1.SetColAlignment(c, justering[c]);
    }
}

void Ranking::overskrifter(bool lag) {
    const char* lagOverskrift[] = {"Nr", "Lag", "Lag forts.", ""};
    const char* spillerOverskrift[] = {"Nr", "Fornavn", "Etternavn", "Klubb/Lag"};
    for (int c = 0; c < 4; ++c) MSFlexGrid1.SetTextMatrix(0, c, lag ? lagOverskrift[c] : spillerOverskrift[c]);
    MSFlexGrid1.SetTextMatrix(0, 4, "Rank");
    MSFlexGrid1.SetTextMatrix(0, 5, "Trukket");
}

void Ranking::Fyll_Rankingliste(int16_t liste) {
    const std::string nr = std::to_string(liste);
    MSFlexGrid1.SetRows(1);
    MSFlexGrid1.Clear();

    state::Utvalg4 = state::DBase.OpenRecordset("Select * from Ranking_KlData Where KlasseNr=" + nr, dao::dbOpenSnapshot);
    if (!state::Utvalg4.EOF_()) {
        const auto sann = [](const vb::Variant& v) { return !v.IsNull() && vb::CBool(v); };
        if (sann(state::Utvalg4.Get("LagSpill"))) {
            AktivSpillOpsjon = ranking::Lagspill;
            merk(Option8);
        } else {
            AktivSpillOpsjon = sann(state::Utvalg4.Get("IndiSpill")) ? ranking::Individuelt : "";
            merk(Option7);
        }
    }
    overskrifter(AktivSpillOpsjon == ranking::Lagspill);

    const bool medKlubb = AktivSpillOpsjon == ranking::Individuelt;
    state::Utvalg2 = state::DBase.OpenRecordset(
        "Select * from Ranking Where KlasseNr=" + nr + " AND Rank_NR>0 Order By Rank_NR", dao::dbOpenSnapshot);
    for (; !state::Utvalg2.EOF_(); state::Utvalg2.MoveNext()) {
        const dao::Recordset& r = state::Utvalg2;
        MSFlexGrid1.AddItem(tekst(r.Get("Nr")) + "\t" + tekst(r.Get("ForNavn")) + "\t" + tekst(r.Get("EtterNavn")) + "\t" +
                            (medKlubb ? tekst(r.Get("Klubb")) : "") + "\t" + nummer(r.Get("Rank_Nr")) + "\t");
    }
    state::Utvalg2 = state::DBase.OpenRecordset(
        "Select * from Ranking Where KlasseNr=" + nr + " AND Rank_NR=0 Order By Trukket", dao::dbOpenSnapshot);
    for (; !state::Utvalg2.EOF_(); state::Utvalg2.MoveNext()) {
        const dao::Recordset& r = state::Utvalg2;
        MSFlexGrid1.AddItem(tekst(r.Get("Nr")) + "\t" + tekst(r.Get("ForNavn")) + "\t" + tekst(r.Get("EtterNavn")) + "\t" +
                            tekst(r.Get("Klubb")) + "\t\t" + nummer(r.Get("Trukket")));
    }
    forms::Screen.SetMousePointer(forms::vbDefault);
}

void Ranking::Vis_Rankingliste() {
    const int liste = state::AktivListe;
    Fyll_Rankingliste(state::AktivListe);
    tomFelter(true);
    Combo3.SetText("Rankingliste nr. : " + std::to_string(liste));
    Text5.SetText(std::to_string(liste));

    const int gruppe = ranking::GruppeFor(liste);
    const bool boccia = gruppe <= 1;
    visGruppe(gruppe);
    Combo2.SetText(boccia ? "BOCCIA" : "CURLING");
    Frame3.SetVisible(boccia);
    Frame4.SetVisible(!boccia);

    state::Utvalg4 =
        state::DBase.OpenRecordset("Select * from Ranking_KlData Where KlasseNr=" + std::to_string(liste), dao::dbOpenSnapshot);
    if (state::Utvalg4.EOF_()) {
        merk(Option9);
        merk(Option7);
        Combo2.SetText("BOCCIA");
        return;
    }
    const dao::Recordset& rad = state::Utvalg4;
    const std::string navn = tekst(rad.Get("KlasseNavn"));
    Text6.SetText(navn);
    Combo1(gruppe).SetText(navn);
    Combo2.SetText(tekst(rad.Get("TypeSpill")) == "BOCCIA" ? "BOCCIA" : "CURLING");
    merk(tekst(rad.Get("SpillOpsjon")) == ranking::Lagspill ? Option8 : Option7);
    if (Combo2.Text() == "BOCCIA") {
        Option9.SetEnabled(true);
        Option10.SetEnabled(true);
        merk(tekst(rad.Get("KlasseType")) == "SENIOR" ? Option9 : Option10);
    } else {
        Option9.SetValue(false);
        Option10.SetValue(false);
        Option9.SetEnabled(false);
        Option10.SetEnabled(false);
    }
}

void Ranking::merk(forms::SSOption& valg) {
    const bool var = fraKode_;
    fraKode_ = true;
    valg.SetValue(true);
    fraKode_ = var;
}
