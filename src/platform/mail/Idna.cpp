#include "platform/mail/Idna.h"

#include <cstdint>

#include "platform/vb/Utf8.h"

namespace mail {

namespace {

constexpr uint64_t Base = 36, TMin = 1, TMax = 26, Skew = 38, Damp = 700, InitialBias = 72, InitialN = 128;

char digit(uint64_t d) { return char(d < 26 ? 'a' + d : '0' + (d - 26)); }

uint64_t adapt(uint64_t delta, uint64_t points, bool first) {
    delta = first ? delta / Damp : delta / 2;
    delta += delta / points;
    uint64_t k = 0;
    while (delta > (Base - TMin) * TMax / 2) {
        delta /= Base - TMin;
        k += Base;
    }
    return k + (Base - TMin + 1) * delta / (delta + Skew);
}

char32_t lower(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    return c;
}

std::string asciiLabel(const std::string& label) {
    std::u32string points;
    bool ascii = true;
    for (char32_t c : vb::detail::CodePoints(label)) {
        if (c >= 0x80) ascii = false;
        points += lower(c);
    }
    return ascii ? label : "xn--" + Punycode(points);
}

} // namespace

std::string Punycode(const std::u32string& label) {
    std::string out;
    for (char32_t c : label)
        if (c < 0x80) out += char(c);
    const uint64_t basic = out.size();
    if (basic > 0) out += '-';
    uint64_t n = InitialN, delta = 0, bias = InitialBias, handled = basic;
    while (handled < label.size()) {
        uint64_t next = UINT32_MAX;
        for (char32_t c : label)
            if (c >= n && c < next) next = c;
        delta += (next - n) * (handled + 1);
        n = next;
        for (char32_t c : label) {
            if (c < n) ++delta;
            if (c != n) continue;
            uint64_t q = delta;
            for (uint64_t k = Base;; k += Base) {
                const uint64_t t = k <= bias ? TMin : k >= bias + TMax ? TMax : k - bias;
                if (q < t) break;
                out += digit(t + (q - t) % (Base - t));
                q = (q - t) / (Base - t);
            }
            out += digit(q);
            bias = adapt(delta, handled + 1, handled == basic);
            delta = 0;
            ++handled;
        }
        ++delta;
        ++n;
    }
    return out;
}

std::string AsciiAddress(const std::string& address) {
    const size_t at = address.rfind('@');
    if (at == std::string::npos) return address;
    std::string out = address.substr(0, at + 1);
    for (size_t from = at + 1;;) {
        const size_t dot = address.find('.', from);
        out += asciiLabel(address.substr(from, dot - from));
        if (dot == std::string::npos) return out;
        out += '.';
        from = dot + 1;
    }
}

} // namespace mail
