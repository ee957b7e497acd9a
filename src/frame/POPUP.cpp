#include "frame/POPUP.h"

POPUP::POPUP() : Form("POPUP") {
    SetCaption("INFO VINDU");
    BorderStyle = 3;
    MaxButton = MinButton = false;
    // Designed just below the main window's button bar.
    Move(120, 2400, 4800, 2500);

    Melding.Panel = true;
    Melding.BevelOuter = 1;
    Melding.BevelInner = 2;
    Melding.Alignment = forms::vbCenter;
    Melding.Move(120, 120, 4440, 1320);
    Melding.SetFont({"Arial Narrow", 9.75, true});
    Melding.SetForeColor(0x800000);

    SSCommand1.SetCaption("OK");
    SSCommand1.Move(1740, 1560, 1200, 375);
    SetTabOrder({&SSCommand1});
    SSCommand1.Click = [this] { SSCommand1_Click(); };
}

void POPUP::SSCommand1_Click() { Unload(); }
