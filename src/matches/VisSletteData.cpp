#include "matches/VisSletteData.h"

#include "database/Apen.h"
#include "matches/Kampvindu.h"
#include "matches/Utforming.h"
#include "shared/Utforming.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace {

constexpr shared::Kolonne Kolonner[] = {
    {"DommerID", 850, 3, "DommerNR"},           {"Sekv.nr", 660, 3, "SekvensNR"},
    {"Fornavn", 1200, 0, "Dommer_FNavn"},       {"Etternavn", 1200, -1, "Dommer_ENavn"},
    {"Dato", 1500, 0, "Turneringsdato"},        {"Turnering", 2200, -1, "TurneringsNavn"},
    {"Typespill", 850, -1, "Typespill"},        {"HLag", 1600, 3, "Dommer_HLag"},
    {"BLag", 1600, 3, "Dommer_BLag"},           {"HPoeng", 670, 3, "Dommer_HPoeng"},
    {"BPoeng", 670, 3, "Dommer_BPoeng"},        {"Slettedato", 1000, 3, "DatoEndret"}};

} // namespace

VisSletteData::VisSletteData() : forms::Form("VisSletteData") {
    MDIChild = true;
    SetCaption("Turneringsdata som er slettet");
    Move(80, 1700, 14295 + 120, 7740 + 450);   // the client area and the frame round it
    Label1.Move(0, 120, 5775, 375);
    Label1.SetCaption("Oversikt over turneringsdata som er slettet");
    Label1.SetFont(shared::Smal(12));
    MSFlexGrid1.Move(0, 600, 14295, 5895);
    MSFlexGrid1.AccessibleName = "Slettede turneringsdata";
    MSFlexGrid1.FixedCols = 1;
    MSFlexGrid1.SetFont(shared::Smal(8.25));
    kamper::Knapp(SSCommand2, 480, 6720, 4455, 975, "Skriftelig Rapport over data som er slettet");
    SSCommand2.SetPicture("G_Printer.svg");
    kamper::Knapp(SSCommand1, 12600, 6720, 1455, 855, "Ferdig");
    SetTabOrder({&MSFlexGrid1, &SSCommand2, &SSCommand1});
    SSCommand1.Click = [this] { SSCommand1_Click(); };
    SSCommand2.Click = [this] { SSCommand2_Click(); };
}

void Init_Grid_Slettede() {
    shared::SettOverskrift(forms::Default<VisSletteData>().MSFlexGrid1, Kolonner);
}

void VisSletteData::Form_Load() {
    Init_Grid_Slettede();
    state::Utvalg = kamper::AndreHandtak().OpenRecordset("Select * from dommertabell where status= 3", dao::dbOpenSnapshot);
    for (; !state::Utvalg.EOF_(); state::Utvalg.MoveNext()) MSFlexGrid1.AddItem(kamper::Celler(state::Utvalg, Kolonner));
    // Another open database: its deleted matches, not the previous file's.
    turneringsdb::NarDatabasenEndresEllerLukk(*this, [this] { Form_Load(); });
}

void VisSletteData::Form_Unload(int& /*Cancel*/) { turneringsdb::GlemDatabaseendring(this); }
VisSletteData::~VisSletteData() { turneringsdb::GlemDatabaseendring(this); }

void VisSletteData::Form_Activate() {
    SetTop(1700);
    SetLeft(80);
}

void VisSletteData::SSCommand1_Click() { Unload(); }

void VisSletteData::SSCommand2_Click() { Print_Slettede_Data(); }
