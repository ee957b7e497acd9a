#pragma once
// The main window's button bar, below which the subsystems' windows place themselves.
// The main window names its bar while it exists; the windows read its height here and
// need not know the main window.
#include "platform/forms/Controls.h"

namespace shared {

void SettKnapperad(const forms::PictureBox& rad);
// Forgets rad when it is the bar named.
void GlemKnapperad(const forms::PictureBox& rad);
// The bar's height in twips as it is now; 0 while no main window exists.
int Knapperadhoyde();

} // namespace shared
