#pragma once
// The folder chooser for the distribution file: drive and folder lists, the
// fixed file name, a box and a button for making a new folder. Its buttons only
// hide it, so it keeps its folder and typed name between uses.
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class TilDommerFil : public forms::Form {
public:
    TilDommerFil();

    forms::Label PathSpec{this, "PathSpec"};
    forms::Frame Frame1{this, "Frame1"};
    forms::SSPanel SSPanel1{this, "SSPanel1"};
    forms::DriveListBox DriveDropDown{this, "DriveDropDown"};
    forms::DirListBox DirsBox{this, "DirsBox"};
    forms::Frame Frame3{this, "Frame3"};
    forms::TextBox Text1{this, "Text1"};
    forms::SSCommand SSCommand2{this, "SSCommand2"};
    forms::ControlArray<forms::SSCommand> SSCommand1{this, "SSCommand1", {0, 1}};
    forms::Frame Frame2{this, "Frame2"};
    forms::SSPanel SSPanel2{this, "SSPanel2"};

    void Form_Load() override;
    void DirsBox_Change();
    void DriveDropDown_Change();
    void SSCommand1_Click(int Index);
    void SSCommand2_Click();
    // Writes the distribution file into Katalog (ending in "/").
    void Lagre_Dommerfil();

private:
    void Utform();
};
