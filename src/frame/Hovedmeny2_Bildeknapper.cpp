// The picture buttons: a left click starts the function, a right press
// explains it in the info window until the button is released.
#include <string>

#include "database/Database.h"
#include "frame/Hovedmeny2.h"
#include "frame/POPUP.h"
#include "import/Dommer2.h"
#include "matches/Dommer.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "register/Dommere_Init.h"
#include "shared/Gate.h"
#include "state/ProgramState.h"

namespace {

struct Info { const char* tittel; const char* forklaring; };

Info InfoFor(const Hovedmeny2& h, const forms::SSCommand& knapp) {
    if (&knapp == &h.G_Disk) return {"LAGRE FIL", "Hurtigknapp for å lagre resultat-fil, Trykk venstre muse-knapp for å aktivisere funksjonen"};
    if (&knapp == &h.G_Fil) return {"HENT FIL", "Hurtigknapp for å hente ny resultat-fil, Trykk venstre muse-knapp for å aktivisere funksjonen"};
    if (&knapp == &h.G_Ny) return {"NY TURNERING", "Hurtigknapp for å definere ny turnering, Trykk venstre muse-knapp for å aktivisere funksjonen"};
    if (&knapp == &h.G_Printer) return {"Dommere", "Hurtigknapp for å administrere dommere, Trykk venstre muse-knapp for å aktivisere funksjonen"};
    return {"Dommer Rapporter", "Hurtigknapp for å vise dommerrapporter, Trykk venstre muse-knapp for å aktivisere funksjonen"};
}

} // namespace

void Hovedmeny2::G_Fil_Click() {
    if (state::Museknapp == forms::vbLeftButton) FilHentFil_Click();
}

void Hovedmeny2::G_Res_Click() {
    if (shared::IngenDatabaseApen()) return;
    forms::Default<Dommer>().Show();
}

void Hovedmeny2::G_Ny_Click() { Ny_Turnering(); }

void Hovedmeny2::G_Printer_Click() {
    if (shared::IngenDatabaseApen()) return;
    forms::Default<Dommere_Init>().Show();
}

void Hovedmeny2::D_Rapport_Click() {
    if (shared::IngenDatabaseApen()) return;
    forms::Default<Dommer2>().Show();
}

void Hovedmeny2::Bildeknapp_MouseDown(forms::SSCommand& knapp, int Button) {
    state::Museknapp = static_cast<int16_t>(Button);
    if (Button != forms::vbRightButton) return;
    auto& popup = forms::Default<POPUP>();
    const Info info = InfoFor(*this, knapp);
    popup.Melding.SetCaption(std::string(info.tittel) + vb::vbCr + info.forklaring);
    if (&knapp != &D_Rapport) popup.SetLeft(knapp.Left());
    popup.Show();
}

void Hovedmeny2::Info_MouseUp(int Button) {
    if (Button == forms::vbRightButton && forms::IsLoaded<POPUP>()) forms::Default<POPUP>().Unload();
}

void Hovedmeny2::logo2_MouseDown() {
    auto& popup = forms::Default<POPUP>();
    const std::string cr = vb::vbCr;
    popup.Melding.SetCaption("KvistrelDommer " + cr + state::ProgramVersion + cr + " LOGO");
    popup.SetLeft(logo2.Left() + logo2.Width() - popup.Width());
    popup.Show();
}

void Hovedmeny2::G_Hjelp_MouseDown() {
    forms::MsgBox("Ingen online hjelp tilgjengelig for øyeblikket!", forms::vbExclamation);
}
