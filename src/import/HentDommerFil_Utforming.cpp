// The import window's controls: positions in twips, captions, fonts.
#include "import/HentDommerFil.h"
#include "shared/Utforming.h"

namespace {

// The frame around the client area, as the views draw it.
constexpr int Rammebredde = 120, Rammehoyde = 450;

using shared::Smal;

void etikett(forms::Label& l, int left, int top, int width, const char* caption) {
    l.Move(left, top, width, 285);
    l.SetCaption(caption);
    l.Alignment = forms::vbRightJustify;
    l.SetFont(Smal(8.25));
}

void knapp(forms::SSCommand& k, int left, int width, const char* caption) {
    k.Move(left, 7320, width, 975);
    k.SetCaption(caption);
    k.SetFont(Smal(9.75));
}

} // namespace

void HentDommerFil::Utform() {
    SetCaption("Hent Dommer Fil");
    MDIChild = true;
    Move(80, 1700, 13710 + Rammebredde, 8340 + Rammehoyde);

    etikett(Label1(0), 0, 180, 1500, "Navn på Turnering:");
    Text1(0).Move(1560, 120, 3735, 405);
    etikett(Label1(1), 5400, 180, 1620, "Dato for Turnering:");
    Text1(1).Move(7080, 120, 2415, 405);
    etikett(Label1(2), 9600, 180, 780, "Filstatus:");
    Text1(2).Move(10440, 120, 2895, 405);
    for (auto& t : Text1) t->Locked = true;

    MSFlexGrid1.Move(0, 600, 13695, 5895);
    MSFlexGrid1.AccessibleName = "Poster i dommerfila";
    MSFlexGrid1.SetCols(11);
    MSFlexGrid1.SetRows(1);

    etikett(Label2, 0, 6600, 2580, "Antall ikke leste poster (status 0):");
    Text2.Move(2640, 6600, 495, 285);
    etikett(Label3, 0, 6960, 2580, "Antall innleste poster (status 1):");
    Text3.Move(2640, 6960, 495, 285);
    etikett(Label4, 5100, 6600, 3240, "Antall poster med ukjent dommer (status 2):");
    Text4.Move(8400, 6600, 495, 285);
    etikett(Label5, 5100, 6960, 3240, "Antall duplikater - ikke innlest (status 4):");
    Text5.Move(8400, 6960, 495, 285);
    for (auto* t : {&Text2, &Text3, &Text4, &Text5}) {
        t->Locked = true;
        t->SetFont(Smal(8.25));
    }

    knapp(HentDommere, 120, 3375, "Hent Dommer Fil for innlesing");
    knapp(SSCommand2, 3600, 3135, "Skriv ut rapport for denne fil");
    SSCommand2.SetVisible(false);
    knapp(SSCommand4, 6840, 2055, "Vis Duplikater i innleste data");
    SSCommand4.SetFont(Smal(8.25));   // the longest caption on the narrowest button
    knapp(SSCommand3, 9000, 2055, "Velg alternativ Printer");
    knapp(SSCommand1, 12120, 1455, "Ferdig");
    SSCheck1.Move(11160, 7200, 855, 615);
    SSCheck1.SetCaption("Hent fil uansett status");
    SSCheck1.SetVisible(false);

    // The file's name, date, status and counts only show what was read.
    SetTabOrder({&MSFlexGrid1, &SSCheck1, &HentDommere, &SSCommand2, &SSCommand4, &SSCommand3, &SSCommand1});
}
