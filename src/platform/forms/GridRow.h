#pragma once
// One row of a flex grid with its cells packed in a single string: each cell is its
// length (seven bits a byte, the high bit saying another byte follows) and then its
// bytes. A row of empty cells is one zero byte a cell, so short rows need no heap at
// all and a row read in from a result file costs about its text, not a string a cell.
#include <string>
#include <string_view>

namespace forms {

class GridRow {
public:
    explicit GridRow(int cells = 0) : bytes_(static_cast<std::size_t>(cells), '\0') {}
    // The cells of tabbed text, tab-separated, cut or filled with empty cells to count.
    static GridRow FromTabbed(std::string_view tabbed, int count);

    std::string_view cell(int col) const;
    void set(int col, std::string_view text);
    // From have cells to want: the first cells stay, new ones are empty.
    void resize(int have, int want);

private:
    std::size_t offsetOf(int col) const;   // where the cell's length starts
    std::string bytes_;
};

} // namespace forms
