#include "platform/forms/GridRow.h"

namespace forms {

namespace {

void appendLength(std::string& out, std::size_t n) {
    while (n >= 0x80) {
        out.push_back(static_cast<char>((n & 0x7f) | 0x80));
        n >>= 7;
    }
    out.push_back(static_cast<char>(n));
}

// Reads the length at pos and moves pos past it.
std::size_t readLength(const std::string& bytes, std::size_t& pos) {
    std::size_t n = 0;
    for (int shift = 0;; shift += 7) {
        const auto b = static_cast<unsigned char>(bytes[pos++]);
        n |= static_cast<std::size_t>(b & 0x7f) << shift;
        if (!(b & 0x80)) return n;
    }
}

void appendCell(std::string& out, std::string_view text) {
    appendLength(out, text.size());
    out.append(text);
}

} // namespace

GridRow GridRow::FromTabbed(std::string_view tabbed, int count) {
    GridRow row;
    // Each tab becomes the next cell's length: the row is as long as the text and one byte.
    row.bytes_.reserve(tabbed.size() + 1);
    int made = 0;
    for (std::size_t from = 0; made < count;) {
        const std::size_t tab = tabbed.find('\t', from);
        const bool last = tab == std::string_view::npos;
        appendCell(row.bytes_, tabbed.substr(from, last ? std::string_view::npos : tab - from));
        ++made;
        if (last) break;
        from = tab + 1;
    }
    row.bytes_.append(static_cast<std::size_t>(count - made), '\0');
    return row;
}

std::size_t GridRow::offsetOf(int col) const {
    std::size_t pos = 0;
    for (int c = 0; c < col; ++c) pos += readLength(bytes_, pos);
    return pos;
}

std::string_view GridRow::cell(int col) const {
    std::size_t pos = offsetOf(col);
    const std::size_t n = readLength(bytes_, pos);
    return std::string_view(bytes_).substr(pos, n);
}

void GridRow::set(int col, std::string_view text) {
    const std::size_t start = offsetOf(col);
    std::size_t end = start;
    end += readLength(bytes_, end);
    std::string cell;
    appendCell(cell, text);
    bytes_.replace(start, end - start, cell);
}

void GridRow::resize(int have, int want) {
    if (want < have)
        bytes_.resize(offsetOf(want));
    else
        bytes_.append(static_cast<std::size_t>(want - have), '\0');
}

} // namespace forms
