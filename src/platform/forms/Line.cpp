#include "platform/forms/Line.h"

#include <algorithm>

namespace forms {

Line::Line(Form* owner, std::string name, int index) : Control(owner, std::move(name), index) {
    SetEnds(0, 0, 0, 0);
}

void Line::SetEnds(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    Move(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
    // A move that keeps the box (a line turned end for end) still changes what is drawn.
    notify(Prop::Other);
}

} // namespace forms
