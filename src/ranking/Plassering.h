#pragma once
// Placing the ranking windows' controls: position and caption in one call.
#include <string>

#include "platform/forms/Control.h"

namespace ranking {

template <class C>
void plasser(C& c, int left, int top, int width, int height, const std::string& caption) {
    c.Move(left, top, width, height);
    c.SetCaption(caption);
}

// The windows' bold title in dark blue.
inline forms::Font tittelFont() {
    forms::Font f;
    f.Bold = true;
    f.Size = 12;
    return f;
}
inline constexpr forms::Color MorkBla = 0x800000;   // &H00BBGGRR

} // namespace ranking
