#include "reports/Search_Data.h"

#include "reports/Rapporter.h"
#include "shared/Rutenett.h"

namespace {

// The grid has no heading row: the headings stand in locked boxes above it.
constexpr shared::Kolonne Kolonner[] = {
    {"Nr.", 380, -1},       {"Fornavn", 1700, -1},        {"Etternavn", 1700, -1},      {"Lag/Klubb", 2000, -1},
    {"Typespill", 1400, -1}, {"Boc:Typedommer", 1455, -1}, {"Cur:Typedommer", 1455, -1},
};
struct Boks {
    int venstre, bredde;
};
constexpr Boks Bokser[] = {{120, 495}, {550, 1695}, {2200, 1695}, {3900, 2000}, {5880, 1455}, {7320, 1455}, {8760, 1455}};

constexpr forms::Color Gra = 0xC0C0C0;

} // namespace

Search_Data::Search_Data() : forms::Form("Search_Data") {
    SetCaption("Søke data");
    MDIChild = true;
    Move(0, 0, 10710, 6255);

    Label1.SetCaption("Følgende data funnet:");
    Label1.Move(120, 120, 10215, 375);
    Label1.SetFont({"Arial", 9.75, true});

    forms::TextBox* bokser[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7};
    for (size_t i = 0; i < std::size(Kolonner); ++i) {
        forms::TextBox& b = *bokser[i];
        b.Move(Bokser[i].venstre, 600, Bokser[i].bredde, 315);
        b.SetText(Kolonner[i].overskrift);
        b.SetBackColor(Gra);
        b.Locked = true;
        b.AccessibleName = std::string("Kolonne ") + Kolonner[i].overskrift;
    }
    MSFlexGrid1.AccessibleName = "Søkeresultat";

    MSFlexGrid1.FixedRows = 0;
    MSFlexGrid1.FixedCols = 0;
    MSFlexGrid1.SetCols(7);
    MSFlexGrid1.SetRows(0);
    MSFlexGrid1.Move(120, 960, 10215, 3975);

    SSCommand2.SetCaption("Skriv Rapport");
    SSCommand2.Move(6840, 5100, 1695, 495);
    SSCommand1.SetCaption("Avslutt");
    SSCommand1.Move(8640, 5100, 1695, 495);
    // The boxes above the grid are its headings.
    SetTabOrder({&MSFlexGrid1, &SSCommand2, &SSCommand1});

    SSCommand1.Click = [this] { SSCommand1_Click(); };
    SSCommand2.Click = [this] { SSCommand2_Click(); };
}

void Search_Data::Form_Load() {
    shared::SettKolonner(MSFlexGrid1, Kolonner);
}

void Search_Data::SSCommand1_Click() { Unload(); }

void Search_Data::SSCommand2_Click() { Print_Sokeresultat(); }
