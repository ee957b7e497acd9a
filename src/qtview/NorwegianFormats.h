#pragma once
// Numbers, dates, times and units in Qt's own dialogs (printer, page set-up,
// file chooser) in Norwegian Bokmål, whatever LANG says: millimetres, the
// 24-hour clock, "09.12.2026". Qt reads the system locale from the environment
// while the application object is made, so this straddles its making:
//
//     qtview::NorwegianFormats formats;   // before the QApplication
//     QApplication app(argc, argv);
//     formats.applicationMade();
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qtview {

class NorwegianFormats {
public:
    NorwegianFormats();
    // Qt has read the locale: the environment and the C library's locale are
    // the user's again (for the programs the program starts), Bokmål is the
    // default locale of every widget, and the file chooser's date column
    // is kept wide enough for its dates.
    void applicationMade();

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

} // namespace qtview
