#pragma once
// Small helpers for laying out the match windows.
#include <string>

#include "platform/forms/Controls.h"

namespace kamper {

void Knapp(forms::SSCommand& k, int left, int top, int width, int height, const std::string& caption);
// A label beside a box of height 315 at the same top.
void Ledetekst(forms::Label& l, int left, int top, int width, const std::string& caption);

} // namespace kamper
