#include "frame/Hovedmeny2.h"

#include <functional>

#include "database/Database.h"
#include "database/NyDBase.h"
#include "distribution/VBMail.h"
#include "frame/FraFil.h"
#include "frame/FraFil_Dommerbase.h"
#include "frame/Main.h"
#include "frame/TilFil.h"
#include "import/HentDommerFil.h"
#include "matches/VisSletteData.h"
#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "ranking/ListeData.h"
#include "ranking/Ranking.h"
#include "register/Dommere_Init.h"
#include "shared/Gate.h"
#include "shared/Knapperad.h"
#include "state/ProgramState.h"

Hovedmeny2::Hovedmeny2() : Form("Hovedmeny2") {
    shared::SettKnapperad(Picture2);
    IsMDIForm = true;
    SetCaption("KvistrelDommer");
    WindowState = forms::vbMaximized;
    Move(0, 0, forms::Screen.Width, forms::Screen.Height);

    Fil.HelpContextID = 10;
    FilNyTurnering.HelpContextID = 11;
    FilHentFil.HelpContextID = 12;
    FilLagreFilSom.HelpContextID = 14;
    Printer_Oppsett.HelpContextID = 210;
    Printer_FontOppsett.HelpContextID = 220;
    HjelpKonfigurasjon.HelpContextID = 200;
    TurneringsdataSlettet.HelpContextID = 20;
    // Switched off in the design; nothing switches them on.
    for (forms::Menu* av : {&Printer_FontOppsett, &Dommer_Administrasjon, &HjelpIndex, &HjelpOmHjelp,
                            &HjelpKonfigurasjon, &HjelpOppgradering})
        av->SetEnabled(false);

    Utform();
    Kople();
}

Hovedmeny2::~Hovedmeny2() { shared::GlemKnapperad(Picture2); }

void Hovedmeny2::Form_Load() {
    using forms::Screen;
    // Any error ends the load step silently (no step here touches the printer).
    try {
        forms::Timeglass timeglass;
        SetCaption(std::string(state::ProgramName) + " " + state::ProgramVersion);
        if (state::Skjermformat == "640 x 480") {
            Picture2.SetVisible(false);
        } else {
            Picture2.SetVisible(true);
            Panel3D1.SetVisible(true);
        }
        logo2.SetLeft(Screen.Width - logo2.Width());
        G_Hjelp.SetLeft(logo2.Left() - G_Hjelp.Width());
        forms::App.HelpFile = forms::App.Path + "/KVISTREL.HLP";
        state::Katalog = forms::App.Path;
        Tom_Rutine();
        Sett_Filmonster();
    } catch (const vb::Err&) {
    }
}

void Hovedmeny2::Form_QueryUnload(int& /*Cancel*/, int /*UnloadMode*/) {
    // Tells the help viewer to close the program's help file.
    cmdialog1.HelpFile = files::Join(forms::App.Path, "Kvistrel.HLP");
    cmdialog1.HelpCommand = 2;
    try { cmdialog1.ShowHelp(); } catch (const vb::Err&) {}
}

void Hovedmeny2::Form_Unload(int& /*Cancel*/) { forms::CurrentHost().endProgram(); }

void Hovedmeny2::FilNyTurnering_Click() {
    forms::Default<NyDBase>().Show(forms::vbModal);
    if (state::Avbrutt == 0) Opprett_Ny_Database();
}

void Hovedmeny2::LesInn_Dommere_Click() {
    if (shared::IngenDatabaseApen()) return;
    if (state::DBase2.IsNothing() || !state::DBase2.IsOpen()) {
        forms::MsgBox("Åpne den nye databasen først og prøv igjen!", forms::vbExclamation);
        return;
    }
    try {
        state::Utvalg = state::DBase2.OpenRecordset("Select * from dommere");
        if (state::Utvalg.RecordCount() < 1) {
            // Utvalg stays open on the empty table: the read-in appends to it.
            forms::Default<FraFil_Dommerbase>().Show(forms::vbModal);
        } else {
            forms::MsgBox(shared::HarDommereMelding, forms::vbExclamation);
        }
    } catch (const vb::Err&) {
    }
}

void Hovedmeny2::FilHentFil_Click() { forms::Default<FraFil>().Show(forms::vbModal); }

void Hovedmeny2::FilLagreFilSom_Click() {
    // With no database there is nothing to copy: the gate says so before any name is asked for.
    if (shared::IngenDatabaseApen()) return;
    forms::Default<TilFil>().Show(forms::vbModal);
}

void Hovedmeny2::Printer_Oppsett_Click() {
    try {
        cmdialog1.CancelError = true;
        cmdialog1.ShowPrinter();
    } catch (const vb::Err&) {
    }
}

void Hovedmeny2::FilAvslutt_Click() {
    for (dao::Database* db : {&state::DBase, &state::DBaseFil, &state::DBase2}) {
        try { if (!db->IsNothing()) db->Close(); } catch (const vb::Err&) {}
    }
    forms::CurrentHost().endProgram();
}

void Hovedmeny2::Avslutt_Click() { FilAvslutt_Click(); }

void Hovedmeny2::Dommere_Initielle_Click() {
    if (shared::IngenDatabaseApen()) return;
    forms::Default<Dommere_Init>().Show();
}

void Hovedmeny2::Hent_Dommer_Fil_Click() {
    if (shared::IngenDatabaseApen()) return;
    forms::Default<HentDommerFil>().Show();
}
void Hovedmeny2::Ny_Dommerfil_Click() {
    if (shared::IngenDatabaseApen()) return;
    forms::Default<VBMail>().Show();
}
void Hovedmeny2::SSCommand1_Click() { Ny_Dommerfil_Click(); }
void Hovedmeny2::SSCommand2_Click() { Hent_Dommer_Fil_Click(); }

void Hovedmeny2::SSCommand3_Click() {
    if (shared::IngenDatabaseApen()) return;
    forms::Default<Ranking>().Show();
}

void Hovedmeny2::SSCommand4_Click() {
    if (shared::IngenDatabaseApen()) return;
    forms::Default<ListeData>().Show();
}

void Hovedmeny2::TurneringsdataSlettet_Click() {
    if (shared::IngenDatabaseApen()) return;
    forms::Default<VisSletteData>().Show();
}

void Hovedmeny2::HjelpOMKvistrel_Click() {
    forms::MsgBox(std::string(state::ProgramName) + vb::vbCr + state::ProgramVersion, forms::vbInformation,
                  "Om KvistrelDommer");
}

void Hovedmeny2::HjelpSystemData_Click() {
    // A named database that is not open (a failed open, a save-as) would make
    // the system data fail on the closed handle.
    if (shared::IngenDatabaseApen(shared::GateMeldingSystemdata)) return;
    if (state::DBase.IsNothing() || !state::DBase.IsOpen()) {
        forms::MsgBox(shared::GateMeldingSystemdata, forms::vbExclamation);
        return;
    }
    Vis_Systemdata();
}
