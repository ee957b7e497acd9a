// The report mode's buttons: each starts one referee report or search; and what the
// reports read from the window.
#include "register/Dommere_Init.h"
#include "reports/Rapporter.h"
#include "state/ProgramState.h"

void Dommere_Init::C_SkrivRapport_Click() { Print_Registrerte_Dommere(); }

void Dommere_Init::SSCommand3_Click() { Print_Dommer_Rapport(); }

// The search print takes its title from the kind of the last search, also one
// that stopped at its empty-input message.
void Dommere_Init::SSCommand4_Click() {
    Sok_Navn();
    state::SokKlubb = 0;
}

void Dommere_Init::SSCommand5_Click() {
    Sok_Lag();
    state::SokKlubb = -1;
}

void Dommere_Init::SSCommand6_Click() { Print_Antall_Domte_Kamper(); }

void Dommere_Init::SSCommand8_Click() {
    int16_t spill = 1;
    Print_Dommerstatus(spill);
}

void Dommere_Init::SSCommand9_Click() {
    int16_t spill = 2;
    Print_Dommerstatus(spill);
}

int Dommere_Init::Rapporttype() const {
    const forms::SSOption* valg[] = {&SSOption1,  &SSOption2,  &SSOption3,  &SSOption4,  &SSOption5,
                                     &SSOption6,  &SSOption7,  &SSOption8,  &SSOption9,  &SSOption10,
                                     &SSOption11, &SSOption12, &SSOption13, &SSOption14, &SSOption15};
    for (int i = 0; i < 15; ++i)
        if (valg[i]->Value()) return i + 1;
    return 0;
}

std::string Dommere_Init::Sokefornavn() const { return Text1.Text(); }
std::string Dommere_Init::Sokeetternavn() const { return Text2.Text(); }
std::string Dommere_Init::Sokelag() const { return Text3.Text(); }
