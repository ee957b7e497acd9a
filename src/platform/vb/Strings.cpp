#include "platform/vb/Strings.h"

#include <algorithm>
#include <vector>

#include "platform/vb/Err.h"
#include "platform/vb/Utf8.h"

namespace vb {

namespace {

using detail::ByteOffset;
using detail::CharBytes;
using detail::CodePointAt;
using detail::CodePoints;


char32_t foldLower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c == 0x178) return 0xFF;
    return c;
}

// Case change per character; bytes that are no valid character stay as they are.
std::string mapCase(std::string_view s, char32_t (*map)(char32_t)) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const size_t n = CharBytes(s, i);
        const bool stray = n == 1 && static_cast<unsigned char>(s[i]) >= 0x80;
        const char32_t c = CodePointAt(s, i);
        const char32_t m = stray ? c : map(c);
        if (m == c) out.append(s.substr(i, n));
        else detail::AppendUtf8(out, m);
        i += n;
    }
    return out;
}

std::vector<char32_t> folded(std::string_view s, bool fold) {
    std::vector<char32_t> cps = CodePoints(s);
    if (fold)
        for (char32_t& c : cps) c = FoldUpper(c);
    return cps;
}

// Primary sort weight of an upper-cased character: accented letters weigh as
// their base letter, and Æ, Ø, Å come after Z in that order.
uint32_t primaryWeight(char32_t c) {
    constexpr uint32_t ae = 'Z' * 4 + 1, oe = 'Z' * 4 + 2, aa = 'Z' * 4 + 3;
    auto base = [](char32_t b) { return static_cast<uint32_t>(b) * 4; };
    if (c >= 0xC0 && c <= 0xC3) return base('A');
    switch (c) {
    case 0xC4: case 0xC6: return ae;
    case 0xC5: return aa;
    case 0xD6: case 0xD8: return oe;
    case 0xC7: return base('C');
    case 0xD0: return base('D');
    case 0xD1: return base('N');
    case 0xDC: case 0xDD: case 0x178: return base('Y');
    default: break;
    }
    if (c >= 0xC8 && c <= 0xCB) return base('E');
    if (c >= 0xCC && c <= 0xCF) return base('I');
    if (c >= 0xD2 && c <= 0xD5) return base('O');
    if (c >= 0xD9 && c <= 0xDB) return base('U');
    return base(c);
}

long findFrom(const std::vector<char32_t>& hay, const std::vector<char32_t>& needle, size_t from) {
    if (needle.size() > hay.size()) return 0;
    for (size_t i = from; i + needle.size() <= hay.size(); ++i)
        if (std::equal(needle.begin(), needle.end(), hay.begin() + static_cast<long>(i))) return static_cast<long>(i) + 1;
    return 0;
}

} // namespace

char32_t FoldUpper(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0xFF) return 0x178;
    return c;
}

long Len(std::string_view s) {
    long n = 0;
    for (size_t i = 0; i < s.size(); ++n) i += static_cast<unsigned char>(s[i]) < 0x80 ? 1 : CharBytes(s, i);
    return n;
}

std::string Left(std::string_view s, long n) {
    if (n < 0) Raise(errnum::InvalidArgument);
    return std::string(s.substr(0, ByteOffset(s, n)));
}

std::string Right(std::string_view s, long n) {
    if (n < 0) Raise(errnum::InvalidArgument);
    const long len = Len(s);
    return n >= len ? std::string(s) : std::string(s.substr(ByteOffset(s, len - n)));
}

std::string Mid(std::string_view s, long start, long length) {
    if (start < 1 || length < -1) Raise(errnum::InvalidArgument);
    const size_t from = ByteOffset(s, start - 1);
    const std::string_view rest = s.substr(from);
    return length == -1 ? std::string(rest) : std::string(rest.substr(0, ByteOffset(rest, length)));
}

long InStr(long start, std::string_view haystack, std::string_view needle, int compare) {
    if (start < 1) Raise(errnum::InvalidArgument);
    const auto hay = folded(haystack, compare == 1);
    if (static_cast<size_t>(start) > hay.size()) return 0;
    if (needle.empty()) return start;
    return findFrom(hay, folded(needle, compare == 1), static_cast<size_t>(start - 1));
}

long InStr(std::string_view haystack, std::string_view needle, int compare) {
    return InStr(1, haystack, needle, compare);
}

long InStrRev(std::string_view haystack, std::string_view needle, int compare) {
    const auto hay = folded(haystack, compare == 1);
    if (needle.empty()) return static_cast<long>(hay.size());
    const auto nee = folded(needle, compare == 1);
    if (nee.size() > hay.size()) return 0;
    for (size_t i = hay.size() - nee.size() + 1; i-- > 0;)
        if (std::equal(nee.begin(), nee.end(), hay.begin() + static_cast<long>(i))) return static_cast<long>(i) + 1;
    return 0;
}

std::string LTrim(std::string_view s) {
    const size_t b = s.find_first_not_of(' ');
    return b == std::string_view::npos ? std::string() : std::string(s.substr(b));
}

std::string RTrim(std::string_view s) {
    const size_t e = s.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string UCase(std::string_view s) { return mapCase(s, FoldUpper); }
std::string LCase(std::string_view s) { return mapCase(s, foldLower); }

std::string Space(long n) {
    if (n < 0) Raise(errnum::InvalidArgument);
    return std::string(static_cast<size_t>(n), ' ');
}

std::string String(long n, std::string_view ch) {
    if (n < 0 || ch.empty()) Raise(errnum::InvalidArgument);
    const std::string_view one = ch.substr(0, CharBytes(ch, 0));
    std::string out;
    out.reserve(one.size() * static_cast<size_t>(n));
    for (long k = 0; k < n; ++k) out.append(one);
    return out;
}

std::string Chr(int code) {
    if (code < 0 || code > 255) Raise(errnum::InvalidArgument);
    std::string out;
    detail::AppendUtf8(out, static_cast<char32_t>(code));
    return out;
}

int Asc(std::string_view s) {
    if (s.empty()) Raise(errnum::InvalidArgument);
    const char32_t c = CodePointAt(s, 0);
    return c <= 0xFF ? static_cast<int>(c) : '?';
}

std::string Replace(std::string_view s, std::string_view find, std::string_view with) {
    if (find.empty()) return std::string(s);
    std::string out;
    size_t pos = 0;
    for (size_t hit; (hit = s.find(find, pos)) != std::string_view::npos; pos = hit + find.size()) {
        out.append(s.substr(pos, hit - pos));
        out.append(with);
    }
    out.append(s.substr(pos));
    return out;
}

int StrCompText(std::string_view a, std::string_view b) {
    // Two walks without copies (this is the database's collation): first by
    // weight, then, for texts of equal weight, by the upper-cased characters.
    for (const bool byWeight : {true, false}) {
        size_t i = 0, j = 0;
        while (i < a.size() && j < b.size()) {
            const char32_t x = FoldUpper(CodePointAt(a, i)), y = FoldUpper(CodePointAt(b, j));
            const uint32_t wx = byWeight ? primaryWeight(x) : x, wy = byWeight ? primaryWeight(y) : y;
            if (wx != wy) return wx < wy ? -1 : 1;
            i += CharBytes(a, i);
            j += CharBytes(b, j);
        }
        if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
    }
    return 0;
}

bool LikeMatch(std::string_view text, std::string_view pattern, bool ignoreCase) {
    const auto t = folded(text, ignoreCase);
    const auto p = folded(pattern, ignoreCase);
    // Whether p[pi] (one single-character item) matches c; sets next to the item's end.
    auto single = [&](size_t pi, char32_t c, size_t& next) {
        next = pi + 1;
        if (p[pi] == '?') return true;
        if (p[pi] == '#') return c >= '0' && c <= '9';
        if (p[pi] != '[') return p[pi] == c;
        size_t k = pi + 1;
        const bool negate = k < p.size() && p[k] == '!';
        if (negate) ++k;
        if (k >= p.size()) return p[pi] == c;
        // A "]" right after the opening is a member; an unclosed "[" stands for itself.
        const size_t close = static_cast<size_t>(std::find(p.begin() + static_cast<long>(k) + 1, p.end(), U']') - p.begin());
        if (close >= p.size()) return p[pi] == c;
        bool in = false;
        for (size_t q = k; q < close; ++q) {
            if (q + 2 < close && p[q + 1] == '-') {
                in = in || (c >= p[q] && c <= p[q + 2]);
                q += 2;
            } else {
                in = in || c == p[q];
            }
        }
        next = close + 1;
        return in != negate;
    };
    size_t pi = 0, ti = 0, starP = std::string::npos, starT = 0;
    while (ti < t.size()) {
        size_t next = 0;
        if (pi < p.size() && p[pi] == '*') {
            starP = ++pi;
            starT = ti;
        } else if (pi < p.size() && single(pi, t[ti], next)) {
            pi = next;
            ++ti;
        } else if (starP != std::string::npos) {
            pi = starP;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*') ++pi;
    return pi == p.size();
}

} // namespace vb
