#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/vb/DateRead.h"
#include "platform/vb/Format.h"
#include "platform/vb/NumberRead.h"

namespace vb {

namespace {

// Splits on ";" outside quotes: positive;negative;zero.
std::vector<std::string_view> sections(std::string_view f) {
    std::vector<std::string_view> out;
    bool quoted = false;
    size_t from = 0;
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i] == '"') quoted = !quoted;
        else if (f[i] == ';' && !quoted) out.push_back(f.substr(from, i - from)), from = i + 1;
    }
    out.push_back(f.substr(from));
    return out;
}

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

// |x| rounded half away from zero to `decimals` places, as integer and fraction digits,
// read from the 15 significant digits a Double carries (so 1.005 rounds up, as typed).
void roundedDigits(double ax, int decimals, std::string& whole, std::string& fraction) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.14e", ax);
    std::string digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    int point = std::atoi(p + 1) + 1;
    if (point < 0) digits.insert(0, static_cast<size_t>(-point), '0'), point = 0;
    const size_t keep = static_cast<size_t>(point + decimals);
    if (keep < digits.size()) {
        const bool up = digits[keep] >= '5';
        digits.resize(keep);
        for (size_t k = keep; up && k-- > 0;) {
            if (digits[k] == '9') {
                digits[k] = '0';
                if (k == 0) digits.insert(0, 1, '1'), ++point;
            } else {
                ++digits[k];
                break;
            }
        }
        if (up && keep == 0) digits.assign(1, '1'), ++point;
    } else {
        digits.append(keep - digits.size(), '0');
    }
    whole = digits.substr(0, static_cast<size_t>(point));
    fraction = digits.substr(static_cast<size_t>(point));
    const size_t nz = whole.find_first_not_of('0');
    whole = nz == std::string::npos ? "" : whole.substr(nz);
}

// The literal text of a part of a format: quotes and backslashes removed.
std::string literal(std::string_view f) {
    std::string out;
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i] == '"') continue;
        if (f[i] == '\\' && i + 1 < f.size()) ++i;
        out += f[i];
    }
    return out;
}

// One section applied to a non-negative number.
std::string formatSection(double ax, std::string_view f) {
    size_t first = std::string_view::npos, last = 0;
    bool quoted = false;
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i] == '"') quoted = !quoted;
        else if (!quoted && f[i] == '\\') ++i;
        else if (!quoted && isPlaceholder(f[i])) {
            if (first == std::string_view::npos) first = i;
            last = i;
        }
    }
    if (first == std::string_view::npos) return literal(f);
    const std::string_view body = f.substr(first, last - first + 1);
    const size_t point = body.find('.');
    const std::string_view intPart = body.substr(0, point);
    const std::string_view decPart = point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
    size_t intZeros = 0, decZeros = 0, decAll = 0;
    for (char c : intPart) intZeros += c == '0';
    for (char c : decPart) decZeros += c == '0', decAll += isPlaceholder(c);
    const bool grouping = intPart.find(',') != std::string_view::npos;

    std::string whole, fraction;
    roundedDigits(ax, static_cast<int>(decAll), whole, fraction);
    if (whole.size() < intZeros) whole.insert(0, intZeros - whole.size(), '0');
    while (fraction.size() > decZeros && fraction.back() == '0') fraction.pop_back();
    if (grouping)
        for (size_t k = whole.size(); k > 3; k -= 3) whole.insert(k - 3, 1, ' ');   // Norwegian thousands

    std::string out = literal(f.substr(0, first));
    out += whole;
    if (!fraction.empty()) out += "." + fraction;
    out += literal(f.substr(last + 1));
    return out;
}

bool isDateFormat(std::string_view f) {
    bool quoted = false;
    for (char c : f) {
        if (c == '"') quoted = !quoted;
        else if (!quoted && std::string_view("dDmMyYhHnNsS").find(c) != std::string_view::npos) return true;
    }
    return false;
}

} // namespace

std::string Format(double number, std::string_view format) {
    if (format.empty()) return NumberText(number);
    const auto secs = sections(format);
    if (number == 0 && secs.size() >= 3) return formatSection(0, secs[2]);
    if (number < 0 && secs.size() >= 2) return formatSection(-number, secs[1]);
    const std::string text = formatSection(std::fabs(number), secs[0]);
    // No minus in front of a number that rounds to nothing.
    const bool shown = text.find_first_of("123456789") != std::string::npos;
    return number < 0 && shown ? "-" + text : text;
}

std::string Format(const Variant& value, std::string_view format) {
    if (value.IsNull()) return "";
    if (format.empty()) return value.ToText();
    if (const auto* text = std::get_if<std::string>(&value.raw())) {
        if (isDateFormat(format)) {
            const auto date = detail::ReadDate(*text);
            return date ? Format(*date, format) : *text;
        }
        const auto number = detail::ReadWholeNumber(*text);
        return number ? Format(*number, format) : *text;
    }
    const double number = value.ToDouble();
    return isDateFormat(format) ? Format(detail::FromSerial(number), format) : Format(number, format);
}

} // namespace vb
