#include "platform/printer/Printer.h"

#include <variant>

#include "platform/printer/Recording.h"
#include "platform/vb/Err.h"

namespace printer {

PrinterObject Printer;

namespace {

Backend* g_backend = nullptr;

RecordingBackend& builtIn() {
    static RecordingBackend recorder;
    return recorder;
}

std::string TextOf(const vb::Variant& item) {
    switch (item.Type()) {
    case vb::VarType::Empty:
    case vb::VarType::Null:
        return {};
    case vb::VarType::Text:
    case vb::VarType::Boolean:
        return item.ToText();
    default:
        // Numbers keep the place of their sign and get a blank after them.
        return vb::Str(item.ToDouble()) + " ";
    }
}

} // namespace

double PrinterObject::twipsPerUnitY() {
    return scaleHeight_ > 0 ? CurrentBackend().pageSize().printableHeight / scaleHeight_ : 1.0;
}

double PrinterObject::ScaleHeight() const {
    return scaleHeight_ > 0 ? scaleHeight_ : CurrentBackend().pageSize().printableHeight;
}

void PrinterObject::SetScaleHeight(double units) {
    if (units == 0) vb::Raise(vb::errnum::InvalidPropertyValue, "Ugyldig egenskapsverdi");
    // Positions already set keep their place on the page.
    const double before = twipsPerUnitY();
    scaleHeight_ = units;
    y_ = y_ * before / twipsPerUnitY();
}

double PrinterObject::ScaleWidth() const { return CurrentBackend().pageSize().printableWidth; }

void PrinterObject::SetScaleMode(int mode) {
    if (mode != vbTwips && mode != vbUser) vb::Raise(vb::errnum::InvalidPropertyValue, "Ugyldig egenskapsverdi");
    if (mode == vbTwips && scaleHeight_ > 0) {
        y_ *= twipsPerUnitY();
        scaleHeight_ = 0;
    }
}

void PrinterObject::SetFontSize(double points) {
    if (points <= 0) vb::Raise(vb::errnum::InvalidPropertyValue, "Ugyldig egenskapsverdi");
    font_.Size = points;
}

void PrinterObject::ensureOpen() {
    if (open_) return;
    CurrentBackend().startDoc();
    open_ = true;
    page_ = 1;
}

void PrinterObject::Print(const vb::Variant& item, Line line) {
    // A text prints as it is: no copy of it is made to print it.
    if (const auto* text = std::get_if<std::string>(&item.raw())) return print(*text, line);
    print(TextOf(item), line);
}

void PrinterObject::print(const std::string& text, Line line) {
    ensureOpen();
    Backend& backend = CurrentBackend();
    const double height = backend.lineHeight(font_);
    // One look at the page for each print: a printer's page layout is costly to ask for.
    const double printableHeight = backend.pageSize().printableHeight;
    const double unit = scaleHeight_ > 0 ? printableHeight / scaleHeight_ : 1.0;
    if (!text.empty()) {
        double yTwips = y_ * unit;
        if (yTwips > 0 && yTwips + height > printableHeight) {
            // The text goes on at the top of the next page, in its own column.
            const double x = x_;
            NewPage();
            x_ = x;
            yTwips = 0;
        }
        backend.text(PrintedText{page_, x_, yTwips, y_, font_, text});
        x_ += backend.textWidth(text, font_);
    }
    if (line == EndLine) {
        y_ += height / unit;
        x_ = 0;
    }
}

double PrinterObject::TextWidth(const std::string& text) { return CurrentBackend().textWidth(text, font_); }

double PrinterObject::TextHeight(const std::string&) { return CurrentBackend().lineHeight(font_) / twipsPerUnitY(); }

double PrinterObject::Width() { return CurrentBackend().pageSize().paperWidth; }

double PrinterObject::Height() { return CurrentBackend().pageSize().paperHeight; }

void PrinterObject::NewPage() {
    ensureOpen();
    CurrentBackend().newPage();
    ++page_;
    x_ = y_ = 0;
}

// The next document starts from the printer's defaults, whatever a run ended
// inside (a heading killed while underlined must not underline the next title).
void PrinterObject::afterDocument() { *this = PrinterObject{}; }

void PrinterObject::EndDoc() {
    if (!open_) return afterDocument();
    try {
        CurrentBackend().endDoc();
    } catch (...) {
        afterDocument();
        throw;
    }
    afterDocument();
}

bool PrinterObject::ReachedPrinter() const { return CurrentBackend().savedFile().empty(); }

void PrinterObject::KillDoc() {
    if (!open_) return afterDocument();
    try {
        CurrentBackend().killDoc();
    } catch (...) {
        // Dropping a document must not fail on top of the error that caused it.
    }
    afterDocument();
}

void PrinterObject::Reset() { KillDoc(); }

void SetBackend(Backend* backend) {
    Printer.KillDoc();
    g_backend = backend;
}

Backend& CurrentBackend() { return g_backend ? *g_backend : builtIn(); }

RecordingBackend& Recorder() { return builtIn(); }

void ResetPrinter() {
    SetBackend(nullptr);
    Printer.Reset();
    builtIn() = RecordingBackend{};
}

void RunDocument(const std::function<void()>& run) {
    try {
        run();
    } catch (...) {
        Printer.KillDoc();
        throw;
    }
    // A run that forgot its end must not merge into the next one either.
    Printer.KillDoc();
}

} // namespace printer
