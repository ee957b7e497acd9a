// The register window's controls: positions in twips, captions, fonts, sizes.
#include "register/Dommere_Init.h"
#include "shared/Utforming.h"

namespace {

using forms::Control;

constexpr forms::Color MorkBla = 0x800000;   // &H00BBGGRR
constexpr forms::Color Bla = 0xFF0000;
constexpr forms::Color Gronn = 0x008000;
constexpr forms::Color Lilla = 0x800080;

// Text sizes of the Dommere columns the boxes write into.
constexpr int TekstKolonne = 50;
constexpr int TelefonKolonne = 16;
constexpr int StandardTekstKolonne = 255;   // columns made without a size

using shared::plasser;
using shared::Smal;

void plasser(forms::TextBox& t, int left, int top, int width, int height) { t.Move(left, top, width, height); }

void iRamme(forms::Control& c, forms::Control& ramme) { c.SetContainer(&ramme); }

forms::Font fet(double size) {
    forms::Font f;
    f.Bold = true;
    f.Size = size;
    return f;
}

} // namespace

void Dommere_Init::UtformTopp() {
    SetCaption("Administrasjon av Turnerings Dommere");
    MDIChild = true;
    Move(0, 0, 17820, 11520);
    plasser(Label1, 240, 120, 7000, 375, "Administrasjon av dommere for Turneringsspill");
    Label1.SetFont(fet(12));
    Label1.SetForeColor(MorkBla);
    plasser(Label19, 240, 540, 3500, 300, "Norges Valmorisk");
    Label19.SetFont(fet(9.75));
    plasser(Option1, 240, 960, 2800, 285, "Innlegging ny dommer");
    plasser(Option2, 240, 1260, 2800, 285, "Endring dommerdata");
    plasser(Option3, 240, 1560, 2800, 285, "Dommer rapporter");
    plasser(Label17, 240, 2040, 6500, 300, "Legg inn data for dommer her :");
    Label17.SetFont(fet(9.75));
    plasser(Label23, 7440, 1680, 1695, 255, "Siste oppdatering:");
    plasser(Text13, 7560, 1920, 1455, 315);
    plasser(Text11, 7560, 2230, 1455, 330);
    plasser(Text12, 7560, 2550, 1455, 330);
    // Three boxes under one label: each is named by what it shows.
    Text13.AccessibleName = "Siste oppdatering, dag";
    Text11.AccessibleName = "Siste oppdatering, dato";
    Text12.AccessibleName = "Siste oppdatering, klokkeslett";
    for (auto* t : {&Text11, &Text12, &Text13}) {
        t->Locked = true;
        t->SetFont(Smal());
    }
}

void Dommere_Init::UtformDommerfelter() {
    struct Rad { forms::Label* label; forms::TextBox* boks; const char* caption; int size; };
    const Rad rader[] = {
        {&Label2, &Text4, "Nr.:", 0},
        {&Label3, &Text1, "Fornavn:", TekstKolonne},
        {&Label4, &Text2, "Etternavn:", TekstKolonne},
        {&Label5, &Text3, "Klubb/Lag:", TekstKolonne},
        {&Label7, &Text5, "Adresse:", TekstKolonne},
        {&Label8, &Text6, "Postnr.", TekstKolonne},
        {&Label9, &Text7, "Poststed:", TekstKolonne},
        {&Label10, &Text8, "E-post:", StandardTekstKolonne},
        {&Label12, &Text10, "Mobil telefon:", TelefonKolonne},
        {&Label13, &Text14, "Dato Dommerkurs:", TekstKolonne},
        {&Label14, &Text9, "Oppdateringskurs Boccia:", TekstKolonne},
        {&Label15, &Text15, "Oppdateringskurs Curling:", TekstKolonne},
    };
    int top = 2520;
    for (const Rad& r : rader) {
        plasser(*r.label, 120, top + 45, 2160, 255, r.caption);
        r.label->SetFont(Smal());
        plasser(*r.boks, 2340, top, 1620, 315);
        r.boks->SetMaxLength(r.size);
        top += 420;
    }
    Text4.SetWidth(735);
    plasser(SSCommand7, 3135, 2490, 1425, 375, "Søk Dommernr");
    plasser(SSCommand4, 4020, 2940, 540, 735, "Søk");
    plasser(SSCommand5, 4020, 3780, 540, 315, "Søk");
}

void Dommere_Init::UtformSpillOgRapporttyper() {
    plasser(Frame4, 4680, 3240, 4455, 2535, "Type Spill");
    plasser(SSCheck1, 480, 480, 1500, 315, "Boccia");
    plasser(SSCheck2, 480, 960, 1500, 315, "Curling");
    iRamme(SSCheck1, Frame4);
    iRamme(SSCheck2, Frame4);

    plasser(Frame5, 4680, 3240, 4455, 2535, "Type  Rapport");
    Frame5.SetVisible(false);
    struct Valg { forms::SSOption* o; const char* caption; forms::Color farge; };
    const Valg venstre[] = {
        {&SSOption1, "Alle (Boccia + Curling)", MorkBla}, {&SSOption3, "Alle Curlingdommere", MorkBla},
        {&SSOption13, "Uklassifiserte Dommere", Lilla},   {&SSOption5, "Curling Forbundsdommer 1", Bla},
        {&SSOption4, "Curling Forbundsdommer 3", Bla},    {&SSOption6, "Curling Aspirantdommer 1", Bla},
        {&SSOption15, "Overdommer Curling", MorkBla},
    };
    const Valg hoyre[] = {
        {&SSOption2, "Alle Boccia dommere", MorkBla},     {&SSOption7, "Boccia Forbundsdommer 1", Gronn},
        {&SSOption8, "Boccia Forbundsdommer 2", Gronn},   {&SSOption9, "Boccia Forbundsdommer 3", Gronn},
        {&SSOption10, "Boccia Aspirantdommer 1", Gronn},  {&SSOption11, "Boccia Aspirantdommer 2", Gronn},
        {&SSOption12, "Boccia Aspirantdommer 3", Gronn},  {&SSOption14, "Overdommer Boccia", MorkBla},
    };
    const auto kolonne = [this](const auto& valg, int left) {
        int top = 240;
        for (const Valg& v : valg) {
            plasser(*v.o, left, top, 2160, 255, v.caption);
            v.o->SetForeColor(v.farge);
            v.o->SetFont(Smal());
            iRamme(*v.o, Frame5);
            top += 280;
        }
    };
    kolonne(venstre, 90);
    kolonne(hoyre, 2265);
}

void Dommere_Init::UtformKlassifisering() {
    plasser(Frame1, 4680, 5880, 4560, 3600, "Klassifisering");
    plasser(Frame2, 120, 240, 2160, 2640, "Boccia");
    plasser(Frame3, 2340, 240, 2160, 1740, "Curling");
    plasser(Frame6, 2340, 2040, 2160, 1080, "Boccia tilleggsvalg:");
    plasser(Command2, 2340, 3180, 2160, 330, "Nullstill tilleggsvalg");
    for (auto* c : std::initializer_list<Control*>{&Frame2, &Frame3, &Frame6, &Command2}) iRamme(*c, Frame1);

    struct Valg { forms::OptionButton* o; const char* caption; };
    auto fyll = [](forms::Frame& ramme, std::initializer_list<Valg> valg, int steg) {
        int top = 240;
        for (const Valg& v : valg) {
            plasser(*v.o, 105, top, 2010, 255, v.caption);
            iRamme(*v.o, ramme);
            top += steg;
        }
    };
    fyll(Frame2, {{&Option4, "Forbundsdommer 1"}, {&Option5, "Forbundsdommer 2"}, {&Option6, "Forbundsdommer 3"},
                  {&Option7, "Aspirantdommer 1"}, {&Option8, "Aspirantdommer 2"}, {&Option9, "Aspirantdommer 3"},
                  {&Option15, "Overdommer"}, {&Option10, "Ingen klassifisering"}}, 285);
    fyll(Frame3, {{&Option14, "Forbundsdommer 1"}, {&Option13, "Forbundsdommer 3"}, {&Option11, "Aspirantdommer 1"},
                  {&Option16, "Overdommer"}, {&Option12, "Ingen klassifisering"}}, 285);
    fyll(Frame6, {{&Option20, "Forbundsdommer 2"}, {&Option21, "Forbundsdommer 1"}, {&Option19, "Forbundsdommer 3"}},
         260);
}

void Dommere_Init::UtformKnapper() {
    plasser(SSCommand2, 120, 7680, 1800, 600, "Lagre Dommer");
    plasser(C_SlettDommer, 2040, 7680, 1800, 600, "Slett Dommer");
    plasser(SSCommand10, 120, 8400, 1800, 600, "Null still Data");
    for (auto* k : {&SSCommand2, &C_SlettDommer, &SSCommand10}) k->SetFontBold(true);

    // Three columns under the classification; the longest captions to the left.
    struct Knapp { forms::SSCommand* k; int left, top, width; const char* caption; };
    const Knapp knapper[] = {
        {&SSCommand6, 120, 9540, 4900, "Skriftelig Rapport over dommere med antall dømte kamper"},
        {&C_SkrivRapport, 120, 10020, 4900, "Skriftelig Rapport over registrerte dommere"},
        {&SSCommand3, 120, 10500, 4900, "Skriftelig Rapport for utvalgt dommer"},
        {&C_ElektroniskRapport, 5080, 9540, 4300, "Elektronisk Rapport over registrerte dommere"},
        {&C_Lag_Dommerfil, 5080, 10020, 4300, "Lag Dommerfil for utsendelse til klubbene"},
        {&SSCommand11, 5080, 10500, 4300, "Lagre Dommerfil for utsendelse til klubbene Som"},
        {&SSCommand8, 9440, 9540, 4140, "Boccia   Dommer Status"},
        {&SSCommand9, 9440, 10020, 4140, "Curling  Dommer Status"},
    };
    for (const Knapp& k : knapper) {
        plasser(*k.k, k.left, k.top, k.width, 420, k.caption);
        k.k->SetFont(Smal());
    }
}

void Dommere_Init::UtformListeOgTellere() {
    MSFlexGrid1.Move(9360, 120, 6135, 8295);
    MSFlexGrid1.FixedCols = 0;
    MSFlexGrid1.SelectionMode = 1;
    MSFlexGrid1.SetFont(Smal());
    rutenettOverskrift();
    plasser(Label6, 9960, 8880, 3615, 300, "Velg dommer for endring, sletting eller rapport");
    Label6.SetFont(Smal());

    plasser(Label11, 15480, 360, 1320, 495, "Antall Dommere totalt:");
    plasser(Text16, 16800, 480, 735, 360);
    plasser(Label18, 15480, 1080, 1320, 495, "Antall Dommere Boccia:");
    plasser(Text17, 16800, 1080, 735, 360);
    plasser(Label20, 15480, 1680, 1320, 495, "Antall Dommere Curling:");
    plasser(Text18, 16800, 1680, 735, 375);
    for (auto* l : {&Label11, &Label18, &Label20}) {
        l->WordWrap = true;
        l->SetFont(Smal());
    }
    for (auto* t : {&Text16, &Text17, &Text18}) {
        t->Locked = true;
        t->Alignment = forms::vbCenter;
    }
    plasser(Command1, 15420, 2520, 2250, 480, "Sjekk for ledige dommernummere");
    Command1.SetFont(Smal());
    List2.Move(15600, 3600, 855, 4620);
    List2.AccessibleName = "Ledige dommernummere";
    plasser(SSCommand1, 13680, 9360, 1095, 975, "Ferdig");
    SSCommand1.SetFontBold(true);
}

void Dommere_Init::UtformTabulator() {
    // Down the referee's boxes, then the games (or report types) and the classification
    // beside them, the grid and the free numbers, the modes, and last the buttons. The
    // stamp and the counters only show what the program wrote there.
    SetTabOrder({&Text4, &Text1, &Text2, &Text3, &Text5, &Text6, &Text7, &Text8, &Text10, &Text14, &Text9, &Text15,
                 &SSCheck1, &SSCheck2,
                 &SSOption1, &SSOption3, &SSOption13, &SSOption5, &SSOption4, &SSOption6, &SSOption15,
                 &SSOption2, &SSOption7, &SSOption8, &SSOption9, &SSOption10, &SSOption11, &SSOption12, &SSOption14,
                 &Option4, &Option5, &Option6, &Option7, &Option8, &Option9, &Option15, &Option10,
                 &Option14, &Option13, &Option11, &Option16, &Option12,
                 &Option20, &Option21, &Option19, &Command2,
                 &MSFlexGrid1, &List2,
                 &Option1, &Option2, &Option3,
                 &SSCommand2, &C_SlettDommer, &SSCommand10, &SSCommand7, &SSCommand4, &SSCommand5,
                 &SSCommand6, &C_SkrivRapport, &SSCommand3, &C_ElektroniskRapport, &C_Lag_Dommerfil, &SSCommand11,
                 &SSCommand8, &SSCommand9, &Command1, &SSCommand1});
}
