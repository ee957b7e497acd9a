#include "register/Dommere_Init.h"

#include "database/Apen.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "shared/Knapperad.h"
#include "state/ProgramState.h"

Dommere_Init::Dommere_Init() : forms::Form("Dommere_Init") {
    UtformTopp();
    UtformDommerfelter();
    UtformSpillOgRapporttyper();
    UtformKlassifisering();
    UtformKnapper();
    UtformListeOgTellere();
    UtformTabulator();

    // The window's design state: the new-referee mode with no class chosen.
    Option1.SetValue(true);
    Option10.SetValue(true);
    Option12.SetValue(true);
    Frame6.SetEnabled(false);
    for (auto* o : {&Option20, &Option21, &Option19}) o->SetEnabled(false);
    Frame2.SetEnabled(false);
    Frame3.SetEnabled(false);
    Label6.SetEnabled(false);
    for (auto* k : {&C_SlettDommer, &SSCommand10, &SSCommand3, &C_SkrivRapport, &C_ElektroniskRapport, &SSCommand6,
                    &SSCommand8, &SSCommand9})
        k->SetEnabled(false);

    Kople();
    Registervalg::Meld(*this);
}

void Dommere_Init::Kople() {
    SSCommand1.Click = [this] { SSCommand1_Click(); };
    SSCommand2.Click = [this] { SSCommand2_Click(); };
    SSCommand7.Click = [this] { SSCommand7_Click(); };
    MSFlexGrid1.Click = [this] { MSFlexGrid1_Click(); };
    C_SlettDommer.Click = [this] { C_SlettDommer_Click(); };
    SSCommand10.Click = [this] { SSCommand10_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    C_ElektroniskRapport.Click = [this] { C_ElektroniskRapport_Click(); };

    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    Option3.Click = [this] { Option3_Click(); };
    Option4.Click = [this] { Option4_Click(); };
    Option4.GotFocus = [this] { Option4_GotFocus(); };
    Option5.GotFocus = [this] { Option5_GotFocus(); };
    Option6.Click = [this] { Option6_Click(); };
    Option6.GotFocus = [this] { Option6_GotFocus(); };
    Option7.Click = [this] { Option7_Click(); };
    Option8.Click = [this] { Option8_Click(); };
    Option9.Click = [this] { Option9_Click(); };
    Option10.Click = [this] { Option10_Click(); };
    Option10.LostFocus = [this] { Option10_LostFocus(); };
    Command2.Click = [this] { Command2_Click(); };
    SSCheck1.Click = [this] { SSCheck1_Click(); };
    SSCheck2.Click = [this] { SSCheck2_Click(); };

    // Entering a box puts the caret after its text, nothing selected.
    for (auto* t : {&Text1, &Text2, &Text3, &Text5, &Text6, &Text7, &Text8, &Text9, &Text10, &Text14}) {
        t->GotFocus = [t] {
            t->SetSelStart(static_cast<int>(vb::Len(t->Text())));
            t->SetSelLength(0);
        };
    }
    Text14.LostFocus = [this] { Text14_LostFocus(); };

    // The report buttons (C_SkrivRapport, SSCommand3 to SSCommand6, SSCommand8, SSCommand9) and the distribution buttons (C_Lag_Dommerfil, SSCommand11) get
    // their handlers from the report and distribution modules.
    C_Lag_Dommerfil.Click = [this] { C_Lag_Dommerfil_Click(); };
    SSCommand11.Click = [this] { SSCommand11_Click(); };
    C_SkrivRapport.Click = [this] { C_SkrivRapport_Click(); };
    SSCommand3.Click = [this] { SSCommand3_Click(); };
    SSCommand4.Click = [this] { SSCommand4_Click(); };
    SSCommand5.Click = [this] { SSCommand5_Click(); };
    SSCommand6.Click = [this] { SSCommand6_Click(); };
    SSCommand8.Click = [this] { SSCommand8_Click(); };
    SSCommand9.Click = [this] { SSCommand9_Click(); };
}

void Dommere_Init::Form_Load() {
    SetLeft(120);
    SetTop(shared::Knapperadhoyde() + 750);
    // Another database opened (or a failed open that fell back) shows at once.
    turneringsdb::NarDatabasenEndres(this, [this] { Form_Activate(); });
}

void Dommere_Init::Form_Unload(int& /*Cancel*/) {
    turneringsdb::GlemDatabaseendring(this);
    Registervalg::Glem(*this);
}

// A window may also go without its unload (a reset at the end of the program).
Dommere_Init::~Dommere_Init() {
    turneringsdb::GlemDatabaseendring(this);
    Registervalg::Glem(*this);
}

void Dommere_Init::Form_Activate() {
    Frame2.SetEnabled(false);
    Frame3.SetEnabled(false);
    List2.Clear();
    Text11.SetText("");
    Text12.SetText("");
    Text13.SetText("");
    // Before any database is named there is nothing to show.
    if (state::Databasenavn.empty()) {
        rutenettOverskrift();
        return;
    }
    Fyll_List1();
    Fyll_MSFlexgrid1();
    Tell_Dommere();
    // Read through the handle just reopened: at the first opening DBase is not open yet.
    visStempel(state::DBase2);
}

void Dommere_Init::SSCommand1_Click() {
    Unload();
    forms::Screen.SetMousePointer(forms::vbDefault);
}
