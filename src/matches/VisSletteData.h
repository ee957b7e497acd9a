#pragma once
// The soft-deleted matches (Status 3) with their deletion dates, on screen and
// on paper. It only reads: nothing here restores a match.
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class VisSletteData : public forms::Form {
public:
    VisSletteData();

    forms::Label Label1{this, "Label1"};
    forms::MSFlexGrid MSFlexGrid1{this, "MSFlexGrid1"};
    forms::SSCommand SSCommand2{this, "SSCommand2"};
    forms::SSCommand SSCommand1{this, "SSCommand1"};

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    ~VisSletteData() override;
    void Form_Activate() override;
    void SSCommand1_Click();
    void SSCommand2_Click();
};

// Heads the window's grid: the heading row only, alignments, widths, headings.
void Init_Grid_Slettede();
// Prints every deleted match.
void Print_Slettede_Data();
void Print_Overskrift_Slettede();
