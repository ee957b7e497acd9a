#include "platform/vb/NumberRead.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vb::detail {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
} // namespace

std::optional<double> ReadWholeNumber(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    std::string s;
    size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') s += '-';
        ++i;
    }
    size_t digits = 0;
    while (i < e && isDigit(text[i])) { s += text[i++]; ++digits; }
    if (i < e && (text[i] == '.' || text[i] == ',')) {
        s += '.';
        ++i;
        while (i < e && isDigit(text[i])) { s += text[i++]; ++digits; }
    }
    if (digits == 0) return std::nullopt;
    if (i < e && (text[i] == 'e' || text[i] == 'E')) {
        s += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-')) s += text[i++];
        size_t expDigits = 0;
        while (i < e && isDigit(text[i])) { s += text[i++]; ++expDigits; }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != e) return std::nullopt;
    double value = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    if (res.ec == std::errc::result_out_of_range && s.find("e-") != std::string::npos) return 0.0;   // too small to hold
    if (res.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

} // namespace vb::detail
