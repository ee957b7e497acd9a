#pragma once
// The order in which the Tab key visits a form's controls.
#include <vector>

namespace forms {

class Control;
class Form;

// The controls that take the focus and are Tab stops, in screen order: top to
// bottom, left to right, a container's controls where the container stands.
// Controls side by side count as one row when each top lies above the middle of
// the row's lowest-reaching first half, so a tall grid beside a column of boxes
// does not pull the boxes into its row.
std::vector<Control*> TabOrder(const Form& form);

} // namespace forms
