#include "platform/vb/Variant.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/vb/Err.h"
#include "platform/vb/NumberRead.h"
#include "platform/vb/Strings.h"

namespace vb {

namespace {

constexpr long long kLongMin = std::numeric_limits<int32_t>::min();
constexpr long long kLongMax = std::numeric_limits<int32_t>::max();

int32_t checkedLong(long long value) {
    if (value < kLongMin || value > kLongMax) Raise(errnum::Overflow);
    return static_cast<int32_t>(value);
}

// Text as a number for the conversions: True/False read as -1/0, as the runtime did.
double textAsNumber(const std::string& s) {
    if (const auto n = detail::ReadWholeNumber(s)) return *n;
    const std::string t = UCase(Trim(s));
    if (t == "TRUE") return -1;
    if (t == "FALSE") return 0;
    Raise(errnum::TypeMismatch);
}

// Whole-number value of a Variant, rounded half to even, checked to [lo, hi].
long long wholeNumber(const Variant& v, long long lo, long long hi) {
    const double d = RoundHalfEven(v.ToDouble());
    if (!(d >= static_cast<double>(lo) && d <= static_cast<double>(hi))) Raise(errnum::Overflow);
    return static_cast<long long>(d);
}

} // namespace

Variant::Variant(long i) : v_(checkedLong(i)) {}
Variant::Variant(long long i) : v_(checkedLong(i)) {}

Variant Variant::Integer(int value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        Raise(errnum::Overflow);
    return Variant(static_cast<int16_t>(value));
}

Variant Variant::Long(long long value) { return Variant(checkedLong(value)); }

VarType Variant::Type() const {
    static constexpr VarType types[] = {VarType::Empty,  VarType::Null,   VarType::Boolean, VarType::Integer,
                                        VarType::Long,   VarType::Single, VarType::Double,  VarType::Text};
    return types[v_.index()];
}

bool Variant::IsNumeric() const {
    if (IsNull()) return false;
    if (const auto* s = std::get_if<std::string>(&v_)) return detail::ReadWholeNumber(*s).has_value();
    return true;
}

double Variant::ToDouble() const {
    return std::visit(
        [](const auto& x) -> double {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, EmptyValue>) return 0;
            else if constexpr (std::is_same_v<T, NullValue>) Raise(errnum::InvalidUse);
            else if constexpr (std::is_same_v<T, bool>) return x ? -1 : 0;
            else if constexpr (std::is_same_v<T, std::string>) return textAsNumber(x);
            else return static_cast<double>(x);
        },
        v_);
}

bool Variant::ToBool() const {
    if (const auto* b = std::get_if<bool>(&v_)) return *b;
    return ToDouble() != 0;
}

int16_t Variant::ToInteger() const {
    if (const auto* i = std::get_if<int16_t>(&v_)) return *i;
    return static_cast<int16_t>(wholeNumber(*this, std::numeric_limits<int16_t>::min(),
                                            std::numeric_limits<int16_t>::max()));
}

int32_t Variant::ToLong() const {
    if (const auto* i = std::get_if<int32_t>(&v_)) return *i;
    return static_cast<int32_t>(wholeNumber(*this, kLongMin, kLongMax));
}

std::string Variant::ToText() const {
    return std::visit(
        [](const auto& x) -> std::string {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, EmptyValue>) return "";
            else if constexpr (std::is_same_v<T, NullValue>) Raise(errnum::InvalidUse);
            else if constexpr (std::is_same_v<T, bool>) return x ? "True" : "False";
            else if constexpr (std::is_same_v<T, std::string>) return x;
            else if constexpr (std::is_same_v<T, float>) {
                // A Single shows the seven digits it holds, not those of its double widening.
                char buf[32];
                std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(x));
                return NumberText(std::strtod(buf, nullptr));
            } else if constexpr (std::is_same_v<T, double>) return NumberText(x);
            else return std::to_string(x);
        },
        v_);
}

} // namespace vb
