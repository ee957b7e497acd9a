#include "platform/printer/Recording.h"

#include <stdexcept>

#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"

namespace printer {

const PrintedText* RecordedDocument::find(const std::string& s) const {
    for (const auto& t : texts)
        if (t.text == s) return &t;
    return nullptr;
}

std::vector<PrintedText> RecordedDocument::startingWith(const std::string& prefix) const {
    std::vector<PrintedText> out;
    for (const auto& t : texts)
        if (t.text.starts_with(prefix)) out.push_back(t);
    return out;
}

std::vector<PrintedText> RecordedDocument::onPage(int p) const {
    std::vector<PrintedText> out;
    for (const auto& t : texts)
        if (t.page == p) out.push_back(t);
    return out;
}

const RecordedDocument& RecordingBackend::last() const {
    if (documents.empty()) throw std::logic_error("nothing was printed");
    return documents.back();
}

void RecordingBackend::clear() { documents.clear(); }

double RecordingBackend::textWidth(const std::string& text, const Font& font) {
    return static_cast<double>(vb::Len(text)) * font.Size * charWidth;
}

double RecordingBackend::lineHeight(const Font& font) {
    auto it = lineHeights.find(font.Size);
    return it != lineHeights.end() ? it->second : font.Size * 22.5;
}

void RecordingBackend::startDoc() {
    documents.emplace_back();
    // Room for a long list up front: growing the vector page by page cost more than the report.
    documents.back().texts.reserve(16384);
}

void RecordingBackend::text(const PrintedText& item) {
    RecordedDocument& doc = documents.back();
    if (failAtText > 0 && static_cast<int>(doc.texts.size()) + 1 == failAtText)
        vb::Raise(vb::errnum::PrinterError);
    doc.texts.push_back(item);
}

void RecordingBackend::newPage() { ++documents.back().pages; }

void RecordingBackend::endDoc() { documents.back().state = RecordedDocument::State::Ended; }

void RecordingBackend::killDoc() { documents.back().state = RecordedDocument::State::Killed; }

} // namespace printer
