// Counting the days between two dates, and rejecting bad records.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "daymath.h"
#include "test_dates.h"

namespace {

constexpr int32_t G = DAYMATH_GREGORIAN;
constexpr int32_t J = DAYMATH_JULIAN;
constexpr int32_t A = DAYMATH_ANNUS_NOVUS;

struct ElapsedCase {
    CalendarDate later;
    CalendarDate earlier;
    int32_t days;
    int32_t error;
};

TEST(DaysElapsed, CountsOrReportsEachCase) {
    const ElapsedCase cases[] = {
        {MakeDate(2004, 3, 1, G), MakeDate(2004, 2, 1, G), 29, DAYMATH_OK},
        {MakeDate(2003, 3, 1, G), MakeDate(2003, 2, 1, G), 28, DAYMATH_OK},
        {MakeDate(2004, 2, 1, G), MakeDate(2004, 3, 1, G), -29, DAYMATH_OK},
        {MakeDate(10520, 1, 1, A), MakeDate(10519, 1, 1, A), 366, DAYMATH_OK},
        {MakeDate(10520, 1, 1, A), MakeDate(10519, 10, 1, A), 38, DAYMATH_OK},
        {MakeDate(2001, 1, 1, G), MakeDate(2000, 12, 19, J), 0, DAYMATH_OK},
        {MakeDate(1901, 1, 1, J), MakeDate(1900, 1, 1, J), 366, DAYMATH_OK},
        {MakeDate(5000000, 1, 1, G), MakeDate(-5000000, 1, 1, G), 0, DAYMATH_ERR_RANGE},
        {MakeDate(2001, 1, 1, 'X'), MakeDate(2001, 1, 1, G), 0, DAYMATH_ERR_CALENDAR},
        {MakeDate(2001, 1, 1, G), MakeDate(2001, 1, 1, 0), 0, DAYMATH_ERR_CALENDAR},
        {MakeDate(2003, 2, 29, G), MakeDate(2001, 1, 1, G), 0, DAYMATH_ERR_DATE},
        {MakeDate(2001, 1, 1, G), MakeDate(2001, 13, 1, G), 0, DAYMATH_ERR_DATE},
        {MakeDate(10520, 11, 1, A), MakeDate(10520, 1, 1, A), 0, DAYMATH_ERR_DATE},
        {MakeDate(INT32_MAX, 12, 31, G), MakeDate(INT32_MIN, 1, 1, G), 0, DAYMATH_ERR_RANGE},
    };
    for (const ElapsedCase& c : cases) {
        int32_t error = 99;
        EXPECT_EQ(days_elapsed(&c.later, &c.earlier, &error), c.days)
            << c.later << " / " << c.earlier;
        EXPECT_EQ(error, c.error) << c.later << " / " << c.earlier;
    }
}

TEST(DaysElapsed, ReadsTheDatesNotTheirDayNumbers) {
    CalendarDate later = MakeDate(2004, 3, 1, G);
    CalendarDate earlier = MakeDate(2004, 2, 1, G);
    later.jdn = 1;
    earlier.jdn = 1000;
    int32_t error = 0;
    EXPECT_EQ(days_elapsed(&later, &earlier, &error), 29);
}

TEST(DaysElapsed, NullPointersAreReportedOrTolerated) {
    const CalendarDate date = MakeDate(2004, 3, 1, G);
    const CalendarDate before = MakeDate(2004, 2, 1, G);
    int32_t error = 0;
    EXPECT_EQ(days_elapsed(nullptr, &date, &error), 0);
    EXPECT_EQ(error, DAYMATH_ERR_NULL);
    error = 0;
    EXPECT_EQ(days_elapsed(&date, nullptr, &error), 0);
    EXPECT_EQ(error, DAYMATH_ERR_NULL);
    EXPECT_EQ(days_elapsed(&date, &before, nullptr), 29);
}

}  // namespace
