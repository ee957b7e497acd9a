#include "import/VisDuplikater.h"

#include "import/HentDommerFil.h"
#include "import/Innlesing.h"
#include "import/Resultatutskrift.h"
#include "import/SisteFil.h"
#include "platform/forms/Runtime.h"
#include "shared/Rutenett.h"
#include "shared/Utforming.h"
#include "state/ProgramState.h"

namespace {

constexpr shared::Kolonne Kolonner[] = {
    {"DommerID", 850, 3, "DommerNR"},          {"Fornavn", 1200, 0, "Dommer_ForNavn"},
    {"Etternavn", 1200, -1, "Dommer_EtterNavn"}, {"Dato", 1500, 0, "Turneringsdato"},
    {"Turnering", 2200, -1, "Turneringsnavn"},  {"Typespill", 850, -1, "TypeSpill"},
    {"HLag", 1600, 3, "HLag"},                  {"BLag", 1600, 3, "BLag"},
    {"HPoeng", 670, 3, "HPoeng"},               {"BPoeng", 670, 3, "BPoeng"}};
constexpr int AntallKolonner = 10;

void ingenFil() { forms::MsgBox(innlesing::IngenFilMelding, forms::vbInformation, innlesing::IngenFilTittel); }

} // namespace

VisDuplikater::VisDuplikater() : forms::Form("VisDuplikater") {
    SetCaption("Duplikater i innleste data");
    MDIChild = true;
    Move(80, 1700, 14295 + 120, 7740 + 450);
    Label1.Move(0, 120, 5775, 375);
    Label1.SetCaption("Oversikt over duplikater i innleste data:");
    Label1.SetFont(shared::Smal(15.75));
    MSFlexGrid1.Move(0, 600, 14295, 5895);
    MSFlexGrid1.AccessibleName = "Duplikater";
    MSFlexGrid1.SetCols(AntallKolonner);
    MSFlexGrid1.SetRows(1);
    SSCommand2.Move(0, 6720, 5775, 975);
    SSCommand2.SetCaption("Skriftelig Rapport over duplikater funnet i innleste data");
    SSCommand2.SetPicture("G_Printer.svg");
    SSCommand2.SetFont(shared::Smal(14.25));
    SSCommand1.Move(12600, 6720, 1455, 855);
    SSCommand1.SetCaption("Ferdig");
    SSCommand1.SetFont(shared::Smal(14.25));
    SetTabOrder({&MSFlexGrid1, &SSCommand2, &SSCommand1});
    SSCommand1.Click = [this] { SSCommand1_Click(); };
    SSCommand2.Click = [this] { SSCommand2_Click(); };
}

void Init_Grid_Duplikater() {
    forms::MSFlexGrid& grid = forms::Default<VisDuplikater>().MSFlexGrid1;
    shared::SettOverskrift(grid, Kolonner);
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
    for (int c = 0; c < AntallKolonner; ++c) felt[c] = rader.FieldIndex(Kolonner[c].felt);
    std::string rad;
    for (; !rader.EOF_(); rader.MoveNext()) {
        rad.clear();
        for (int c = 0; c < AntallKolonner; ++c) {
            if (c) rad += '\t';
            LeggTilCelle(rad, rader.Get(felt[c]));
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
