#pragma once
// The duplicates of the last result file read in, in a grid, with their printout.
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class VisDuplikater : public forms::Form {
public:
    VisDuplikater();

    forms::Label Label1{this, "Label1"};
    forms::MSFlexGrid MSFlexGrid1{this, "MSFlexGrid1"};
    forms::SSCommand SSCommand2{this, "SSCommand2"};
    forms::SSCommand SSCommand1{this, "SSCommand1"};

    void Form_Load() override;
    void Form_Activate() override;
    void SSCommand1_Click();
    void SSCommand2_Click();
};

// Sets up the grid of the one VisDuplikater window: no data rows, the ten headings.
void Init_Grid_Duplikater();

namespace innlesing {
// Shown when no result file has been read in since the program started.
inline constexpr const char* IngenFilMelding = "Ingen database for innleste data funnet!";
inline constexpr const char* IngenFilTittel = "Duplikat";
} // namespace innlesing
