// The three modes, the class options of both games, the game ticks and the
// small rules of the text boxes.
#include "register/Dommere_Init.h"
#include "platform/vb/DateRead.h"
#include "platform/vb/Format.h"

void Dommere_Init::settModus(bool lagre, bool slett, bool sok, bool rapport) {
    Label6.SetEnabled(slett);
    Text4.SetEnabled(lagre);
    Frame1.SetEnabled(lagre);
    if (lagre) Frame6.SetEnabled(true);
    Frame4.SetVisible(lagre);
    SSCheck1.SetEnabled(lagre);
    SSCheck2.SetEnabled(lagre);
    Frame5.SetVisible(rapport);
    SSCommand2.SetEnabled(lagre);
    C_SlettDommer.SetEnabled(slett);
    SSCommand10.SetEnabled(slett);
    SSCommand4.SetVisible(sok);
    SSCommand5.SetVisible(sok);
    for (auto* k : {&SSCommand3, &C_SkrivRapport, &C_ElektroniskRapport, &SSCommand6, &SSCommand8, &SSCommand9})
        k->SetEnabled(rapport);
}

void Dommere_Init::Option1_Click() {
    Label17.SetCaption("Legg inn data for dommer her:");
    settModus(true, false, true, false);
    Nullstill_Felter();
}

void Dommere_Init::Option2_Click() {
    Label17.SetCaption("Velg dommer og endre data for dommer her...:");
    settModus(true, true, false, false);
}

void Dommere_Init::Option3_Click() {
    Label17.SetCaption("Skriv ut ønsket rapport...:");
    settModus(false, false, false, true);
}

void Dommere_Init::tilleggsvalgForForbundsdommer() {
    Option20.SetEnabled(true);
    Option21.SetEnabled(false);
    Option19.SetEnabled(false);
}

void Dommere_Init::tilleggsvalgAv(bool deaktiver) {
    for (auto* o : {&Option20, &Option21, &Option19}) {
        o->SetValue(false);
        if (deaktiver) o->SetEnabled(false);
    }
}

void Dommere_Init::Option4_Click() { tilleggsvalgForForbundsdommer(); }
void Dommere_Init::Option4_GotFocus() { tilleggsvalgForForbundsdommer(); }
void Dommere_Init::Option6_Click() { tilleggsvalgForForbundsdommer(); }
void Dommere_Init::Option6_GotFocus() { tilleggsvalgForForbundsdommer(); }

void Dommere_Init::Option5_GotFocus() {
    for (auto* o : {&Option20, &Option21, &Option19}) o->SetEnabled(false);
}

void Dommere_Init::Option7_Click() {
    if (Option7.Value()) tilleggsvalgAv(true);
}
void Dommere_Init::Option8_Click() { tilleggsvalgAv(true); }
void Dommere_Init::Option9_Click() { tilleggsvalgAv(true); }
void Dommere_Init::Option10_Click() {
    if (Option10.Value()) tilleggsvalgAv(true);
}
void Dommere_Init::Option10_LostFocus() { tilleggsvalgAv(false); }
void Dommere_Init::Command2_Click() { tilleggsvalgAv(false); }

void Dommere_Init::SSCheck1_Click() {
    if (SSCheck1.Value() == 1) {
        Frame2.SetEnabled(true);
    } else {
        Frame2.SetEnabled(false);
        Option10.SetValue(true);
    }
}

void Dommere_Init::SSCheck2_Click() {
    if (SSCheck2.Value() == 1) {
        Frame3.SetEnabled(true);
    } else {
        Frame3.SetEnabled(false);
        Option12.SetValue(true);
    }
}

void Dommere_Init::Text14_LostFocus() {
    if (Text14.Text().empty()) return;
    // Text that reads as no date stays as typed: the course date is free text.
    if (const auto dato = vb::detail::ReadDate(Text14.Text())) Text14.SetText(vb::Format(*dato, "dd.mm.yyyy"));
}

void Dommere_Init::Nullstill_Felter() {
    for (auto* t : {&Text4, &Text1, &Text2, &Text3, &Text5, &Text6, &Text7, &Text8, &Text9, &Text10, &Text14, &Text15})
        t->SetText("");
    SSCheck1.SetValue(0);
    SSCheck2.SetValue(0);
    // An untick selects "Ingen klassifisering" only in a game that was ticked; the next
    // referee must start without a class in either game.
    Option10.SetValue(true);
    Option12.SetValue(true);
}
