#pragma once
// The message box of MsgBox with Norwegian buttons.
#include "platform/forms/Runtime.h"

class QWidget;

namespace qtview {

// Shows the box modally over parent and returns the answer of the button chosen.
int ShowMessageBox(const forms::MsgBoxRequest& request, QWidget* parent);

} // namespace qtview
