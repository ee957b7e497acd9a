#include <charconv>
#include <optional>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "platform/vb/Err.h"
#include "platform/vb/Variant.h"

namespace vb {

int16_t CInt(const Variant& v) { return v.ToInteger(); }
int32_t CLng(const Variant& v) { return v.ToLong(); }
double CDbl(const Variant& v) { return v.ToDouble(); }
bool CBool(const Variant& v) { return v.ToBool(); }
std::string CStr(const Variant& v) { return v.ToText(); }
bool IsNumeric(const Variant& v) { return v.IsNumeric(); }
bool IsNull(const Variant& v) { return v.IsNull(); }

std::string Concat(const Variant& a, const Variant& b) {
    return (a.IsNull() ? std::string() : a.ToText()) + (b.IsNull() ? std::string() : b.ToText());
}

double RoundHalfEven(double x) {
    if (!std::isfinite(x)) return x;
    const double down = std::floor(x);
    const double rest = x - down;
    if (rest > 0.5) return down + 1;
    if (rest < 0.5) return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

std::string NumberText(double d) {
    if (d == 0) return "0";   // also for -0
    char buf[40];
    // A whole number of up to 15 digits reads the same in %.15g: written without printf.
    if (std::abs(d) < 1e15 && d == std::trunc(d))
        return std::string(buf, std::to_chars(buf, buf + sizeof buf, static_cast<long long>(d)).ptr);
    std::snprintf(buf, sizeof buf, "%.15g", d);
    std::string s = buf;
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

std::string Str(double number) {
    const std::string text = NumberText(number);
    return text[0] == '-' ? text : " " + text;
}

std::optional<double> ValInRange(std::string_view text) {
    // The runtime skips blanks, tabs and line feeds anywhere in the text.
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s += c;
    const auto digit = [&](size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (digit(i)) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (digit(i)) ++i, ++digits;
    }
    if (digits == 0) return 0;
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (digit(j)) {
            while (digit(j)) ++j;
            end = j;
        }
    }
    std::string number = s.substr(s[0] == '+' ? 1 : 0, end - (s[0] == '+' ? 1 : 0));
    for (char& c : number)
        if (c == 'd' || c == 'D') c = 'e';
    double value = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range && number.find("e-") != std::string::npos) return 0;   // too small to hold
    if (res.ec == std::errc::result_out_of_range || !std::isfinite(value)) return std::nullopt;
    return value;
}

double Val(std::string_view text) {
    const std::optional<double> value = ValInRange(text);
    if (!value) Raise(errnum::Overflow);
    return *value;
}

int32_t IntDiv(const Variant& a, const Variant& b) {
    const int32_t x = CLng(a);
    const int32_t y = CLng(b);
    if (y == 0) Raise(errnum::DivisionByZero);
    if (x == std::numeric_limits<int32_t>::min() && y == -1) Raise(errnum::Overflow);
    return x / y;
}

} // namespace vb
