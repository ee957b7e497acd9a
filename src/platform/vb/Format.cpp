#include "platform/vb/Format.h"

#include <cctype>
#include <chrono>
#include <cstdio>

#include "platform/vb/Err.h"
#include "platform/vb/Utf8.h"

namespace vb {

namespace {

std::string twoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

std::chrono::sys_days toDays(const DateTime& d) {
    namespace c = std::chrono;
    return c::sys_days{c::year{d.year} / c::month{static_cast<unsigned>(d.month)} / c::day{static_cast<unsigned>(d.day)}};
}

int dayOfYear(const DateTime& d) {
    return static_cast<int>((toDays(d) - toDays(DateTime{d.year, 1, 1})).count()) + 1;
}

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
bool isToken(char c) {
    const char l = lower(c);
    return l == 'd' || l == 'm' || l == 'y' || l == 'h' || l == 'n' || l == 's';
}

// The next token letter after position i, skipping literals; 0 when none.
char nextToken(std::string_view f, size_t i) {
    for (; i < f.size(); ++i) {
        if (f[i] == '"') {
            const size_t close = f.find('"', i + 1);
            if (close == std::string_view::npos) return 0;
            i = close;
        } else if (f[i] == '\\') {
            ++i;
        } else if (isToken(f[i])) {
            return lower(f[i]);
        }
    }
    return 0;
}

} // namespace

int DateTime::weekday() const {
    return static_cast<int>(std::chrono::weekday{toDays(*this)}.c_encoding()) + 1;
}

const std::string& MonthName(int month, bool abbreviate) {
    static const std::string full[] = {"januar", "februar", "mars",      "april",   "mai",      "juni",
                                       "juli",   "august",  "september", "oktober", "november", "desember"};
    static const std::string shortNames[] = {"jan", "feb", "mar", "apr", "mai", "jun",
                                             "jul", "aug", "sep", "okt", "nov", "des"};
    if (month < 1 || month > 12) Raise(errnum::InvalidArgument);
    return abbreviate ? shortNames[month - 1] : full[month - 1];
}

const std::string& WeekdayName(int weekday, bool abbreviate) {
    static const std::string full[] = {"søndag", "mandag", "tirsdag", "onsdag", "torsdag", "fredag", "lørdag"};
    static const std::string shortNames[] = {"søn", "man", "tir", "ons", "tor", "fre", "lør"};
    if (weekday < 1 || weekday > 7) Raise(errnum::InvalidArgument);
    return abbreviate ? shortNames[weekday - 1] : full[weekday - 1];
}

std::string Format(const DateTime& when, std::string_view f) {
    std::string out;
    bool afterHour = false;   // an m-run right after an hour token is minutes
    for (size_t i = 0; i < f.size();) {
        const char c = f[i];
        if (c == '"') {
            const size_t close = f.find('"', i + 1);
            const size_t end = close == std::string_view::npos ? f.size() : close;
            out.append(f.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (c == '\\' && i + 1 < f.size()) {
            const size_t n = detail::CharBytes(f, i + 1);
            out.append(f.substr(i + 1, n));
            i += 1 + n;
            continue;
        }
        if (!isToken(c)) {
            out += c == '/' ? '.' : c;   // the Norwegian date separator
            ++i;
            continue;
        }
        const char t = lower(c);
        size_t run = 0;
        while (i + run < f.size() && lower(f[i + run]) == t) ++run;
        i += run;
        switch (t) {
        case 'd':
            if (run >= 6) out += Format(when, "d. mmmm yyyy");
            else if (run == 5) out += twoDigits(when.day) + "." + twoDigits(when.month) + "." + std::to_string(when.year);
            else if (run == 4) out += WeekdayName(when.weekday());
            else if (run == 3) out += WeekdayName(when.weekday(), true);
            else if (run == 2) out += twoDigits(when.day);
            else out += std::to_string(when.day);
            break;
        case 'm':
            if ((afterHour || nextToken(f, i) == 's') && run <= 2) {
                out += run == 2 ? twoDigits(when.minute) : std::to_string(when.minute);
            } else if (run >= 4) out += MonthName(when.month);
            else if (run == 3) out += MonthName(when.month, true);
            else if (run == 2) out += twoDigits(when.month);
            else out += std::to_string(when.month);
            break;
        case 'y':
            if (run >= 3) out += std::to_string(when.year);
            else if (run == 2) out += twoDigits(when.year % 100);
            else out += std::to_string(dayOfYear(when));
            break;
        case 'h': out += run >= 2 ? twoDigits(when.hour) : std::to_string(when.hour); break;
        case 'n': out += run >= 2 ? twoDigits(when.minute) : std::to_string(when.minute); break;
        case 's': out += run >= 2 ? twoDigits(when.second) : std::to_string(when.second); break;
        default: break;
        }
        afterHour = t == 'h';
    }
    return out;
}

} // namespace vb
