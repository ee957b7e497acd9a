#include <ctime>
#include <mutex>

#include "platform/vb/Format.h"

namespace vb {

namespace {

DateTime systemLocalTime() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::mutex g_mutex;
std::function<DateTime()> g_clock = systemLocalTime;

} // namespace

DateTime Now() {
    std::function<DateTime()> clock;
    {
        std::lock_guard lock(g_mutex);
        clock = g_clock;
    }
    return clock();
}

void SetClock(std::function<DateTime()> clock) {
    std::lock_guard lock(g_mutex);
    g_clock = clock ? std::move(clock) : systemLocalTime;
}

void ResetClock() { SetClock(nullptr); }

} // namespace vb
