#pragma once
// The main window: an MDI frame whose menus, command buttons and picture
// buttons open the windows of every part of the program.
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class Hovedmeny2 : public forms::Form {
public:
    Hovedmeny2();
    ~Hovedmeny2() override;

    // The menu bar, in its order. Each entry of the bar, and each item of a drop-down,
    // has an access letter of its own there.
    forms::Menu Fil{this, "Fil", "&Fil"};
    forms::Menu FilNyTurnering{this, "FilNyTurnering", "&Nytt DommerOppsett", &Fil};
    forms::Menu FilStrek1{this, "FilStrek1", "-", &Fil};
    forms::Menu LesInn_Dommere{this, "LesInn_Dommere", "Hent &Dommere fra eksisterende database", &Fil};
    forms::Menu FilHentFil{this, "FilHentFil", "&Hent Fil", &Fil};
    forms::Menu FilLagreFilSom{this, "FilLagreFilSom", "Lagre Fil &Som", &Fil};
    forms::Menu FilStrek2{this, "FilStrek2", "-", &Fil};
    forms::Menu Printer_Oppsett{this, "Printer_Oppsett", "Skriver&Oppsett", &Fil};
    forms::Menu Printer_FontOppsett{this, "Printer_FontOppsett", "Skriver&FontOppsett", &Fil};
    forms::Menu FilStrek3{this, "FilStrek3", "-", &Fil};
    forms::Menu FilAvslutt{this, "FilAvslutt", "Avslutt &KvistrelDommer", &Fil};
    forms::Menu Dommere_Initielle{this, "Dommere_Initielle", "Administrasjon av &Dommere"};
    forms::Menu Dommer_Turneringsdata{this, "Dommer_Turneringsdata", "Dommer &Turneringsdata"};
    forms::Menu Dommer_Administrasjon{this, "Dommer_Administrasjon", "&Administrasjon av Dommere", &Dommer_Turneringsdata};
    forms::Menu Hent_Dommer_Fil{this, "Hent_Dommer_Fil", "&Hent Turneringsdata", &Dommer_Turneringsdata};
    forms::Menu Ny_Dommerfil{this, "Ny_Dommerfil", "Di&stribusjon av dommerfil"};
    forms::Menu Hjelp{this, "Hjelp", "&Hjelp"};
    forms::Menu HjelpIndex{this, "HjelpIndex", "&Index", &Hjelp};
    forms::Menu HjelpOmHjelp{this, "HjelpOmHjelp", "&Hjelp om Hjelp", &Hjelp};
    forms::Menu HjelpOMKvistrel{this, "HjelpOMKvistrel", "&Om KvistrelDommer versjon", &Hjelp};
    forms::Menu HjelpStrek1{this, "HjelpStrek1", "-", &Hjelp};
    forms::Menu HjelpSystemData{this, "HjelpSystemData", "System&Data", &Hjelp};
    forms::Menu HjelpKonfigurasjon{this, "HjelpKonfigurasjon", "&Konfigurasjon", &Hjelp};
    forms::Menu HjelpStrek2{this, "HjelpStrek2", "-", &Hjelp};
    forms::Menu HjelpOppgradering{this, "HjelpOppgradering", "Opp&gradering", &Hjelp};
    forms::Menu HjelpStrek3{this, "HjelpStrek3", "-", &Hjelp};
    forms::Menu TurneringsdataSlettet{this, "TurneringsdataSlettet", "Historiske &Turneringsdata", &Hjelp};
    forms::Menu Avslutt{this, "Avslutt", "&Avslutt"};

    // The button bar with everything on it.
    forms::PictureBox Picture2{this, "Picture2"};   // windows place themselves below it
    forms::SSCommand G_Fil{this, "G_Fil"};
    forms::SSCommand G_Disk{this, "G_Disk"};
    forms::SSCommand G_Ny{this, "G_Ny"};
    forms::SSCommand G_Printer{this, "G_Printer"};
    forms::SSCommand G_Res{this, "G_Res"};
    forms::SSCommand D_Rapport{this, "D_Rapport"};
    forms::SSCommand SSCommand1{this, "SSCommand1"};
    forms::SSCommand SSCommand2{this, "SSCommand2"};
    forms::SSCommand SSCommand3{this, "SSCommand3"};
    forms::SSCommand SSCommand4{this, "SSCommand4"};
    forms::SSCommand G_Hjelp{this, "G_Hjelp"};
    forms::Image logo2{this, "logo2"};
    forms::SSPanel Panel3D1{this, "Panel3D1"};
    forms::CommonDialog cmdialog1{this, "cmdialog1"};

    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_Unload(int& Cancel) override;

    // Menus.
    void FilNyTurnering_Click();
    void LesInn_Dommere_Click();
    void FilHentFil_Click();
    void FilLagreFilSom_Click();
    void Printer_Oppsett_Click();
    void FilAvslutt_Click();
    void Dommere_Initielle_Click();
    void Hent_Dommer_Fil_Click();
    void Ny_Dommerfil_Click();
    void HjelpOMKvistrel_Click();
    void HjelpSystemData_Click();
    void TurneringsdataSlettet_Click();
    void Avslutt_Click();

    // Command buttons.
    void SSCommand1_Click();
    void SSCommand2_Click();
    void SSCommand3_Click();
    void SSCommand4_Click();

    // Picture buttons, logo and help button.
    void G_Fil_Click();
    void G_Res_Click();
    void G_Ny_Click();
    void G_Printer_Click();
    void D_Rapport_Click();
    void Bildeknapp_MouseDown(forms::SSCommand& knapp, int Button);
    void Info_MouseUp(int Button);
    void logo2_MouseDown();
    void G_Hjelp_MouseDown();

private:
    void Utform();
    void Kople();
};
