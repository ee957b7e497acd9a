// The e-mail window's layout: the peach face, the top band with the start
// button, the address and subject boxes, and the status bar with its boxes.
#include "distribution/VBMail.h"

namespace {

constexpr forms::Color Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }
constexpr forms::Color Bakgrunn = Rgb(255, 224, 192);
constexpr forms::Color Band = Rgb(255, 192, 128);
constexpr forms::Color Merknad = Rgb(255, 255, 192);
constexpr forms::Color Tekstfarge = Rgb(0, 0, 64);
constexpr forms::Color Gra = Rgb(192, 192, 192);
constexpr forms::Color Skygge = Rgb(128, 128, 128);

forms::Font Arial(double size) { return {"Arial", size}; }

// The client area, as the window was drawn.
constexpr int Bredde = 10005, Hoyde = 5835;
constexpr int Statuslinje = 330, Toppband = 765;

} // namespace

int VBMail::ScaleWidth() const { return Width() - 120; }
int VBMail::ScaleHeight() const { return Height() - 450; }

void VBMail::Utform() {
    SetCaption("Send dommerfil som epost....");
    Move(0, 0, Bredde + 120, Hoyde + 450);
    SetBackColor(Bakgrunn);

    Picture2.Align = 1;
    Picture2.Move(0, 0, Bredde, Toppband);
    Picture2.SetBackColor(Band);
    TopLine(0).SetContainer(&Picture2);
    TopLine(0).SetBorderColor(forms::vbWhite);
    TopLine(0).SetEnds(0, 0, Bredde, 0);
    Logon.SetContainer(&Picture2);
    Logon.SetCaption("Start epost sending!");
    Logon.SetPicture("Epost.svg");
    Logon.Move(360, 45, 3735, 660);
    Logon.SetFont(Arial(15.75));

    Label2.Move(240, 960, 7095, 855);
    Label2.WordWrap = true;
    Label2.SetFont(Arial(15.75));
    Label2.SetForeColor(Tekstfarge);
    Label6.SetCaption("Disse feltene er det valgfritt å fylle ut her, ....");
    Label6.Move(1440, 1920, 5535, 375);
    Label6.SetFont(Arial(12));
    Label6.SetBackColor(Merknad);
    Label3.SetCaption("epostadresse:");
    Label3.Move(120, 2400, 1215, 255);
    Label4.SetCaption("Subject/emne:");
    Label4.Move(120, 2760, 1335, 255);
    for (forms::Label* l : {&Label3, &Label4}) {
        l->SetFont(Arial(9.75));
        l->SetForeColor(Tekstfarge);
    }
    Text1.Move(1440, 2400, 5535, 285);
    Text2.Move(1440, 2760, 5535, 285);
    for (forms::TextBox* t : {&Text1, &Text2}) t->SetBackColor(Band);
    // The letter goes out as it is written: the user neither sees nor edits it.
    Label5.SetCaption("Melding til mottakere:");
    Label5.Move(120, 3120, 1935, 255);
    Label5.SetVisible(false);
    Text3.MultiLine = true;
    Text3.Move(1440, 3120, 5535, 1095);
    Text3.SetVisible(false);

    SSCommand1.SetCaption("Avbryt / Avslutt");
    SSCommand1.SetPicture("Avslutt.svg");
    SSCommand1.Move(8160, 4440, 1695, 855);
    SSCommand1.SetFont(Arial(12));
    SSCommand1.Cancel = true;

    UtformStatuslinje();
    Timer1.SetInterval(15000);

    // The optional address and subject first, then the button that sends.
    SetTabOrder({&Text1, &Text2, &Logon, &SSCommand1});
}

void VBMail::UtformStatuslinje() {
    Picture1.Align = 2;
    Picture1.Move(0, Hoyde - Statuslinje, Bredde, Statuslinje);
    Picture1.SetBackColor(Gra);
    const int w = Bredde;
    struct Strek {
        forms::Line& linje;
        forms::Color farge;
        int x1, y1, x2, y2;
    };
    const Strek streker[] = {
        {TopLine2(0), forms::vbBlack, 0, 0, w, 0},
        {TopLine2(1), forms::vbWhite, 0, 15, w, 15},
        {MsgBoxLine(0), Skygge, 60, 60, w - 1290, 60},
        {MsgBoxLine(1), forms::vbWhite, 60, 300, w - 1290, 300},
        {MsgBoxSide(0), Skygge, 60, 60, 60, 300},
        {MsgBoxSide(1), forms::vbWhite, w - 1290, 60, w - 1290, 300},
        {TimeBoxLine(0), Skygge, w - 1200, 60, w - 60, 60},
        {TimeBoxLine(1), forms::vbWhite, w - 1200, 300, w - 60, 300},
        {TimeBoxSide(0), Skygge, w - 1200, 60, w - 1200, 300},
        {TimeBoxSide(1), forms::vbWhite, w - 60, 60, w - 60, 300},
    };
    for (const Strek& s : streker) {
        s.linje.SetContainer(&Picture1);
        s.linje.SetBorderColor(s.farge);
        s.linje.SetEnds(s.x1, s.y1, s.x2, s.y2);
    }
    for (forms::Label* l : {&MsgCountLbl, &UnreadLbl, &TimeLbl}) l->SetContainer(&Picture1);
    MsgCountLbl.Move(120, 100, 2655, 200);
    MsgCountLbl.SetForeColor(Tekstfarge);
    UnreadLbl.Move(3000, 60, 1575, 255);
    // Sized to "hh:mm:ss" in the bar's font.
    TimeLbl.AutoSize = true;
    TimeLbl.Move(w - 795 - 265, 75, 795, 195);
}
