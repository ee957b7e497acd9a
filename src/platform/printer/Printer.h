#pragma once
// The program's one printer object, as the old platform offered it:
//
//   using printer::Printer;
//   Printer.SetScaleHeight(100);            // Y now in percent of the printable height; X stays in twips
//   Printer.SetCurrentY(4);
//   Printer.SetFontSize(10);
//   Printer.SetCurrentX(1000);
//   Printer.Print("Norges Valmorisk");      // ends the line: Y one line lower, X back to 0
//   Printer.Print("Side ", printer::Stay);  // stays on the line: X just behind the text
//   Printer.Print(vb::Variant::Integer(7)); // a number prints " 7 " (blank for the sign, blank after)
//   Printer.Print();                        // an empty line
//   Printer.NewPage();  Printer.EndDoc();   // or KillDoc() when the run failed
//
// Every output goes to the current backend: the Qt printer in the program
// (set with SetBackend), the built-in recording backend otherwise (tests read it
// through Recorder()). A print run is one document: it opens with the first
// output and ends with EndDoc or KillDoc. Run a print through RunDocument so a
// failing run is killed and never merges into the next one.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/printer/Backend.h"
#include "platform/vb/Variant.h"

namespace printer {

class RecordingBackend;

enum class Line { End, Stay };
inline constexpr Line EndLine = Line::End;
inline constexpr Line Stay = Line::Stay;

inline constexpr int vbUser = 0, vbTwips = 1;

class PrinterObject {
public:
    // The vertical scale: setting it divides the printable height into that many
    // units (ScaleMode becomes user); reading it in twips mode gives the height in twips.
    double ScaleHeight() const;
    void SetScaleHeight(double units);
    double ScaleWidth() const;            // the printable width, twips
    int ScaleMode() const { return scaleHeight_ > 0 ? vbUser : vbTwips; }
    void SetScaleMode(int mode);          // vbTwips drops the user scale

    double CurrentX() const { return x_; }     // twips
    double CurrentY() const { return y_; }     // vertical scale units
    void SetCurrentX(double x) { x_ = x; }
    void SetCurrentY(double y) { y_ = y; }

    void SetFontSize(double points);
    bool FontBold() const { return font_.Bold; }
    void SetFontBold(bool on) { font_.Bold = on; }
    void SetFontUnderline(bool on) { font_.Underline = on; }
    void SetFontName(const std::string& name) { font_.Name = name; }

    // Prints at CurrentX/CurrentY. A text prints as it is, a number with a blank
    // for its sign and one after, Null as nothing. Line::End moves to the start of
    // the next line. A line that would pass the bottom of the page starts a new page.
    void Print(const vb::Variant& item, Line line = EndLine);
    void Print() { Print(vb::Variant(), EndLine); }

    double TextWidth(const std::string& text);     // twips
    double TextHeight(const std::string& text);    // vertical scale units: one line of the current font
    double Width();                                // the sheet, twips
    double Height();

    int Page() const { return page_; }             // page number within the document
    void NewPage();
    // Both put scale, position and font back to the printer's defaults, with or
    // without an open document.
    void EndDoc();                                 // sends the document
    void KillDoc();                                // drops it: nothing of it is printed
    bool DocumentOpen() const { return open_; }
    // Whether the last sent document went to a printer, not into a file.
    bool ReachedPrinter() const;

    // Back to the start values, the open document killed (tests, backend changes).
    void Reset();

private:
    void ensureOpen();
    void print(const std::string& text, Line line);
    double twipsPerUnitY();
    void afterDocument();

    double scaleHeight_ = 0;     // 0: twips
    double x_ = 0, y_ = 0;
    Font font_;
    int page_ = 1;
    bool open_ = false;
};

extern PrinterObject Printer;

// The backend the printer writes to; null puts the built-in recording backend back.
// An open document is killed first.
void SetBackend(Backend* backend);
Backend& CurrentBackend();
RecordingBackend& Recorder();      // the built-in recording backend

// The printer and the recording backend back to their start, the recorder current (tests).
void ResetPrinter();

// Runs one print run: when it fails, its document is killed and the error goes on.
void RunDocument(const std::function<void()>& run);

} // namespace printer
