#pragma once
// The import window: the tournament data, file status and every row of the
// result file last opened, the counts of the last regular import, and the
// buttons that choose a file, print it, choose a printer and show the duplicates.
#include <string>

#include "platform/dao/Dao.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class HentDommerFil : public forms::Form {
public:
    HentDommerFil();

    forms::ControlArray<forms::Label> Label1{this, "Label1", {0, 1, 2}};
    forms::ControlArray<forms::TextBox> Text1{this, "Text1", {0, 1, 2}};
    forms::MSFlexGrid MSFlexGrid1{this, "MSFlexGrid1"};
    forms::Label Label2{this, "Label2"};
    forms::TextBox Text2{this, "Text2"};
    forms::Label Label3{this, "Label3"};
    forms::TextBox Text3{this, "Text3"};
    forms::Label Label4{this, "Label4"};
    forms::TextBox Text4{this, "Text4"};
    forms::Label Label5{this, "Label5"};
    forms::TextBox Text5{this, "Text5"};
    forms::SSCommand HentDommere{this, "HentDommere"};
    forms::SSCommand SSCommand2{this, "SSCommand2"};
    forms::SSCommand SSCommand4{this, "SSCommand4"};
    forms::SSCommand SSCommand3{this, "SSCommand3"};
    forms::SSCommand SSCommand1{this, "SSCommand1"};
    forms::SSCheck SSCheck1{this, "SSCheck1"};
    forms::CommonDialog CmDialog1{this, "CmDialog1"};

    void Form_Load() override;
    void Form_Activate() override;
    void HentDommere_Click();
    void SSCommand1_Click();
    void SSCommand2_Click();
    void SSCommand3_Click();
    void SSCommand4_Click();

    // The empty grid with its 11 headings.
    void Init_Grid_Dommerdata();
    // Tournament data, file status and rows of the result file the import just opened.
    void Vis_Dommerfil();
    // Back to the window as it opens: no file, no counts, nothing to print.
    void Tom_Vindu();

private:
    void Utform();
};

// A value appended to a row as one grid cell (Null as an empty one); shared by the grids of the result file.
void LeggTilCelle(std::string& rad, const vb::Variant& v);
