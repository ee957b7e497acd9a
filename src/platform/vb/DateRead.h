#pragma once
// Reading dates out of text and out of the runtime's day numbers.
#include <optional>
#include <string_view>

#include "platform/vb/Format.h"

namespace vb::detail {

// A date written as Norwegian settings read it: d.m.yyyy, d.m.yy, d.m (this
// year), with "/" or "-" also allowed between the parts, or yyyy-mm-dd.
std::optional<DateTime> ReadDate(std::string_view text);
// Day number (whole days since 30 December 1899, the fraction the time of day).
DateTime FromSerial(double serial);

} // namespace vb::detail
