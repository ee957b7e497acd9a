#include "platform/dao/Collation.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "platform/vb/Strings.h"

namespace dao::detail {

namespace {

bool ascii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

int noCase(void*, int na, const void* a, int nb, const void* b) {
    const std::string_view x(static_cast<const char*>(a), static_cast<size_t>(na));
    const std::string_view y(static_cast<const char*>(b), static_cast<size_t>(nb));
    // Plain ASCII is the common case and orders the same as the full rule.
    if (ascii(x) && ascii(y)) {
        const size_t n = std::min(x.size(), y.size());
        for (size_t i = 0; i < n; ++i) {
            const int cx = std::toupper(static_cast<unsigned char>(x[i]));
            const int cy = std::toupper(static_cast<unsigned char>(y[i]));
            if (cx != cy) return cx < cy ? -1 : 1;
        }
        return x.size() == y.size() ? 0 : x.size() < y.size() ? -1 : 1;
    }
    return vb::StrCompText(x, y);
}

// SQL's % and _ in the pattern language of the program's Like, every other
// character taken literally.
std::string wildcardPattern(std::string_view sqlPattern) {
    std::string out;
    out.reserve(sqlPattern.size() + 4);
    for (char c : sqlPattern) {
        switch (c) {
        case '%': out += '*'; break;
        case '_': out += '?'; break;
        case '*': out += "[*]"; break;
        case '?': out += "[?]"; break;
        case '#': out += "[#]"; break;
        case '[': out += "[[]"; break;
        default: out += c;
        }
    }
    return out;
}

void like(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto text = [](sqlite3_value* v) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
        return std::string_view(p ? p : "", static_cast<size_t>(sqlite3_value_bytes(v)));
    };
    // like(pattern, text): the pattern comes first.
    sqlite3_result_int(ctx, vb::LikeMatch(text(argv[1]), wildcardPattern(text(argv[0])), true) ? 1 : 0);
}

} // namespace

void RegisterTextRules(sqlite3* db) {
    sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, noCase, nullptr);
    sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, like, nullptr, nullptr, nullptr);
}

} // namespace dao::detail
