#pragma once
// A window holding one of every control kind, laid out as a designer would,
// with counters of the events the tests look for.
#include <string>
#include <vector>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace qtviewtest {

// Pixels to twips, so that the layout below reads in pixels.
constexpr int T(int pixels) { return pixels * 15; }

class AllControlsForm : public forms::Form {
public:
    // folder: where the drive, folder and file lists look.
    explicit AllControlsForm(const std::string& folder);

    forms::Menu mnuFil{this, "mnuFil", "&Fil"};
    forms::Menu mnuFilAapne{this, "mnuFilAapne", "&Åpne database", &mnuFil};
    forms::Menu mnuFilStrek{this, "mnuFilStrek", "-", &mnuFil};
    forms::Menu mnuFilSkriver{this, "mnuFilSkriver", "Skriver&FontOppsett", &mnuFil};
    forms::Menu mnuFilAvslutt{this, "mnuFilAvslutt", "Avslutt &KvistrelDommer", &mnuFil};
    forms::Menu mnuDommere{this, "mnuDommere", "Administrasjon av Dommere"};

    forms::Label Label1{this, "Label1"};
    forms::TextBox Text1{this, "Text1"};
    forms::Label Label2{this, "Label2"};
    forms::MaskEdBox MaskedEdit1{this, "MaskedEdit1"};
    forms::Frame Frame1{this, "Frame1"};
    forms::OptionButton Option1{this, "Option1"};
    forms::OptionButton Option2{this, "Option2"};
    forms::CheckBox Check1{this, "Check1"};
    forms::Frame Frame2{this, "Frame2"};
    forms::OptionButton Option3{this, "Option3"};
    forms::OptionButton Option4{this, "Option4"};
    forms::CheckBox Check2{this, "Check2"};
    forms::ListBox List1{this, "List1"};
    forms::ComboBox Combo1{this, "Combo1"};
    forms::PictureBox Picture1{this, "Picture1"};
    forms::Label Label3{this, "Label3"};
    forms::MSFlexGrid MSFlexGrid1{this, "MSFlexGrid1"};
    forms::Image logo2{this, "logo2"};
    forms::SSCommand G_Res{this, "G_Res"};
    forms::SSCommand G_Fil{this, "G_Fil"};
    forms::CommandButton C_Lagre{this, "C_Lagre"};
    forms::CommandButton C_Avbryt{this, "C_Avbryt"};
    forms::DriveListBox Drive1{this, "Drive1"};
    forms::DirListBox Dir1{this, "Dir1"};
    forms::FileListBox File1{this, "File1"};
    forms::SSPanel Panel3D1{this, "Panel3D1"};
    forms::Label Label4{this, "Label4"};
    forms::StatusBar StatusBar1{this, "StatusBar1"};
    forms::Timer Timer1{this, "Timer1"};
    forms::CommonDialog cmdialog1{this, "cmdialog1"};

    // What the handlers saw.
    std::vector<std::string> events;
    std::vector<std::string> changes;     // Text1's text at each Change
    std::vector<int> mouseDowns, mouseUps;
    std::vector<int> formKeys;
    int queryCancel = 0;                  // what Form_QueryUnload answers
    int activations = 0;

    void Form_Activate() override { ++activations; }
    void Form_KeyDown(int& KeyCode, int) override { formKeys.push_back(KeyCode); }
    void Form_QueryUnload(int& Cancel, int UnloadMode) override {
        events.push_back("QueryUnload " + std::to_string(UnloadMode));
        Cancel = queryCancel;
    }
};

} // namespace qtviewtest
