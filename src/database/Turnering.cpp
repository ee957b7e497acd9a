// The tournament data: the window that edits them and the system data box.
#include "database/Database.h"
#include "database/Tdata.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

void Ny_Turnering() {
    forms::Timeglass timeglass;
    Tdata& vindu = forms::Default<Tdata>();
    vindu.Show();
    vindu.Refresh();
}

void Vis_Systemdata() {
    state::UtvalgVersjon = state::DBase.OpenRecordset("Versjon", dao::dbOpenDynaset);
    const dao::Recordset& rs = state::UtvalgVersjon;
    auto verdi = [&rs](const char* felt) {
        const vb::Variant v = rs.Get(felt);
        return v.IsNull() ? std::string() : vb::CStr(v);
    };
    const std::string cr = vb::vbCr;
    const std::string tekst = "FØLGENDE DATA GJELDER : " + cr + cr +
                              "Navn   : " + verdi("Turneringsnavn") + cr +
                              "KvistrelDommer versjon : " + state::ProgramVersionShort + cr +
                              "Database versjon       : " + verdi("DatabaseID") + cr +
                              "Database opprettet    : " + verdi("LagetDato") + cr;
    state::UtvalgVersjon.Close();
    state::Svar = static_cast<int16_t>(
        forms::MsgBox(tekst, forms::vbInformation + forms::vbOKOnly, "KvistrelDommer - SYSTEM DATA"));
}
