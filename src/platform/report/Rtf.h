#pragma once
// A small RTF writer for the report files: one document with title lines, a
// table whose heading row repeats on every page, full-width group rows, and a
// page number in the footer. Text comes in as UTF-8 and goes out in code page 1252.
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace report {

// Text as RTF: \ { } escaped, cp1252 letters as \'hh, other characters as
// \uN\'3f (the bare \uN? form makes common readers drop the next character).
std::string RtfText(std::string_view utf8);

enum class Align { Left, Center, Right };

// The width, twips, the columns of a table may take together on an A4 page.
int RtfTableWidth(bool landscape);

struct RtfColumn {
    std::string heading;
    int width = 1000;   // twips
    Align align = Align::Left;
};

// Written as it goes, so a long report never lies whole in memory.
class RtfDocument {
public:
    // Writes the document's start: fonts, paper, the footer, the title lines and the heading row.
    RtfDocument(std::ostream& out, std::vector<RtfColumn> columns, bool landscape,
                const std::vector<std::string>& titles, std::string_view footerBeforePage);
    // One row, a cell per column (missing cells stay empty).
    void Row(const std::vector<std::string>& cells);
    // A bold row over the whole width, heading the rows that follow.
    void GroupRow(std::string_view text);
    void Finish();

private:
    std::ostream& out_;
    std::vector<RtfColumn> columns_;
    std::string rowStart_, groupStart_;
};

} // namespace report
