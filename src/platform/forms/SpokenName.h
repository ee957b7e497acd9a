#pragma once
// What a screen reader says for a control that the user can act on.
#include <string>

namespace forms {

class Control;

// Its AccessibleName when set. Otherwise a button, tick box or option button is
// named by its own caption (a button without one by its tool tip), and a tick box
// without a caption by the label right beside it. A box, list or grid is named by
// its own label: the nearest label left of it on its row, or else the nearest
// above it in its column, in the same container with no other control between
// them (a label standing left of another box on its row is that box's); headings (labels in bold letters larger than the box's, or of 12 points
// and more) name no box.
// The access key's '&' is left out. "" when none is found, and for what the user
// cannot act on.
std::string SpokenName(const Control& control);

class Label;
// The label that names control by that rule; null where the control is named otherwise or not at all.
const Label* OwnLabel(const Control& control);

} // namespace forms
