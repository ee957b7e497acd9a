#pragma once
// The dialog that asks for a new database's name.
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class NyDBase : public forms::Form {
public:
    NyDBase();

    forms::Label Label1{this, "Label1"};
    forms::MaskEdBox MaskedEdit1{this, "MaskedEdit1"};
    forms::CommandButton C_Ferdig{this, "C_Ferdig"};
    forms::CommandButton C_Avbryt{this, "C_Avbryt"};

    void Form_Load() override;
    void Form_KeyDown(int& KeyCode, int Shift) override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void C_Ferdig_Click();
    void C_Avbryt_Click();
};
