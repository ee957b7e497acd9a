#pragma once
// Reading numbers out of text, shared by the conversions and Format.
#include <optional>
#include <string_view>

namespace vb::detail {

// The whole text as one number (blanks around it allowed, "." or "," as the
// decimal point, an exponent); nothing when any of it is not part of the number.
std::optional<double> ReadWholeNumber(std::string_view text);

} // namespace vb::detail
