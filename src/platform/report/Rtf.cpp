#include "platform/report/Rtf.h"

#include <cstdio>

#include "platform/vb/Utf8.h"

namespace report {

namespace {

// The characters cp1252 puts in 0x80..0x9F, by their byte.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The cp1252 byte of a character, or 0 when the code page lacks it.
unsigned cp1252Byte(char32_t c) {
    if (c >= 0xA0 && c <= 0xFF) return static_cast<unsigned>(c);
    for (unsigned i = 0; i < 32; ++i)
        if (kCp1252High[i] == c && c != 0) return 0x80 + i;
    return 0;
}

void appendHex(std::string& out, unsigned byte) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\'%02x", byte & 0xFF);
    out += buf;
}

// A4 in twips, margins of 2 cm.
constexpr int kShortSide = 11906, kLongSide = 16838, kMargin = 1134;

} // namespace

int RtfTableWidth(bool landscape) { return (landscape ? kLongSide : kShortSide) - 2 * kMargin; }

std::string RtfText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 8);
    for (size_t i = 0; i < utf8.size();) {
        const char32_t c = vb::detail::CodePointAt(utf8, i);
        i += vb::detail::CharBytes(utf8, i);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == '\r' || c == '\n') {
            out += "\\line ";
        } else if (c < 0x80) {
            // Other control characters have no place in a report.
            out += c < 0x20 ? ' ' : static_cast<char>(c);
        } else if (const unsigned b = cp1252Byte(c)) {
            appendHex(out, b);
        } else if (c <= 0xFFFF) {
            // \u takes a signed 16-bit number.
            out += "\\u" + std::to_string(static_cast<int16_t>(c)) + "\\'3f";
        } else {
            // Beyond the 16-bit plane: the surrogate pair, as word processors write it.
            const char32_t v = c - 0x10000;
            out += "\\u" + std::to_string(static_cast<int16_t>(0xD800 + (v >> 10))) + "\\'3f";
            out += "\\u" + std::to_string(static_cast<int16_t>(0xDC00 + (v & 0x3FF))) + "\\'3f";
        }
    }
    return out;
}

RtfDocument::RtfDocument(std::ostream& out, std::vector<RtfColumn> columns, bool landscape,
                         const std::vector<std::string>& titles, std::string_view footerBeforePage)
    : out_(out), columns_(std::move(columns)) {
    int width = 0;
    std::string cells;
    for (const auto& c : columns_) {
        width += c.width;
        cells += "\\cellx" + std::to_string(width);
    }
    rowStart_ = "\\trowd\\trgaph70" + cells + "\n";
    groupStart_ = "\\trowd\\trgaph70\\cellx" + std::to_string(width) + "\n\\pard\\intbl\\b ";

    std::string headings = rowStart_;
    for (const auto& c : columns_) headings += "\\pard\\intbl\\b " + RtfText(c.heading) + "\\b0\\cell";
    headings += "\\row\n";
    const std::string footer = "\\pard\\qc\\f0\\fs16 " + RtfText(footerBeforePage) +
                               "{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}\\par}\n";

    const int w = landscape ? kLongSide : kShortSide, h = landscape ? kShortSide : kLongSide;
    out_ << "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
         << "\\paperw" << w << "\\paperh" << h << "\\margl" << kMargin << "\\margr" << kMargin << "\\margt" << kMargin
         << "\\margb" << kMargin << (landscape ? "\\landscape" : "") << "\n\\sectd\\titlepg" << (landscape ? "\\lndscpsxn" : "")
         // The headings of the pages after the first stand in their page header:
         // LibreOffice does not repeat a table's heading row (\trhdr) that Word repeats.
         << "\n{\\header\\pard\\plain\\f0\\fs18\n" << headings << "\\pard\\fs2\\par}\n{\\headerf\\pard\\par}\n"
         << "{\\footer" << footer << "{\\footerf" << footer << "\\pard\\f0\\fs18\n";
    for (const auto& t : titles) out_ << "\\pard\\sa120\\fs24\\b " << RtfText(t) << "\\b0\\fs18\\par\n";
    out_ << "\\pard\\par\n" << headings;
}

void RtfDocument::Row(const std::vector<std::string>& cells) {
    out_ << rowStart_;
    for (size_t i = 0; i < columns_.size(); ++i) {
        out_ << (columns_[i].align == Align::Right ? "\\pard\\intbl\\qr " : columns_[i].align == Align::Center ? "\\pard\\intbl\\qc " : "\\pard\\intbl ");
        if (i < cells.size()) out_ << RtfText(cells[i]);
        out_ << "\\cell";
    }
    out_ << "\\row\n";
}

void RtfDocument::GroupRow(std::string_view text) { out_ << groupStart_ << RtfText(text) << "\\b0\\cell\\row\n"; }

void RtfDocument::Finish() { out_ << "\\pard\\par\n}\n"; }

} // namespace report
