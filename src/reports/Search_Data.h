#pragma once
// The window of referee search results: every search appends its matches to
// the grid, which keeps earlier results while the window stays open.
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <string>

// The result line of a name search; empty when both names are empty.
std::string Navnesok_Tekst(const std::string& fornavn, const std::string& etternavn);

class Search_Data : public forms::Form {
public:
    Search_Data();

    forms::Label Label1{this, "Label1"};
    // The grid has no heading row: these grey boxes stand above its columns.
    forms::TextBox Text1{this, "Text1"};
    forms::TextBox Text2{this, "Text2"};
    forms::TextBox Text3{this, "Text3"};
    forms::TextBox Text4{this, "Text4"};
    forms::TextBox Text5{this, "Text5"};
    forms::TextBox Text6{this, "Text6"};
    forms::TextBox Text7{this, "Text7"};
    forms::MSFlexGrid MSFlexGrid1{this, "MSFlexGrid1"};
    forms::SSCommand SSCommand2{this, "SSCommand2"};
    forms::SSCommand SSCommand1{this, "SSCommand1"};

    void Form_Load() override;
    void SSCommand1_Click();
    void SSCommand2_Click();
};
