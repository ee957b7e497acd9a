#pragma once
// The class-list window: the rows of Ranking_KlData in a grid, and the class
// name of one list to change.
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class ListeData : public forms::Form {
public:
    ListeData();

    forms::Label Label6{this, "Label6"};   // heading
    forms::MSFlexGrid MSFlexGrid1{this, "MSFlexGrid1"};

    forms::Label Label1{this, "Label1"};
    forms::TextBox Text1{this, "Text1"};
    forms::Label Label2{this, "Label2"};
    forms::TextBox Text2{this, "Text2"};
    forms::Label Label3{this, "Label3"};
    forms::TextBox Text3{this, "Text3"};
    forms::Label Label4{this, "Label4"};
    forms::TextBox Text4{this, "Text4"};
    forms::Label Label5{this, "Label5"};
    forms::TextBox Text5{this, "Text5"};

    forms::Frame Frame1{this, "Frame1"};
    forms::SSOption Option1{this, "Option1"};
    forms::SSOption Option2{this, "Option2"};
    forms::SSOption Option3{this, "Option3"};
    forms::Frame Frame2{this, "Frame2"};
    forms::SSOption Option4{this, "Option4"};
    forms::SSOption Option5{this, "Option5"};
    forms::Frame Frame3{this, "Frame3"};
    forms::SSOption Option6{this, "Option6"};
    forms::SSOption Option7{this, "Option7"};
    forms::SSOption Option8{this, "Option8"};

    forms::SSCommand SSCommand2{this, "SSCommand2"};
    forms::SSCommand SSCommand1{this, "SSCommand1"};

    void Form_Activate() override;
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    ~ListeData() override;
    void Fyll_Grid_Listedata();
    void MSFlexGrid1_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void SSCommand2_Click();
    void SSCommand1_Click();

private:
    void Utform();
    void modus(bool nyListe);
};
