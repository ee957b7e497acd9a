#pragma once
// The tournament data window: name, date and place of the tournament, with the
// open file's name.
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class Tdata : public forms::Form {
public:
    Tdata();
    ~Tdata() override;

    forms::Label Text3{this, "Text3"};
    forms::TextBox T_DBasenavn{this, "T_DBasenavn"};
    forms::Label Text6{this, "Text6"};
    forms::TextBox Visturnering{this, "Visturnering"};
    forms::Label Text2{this, "Text2"};
    forms::TextBox T_Dato{this, "T_Dato"};
    forms::Label Text1{this, "Text1"};
    forms::TextBox T_Sted{this, "T_Sted"};
    forms::Label Label5{this, "Label5"};
    forms::CommandButton Command1{this, "Command1"};
    forms::CommandButton C_Avbryt{this, "C_Avbryt"};

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Command1_Click();
    void C_Avbryt_Click();
    void Visturnering_GotFocus();
    void T_Dato_GotFocus();

private:
    void Fyll();
};
