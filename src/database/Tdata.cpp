#include "database/Tdata.h"

#include "database/Apen.h"

#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace {

bool DatabaseApen() { return !state::DBase.IsNothing() && state::DBase.IsOpen(); }

// Caret after the last character.
void CaretTilSlutt(forms::TextBox& boks) { boks.SetSelStart(static_cast<int>(vb::Len(boks.Text()))); }

} // namespace

Tdata::Tdata() : Form("Tdata") {
    SetCaption("TURNERINGSDATA");
    BorderStyle = 3;
    MaxButton = false;
    MinButton = false;
    Move(0, 0, 6255, 3765);

    // The labels are wide enough for their bold text in any desktop font.
    const forms::Font fet{"MS Sans Serif", 8.25, true};
    Text3.SetCaption("Databasenavn:");
    Text3.Move(120, 300, 1815, 255);
    T_DBasenavn.Move(2040, 240, 3855, 315);
    Text6.SetCaption("Turneringsnavn:");
    Text6.Move(120, 720, 1815, 255);
    Visturnering.Move(2040, 660, 3855, 315);
    Text2.SetCaption("Turneringsdato:");
    Text2.Move(120, 1140, 1815, 255);
    T_Dato.Move(2040, 1080, 3855, 315);
    Text1.SetCaption("Turneringssted:");
    Text1.Move(120, 1560, 1815, 255);
    T_Sted.Move(2040, 1500, 3855, 315);
    for (forms::Label* l : {&Text3, &Text6, &Text2, &Text1}) {
        l->SetFont(fet);
        l->Alignment = forms::vbRightJustify;
    }
    // The Versjon columns hold 50 characters.
    for (forms::TextBox* t : {&Visturnering, &T_Dato, &T_Sted}) t->SetMaxLength(50);
    Label5.SetCaption("For å endre data, skriv/endre i de innrammede områdene");
    Label5.Move(240, 2040, 5655, 255);
    Label5.Alignment = forms::vbCenter;
    Command1.SetCaption("&Lagre data");
    Command1.Move(1320, 2520, 1575, 495);
    C_Avbryt.SetCaption("&Avbryt");
    C_Avbryt.Move(3240, 2520, 1575, 495);
    C_Avbryt.Cancel = true;
    SetTabOrder({&T_DBasenavn, &Visturnering, &T_Dato, &T_Sted, &Command1, &C_Avbryt});

    Command1.Click = [this] { Command1_Click(); };
    C_Avbryt.Click = [this] { C_Avbryt_Click(); };
    Visturnering.GotFocus = [this] { Visturnering_GotFocus(); };
    T_Dato.GotFocus = [this] { T_Dato_GotFocus(); };
}

void Tdata::Form_Load() {
    SetLeft((forms::Screen.Width - Width()) / 2);
    SetTop((forms::Screen.Height - Height()) / 2);
    Fyll();
    // Another database opened while the window stands: it shows that one's data,
    // so that a save never writes one file's name and place into another.
    turneringsdb::NarDatabasenEndres(this, [this] { Fyll(); });
}

void Tdata::Form_Unload(int& /*Cancel*/) { turneringsdb::GlemDatabaseendring(this); }

// A window may also go without its unload (a reset at the end of the program).
Tdata::~Tdata() { turneringsdb::GlemDatabaseendring(this); }

// Filled when the window opens and when the open database changes, never on a
// repaint, so that typed text is not overwritten. The row's values win over the program's.
void Tdata::Fyll() {
    T_DBasenavn.SetText(state::DatabaseFilnavn);
    if (!DatabaseApen()) return;
    try {
        state::UtvalgVersjon = state::DBase.OpenRecordset("Versjon", dao::dbOpenDynaset);
        dao::Recordset& rs = state::UtvalgVersjon;
        if (!rs.EOF_()) {
            const vb::Variant navn = rs.Get("Turneringsnavn");
            const vb::Variant dato = rs.Get("Turneringsdato");
            const vb::Variant sted = rs.Get("TurneringSted");
            if (!navn.IsNull()) state::Turnering_Navn = vb::CStr(navn);
            if (!dato.IsNull()) state::Turnering_Dato = vb::CStr(dato);
            if (!sted.IsNull()) state::Turnering_Sted = vb::CStr(sted);
        }
        rs.Close();
    } catch (const vb::Err&) {
        // An unreadable row leaves the program's values in the boxes.
    }
    Visturnering.SetText(vb::Trim(state::Turnering_Navn));
    T_Dato.SetText(state::Turnering_Dato);
    T_Sted.SetText(state::Turnering_Sted);
    CaretTilSlutt(Visturnering);
}

void Tdata::Visturnering_GotFocus() { CaretTilSlutt(Visturnering); }

void Tdata::T_Dato_GotFocus() { CaretTilSlutt(T_Dato); }

void Tdata::Command1_Click() {
    state::Turnering_Navn = Visturnering.Text();
    state::Turnering_Dato = T_Dato.Text();
    state::Turnering_Sted = T_Sted.Text();
    // Without an open database the values live in the program only.
    if (!DatabaseApen()) return;
    try {
        state::UtvalgVersjon = state::DBase.OpenRecordset("Versjon", dao::dbOpenDynaset);
        dao::Recordset& rs = state::UtvalgVersjon;
        if (rs.EOF_())
            rs.AddNew();
        else
            rs.Edit();
        rs("Turneringsnavn") = state::Turnering_Navn;
        rs("Turneringsdato") = state::Turnering_Dato;
        rs("TurneringSted") = state::Turnering_Sted;
        rs.Update();
        rs.Close();
    } catch (const vb::Err& e) {
        try {
            if (!state::UtvalgVersjon.IsNothing()) state::UtvalgVersjon.Close();
        } catch (const vb::Err&) {
        }
        forms::Beep();
        forms::MsgBox("Årsak :  " + e.Description, forms::vbExclamation + forms::vbOKOnly);
        return;
    }
    Unload();
}

void Tdata::C_Avbryt_Click() { Unload(); }
