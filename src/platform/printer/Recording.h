#pragma once
// The recording backend: keeps every document as a list of placed texts, with
// fixed, configurable page and font sizes so that page breaks can be computed
// exactly. Tests read what a report printed:
//
//   printer::ResetPrinter();
//   auto& rec = printer::Recorder();
//   rec.lineHeights = {{8, 100}, {10, 200}};   // twips per line at 8 and 10 points
//   Print_Registrerte_Dommere();
//   const auto& doc = rec.last();              // state Ended, pages, texts
//   doc.find("Side 1")->page ...
#include <map>
#include <string>
#include <vector>

#include "platform/printer/Backend.h"

namespace printer {

struct RecordedDocument {
    enum class State { Open, Ended, Killed };
    std::vector<PrintedText> texts;
    int pages = 1;
    State state = State::Open;

    // The first text equal to s, or null.
    const PrintedText* find(const std::string& s) const;
    // Every text that starts with prefix.
    std::vector<PrintedText> startingWith(const std::string& prefix) const;
    std::vector<PrintedText> onPage(int page) const;
};

class RecordingBackend : public Backend {
public:
    PageSize page{11906, 16838, 11106, 15638};
    std::map<double, double> lineHeights;   // points -> twips; a size not listed: 22.5 twips a point
    double charWidth = 10;                  // twips a character per point of font size
    int failAtText = 0;                     // > 0: the n-th text of a document raises printer error 482

    std::vector<RecordedDocument> documents;
    const RecordedDocument& last() const;   // the last document (fails loudly when there is none)
    void clear();

    PageSize pageSize() override { return page; }
    double textWidth(const std::string& text, const Font& font) override;
    double lineHeight(const Font& font) override;
    void startDoc() override;
    void text(const PrintedText& item) override;
    void newPage() override;
    void endDoc() override;
    void killDoc() override;
};

} // namespace printer
