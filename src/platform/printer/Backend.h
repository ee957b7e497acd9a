#pragma once
// What a printer backend does for the Printer object: measures text and lays it
// on pages. Positions reach the backend in twips from the top left corner of the
// printable area; the backend never sees the user's scale.
#include <string>

namespace printer {

struct Font {
    std::string Name = "Arial";
    double Size = 10;          // points
    bool Bold = false;
    bool Underline = false;
    bool operator==(const Font&) const = default;
};

// One printed text, as the Printer object laid it.
struct PrintedText {
    int page = 1;              // 1 for the document's first page
    double x = 0;              // twips
    double y = 0;              // twips
    double scaleY = 0;         // the same Y in the printer's vertical scale at the time of printing
    Font font;
    std::string text;          // UTF-8
};

// Sizes of the sheet, twips.
struct PageSize {
    double paperWidth = 0, paperHeight = 0;          // the whole sheet (Printer.Width/Height)
    double printableWidth = 0, printableHeight = 0;  // the area positions are measured in
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual PageSize pageSize() = 0;
    // Twips, in the given font.
    virtual double textWidth(const std::string& text, const Font& font) = 0;
    virtual double lineHeight(const Font& font) = 0;

    // One document: startDoc, then texts and page breaks, then endDoc (send it) or
    // killDoc (nothing of it may reach the printer). A failure raises vb::Err.
    virtual void startDoc() = 0;
    virtual void text(const PrintedText& item) = 0;
    virtual void newPage() = 0;
    virtual void endDoc() = 0;
    virtual void killDoc() = 0;
    // The file the last sent document was saved in instead of reaching a printer;
    // empty when it went to a printer (as every document of a plain printer does).
    virtual std::string savedFile() const { return {}; }
};

} // namespace printer
