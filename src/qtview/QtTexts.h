#pragma once
// Qt's own texts (printer dialogs, the text boxes' context menu, the MDI
// window menu, ...) in Norwegian Bokmål, whatever the machine's locale.
#include <string>

namespace qtview {

// The program's Bokmål catalogue below the resource folder.
std::string QtTextsFile(const std::string& resourceFolder);

// Installs Qt's own Norwegian catalogue, where the system has one, as the
// fallback and the program's Bokmål catalogue before it. Returns whether the
// Bokmål catalogue was found.
bool InstallNorwegianQtTexts(const std::string& resourceFolder);

} // namespace qtview
