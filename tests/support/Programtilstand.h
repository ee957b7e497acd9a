#pragma once
// Clearing what one test leaves behind, and reading the message boxes shown.
#include <vector>

#include "platform/forms/Runtime.h"

namespace kdtest {

// Unloads every form, closes the program-wide databases and clears the state
// and the runtime's recordings, so that the next test starts as the program does.
void NullstillProgrammet();

// The message boxes shown so far; the record is left empty.
std::vector<forms::MsgBoxRequest> TaBokser();

} // namespace kdtest
