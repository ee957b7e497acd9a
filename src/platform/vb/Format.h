#pragma once
// Format of dates and numbers with fixed Norwegian names, whatever the locale,
// and the clock that tests pin.
#include <chrono>
#include <functional>
#include <string>
#include "Variant.h"

namespace vb {

struct DateTime {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
    bool operator==(const DateTime&) const = default;
    int weekday() const;   // 1 = Sunday ... 7 = Saturday, as the runtime counts
};

// The program's clock; tests set a fixed time and reset it.
DateTime Now();
void SetClock(std::function<DateTime()> clock);
void ResetClock();

// Formats: "ddddd" (08.12.2026), "dd.mm.yyyy", "dd. mmmm yyyy", "d. mmmm yyyy",
// "d mmmm yyyy", "d. mmm yyyy" (8. des 2026), "dddd" (tirsdag), "hhmm", "hh:mm",
// "hh:mm:ss", "yyyy", and the tokens d dd ddd dddd ddddd m mm mmm mmmm yy yyyy h hh n nn s ss.
// mm right after an hour token means minutes.
std::string Format(const DateTime& when, std::string_view format);
// Numbers: "0", "00", "000", "#", "0.0", "0.00", "#,##0" and "" (as CStr).
std::string Format(double number, std::string_view format);
std::string Format(const Variant& value, std::string_view format);

// Norwegian names, 1-based.
const std::string& MonthName(int month, bool abbreviate = false);  // "desember" / "des"
const std::string& WeekdayName(int weekday, bool abbreviate = false); // 1 = "søndag"

} // namespace vb
