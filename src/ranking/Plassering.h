#pragma once
// The ranking windows' title face and colour.
#include "platform/forms/Control.h"

namespace ranking {

// The windows' bold title in dark blue.
inline forms::Font tittelFont() {
    forms::Font f;
    f.Bold = true;
    f.Size = 12;
    return f;
}
inline constexpr forms::Color MorkBla = 0x800000;   // &H00BBGGRR

} // namespace ranking
