#include "frame/StartBilde.h"

#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

StartBilde::StartBilde() : Form("StartBilde") {
    SetCaption("KvistrelDommer");
    BorderStyle = 3;
    ControlBox = false;
    MaxButton = MinButton = false;
    Move(0, 0, 6300, 3900);

    Frame1.SetCaption("KvistrelDommer");
    Frame1.Move(90, 60, 6000, 3300);
    Frame1.SetFont({"Arial", 9.75, true});

    Image1.SetContainer(&Frame1);
    Image1.Move(240, 480, 2160, 2160);
    Image1.Stretch = true;
    Image1.SetPicture("logo.svg");

    Label1.SetContainer(&Frame1);
    Label1.Move(2640, 480, 3120, 2400);
    Label1.Alignment = forms::vbCenter;
    Label1.WordWrap = true;
    Label1.SetFont({"Arial", 12, true});
    Label1.SetForeColor(0x800000);
}

void StartBilde::Form_Load() {
    using forms::Screen;
    SetLeft(static_cast<int>((Screen.Width - Width()) / 2.0));
    SetTop(static_cast<int>((Screen.Height - Height()) / 2.0));
    const std::string cr = vb::vbCr;
    Label1.SetCaption("Velkommen" + cr + "til" + cr + "KvistrelDommer" + cr + cr + "Versjon " + state::ProgramVersionShort);
}
