#include <gtest/gtest.h>

#include "platform/vb/Format.h"
#include "support/TestEnv.h"

using namespace vb;

namespace {
const DateTime kTuesday{2026, 12, 8, 8, 15, 0};
}

TEST(FormatDate, FormatsTheProgramUses) {
    EXPECT_EQ(Format(kTuesday, "ddddd"), "08.12.2026");
    EXPECT_EQ(Format(kTuesday, "dd.mm.yyyy"), "08.12.2026");
    EXPECT_EQ(Format(kTuesday, "dd. mmmm yyyy"), "08. desember 2026");
    EXPECT_EQ(Format(kTuesday, "d. mmmm yyyy"), "8. desember 2026");
    EXPECT_EQ(Format(kTuesday, "d mmmm yyyy"), "8 desember 2026");
    EXPECT_EQ(Format(kTuesday, "d. mmm yyyy"), "8. des 2026");
    EXPECT_EQ(Format(kTuesday, "dddd"), "tirsdag");
    EXPECT_EQ(Format(kTuesday, "hhmm"), "0815");
    EXPECT_EQ(Format(kTuesday, "hh:mm"), "08:15");
    EXPECT_EQ(Format(kTuesday, "hh:mm:ss"), "08:15:00");
    EXPECT_EQ(Format(kTuesday, "yyyy"), "2026");
}

TEST(FormatDate, TokensAndLiterals) {
    const DateTime t{2024, 3, 5, 14, 7, 9};
    EXPECT_EQ(Format(t, "d m yy"), "5 3 24");
    EXPECT_EQ(Format(t, "dd/mm/yyyy"), "05.03.2024");
    EXPECT_EQ(Format(t, "ddd"), "tir");
    EXPECT_EQ(Format(t, "h:n:s"), "14:7:9");
    EXPECT_EQ(Format(t, "hh:nn"), "14:07");
    EXPECT_EQ(Format(t, "mm:ss"), "07:09");          // mm before seconds is minutes
    EXPECT_EQ(Format(t, "mmmm"), "mars");
    EXPECT_EQ(Format(t, "y"), "65");                 // day of the year, a leap year
    EXPECT_EQ(Format(t, "\"kl.\" hh"), "kl. 14");
    EXPECT_EQ(Format(t, "\\d d"), "d 5");
    EXPECT_EQ(Format(t, "dddddd"), "5. mars 2024");
}

TEST(FormatDate, NorwegianNamesWhateverTheLocale) {
    const char* months[] = {"januar", "februar", "mars", "april", "mai", "juni", "juli",
                            "august", "september", "oktober", "november", "desember"};
    const char* shorts[] = {"jan", "feb", "mar", "apr", "mai", "jun", "jul", "aug", "sep", "okt", "nov", "des"};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(Format(DateTime{2026, m, 1}, "mmmm"), months[m - 1]);
        EXPECT_EQ(Format(DateTime{2026, m, 1}, "mmm"), shorts[m - 1]);
    }
    // 6 December 2026 is a Sunday.
    const char* days[] = {"søndag", "mandag", "tirsdag", "onsdag", "torsdag", "fredag", "lørdag"};
    for (int d = 0; d < 7; ++d) {
        const DateTime when{2026, 12, 6 + d};
        EXPECT_EQ(when.weekday(), d + 1);
        EXPECT_EQ(Format(when, "dddd"), days[d]);
    }
    EXPECT_EQ(Format(DateTime{2027, 1, 2}, "dddd"), "lørdag");
}

TEST(FormatNumber, PlaceholdersAndRounding) {
    EXPECT_EQ(Format(7.0, "00"), "07");
    EXPECT_EQ(Format(7.0, "000"), "007");
    EXPECT_EQ(Format(1234.0, "00"), "1234");
    EXPECT_EQ(Format(2.5, "0"), "3");            // away from zero, unlike CInt
    EXPECT_EQ(Format(-2.5, "0"), "-3");
    EXPECT_EQ(Format(0.0, "#"), "");
    EXPECT_EQ(Format(12.0, "#"), "12");
    EXPECT_EQ(Format(1.25, "0.0"), "1.3");
    EXPECT_EQ(Format(1.005, "0.00"), "1.01");
    EXPECT_EQ(Format(9.996, "0.00"), "10.00");
    EXPECT_EQ(Format(0.4, "0"), "0");
    EXPECT_EQ(Format(0.6, "0"), "1");
    EXPECT_EQ(Format(-0.001, "0.00"), "0.00");   // no minus on a rounded-away number
    EXPECT_EQ(Format(1234567.0, "#,##0"), "1 234 567");
    EXPECT_EQ(Format(999.0, "#,##0"), "999");
    EXPECT_EQ(Format(1.5, "0.##"), "1.5");
    EXPECT_EQ(Format(3.0, "0.##"), "3");
    EXPECT_EQ(Format(1.5, ""), "1.5");
    EXPECT_EQ(Format(5.0, "0 \"poeng\""), "5 poeng");
    EXPECT_EQ(Format(5.0, "\"nr 0\" 0"), "nr 0 5");
    EXPECT_EQ(Format(-4.0, "0;(0)"), "(4)");
    EXPECT_EQ(Format(0.0, "0;(0);\"null\""), "null");
}

TEST(FormatVariant, TextNullAndNumbers) {
    EXPECT_EQ(Format(Variant(Null), "dd.mm.yyyy"), "");
    EXPECT_EQ(Format(Variant(""), "dd.mm.yyyy"), "");
    EXPECT_EQ(Format(Variant("1.2.2024"), "dd.mm.yyyy"), "01.02.2024");
    EXPECT_EQ(Format(Variant("5/11/99"), "dd.mm.yyyy"), "05.11.1999");
    EXPECT_EQ(Format(Variant("5.11.29"), "dd.mm.yyyy"), "05.11.2029");
    EXPECT_EQ(Format(Variant("2024-02-29"), "d. mmm yyyy"), "29. feb 2024");
    EXPECT_EQ(Format(Variant("30.2.2024"), "dd.mm.yyyy"), "30.2.2024");   // no such day: left as typed
    EXPECT_EQ(Format(Variant("våren 2020"), "dd.mm.yyyy"), "våren 2020");
    EXPECT_EQ(Format(Variant("1.2.2024 x"), "dd.mm.yyyy"), "1.2.2024 x");
    EXPECT_EQ(Format(Variant(int16_t{5}), "00"), "05");
    EXPECT_EQ(Format(Variant("7"), "000"), "007");
    EXPECT_EQ(Format(Variant("abc"), "000"), "abc");
    EXPECT_EQ(Format(Variant(true), ""), "True");
    EXPECT_EQ(Format(Variant(46364.34375), "dd.mm.yyyy hh:nn"), "08.12.2026 08:15");
}

TEST(FormatVariant, DayAndMonthTakeTheClocksYear) {
    const kdtest::ClockPinnedTo i2031(DateTime{2031, 6, 1});
    EXPECT_EQ(Format(Variant("3.4"), "dd.mm.yyyy"), "03.04.2031");
}

TEST(Clock, PinnedAndReset) {
    EXPECT_EQ(Now(), kdtest::PinnedNow());
    EXPECT_EQ(Format(Now(), "ddddd"), "08.12.2026");
    ResetClock();
    const DateTime live = Now();
    kdtest::PinClock(kdtest::PinnedNow());
    EXPECT_GE(live.year, 2024);   // the system's own time again
    EXPECT_NE(live, kdtest::PinnedNow());
    SetClock(nullptr);            // no clock given means the system's
    EXPECT_NE(Now(), kdtest::PinnedNow());
    kdtest::PinClock(kdtest::PinnedNow());
}
