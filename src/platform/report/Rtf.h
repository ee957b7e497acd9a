#pragma once
// A small RTF writer for the report files: one document with a title, a table
// whose heading row repeats on every page, full-width group rows, and a page
// number in the footer. Text comes in as UTF-8 and goes out in code page 1252.
#include <string>
#include <string_view>
#include <vector>

namespace report {

// Text as RTF: \ { } escaped, cp1252 letters as \'hh, other characters as
// \uN\'3f (the bare \uN? form makes common readers drop the next character).
std::string RtfText(std::string_view utf8);

enum class Align { Left, Center, Right };

struct RtfColumn {
    std::string heading;
    int width = 1000;   // twips
    Align align = Align::Left;
};

class RtfDocument {
public:
    RtfDocument(std::vector<RtfColumn> columns, bool landscape);
    void Title(std::string_view text);
    // The text before the page number at the foot of every page ("Side ").
    void Footer(std::string_view textBeforePage);
    // One row, a cell per column (missing cells stay empty).
    void Row(const std::vector<std::string>& cells);
    // A bold row over the whole width, heading the rows that follow.
    void GroupRow(std::string_view text);
    // The whole document.
    std::string Finish();

private:
    void rowStart(bool heading);
    std::vector<RtfColumn> columns_;
    bool landscape_;
    std::string footer_;
    std::string titles_;
    std::string body_;
    int tableWidth_ = 0;
};

} // namespace report
