// Positions (twips), captions and fonts of the controls both match windows share.
#include "matches/Kampvindu.h"
#include "matches/Utforming.h"
#include "shared/Utforming.h"

namespace kamper {

void Knapp(forms::SSCommand& k, int left, int top, int width, int height, const std::string& caption) {
    k.Move(left, top, width, height);
    k.SetCaption(caption);
    k.SetFont(shared::Smal(8.25));
}

void Ledetekst(forms::Label& l, int left, int top, int width, const std::string& caption) {
    l.Move(left, top + 15, width, 255);
    l.SetCaption(caption);
    l.SetFont(shared::Smal(8.25));
}

} // namespace kamper

void Kampvindu::UtformFelles(int kampgridBredde) {
    using kamper::Knapp;
    using kamper::Ledetekst;
    MDIChild = true;
    SetCaption("Turneringsdata for Dommere");
    Move(120, 0, 14700, 7300);

    Label1.Move(120, 60, 9000, 375);
    forms::Font tittel;
    tittel.Bold = true;
    tittel.Size = 12;
    Label1.SetFont(tittel);
    Label1.SetForeColor(0x800000);

    MSFlexGrid2.Move(120, 480, 3960, 4560);
    MSFlexGrid2.AccessibleName = "Dommere";   // below the window's heading, with no label of its own
    Knapp(SSCommand6, 120, 5100, 1280, 400, "Sortèr på nr");
    Knapp(SSCommand10, 1460, 5100, 1280, 400, "Sortèr på navn");
    Knapp(SSCommand11, 2800, 5100, 1280, 400, "Sortèr på kamper");

    // Referee boxes to the left, tournament boxes to the right.
    Ledetekst(Label2(0), 4260, 480, 1020, "Nr.:");
    Text4.Move(5340, 480, 735, 315);
    Ledetekst(Label2(1), 4260, 870, 1020, "Fornavn:");
    Text1.Move(5340, 870, 2100, 315);
    Ledetekst(Label3, 4260, 1260, 1020, "Etternavn:");
    Text2.Move(5340, 1260, 2100, 315);
    Ledetekst(Label5, 4260, 1650, 1020, "Klubb/Lag:");
    Text3.Move(5340, 1650, 2100, 315);
    Text5.Move(8940, 480, 2800, 315);
    Text6.Move(8940, 870, 2800, 315);

    struct Spill { forms::SSCheck* boks; forms::Label* navn; const char* caption; };
    const Spill spill[] = {{&SSCheck1, &Label8, "Boccia"}, {&SSCheck2, &Label9, "Curling"},
                           {&SSCheck3, &Label10, "Fotball"}, {&SSCheck4, &Label11, "Håndball"}};
    int left = 5340;
    for (const Spill& s : spill) {
        s.boks->Move(left, 2100, 255, 255);
        Ledetekst(*s.navn, left + 300, 2085, 900, s.caption);
        left += 1260;
    }
    // This federation's matches are Boccia and Curling; the other two games are never offered.
    for (forms::Control* c : std::initializer_list<forms::Control*>{&SSCheck3, &Label10, &SSCheck4, &Label11})
        c->SetVisible(false);

    Ledetekst(Label7, 4260, 2520, 2300, "Turneringsdata for dommer : ");
    Text7.Move(6600, 2520, 3600, 315);
    Text7.Locked = true;

    MSFlexGrid1.Move(4260, 2940, kampgridBredde, 2580);
    MSFlexGrid1.AccessibleName = "Kamper";
    for (forms::MSFlexGrid* g : {&MSFlexGrid1, &MSFlexGrid2}) {
        g->FixedCols = 0;
        g->SelectionMode = 1;
        g->SetFont(shared::Smal(8.25));
    }
    Knapp(SSCommand1, 12960, 6180, 1500, 540, "Ferdig");
    SSCommand1.SetFontBold(true);
}
