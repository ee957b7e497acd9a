#pragma once
// The review window of imported matches: the referee grid, refreshed every time
// the window becomes active so that matches just read in count at once, the
// matches of one referee, and the way to the import and its duplicates.
#include "matches/Kampvindu.h"

class Dommer2 : public Kampvindu {
public:
    Dommer2();

    forms::SSCommand SSCommand5{this, "SSCommand5"};
    forms::SSCommand SSCommand2{this, "SSCommand2"};

    void Form_Load() override;
    void Form_Activate() override;
    void MSFlexGrid2_Click();
    void MSFlexGrid1_Click();
    void Text4_LostFocus();
    // The import window, and the duplicates of the last import.
    void SSCommand5_Click();
    void SSCommand2_Click();
    // The report files of all referees and of the referee in Text4.
    void SSCommand8_Click();
    void SSCommand9_Click();

private:
    std::span<const shared::Kolonne> kampkolonner() const override;
    // The game boxes show the picked referee's games here.
    void dommerGlemt() override;
};
