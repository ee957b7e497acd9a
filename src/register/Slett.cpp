// Deleting a referee with his match rows, resetting all match data, and the
// free referee numbers.
#include <string>
#include <vector>

#include "database/Transaksjon.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "platform/vb/Variant.h"
#include "register/Dommere_Init.h"
#include "state/ProgramState.h"

namespace {

void ingenDommerValgt() {
    forms::MsgBox(std::string("Ingen dommer valgt!") + vb::vbCr + "Velg Dommer og prøv igjen!",
                  forms::vbExclamation + forms::vbOKOnly);
}

} // namespace

void Dommere_Init::C_SlettDommer_Click() {
    MSFlexGrid1.SetCol(0);
    const std::string celle = MSFlexGrid1.Text();
    // The heading row ("Nr") is current after every filling of the grid: no referee to delete.
    if (!vb::IsNumeric(vb::Variant(celle))) return ingenDommerValgt();
    const double verdi = vb::Val(celle);
    if (verdi < -32768 || verdi > 32767) return ingenDommerValgt();
    state::ValgtDommer = vb::CInt(vb::Variant(verdi));

    state::Utvalg = state::DBase2.OpenRecordset("select * from Dommere where Dommernr = ?", dao::dbOpenDynaset,
                                                {vb::Variant(state::ValgtDommer)});
    if (state::Utvalg.EOF_()) return ingenDommerValgt();
    const std::string sporsmal = "Vil du virkelig slette Dommer : " + vb::CStr(state::Utvalg.Get("DommerNR")) + " " +
                                 vb::Concat(state::Utvalg.Get("Dommer_FNavn"), " ") +
                                 vb::Concat(state::Utvalg.Get("Dommer_ENavn"), "?");
    if (forms::MsgBox(sporsmal, forms::vbQuestion + forms::vbYesNo, "Slette Dommer") != forms::vbYes) return;

    // The referee (duplicates included) and every match row of his number go together.
    I_Transaksjon([this] {
        state::DBase2.Execute("delete from Dommere where Dommernr = ?", {vb::Variant(state::ValgtDommer)});
        Sletter_TData();
    });
    Fyll_List1();
    Fyll_MSFlexgrid1();
    Tell_Dommere();
    Nullstill_Felter();
}

void Dommere_Init::Sletter_TData() {
    state::DBase2.Execute("delete from Dommertabell where Dommernr = ?", {vb::Variant(state::ValgtDommer)});
}

void Dommere_Init::SSCommand10_Click() {
    state::Svar = static_cast<int16_t>(forms::MsgBox("Ønsker du virkelig å slette dommerdata for alle dommere?",
                                                     forms::vbYesNo, "Nullstilling av dommerdata!"));
    if (state::Svar != forms::vbYes) return;
    I_Transaksjon([] { state::DBase2.Execute("Delete from Dommertabell"); });
    Fyll_MSFlexgrid1();
}

void Dommere_Init::Command1_Click() {
    List2.Clear();
    dao::Recordset nr = state::DBase2.OpenRecordset(
        "Select DommerNR from Dommere Where DommerNR Is Not Null Order by DommerNR", dao::dbOpenSnapshot);
    std::vector<int> tatt;
    for (; !nr.EOF_(); nr.MoveNext()) tatt.push_back(vb::CLng(nr.Get(0)));
    // An empty register has no highest number, and so no free number below it.
    if (tatt.empty() || tatt.back() < 1) return;
    const int hoyeste = tatt.back();
    std::vector<bool> holdt(static_cast<std::size_t>(hoyeste) + 1, false);
    for (int n : tatt)
        if (n >= 1) holdt[static_cast<std::size_t>(n)] = true;
    for (int i = 1; i < hoyeste; ++i)
        if (!holdt[static_cast<std::size_t>(i)]) List2.AddItem(std::to_string(i));
}
