#include "import/HentDommerFil.h"

#include <variant>

#include "import/FraFil_Dommer.h"
#include "import/Innlesing.h"
#include "import/SisteFil.h"
#include "import/Resultatfil.h"
#include "import/Resultatutskrift.h"
#include "import/VisDuplikater.h"
#include "platform/dao/ErrorNumbers.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "shared/Rutenett.h"
#include "state/ProgramState.h"

namespace {

constexpr int Midt = 3, Venstre = 0;
constexpr shared::Kolonne Kolonner[] = {{"DommerID", 850, Midt}, {"Status", 560, Midt}, {"Fornavn", 1200, Venstre},
                                {"Etternavn", 1200, -1},  {"Dato", 1500, -1},    {"Turnering", 2200, -1},
                                {"Typespill", 850, -1},   {"HLag", 1600, Midt},  {"BLag", 1600, Midt},
                                {"HPoeng", 670, Midt},    {"BPoeng", 670, Midt}};
// The file's columns in the grid's order.
constexpr const char* Felt[] = {"DommerNR", "Status", "Dommer_ForNavn", "Dommer_EtterNavn", "Turneringsdato", "Turneringsnavn",
                                "TypeSpill", "HLag", "BLag", "HPoeng", "BPoeng"};

} // namespace

void LeggTilCelle(std::string& rad, const vb::Variant& v) {
    if (v.IsNull()) return;
    if (const auto* tekst = std::get_if<std::string>(&v.raw())) return forms::AppendGridCell(rad, *tekst);
    forms::AppendGridCell(rad, v.ToText());
}

HentDommerFil::HentDommerFil() : forms::Form("HentDommerFil") {
    Utform();
    HentDommere.Click = [this] { HentDommere_Click(); };
    SSCommand1.Click = [this] { SSCommand1_Click(); };
    SSCommand2.Click = [this] { SSCommand2_Click(); };
    SSCommand3.Click = [this] { SSCommand3_Click(); };
    SSCommand4.Click = [this] { SSCommand4_Click(); };
}

void HentDommerFil::Form_Load() { Init_Grid_Dommerdata(); }

void HentDommerFil::Form_Activate() {
    SetLeft(80);
    SetTop(1700);
}

void HentDommerFil::HentDommere_Click() { forms::Default<FraFil_Dommer>().Show(forms::vbModal); }

void HentDommerFil::SSCommand1_Click() { Unload(); }

void HentDommerFil::SSCommand2_Click() { Print_Dommerdata_Fil(); }

void HentDommerFil::SSCommand3_Click() {
    try {
        CmDialog1.CancelError = true;
        CmDialog1.ShowPrinter();
    } catch (const vb::Err&) {
    }
}

void HentDommerFil::SSCommand4_Click() { forms::Default<VisDuplikater>().Show(); }

void HentDommerFil::Init_Grid_Dommerdata() {
    shared::SettKolonner(MSFlexGrid1, Kolonner);
    MSFlexGrid1.SetRows(1);
    // The headings without moving the current cell.
    for (int c = 0; c < 11; ++c) MSFlexGrid1.SetTextMatrix(0, c, Kolonner[c].overskrift);
}

void HentDommerFil::Tom_Vindu() {
    for (auto& tekst : Text1) tekst->SetText("");
    for (forms::TextBox* tekst : {&Text2, &Text3, &Text4, &Text5}) tekst->SetText("");
    Init_Grid_Dommerdata();
    SSCommand2.SetVisible(false);
}

void HentDommerFil::Vis_Dommerfil() {
    dao::Database& fil = innlesing::SisteBase;
    dao::Recordset versjon = fil.OpenRecordset("Select * from Versjon", dao::dbOpenSnapshot);
    // An empty name or date shows as an empty box.
    Text1(0).SetText(vb::Concat(versjon.Get("Turneringsnavn"), ""));
    Text1(1).SetText(vb::Concat(versjon.Get("Turneringsdato"), ""));
    const std::string status = innlesing::Filstatus_Tekst(versjon.Get("Status"));
    if (!status.empty()) Text1(2).SetText(status);

    // Text2 counts what is still unread, so a stamp of "Innlest" never hides rows left out.
    // Read as it is walked: the grid keeps the cells, a second copy of every row would only cost.
    state::UtvalgFil = fil.OpenRecordset("Select * from dommerdata", dao::dbOpenForwardOnly);
    dao::Recordset& rader = state::UtvalgFil;
    int felt[11];
    for (int c = 0; c < 11; ++c) felt[c] = rader.FieldIndex(Felt[c]);
    long ulest = 0;
    std::string rad;
    for (; !rader.EOF_(); rader.MoveNext()) {
        rad.clear();
        for (int c = 0; c < 11; ++c) {
            if (c) rad += '\t';
            LeggTilCelle(rad, rader.Get(felt[c]));
        }
        const vb::Variant status = rader.Get(felt[1]);
        if (status.IsNull() || (vb::IsNumeric(status) && vb::CDbl(status) == innlesing::IkkeInnlest)) ++ulest;
        MSFlexGrid1.AddItem(rad);
    }
    Text2.SetText(std::to_string(ulest));
    // By referee number, then status: numeric sort over the columns 0 to 2.
    MSFlexGrid1.SetCol(2);
    MSFlexGrid1.SetColSel(0);
    MSFlexGrid1.Sort(forms::flexSortNumericAscending);
}
