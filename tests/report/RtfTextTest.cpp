// Text into RTF: what must be escaped and how letters outside ASCII travel.
#include <gtest/gtest.h>

#include "platform/report/Rtf.h"

namespace {

TEST(RtfText, EscapesAndEncodesEachKindOfCharacter) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"Ola", "Ola"},
        {"a\\b{c}", "a\\\\b\\{c\\}"},
        {"æøåÆØÅ", "\\'e6\\'f8\\'e5\\'c6\\'d8\\'c5"},
        {"€–", "\\'80\\'96"},                        // cp1252 keeps these in 0x80..0x9F
        {"Łódź", "\\u321\\'3f\\'f3d\\u378\\'3f"},     // not in cp1252
        {"\xE2\x80\x8B", "\\u8203\\'3f"},
        {"\xF0\x9F\x98\x80", "\\u-10179\\'3f\\u-8704\\'3f"},   // beyond 16 bits: a surrogate pair
        {"a\tb\r\nc\x01", "a\\tab b\\line \\line c "},
    };
    for (const auto& c : cases) EXPECT_EQ(report::RtfText(c.in), c.out) << c.in;
}

} // namespace
