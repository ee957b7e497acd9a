#pragma once
// The help file in the desktop's viewer, as the platform's help key opened it.
#include <string>

namespace forms {

// Hands file to xdg-open without waiting for it; a missing file, a missing
// xdg-open or a viewer that refuses the file is told to the user.
void OpenHelpFile(const std::string& file);

} // namespace forms
