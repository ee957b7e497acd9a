#include "import/VisDuplikater.h"

#include "import/HentDommerFil.h"
#include "import/Innlesing.h"
#include "import/Resultatutskrift.h"
#include "platform/forms/Runtime.h"
#include "state/ProgramState.h"

namespace {

struct Kolonne {
    const char* overskrift;
    const char* felt;
    int bredde;
    int justering;   // -1: the grid's own
};
constexpr Kolonne Kolonner[] = {
    {"DommerID", "DommerNR", 850, 3},          {"Fornavn", "Dommer_ForNavn", 1200, 0},
    {"Etternavn", "Dommer_EtterNavn", 1200, -1}, {"Dato", "Turneringsdato", 1500, 0},
    {"Turnering", "Turneringsnavn", 2200, -1},  {"Typespill", "TypeSpill", 850, -1},
    {"HLag", "HLag", 1600, 3},                  {"BLag", "BLag", 1600, 3},
    {"HPoeng", "HPoeng", 670, 3},               {"BPoeng", "BPoeng", 670, 3}};
constexpr int AntallKolonner = 10;

forms::Font smal(double size) {
    forms::Font f;
    f.Name = "Arial Narrow";
    f.Size = size;
    return f;
}

void ingenFil() { forms::MsgBox(innlesing::IngenFilMelding, forms::vbInformation, innlesing::IngenFilTittel); }

} // namespace

VisDuplikater::VisDuplikater() : forms::Form("VisDuplikater") {
    SetCaption("Duplikater i innleste data");
    MDIChild = true;
    Move(80, 1700, 14295 + 120, 7740 + 450);
    Label1.Move(0, 120, 5775, 375);
    Label1.SetCaption("Oversikt over duplikater i innleste data:");
    Label1.SetFont(smal(15.75));
    MSFlexGrid1.Move(0, 600, 14295, 5895);
    MSFlexGrid1.SetCols(AntallKolonner);
    MSFlexGrid1.SetRows(1);
    SSCommand2.Move(0, 6720, 5775, 975);
    SSCommand2.SetCaption("Skriftelig Rapport over duplikater funnet i innleste data");
    SSCommand2.SetPicture("G_Printer.svg");
    SSCommand2.SetFont(smal(14.25));
    SSCommand1.Move(12600, 6720, 1455, 855);
    SSCommand1.SetCaption("Ferdig");
    SSCommand1.SetFont(smal(14.25));
    SSCommand1.Click = [this] { SSCommand1_Click(); };
    SSCommand2.Click = [this] { SSCommand2_Click(); };
}

void Init_Grid_Duplikater() {
    forms::MSFlexGrid& grid = forms::Default<VisDuplikater>().MSFlexGrid1;
    grid.SetRows(1);
    for (int c = 0; c < AntallKolonner; ++c)
        if (Kolonner[c].justering >= 0) grid.SetColAlignment(c, Kolonner[c].justering);
    for (int c = 0; c < AntallKolonner; ++c) grid.SetColWidth(c, Kolonner[c].bredde);
    grid.SetRow(0);
    for (int c = 0; c < AntallKolonner; ++c) {
        grid.SetCol(c);
        grid.SetText(Kolonner[c].overskrift);
    }
}

void VisDuplikater::Form_Load() {
    Init_Grid_Duplikater();
    // The file the last import opened, whatever other work has put in Filsti and DBaseFil since.
    if (!innlesing::HarSisteFil()) {
        ingenFil();
        return;
    }
    state::UtvalgFil = innlesing::SisteBase.OpenRecordset("Select * from dommerdata where status= 4", dao::dbOpenSnapshot);
    dao::Recordset& rader = state::UtvalgFil;
    int felt[AntallKolonner];
    for (int c = 0; c < AntallKolonner; ++c) felt[c] = Feltnummer(rader, Kolonner[c].felt);
    for (; !rader.EOF_(); rader.MoveNext()) {
        std::string rad;
        for (int c = 0; c < AntallKolonner; ++c) {
            if (c) rad += '\t';
            rad += Celle(rader.Get(felt[c]));
        }
        MSFlexGrid1.AddItem(rad);
    }
    // Referee number first, ties broken by the columns after it.
    MSFlexGrid1.SetCol(AntallKolonner - 1);
    MSFlexGrid1.SetColSel(0);
    MSFlexGrid1.Sort(forms::flexSortGenericAscending);
}

void VisDuplikater::Form_Activate() {
    SetLeft(80);
    SetTop(1700);
}

void VisDuplikater::SSCommand1_Click() { Unload(); }

void VisDuplikater::SSCommand2_Click() {
    if (!innlesing::HarSisteFil()) {
        ingenFil();
        return;
    }
    Print_Duplikater();
}
