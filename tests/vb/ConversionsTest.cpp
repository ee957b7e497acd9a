#include <gtest/gtest.h>

#include "platform/vb/Err.h"
#include "platform/vb/Variant.h"

using namespace vb;

namespace {
int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Err& e) {
        return e.Number;
    }
    return 0;
}
} // namespace

TEST(CInt, RoundsHalvesToEven) {
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-3.5), -4);
    EXPECT_EQ(CInt(0.5), 0);
    EXPECT_EQ(CInt(1.5), 2);
    EXPECT_EQ(CInt(2.4999), 2);
    EXPECT_EQ(CInt(2.5001), 3);
    EXPECT_EQ(CInt("2.5"), 2);
    EXPECT_EQ(CInt(" 3.5 "), 4);
}

TEST(CInt, OverflowsOutsideSixteenBits) {
    EXPECT_EQ(CInt(32767), 32767);
    EXPECT_EQ(CInt(-32768), -32768);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(errorOf([] { CInt(32768); }), errnum::Overflow);
    EXPECT_EQ(errorOf([] { CInt(-32769); }), errnum::Overflow);
    EXPECT_EQ(errorOf([] { CInt(32767.5); }), errnum::Overflow);   // rounds to 32768
    EXPECT_EQ(CInt(-32768.5), -32768);                              // rounds to the even -32768
    EXPECT_EQ(errorOf([] { CInt("40000"); }), errnum::Overflow);
    EXPECT_EQ(errorOf([] { Variant::Integer(32768); }), errnum::Overflow);
    EXPECT_EQ(errorOf([] { Variant::Integer(-32769); }), errnum::Overflow);
    EXPECT_EQ(Variant::Integer(-32768).Type(), VarType::Integer);
}

TEST(CInt, TextThatIsNoNumberIsATypeMismatch) {
    EXPECT_EQ(errorOf([] { CInt(""); }), errnum::TypeMismatch);
    EXPECT_EQ(errorOf([] { CInt("  "); }), errnum::TypeMismatch);
    EXPECT_EQ(errorOf([] { CInt("12abc"); }), errnum::TypeMismatch);
    EXPECT_EQ(errorOf([] { CInt("1 2"); }), errnum::TypeMismatch);
    EXPECT_EQ(errorOf([] { CDbl("."); }), errnum::TypeMismatch);
    EXPECT_EQ(CInt("-12"), -12);
    EXPECT_EQ(CDbl("1e3"), 1000);
    EXPECT_EQ(CDbl("1,5"), 1.5);
}

TEST(Conversions, NullRaisesInvalidUseOfNull) {
    EXPECT_EQ(errorOf([] { CInt(Null); }), errnum::InvalidUse);
    EXPECT_EQ(errorOf([] { CLng(Null); }), errnum::InvalidUse);
    EXPECT_EQ(errorOf([] { CDbl(Null); }), errnum::InvalidUse);
    EXPECT_EQ(errorOf([] { CStr(Null); }), errnum::InvalidUse);
    EXPECT_EQ(errorOf([] { CBool(Null); }), errnum::InvalidUse);
}

TEST(Conversions, EmptyBooleanAndTextForms) {
    EXPECT_EQ(CInt(Variant()), 0);
    EXPECT_EQ(CStr(Variant()), "");
    EXPECT_EQ(CInt(true), -1);
    EXPECT_EQ(CInt(false), 0);
    EXPECT_TRUE(CBool("True"));
    EXPECT_FALSE(CBool("false"));
    EXPECT_TRUE(CBool(-1));
    EXPECT_TRUE(CBool("2"));
    EXPECT_FALSE(CBool(0.0));
    EXPECT_EQ(errorOf([] { CBool("ja"); }), errnum::TypeMismatch);
}

TEST(CLng, BordersOfThirtyTwoBits) {
    EXPECT_EQ(CLng(2147483647.0), 2147483647);
    EXPECT_EQ(CLng(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(errorOf([] { CLng(2147483648.0); }), errnum::Overflow);
    EXPECT_EQ(errorOf([] { Variant(2147483648LL); }), errnum::Overflow);
    EXPECT_EQ(errorOf([] { Variant::Long(-2147483649LL); }), errnum::Overflow);
    EXPECT_EQ(CLng(Variant(int16_t{-5})), -5);
    EXPECT_EQ(CLng(6.5), 6);
}

TEST(CStr, WritesValuesAsTheRuntimeDid) {
    EXPECT_EQ(CStr(true), "True");
    EXPECT_EQ(CStr(false), "False");
    EXPECT_EQ(CStr(Variant(int16_t{-7})), "-7");
    EXPECT_EQ(CStr(1.5), "1.5");
    EXPECT_EQ(CStr(-0.25), "-0.25");
    EXPECT_EQ(CStr(-0.0), "0");
    EXPECT_EQ(CStr(12.0), "12");
    EXPECT_EQ(CStr(0.1 + 0.2), "0.3");             // 15 significant digits
    EXPECT_EQ(CStr(123456789012.0), "123456789012");
    EXPECT_EQ(CStr(1.1f), "1.1");                   // a Single keeps its own digits
    EXPECT_EQ(CStr(1e20), "1E+20");
    EXPECT_EQ(CStr(999999999999999.0), "999999999999999");   // the last whole number in 15 digits
    EXPECT_EQ(CStr(-999999999999999.0), "-999999999999999");
    EXPECT_EQ(CStr(1e15), "1E+15");
    EXPECT_EQ(CStr(-32768.0), "-32768");
}

TEST(Str, LeadingBlankForPositivesOnly) {
    EXPECT_EQ(Str(12), " 12");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(Str(0), " 0");
}

TEST(Val, ReadsTheLeadingNumber) {
    EXPECT_EQ(Val("12abc"), 12);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val(" 1 2"), 12);
    EXPECT_EQ(Val("\t-4 5x"), -45);
    EXPECT_EQ(Val("1.5.6"), 1.5);
    EXPECT_EQ(Val("-.5"), -0.5);
    EXPECT_EQ(Val("+7"), 7);
    EXPECT_EQ(Val("--7"), 0);
    EXPECT_EQ(Val("2e3x"), 2000);
    EXPECT_EQ(Val("2ex"), 2);          // an exponent without digits is not read
    EXPECT_EQ(Val("1,5"), 1);          // only "." is a decimal point here
    EXPECT_EQ(errorOf([] { Val("1e999"); }), errnum::Overflow);
    EXPECT_EQ(Val("1e-999"), 0);
    EXPECT_EQ(CDbl("1e-999"), 0);
    // For a range check the number too large to read is nothing, and every other reads as Val.
    EXPECT_EQ(ValInRange("1e999"), std::nullopt);
    EXPECT_EQ(ValInRange("-1e400x"), std::nullopt);
    EXPECT_EQ(ValInRange("1e-999"), 0.0);
    EXPECT_EQ(ValInRange(" 4 0000"), 40000.0);
}

TEST(IsNumeric, NumbersAndTextThatReadsFully) {
    EXPECT_TRUE(IsNumeric(" 12 "));
    EXPECT_TRUE(IsNumeric(3.5));
    EXPECT_FALSE(IsNumeric(""));
    EXPECT_FALSE(IsNumeric("12abc"));
    EXPECT_FALSE(IsNumeric(Null));
    EXPECT_TRUE(IsNull(Null));
    EXPECT_FALSE(IsNull(""));
}

TEST(Concat, NullCountsAsEmptyText) {
    EXPECT_EQ(Concat(Null, "a"), "a");
    EXPECT_EQ(Concat("a", Null), "a");
    EXPECT_EQ(Concat(Null, Null), "");
    EXPECT_EQ(Concat(640, " x "), "640 x ");
    EXPECT_EQ(Concat(true, 1.5), "True1.5");
}

TEST(IntDiv, RoundsOperandsFirst) {
    EXPECT_EQ(IntDiv(9600.0, 15.0), 640);
    EXPECT_EQ(IntDiv(7.5, 2), 4);       // 8 \ 2
    EXPECT_EQ(IntDiv(6.5, 2.5), 3);     // 6 \ 2
    EXPECT_EQ(IntDiv(-7, 2), -3);       // truncates toward zero
    EXPECT_EQ(IntDiv("19", 4), 4);
    EXPECT_EQ(errorOf([] { IntDiv(1, 0.4); }), 11);   // 0.4 rounds to 0
    EXPECT_EQ(errorOf([] { IntDiv(Null, 2); }), errnum::InvalidUse);
    EXPECT_EQ(errorOf([] { IntDiv(-2147483647 - 1, -1); }), errnum::Overflow);
}

TEST(Variant, TypesOfConstructedValues) {
    EXPECT_EQ(Variant().Type(), VarType::Empty);
    EXPECT_EQ(Variant(Null).Type(), VarType::Null);
    EXPECT_EQ(Variant(5).Type(), VarType::Long);
    EXPECT_EQ(Variant(int16_t{5}).Type(), VarType::Integer);
    EXPECT_EQ(Variant(1.0f).Type(), VarType::Single);
    EXPECT_EQ(Variant("x").Type(), VarType::Text);
    EXPECT_EQ(Variant(true).Type(), VarType::Boolean);
    EXPECT_NE(Variant(5), Variant(int16_t{5}));   // same number, different types
}

TEST(Err, RaiseCarriesNumberAndStandardText) {
    try {
        Raise(errnum::PathFileAccess);
        FAIL();
    } catch (const Err& e) {
        EXPECT_EQ(e.Number, 75);
        EXPECT_EQ(e.Description, "Feil ved tilgang til bane/fil");
        EXPECT_STREQ(e.what(), "Feil ved tilgang til bane/fil");
    }
    try {
        Raise(3051, "egen tekst");
        FAIL();
    } catch (const Err& e) {
        EXPECT_EQ(e.Description, "egen tekst");
    }
    EXPECT_EQ(ErrorText(6), "Overflyt");
    EXPECT_EQ(ErrorText(13), "Typen samsvarer ikke");
    EXPECT_EQ(ErrorText(52), "Ugyldig filnavn eller nummer");
    EXPECT_EQ(ErrorText(53), "Finner ikke filen");
    EXPECT_EQ(ErrorText(70), "Ingen tilgang");
    EXPECT_EQ(ErrorText(76), "Finner ikke banen");
    EXPECT_EQ(ErrorText(3051).rfind("Databasemotoren kan ikke åpne filen", 0), 0u);
    EXPECT_FALSE(ErrorText(424242).empty());
}
