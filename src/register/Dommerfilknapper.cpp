// The register window's two buttons for the distribution file.
#include "distribution/Dommerfil.h"
#include "distribution/TilDommerFil.h"
#include "register/Dommere_Init.h"

void Dommere_Init::C_Lag_Dommerfil_Click() {
    dommerfil::Skriv(dommerfil::Inngang::Registerknapp, dommerfil::StiIDatamappen());
}

// Modal, as every chooser: the file is written from the database open when it was chosen.
void Dommere_Init::SSCommand11_Click() { forms::Default<TilDommerFil>().Show(forms::vbModal); }
