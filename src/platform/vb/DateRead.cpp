#include "platform/vb/DateRead.h"

#include <chrono>
#include <cmath>
#include <vector>

namespace vb::detail {

namespace {

bool validDate(int y, int m, int d) {
    using namespace std::chrono;
    return y >= 100 && y <= 9999 &&
           year_month_day{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}}.ok();
}

} // namespace

std::optional<DateTime> ReadDate(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    std::vector<int> parts;
    std::vector<size_t> widths;
    char separator = 0;
    for (size_t i = b; i < e;) {
        size_t w = 0;
        int n = 0;
        while (i < e && text[i] >= '0' && text[i] <= '9' && w < 5) n = n * 10 + (text[i++] - '0'), ++w;
        if (w == 0 || w > 4) return std::nullopt;
        parts.push_back(n);
        widths.push_back(w);
        if (i == e) break;
        const char s = text[i];
        if ((s != '.' && s != '/' && s != '-') || (separator && s != separator)) return std::nullopt;
        separator = s;
        if (++i == e) return std::nullopt;
    }
    int d = 0, m = 0, y = 0;
    if (parts.size() == 3 && widths[0] == 4 && separator == '-') {
        y = parts[0], m = parts[1], d = parts[2];
    } else if (parts.size() == 3 && widths[0] <= 2 && widths[1] <= 2 && (widths[2] == 2 || widths[2] == 4)) {
        d = parts[0], m = parts[1], y = parts[2];
        if (widths[2] == 2) y += y < 30 ? 2000 : 1900;
    } else if (parts.size() == 2 && widths[0] <= 2 && widths[1] <= 2) {
        d = parts[0], m = parts[1], y = Now().year;
    } else {
        return std::nullopt;
    }
    if (!validDate(y, m, d)) return std::nullopt;
    return DateTime{y, m, d, 0, 0, 0};
}

DateTime FromSerial(double serial) {
    using namespace std::chrono;
    double days = std::floor(serial);
    long long seconds = std::llround((serial - days) * 86400.0);
    if (seconds >= 86400) seconds -= 86400, days += 1;
    const year_month_day ymd{sys_days{1899y / December / 30} + std::chrono::days{static_cast<long long>(days)}};
    return DateTime{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                    static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(seconds / 3600),
                    static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}

} // namespace vb::detail
