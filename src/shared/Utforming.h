#pragma once
// Laying out the windows' controls: position and caption in one call, and the narrow face.
#include <string>

#include "platform/forms/Control.h"

namespace shared {

template <class C>
void plasser(C& c, int left, int top, int width, int height, const std::string& caption) {
    c.Move(left, top, width, height);
    c.SetCaption(caption);
}

// The narrow face keeps long captions inside the sizes the windows were drawn for.
inline forms::Font Smal(double size = 8.25) {
    forms::Font f;
    f.Name = "Arial Narrow";
    f.Size = size;
    return f;
}

} // namespace shared
