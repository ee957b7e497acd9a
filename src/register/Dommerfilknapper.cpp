// The register window's two buttons for the distribution file.
#include "distribution/Dommerfil.h"
#include "distribution/TilDommerFil.h"
#include "platform/forms/Runtime.h"
#include "register/Dommere_Init.h"

void Dommere_Init::C_Lag_Dommerfil_Click() {
    dommerfil::Skriv(dommerfil::Inngang::Registerknapp, dommerfil::StiIDatamappen());
}

void Dommere_Init::SSCommand11_Click() {
    forms::Screen.SetMousePointer(forms::vbHourglass);
    forms::Default<TilDommerFil>().Show();
    forms::Screen.SetMousePointer(forms::vbDefault);
}
