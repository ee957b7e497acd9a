#include "platform/vb/Utf8.h"

namespace vb::detail {

namespace {
bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
} // namespace

size_t CharBytes(std::string_view s, size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    size_t n = 1;
    if (lead >= 0xC2 && lead <= 0xDF) n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) n = 4;
    if (i + n > s.size()) return 1;
    for (size_t k = 1; k < n; ++k)
        if (!isContinuation(static_cast<unsigned char>(s[i + k]))) return 1;
    return n;
}

size_t ByteOffset(std::string_view s, long n) {
    // Every character takes a byte at least.
    if (n >= 0 && s.size() <= static_cast<size_t>(n)) return s.size();
    size_t i = 0;
    for (long k = 0; k < n && i < s.size(); ++k) i += CharBytes(s, i);
    return i;
}

char32_t CodePointAt(std::string_view s, size_t i) {
    const size_t n = CharBytes(s, i);
    const auto lead = static_cast<unsigned char>(s[i]);
    if (n == 1) return lead;
    static constexpr unsigned char masks[] = {0, 0, 0x1F, 0x0F, 0x07};
    char32_t c = lead & masks[n];
    for (size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return c;
}

std::vector<char32_t> CodePoints(std::string_view s) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < s.size(); i += CharBytes(s, i)) out.push_back(CodePointAt(s, i));
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace vb::detail
