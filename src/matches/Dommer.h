#pragma once
// The match entry window: every referee with his count of active matches, the
// active matches of the selected one, the boxes of one match to enter by hand,
// soft deletion, the duplicate list, and the printed match reports.
// (The selected match is forgotten with Nullstill_Valgt_Kamp() of matches/ValgtKamp.h.)
#include "matches/Kampvindu.h"

class Dommer : public Kampvindu {
public:
    Dommer();

    // Home team, away team, home points, away points of the match to enter.
    forms::ControlArray<forms::Label> Label6{this, "Label6", {0, 1, 2, 3}};
    forms::ControlArray<forms::TextBox> Text8{this, "Text8", {0, 1, 2, 3}};

    forms::SSCommand SSCommand2{this, "SSCommand2"};
    forms::SSCommand SSCommand3{this, "SSCommand3"};
    forms::SSCommand SSCommand5{this, "SSCommand5"};
    forms::SSCommand SSCommand4{this, "SSCommand4"};
    forms::SSCommand SSCommand7{this, "SSCommand7"};

    // True while the match grid shows the duplicate list.
    bool Duplikatmodus = false;

    void Form_Load() override;
    void MSFlexGrid2_Click();
    void MSFlexGrid1_Click();

    // Saves the match typed in; the checks come first.
    void SSCommand2_Click();
    // Soft-deletes the picked match after a question.
    void SSCommand3_Click();
    // Enters or leaves the duplicate list.
    void SSCommand5_Click();
    void Overskrift_Duplikatliste();
    // The printed match list of the referee in Text4, and that of all referees.
    void SSCommand4_Click();
    void SSCommand7_Click();
    void Overskrift1();
    void Overskrift2();
    // The report files of all referees and of the referee in Text4.
    void SSCommand8_Click();
    void SSCommand9_Click();

private:
    std::span<const shared::Kolonne> kampkolonner() const override;
    void kampgridTomt() override;
    void tilbakeTilKamplisten() override;
    // Entry layout or duplicate list: flag, captions, visible and enabled controls together.
    void visDuplikatmodus(bool liste);
    // Texts too long for their columns and points that are no Integer: the message, or "".
    std::string feilIInntasting();
    void Registrer_Kamp();
};
