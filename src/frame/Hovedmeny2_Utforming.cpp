// The main window's button bar: placement, pictures, texts and the wiring of
// every menu item and button to its handler.
#include "frame/Hovedmeny2.h"

#include "platform/vb/Strings.h"

void Hovedmeny2::Utform() {
    // Three rows: the picture buttons with help and logo, the four shortcuts,
    // the status panel. Widths in pixels of 15 twips, so that 800 pixels suffice.
    constexpr int px = 15, marg = 4 * px, mellom = 3 * px;
    constexpr int rad1 = marg, knappHoyde = 82 * px;
    constexpr int rad2 = rad1 + knappHoyde + marg, kommandoHoyde = 30 * px;
    constexpr int rad3 = rad2 + kommandoHoyde + marg, panelHoyde = 20 * px;
    Picture2.Align = 1;
    Picture2.Move(0, 0, Width(), rad3 + panelHoyde + 2 * px);

    struct Bildeknapp { forms::SSCommand* knapp; int bredde; const char* tekst; const char* bilde; const char* tips; };
    const Bildeknapp knapper[] = {
        {&G_Fil, 80, "Åpne Database", "G_Fil.svg", "Åpner Database"},
        {&G_Disk, 64, "", "G_Disk.svg", ""},
        {&G_Ny, 64, "", "G_Ny.svg", ""},
        {&G_Printer, 88, "Dommer Administrasjon", "G_Printer.svg", "Start Utskrift"},
        {&G_Res, 120, "Manuell innlegging Turneringsdata", "G_Res.svg", "Innlegging Resultater"},
        {&D_Rapport, 128, "Automatisk innlesing av Turneringsdata", "D_Rapport.svg", ""},
    };
    int venstre = marg;
    for (const auto& b : knapper) {
        b.knapp->SetContainer(&Picture2);
        b.knapp->Move(venstre, rad1, b.bredde * px, knappHoyde);
        b.knapp->SetCaption(b.tekst);
        b.knapp->SetPicture(b.bilde);
        b.knapp->ToolTipText = b.tips;
        b.knapp->SetFont({"Arial", 7.5, false});
        venstre += b.bredde * px + mellom;
    }
    // The two with a picture only are named for the screen reader by what they do.
    G_Disk.AccessibleName = "Lagre fil";
    G_Ny.AccessibleName = "Ny turnering";

    // The load step puts the logo at the screen's right edge and the help button beside it.
    G_Hjelp.SetContainer(&Picture2);
    G_Hjelp.Move(0, rad1, 56 * px, knappHoyde);
    G_Hjelp.SetCaption("Hjelp");
    G_Hjelp.SetPicture("G_Hjelp.svg");
    G_Hjelp.SetFont({"Arial", 7.5, false});
    logo2.SetContainer(&Picture2);
    logo2.Move(0, rad1, 82 * px, knappHoyde);
    logo2.Stretch = true;
    logo2.SetPicture("logo.svg");

    // The shortcuts share the row by the length of their captions.
    struct Kommando { forms::SSCommand* knapp; const char* tekst; };
    const Kommando kommandoer[] = {
        {&SSCommand1, "Oversendelse av ny dommerfil til klubbene"},
        {&SSCommand2, "Hent Turneringsdata"},
        {&SSCommand3, "Administrasjon av Rankinglister"},
        {&SSCommand4, "Administrasjon av Listedata"},
    };
    long vekt = 0;
    for (const auto& k : kommandoer) vekt += vb::Len(k.tekst) + 4;
    const int plass = Width() - 8 * px - 2 * marg - 3 * mellom;
    venstre = marg;
    for (const auto& k : kommandoer) {
        const int bredde = static_cast<int>(plass * (vb::Len(k.tekst) + 4) / vekt);
        k.knapp->SetContainer(&Picture2);
        k.knapp->Move(venstre, rad2, bredde, kommandoHoyde);
        k.knapp->SetCaption(k.tekst);
        k.knapp->SetFont({"Arial", 8, false});
        venstre += bredde + mellom;
    }

    Panel3D1.SetContainer(&Picture2);
    Panel3D1.Panel = true;
    Panel3D1.BevelOuter = 2;
    Panel3D1.Alignment = forms::vbLeftJustify;
    Panel3D1.SetCaption("Kvistrel Dommer");
    Panel3D1.SetFont({"Arial", 8.25, true});
    Panel3D1.Move(marg, rad3, Width() - 8 * px - 2 * marg, panelHoyde);
    Panel3D1.SetVisible(false);

    // Along the picture buttons with help, then along the shortcuts.
    SetTabOrder({&G_Fil, &G_Disk, &G_Ny, &G_Printer, &G_Res, &D_Rapport, &G_Hjelp, &SSCommand1, &SSCommand2,
                 &SSCommand3, &SSCommand4});
}

void Hovedmeny2::Kople() {
    FilNyTurnering.Click = [this] { FilNyTurnering_Click(); };
    LesInn_Dommere.Click = [this] { LesInn_Dommere_Click(); };
    FilHentFil.Click = [this] { FilHentFil_Click(); };
    FilLagreFilSom.Click = [this] { FilLagreFilSom_Click(); };
    Printer_Oppsett.Click = [this] { Printer_Oppsett_Click(); };
    FilAvslutt.Click = [this] { FilAvslutt_Click(); };
    Dommere_Initielle.Click = [this] { Dommere_Initielle_Click(); };
    Hent_Dommer_Fil.Click = [this] { Hent_Dommer_Fil_Click(); };
    Ny_Dommerfil.Click = [this] { Ny_Dommerfil_Click(); };
    HjelpOMKvistrel.Click = [this] { HjelpOMKvistrel_Click(); };
    HjelpSystemData.Click = [this] { HjelpSystemData_Click(); };
    TurneringsdataSlettet.Click = [this] { TurneringsdataSlettet_Click(); };
    Avslutt.Click = [this] { Avslutt_Click(); };

    SSCommand1.Click = [this] { SSCommand1_Click(); };
    SSCommand2.Click = [this] { SSCommand2_Click(); };
    SSCommand3.Click = [this] { SSCommand3_Click(); };
    SSCommand4.Click = [this] { SSCommand4_Click(); };

    G_Fil.Click = [this] { G_Fil_Click(); };
    G_Res.Click = [this] { G_Res_Click(); };
    G_Ny.Click = [this] { G_Ny_Click(); };
    G_Printer.Click = [this] { G_Printer_Click(); };
    D_Rapport.Click = [this] { D_Rapport_Click(); };
    for (forms::SSCommand* b : {&G_Disk, &G_Fil, &G_Ny, &G_Printer, &D_Rapport}) {
        b->MouseDown = [this, b](int button, int, float, float) { Bildeknapp_MouseDown(*b, button); };
        b->MouseUp = [this](int button, int, float, float) { Info_MouseUp(button); };
    }
    G_Hjelp.MouseDown = [this](int, int, float, float) { G_Hjelp_MouseDown(); };
    G_Hjelp.MouseUp = [this](int button, int, float, float) { Info_MouseUp(button); };
    logo2.MouseDown = [this](int, int, float, float) { logo2_MouseDown(); };
    logo2.MouseUp = [this](int button, int, float, float) { Info_MouseUp(button); };
}
