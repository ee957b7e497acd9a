// The class-list window: shows every list with its game, class type, name and
// play type, and saves a changed class name.
#include "ranking/ListeData.h"

#include "database/Apen.h"
#include "platform/dao/Dao.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "ranking/Plassering.h"
#include "shared/Utforming.h"
#include "state/ProgramState.h"

namespace {

using shared::plasser;

constexpr int TekstKolonne = 50;   // KlasseNavn is Text 50

bool sann(const vb::Variant& v) { return !v.IsNull() && vb::CBool(v); }

} // namespace

ListeData::ListeData() : forms::Form("ListeData") {
    Utform();
    Option1.SetValue(true);
    Text1.SetEnabled(false);
    for (auto* t : {&Text2, &Text3, &Text5}) t->SetEnabled(false);
    for (auto* f : {&Frame2, &Frame3}) {
        f->SetVisible(false);
        f->SetEnabled(false);
    }
    MSFlexGrid1.Click = [this] { MSFlexGrid1_Click(); };
    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    Option3.Click = [this] { Option3_Click(); };
    SSCommand2.Click = [this] { SSCommand2_Click(); };
    SSCommand1.Click = [this] { SSCommand1_Click(); };
}

void ListeData::Utform() {
    SetCaption("Listedata");
    MDIChild = true;
    Move(0, 0, 11400, 7800);
    plasser(Label6, 120, 120, 8000, 375, "Administrasjon av Listedata ifm Rankinglister");
    Label6.SetFont(ranking::tittelFont());
    Label6.SetForeColor(ranking::MorkBla);

    MSFlexGrid1.Move(120, 600, 7260, 6600);
    MSFlexGrid1.AccessibleName = "Klasser";
    MSFlexGrid1.FixedCols = 0;
    MSFlexGrid1.SelectionMode = 1;

    int top = 600;
    for (auto [ledetekst, felt, tekst] : {std::tuple{&Label1, &Text1, "KlasseNr"},
                                          std::tuple{&Label2, &Text2, "Typespill"},
                                          std::tuple{&Label3, &Text3, "Klassetype"},
                                          std::tuple{&Label4, &Text4, "Klassenavn"},
                                          std::tuple{&Label5, &Text5, "Opsjon"}}) {
        plasser(*ledetekst, 7560, top, 3600, 255, tekst);
        felt->Move(7560, top + 255, 3600, 315);
        felt->SetMaxLength(TekstKolonne);
        top += 660;
    }
    Text1.SetWidth(900);
    Text1.SetMaxLength(5);

    plasser(Frame1, 7560, 3960, 3600, 1260, "Opsjoner");
    plasser(Option1, 150, 270, 3300, 285, "Endre listedata");
    plasser(Option2, 150, 570, 3300, 285, "Slette liste");
    plasser(Option3, 150, 870, 3300, 285, "Legge til ny liste");
    for (auto* o : {&Option1, &Option2, &Option3}) o->SetContainer(&Frame1);

    plasser(Frame2, 7560, 5280, 3600, 1020, "Boccia");
    plasser(Option4, 150, 270, 3300, 285, "Senior");
    plasser(Option5, 150, 570, 3300, 285, "Junior");
    for (auto* o : {&Option4, &Option5}) o->SetContainer(&Frame2);
    plasser(Frame3, 7560, 5280, 3600, 1020, "Curling");
    plasser(Option6, 150, 240, 3300, 255, "Herrer");
    plasser(Option7, 150, 480, 3300, 255, "Damer");
    plasser(Option8, 150, 720, 3300, 255, "Junior");
    for (auto* o : {&Option6, &Option7, &Option8}) o->SetContainer(&Frame3);

    plasser(SSCommand2, 7560, 6480, 1740, 480, "Lagre / Utfør endring");
    plasser(SSCommand1, 9420, 6480, 1740, 480, "Avslutt");

    // The grid to pick a list from, then down the list's boxes and options, then the buttons.
    SetTabOrder({&MSFlexGrid1, &Text1, &Text2, &Text3, &Text4, &Text5, &Option1, &Option2, &Option3, &Option4,
                 &Option5, &Option6, &Option7, &Option8, &SSCommand2, &SSCommand1});
}

// Another open database refreshes the lists as a return to the window does.
void ListeData::Form_Load() { turneringsdb::NarDatabasenEndresEllerLukk(*this, [this] { Form_Activate(); }); }
void ListeData::Form_Unload(int& /*Cancel*/) { turneringsdb::GlemDatabaseendring(this); }
ListeData::~ListeData() { turneringsdb::GlemDatabaseendring(this); }

void ListeData::Form_Activate() {
    state::Utvalg2 = state::DBase.OpenRecordset("Select * from Dommere");
    if (state::Utvalg2.EOF_()) {
        forms::MsgBox(std::string("Databasen inneholder ingen dommere!") + vb::vbCr + vb::vbCr +
                          "Importer/eller legg inn Dommere først! ",
                      forms::vbInformation + forms::vbOKOnly, "Listedata");
        Unload();
        return;
    }
    Fyll_Grid_Listedata();
}

void ListeData::Fyll_Grid_Listedata() {
    MSFlexGrid1.Clear();
    MSFlexGrid1.SetRows(1);
    MSFlexGrid1.SetCols(5);
    const struct { int bredde, justering; const char* overskrift; } kolonner[] = {
        {900, 3, "KlasseNr"}, {1000, 3, "TypeSpill"}, {1500, 3, "KlasseType"}, {2500, 2, "KlasseNavn"}, {1000, 2, ""}};
    for (int c = 0; c < 5; ++c) {
        MSFlexGrid1.SetColWidth(c, kolonner[c].bredde);
        MSFlexGrid1.SetColAlignment(c, kolonner[c].justering);
        MSFlexGrid1.SetTextMatrix(0, c, kolonner[c].overskrift);
    }
    state::Utvalg2 = state::DBase.OpenRecordset("Select * from Ranking_KlData Order By KlasseNr asc", dao::dbOpenSnapshot);
    for (; !state::Utvalg2.EOF_(); state::Utvalg2.MoveNext()) {
        const dao::Recordset& r = state::Utvalg2;
        const char* spilltype = sann(r.Get("LagSpill")) ? "Lagspill" : sann(r.Get("IndiSpill")) ? "Individuelt spill" : "";
        MSFlexGrid1.AddItem(vb::Concat(r.Get("KlasseNr"), "") + "\t" + vb::Concat(r.Get("TypeSpill"), "") + "\t" +
                            vb::Concat(r.Get("KlasseType"), "") + "\t" + vb::Concat(r.Get("KlasseNavn"), "") + "\t" +
                            spilltype);
    }
}

void ListeData::MSFlexGrid1_Click() {
    const int rad = MSFlexGrid1.Row();
    if ((Option1.Value() || Option2.Value()) && rad >= MSFlexGrid1.FixedRows) {
        const std::string nr = MSFlexGrid1.TextMatrix(rad, 0);
        Text1.SetText(nr.empty() ? std::string() : vb::NumberText(vb::Val(nr)));
        Text2.SetText(MSFlexGrid1.TextMatrix(rad, 1));
        Text3.SetText(MSFlexGrid1.TextMatrix(rad, 2));
        Text4.SetText(MSFlexGrid1.TextMatrix(rad, 3));
        Text5.SetText(MSFlexGrid1.TextMatrix(rad, 4));
    }
    if (Text2.Text() == "BOCCIA") {
        Frame2.SetVisible(true);
        Frame3.SetVisible(false);
        (Text3.Text() == "SENIOR" ? Option4 : Option5).SetValue(true);
    } else if (Text2.Text() == "CURLING") {
        Frame2.SetVisible(false);
        Frame3.SetVisible(true);
        (Text3.Text() == "HERRER" ? Option6 : Text3.Text() == "DAMER" ? Option7 : Option8).SetValue(true);
    } else {
        Frame2.SetVisible(false);
        Frame3.SetVisible(false);
    }
}

void ListeData::modus(bool nyListe) {
    for (auto* t : {&Text1, &Text2, &Text3, &Text4}) t->SetText("");
    Frame2.SetVisible(false);
    Frame3.SetVisible(false);
    Text1.SetEnabled(nyListe);
}

void ListeData::Option1_Click() { modus(false); }
void ListeData::Option2_Click() { modus(false); }
void ListeData::Option3_Click() { modus(true); }

// The ranking window keeps exactly its 29 standard lists and makes them anew when it finds
// others, so a list deleted or added here would not last: the user is told so instead.
void ListeData::SSCommand2_Click() {
    if (!Option1.Value()) {
        forms::MsgBox(std::string(Option2.Value() ? "En liste kan ikke slettes." : "En ny liste kan ikke legges til.") +
                          vb::vbCr + vb::vbCr +
                          "Rankinglistene er alltid de 29 faste klasselistene; bare klassenavnet kan endres, "
                          "under «Endre listedata».",
                      forms::vbInformation + forms::vbOKOnly, "Listedata");
        return;
    }
    for (auto* t : {&Text1, &Text2, &Text3, &Text4}) {
        if (t->Text().empty()) {
            forms::MsgBox("Mangler inn-data for å kunne lagre", forms::vbInformation + forms::vbOKOnly,
                          "RankingListe fra forbundet");
            return;
        }
    }
    // The number comes from a grid row; it goes in as a value, never as SQL text.
    state::Utvalg2 = state::DBase.OpenRecordset("Select * from Ranking_KlData where KlasseNr=?", dao::dbOpenDynaset,
                                                {vb::Variant(vb::Val(Text1.Text()))});
    if (state::Utvalg2.EOF_()) return;
    state::Utvalg2.Edit();
    state::Utvalg2.Set("KlasseNavn", Text4.Text());
    state::Utvalg2.Update();
    Fyll_Grid_Listedata();
}

void ListeData::SSCommand1_Click() { Unload(); }
