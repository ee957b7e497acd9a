#pragma once
// The e-mail window: signs on to the mail system, composes the letter to the
// clubs with the distribution file attached, and hands it to the mail client.
// A clock and the on-line state show in its status bar.
#include <memory>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Line.h"
#include "platform/mail/Mail.h"

class VBMail : public forms::Form {
public:
    VBMail();

    forms::PictureBox Picture2{this, "Picture2"};
    forms::ControlArray<forms::Line> TopLine{this, "TopLine", {0}};
    forms::SSCommand Logon{this, "Logon"};
    forms::Label Label2{this, "Label2"};
    forms::Label Label6{this, "Label6"};
    forms::Label Label3{this, "Label3"};
    forms::TextBox Text1{this, "Text1"};
    forms::Label Label4{this, "Label4"};
    forms::TextBox Text2{this, "Text2"};
    forms::Label Label5{this, "Label5"};
    forms::TextBox Text3{this, "Text3"};
    forms::SSCommand SSCommand1{this, "SSCommand1"};
    forms::PictureBox Picture1{this, "Picture1"};
    forms::ControlArray<forms::Line> TopLine2{this, "TopLine2", {0, 1}};
    forms::ControlArray<forms::Line> MsgBoxLine{this, "MsgBoxLine", {0, 1}};
    forms::ControlArray<forms::Line> MsgBoxSide{this, "MsgBoxSide", {0, 1}};
    forms::ControlArray<forms::Line> TimeBoxLine{this, "TimeBoxLine", {0, 1}};
    forms::ControlArray<forms::Line> TimeBoxSide{this, "TimeBoxSide", {0, 1}};
    forms::Label MsgCountLbl{this, "MsgCountLbl"};
    forms::Label UnreadLbl{this, "UnreadLbl"};
    forms::Label TimeLbl{this, "TimeLbl"};
    forms::Timer Timer1{this, "Timer1"};

    mail::MAPISession MAPISess;
    mail::MAPIMessages MAPIMess;

    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(int& Cancel) override;
    void Logon_Click();
    void SSCommand1_Click();
    void Timer1_Timer();
    void Picture1_Resize();
    void Picture2_Resize();

    // The client area's size: the window less its border and title bar.
    int ScaleWidth() const;
    int ScaleHeight() const;

private:
    void Utform();
    void UtformStatuslinje();
    // Back to the off-line state after a hand-over that did not reach a mail client.
    void avLinje();
    // The outcome of a hand-over, told to the user; it may come after the window has gone.
    static void visUtfall(const mail::Delivery& levering);
    // Lives as long as this window: a hand-over's answer finds out whether it is still there.
    std::shared_ptr<int> levende_ = std::make_shared<int>(0);
};

// The attachment: the distribution file in "DommerDistribusjon" under the program folder.
std::string VedleggSti();
// The letter to the clubs, its lines joined by line feeds.
std::string Brevtekst();
