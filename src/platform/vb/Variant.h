#pragma once
// The program's values as the old runtime held them: Empty, Null, Boolean,
// Integer (16 bit), Long (32 bit), Single, Double and Text (UTF-8).
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace vb {

struct NullValue { bool operator==(const NullValue&) const = default; };
struct EmptyValue { bool operator==(const EmptyValue&) const = default; };
inline constexpr NullValue Null{};

enum class VarType { Empty = 0, Null = 1, Integer = 2, Long = 3, Single = 4, Double = 5, Text = 8, Boolean = 11 };

class Variant {
public:
    Variant() = default;                       // Empty
    Variant(NullValue) : v_(NullValue{}) {}
    Variant(bool b) : v_(b) {}
    Variant(int16_t i) : v_(i) {}
    Variant(int i) : v_(static_cast<int32_t>(i)) {}   // a plain int is a Long
    Variant(long i);                            // Long; overflow (6) past 32 bits
    Variant(long long i);                       // Long; overflow (6) past 32 bits
    Variant(float f) : v_(f) {}
    Variant(double d) : v_(d) {}
    Variant(const char* s) : v_(std::string(s)) {}
    Variant(std::string s) : v_(std::move(s)) {}
    Variant(std::string_view s) : v_(std::string(s)) {}

    static Variant Integer(int value);          // 16 bit; overflow (6) outside -32768..32767
    static Variant Long(long long value);       // 32 bit; overflow (6) outside the range

    VarType Type() const;
    bool IsNull() const { return std::holds_alternative<NullValue>(v_); }
    bool IsEmpty() const { return std::holds_alternative<EmptyValue>(v_); }
    bool IsText() const { return std::holds_alternative<std::string>(v_); }
    bool IsNumeric() const;                     // a number, or text that reads fully as one

    // Conversions as the runtime does them; Null raises 94, bad text 13.
    bool ToBool() const;
    int16_t ToInteger() const;                  // CInt
    int32_t ToLong() const;                     // CLng
    double ToDouble() const;                    // CDbl
    std::string ToText() const;                 // CStr; Null raises 94, Empty gives ""

    bool operator==(const Variant& o) const = default;

    const std::variant<EmptyValue, NullValue, bool, int16_t, int32_t, float, double, std::string>& raw() const { return v_; }

private:
    std::variant<EmptyValue, NullValue, bool, int16_t, int32_t, float, double, std::string> v_{};
};

// VB conversions and operators on Variants.
int16_t CInt(const Variant& v);      // banker's rounding, 6 on overflow, 13 on text that is no number
int32_t CLng(const Variant& v);
double CDbl(const Variant& v);
bool CBool(const Variant& v);
std::string CStr(const Variant& v);
double Val(std::string_view text);   // the leading number: "12abc" -> 12, "abc" -> 0, " 1 2" -> 12
// Val for a range check: nothing for a number too large to hold ("1e999"), where Val overflows (6).
std::optional<double> ValInRange(std::string_view text);
bool IsNumeric(const Variant& v);
bool IsNull(const Variant& v);
std::string Concat(const Variant& a, const Variant& b);   // a & b, Null as ""
std::string Str(double number);      // " 12" / "-3": leading blank for positives
// a \ b: both operands rounded (banker's) to whole numbers first; 11 on division by zero.
int32_t IntDiv(const Variant& a, const Variant& b);
// Banker's rounding to a whole number.
double RoundHalfEven(double x);
// Text of a number as CStr writes it ("12", "1.5", "-0.25"; no exponent for ordinary sizes).
std::string NumberText(double d);

} // namespace vb
