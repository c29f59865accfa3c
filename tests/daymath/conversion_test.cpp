// Day-number conversions: fixed points, calendar rules, week days and round
// trips over the whole 32-bit range.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "calendar_oracle.h"
#include "daymath.h"
#include "test_dates.h"

namespace {

constexpr int32_t G = DAYMATH_GREGORIAN;
constexpr int32_t J = DAYMATH_JULIAN;
constexpr int32_t A = DAYMATH_ANNUS_NOVUS;

struct FixedPoint {
    int32_t jdn;
    CalendarDate date;
};

const FixedPoint kFixedPoints[] = {
    {2451911, MakeDate(2001, 1, 1, G)},   {2451911, MakeDate(2000, 12, 19, J)},
    {2451911, MakeDate(10520, 1, 1, A)},  {2451332, MakeDate(1999, 6, 2, G)},
    {2451332, MakeDate(10518, 5, 7, A)},  {2444936, MakeDate(1981, 11, 27, G)},
    {2444936, MakeDate(10500, 10, 3, A)}, {1721426, MakeDate(1, 1, 1, G)},
    {5373484, MakeDate(9999, 12, 31, G)}, {2440588, MakeDate(1970, 1, 1, G)},
    {2299161, MakeDate(1582, 10, 15, G)}, {2299161, MakeDate(1582, 10, 5, J)},
    {0, MakeDate(-4712, 1, 1, J)},        {0, MakeDate(-4713, 11, 24, G)},
    {1721424, MakeDate(1, 1, 1, J)},      {2451910, MakeDate(10519, 11, 1, A)},
    {2451545, MakeDate(2000, 1, 1, G)},   {-1, MakeDate(-4713, 12, 31, J)},
};

TEST(FixedPoints, DateToDayNumber) {
    for (const FixedPoint& p : kFixedPoints) {
        EXPECT_EQ(JdnOfDate(p.date), p.jdn) << p.date;
    }
}

TEST(FixedPoints, DayNumberToDate) {
    for (const FixedPoint& p : kFixedPoints) {
        EXPECT_TRUE(SameDay(DateOfJdn(p.jdn, p.date.calendar), p.date))
            << p.jdn << " gave " << DateOfJdn(p.jdn, p.date.calendar) << ", not " << p.date;
    }
}

TEST(FixedPoints, ConversionStoresAndReturnsTheSameDayNumber) {
    CalendarDate d = MakeDate(2001, 1, 1, G);
    EXPECT_EQ(euro_date_to_jdn(&d), 2451911);
    EXPECT_EQ(d.jdn, 2451911);
    CalendarDate an = MakeDate(10520, 1, 1, A);
    EXPECT_EQ(annus_novus_date_to_jdn(&an), 2451911);
    EXPECT_EQ(an.jdn, 2451911);
}

struct LeapCase {
    int32_t calendar;
    int32_t year;
    bool leap;
};

// Year lengths come from the day numbers of two consecutive New Year's days.
TEST(CalendarRules, LeapYears) {
    const LeapCase cases[] = {
        {G, 2000, true},   {G, 1900, false},  {G, 2004, true},  {G, 2001, false}, {G, 0, true},
        {G, -4, true},     {G, -100, false},  {G, -400, true},  {G, -1, false},   {J, 1900, true},
        {J, 0, true},      {J, -1, false},    {J, -4, true},    {J, -100, true},  {A, 10519, true},
        {A, 10419, false}, {A, 10520, false}, {A, 10523, true}, {A, 8519, true},  {A, -281, true},
        {A, -181, false},  {A, 8518, false},  {A, 119, true},   {A, 19, false},
    };
    for (const LeapCase& c : cases) {
        const int32_t length = JdnOfDate(MakeDate(c.year + 1, 1, 1, c.calendar)) -
                               JdnOfDate(MakeDate(c.year, 1, 1, c.calendar));
        EXPECT_EQ(length, c.leap ? 366 : 365) << static_cast<char>(c.calendar) << ' ' << c.year;
    }
}

TEST(CalendarRules, MonthLengthsMatchTheStatedRules) {
    for (const int32_t calendar : {G, J, A}) {
        for (const int32_t year :
             {-401, -400, -4, -1, 0, 1, 1900, 2000, 2003, 2004, 10519, 10520}) {
            const int32_t months = oracle::MonthsInYear(calendar, year);
            for (int32_t month = 1; month <= months; ++month) {
                const int32_t next = month == months
                                         ? JdnOfDate(MakeDate(year + 1, 1, 1, calendar))
                                         : JdnOfDate(MakeDate(year, month + 1, 1, calendar));
                EXPECT_EQ(next - JdnOfDate(MakeDate(year, month, 1, calendar)),
                          oracle::MonthLength(calendar, year, month))
                    << static_cast<char>(calendar) << ' ' << year << '-' << month;
            }
        }
    }
}

TEST(CalendarRules, AnnusNovusYearStartsOnGregorianNewYear) {
    for (int32_t year = -3000; year <= 12000; year += 7) {
        EXPECT_EQ(JdnOfDate(MakeDate(year, 1, 1, A)), JdnOfDate(MakeDate(year - 8519, 1, 1, G)))
            << year;
    }
}

TEST(WeekDays, EuropeanWeekStartsOnSunday) {
    EXPECT_EQ(euro_day_of_week(2451911), 1);  // 2001-01-01, a Monday
    EXPECT_EQ(euro_day_of_week(0), 1);        // -4712-01-01 J, a Monday
    EXPECT_EQ(euro_day_of_week(-1), 0);
    EXPECT_EQ(euro_day_of_week(2440588), 4);  // 1970-01-01, a Thursday
    for (const int32_t jdn : {INT32_MIN, INT32_MIN + 1, -7, -8, INT32_MAX}) {
        const int32_t weekDay = euro_day_of_week(jdn);
        EXPECT_GE(weekDay, 0);
        EXPECT_LE(weekDay, 6);
        if (jdn > INT32_MIN) {
            EXPECT_EQ((weekDay + 6) % 7, euro_day_of_week(jdn - 1)) << jdn;
        }
    }
}

TEST(WeekDays, AnnusNovusYearStartsOnPrimidiAndIntercalariusHasNone) {
    for (const int32_t year : {-281, -1, 0, 8519, 10518, 10519, 10520, 5000000}) {
        const int32_t newYear = JdnOfDate(MakeDate(year, 1, 1, A));
        const int32_t length = oracle::IsAnnusNovusLeap(year) ? 366 : 365;
        for (int32_t dayOfYear = 1; dayOfYear <= length; ++dayOfYear) {
            CalendarDate d{};
            d.jdn = newYear + dayOfYear - 1;
            const int32_t expected = dayOfYear == 366 ? 0 : (dayOfYear - 1) % 5 + 1;
            ASSERT_EQ(jdn_to_annus_novus_date(&d), expected) << year << " day " << dayOfYear;
        }
    }
    CalendarDate intercalarius{};
    intercalarius.jdn = 2451910;
    EXPECT_EQ(jdn_to_annus_novus_date(&intercalarius), 0);
    EXPECT_EQ(intercalarius.month, 11);
    EXPECT_EQ(intercalarius.day, 1);
}

// Checks one calendar around a day number: every date exists, converts back
// to its day number, and follows the previous date by exactly one day.
void ExpectConsistentAround(int32_t calendar, int64_t centre, int64_t radius) {
    const int64_t first = std::max<int64_t>(INT32_MIN, centre - radius);
    const int64_t last = std::min<int64_t>(INT32_MAX, centre + radius);
    CalendarDate previous = DateOfJdn(static_cast<int32_t>(first), calendar);
    for (int64_t n = first; n <= last; ++n) {
        const auto jdn = static_cast<int32_t>(n);
        const CalendarDate d = DateOfJdn(jdn, calendar);
        ASSERT_GE(d.day, 1) << d;
        ASSERT_LE(d.day, oracle::MonthLength(calendar, d.year, d.month)) << d;
        ASSERT_EQ(JdnOfDate(d), jdn) << d;
        if (n > first) {
            ASSERT_TRUE(SameDay(d, oracle::NextDay(previous))) << previous << " then " << d;
        }
        previous = d;
    }
}

int64_t JdnOfGregorianYear(int32_t year) {
    return JdnOfDate(MakeDate(year, 1, 1, G));
}

TEST(RoundTrips, EveryDayNearNotableYears) {
    constexpr int64_t kFewYears = 4 * 366;
    for (const int32_t calendar : {G, J, A}) {
        for (const int32_t year : {0, 4713, -4713, 9999, -9999, 1000000, -1000000}) {
            ExpectConsistentAround(calendar, JdnOfGregorianYear(year), kFewYears);
        }
        ExpectConsistentAround(calendar, INT32_MIN, kFewYears);
        ExpectConsistentAround(calendar, INT32_MAX, kFewYears);
    }
}

TEST(RoundTrips, SampledAcrossTheWholeRange) {
    constexpr int64_t kStride = 9973;
    for (const int32_t calendar : {G, J, A}) {
        for (int64_t n = INT32_MIN; n <= INT32_MAX; n += kStride) {
            const CalendarDate d = DateOfJdn(static_cast<int32_t>(n), calendar);
            ASSERT_EQ(JdnOfDate(d), n) << d;
        }
    }
}

TEST(RoundTrips, GregorianAgreesWithAnIndependentAlgorithm) {
    constexpr int64_t kStride = 99991;
    for (int64_t n = INT32_MIN; n <= INT32_MAX; n += kStride) {
        const CalendarDate expected = oracle::GregorianFromJdn(n);
        const CalendarDate actual = DateOfJdn(static_cast<int32_t>(n), G);
        ASSERT_TRUE(SameDay(actual, expected)) << n << ": " << actual << " vs " << expected;
    }
}

TEST(Robustness, DateToDayNumberRejectsWhatItCannotConvert) {
    const CalendarDate bad[] = {
        MakeDate(2001, 1, 1, A),         MakeDate(2001, 1, 1, 'X'),
        MakeDate(2001, 0, 1, G),         MakeDate(2001, 13, 1, G),
        MakeDate(INT32_MAX, 1, 1, G),    MakeDate(INT32_MIN, 1, 1, J),
        MakeDate(2001, INT32_MIN, 1, G), MakeDate(6000000, 12, INT32_MAX, G),
    };
    for (CalendarDate d : bad) {
        EXPECT_EQ(euro_date_to_jdn(&d), DAYMATH_NO_JDN) << d;
        EXPECT_EQ(d.jdn, DAYMATH_NO_JDN) << d;
    }
    const CalendarDate badAnnusNovus[] = {MakeDate(10520, 0, 1, A), MakeDate(10520, 12, 1, A),
                                          MakeDate(INT32_MAX, 10, 37, A),
                                          MakeDate(INT32_MIN, 1, 1, A)};
    for (CalendarDate d : badAnnusNovus) {
        EXPECT_EQ(annus_novus_date_to_jdn(&d), DAYMATH_NO_JDN) << d;
    }
}

TEST(Robustness, DaysOutsideTheMonthCountOnFromItsFirst) {
    CalendarDate lastOfFebruary = MakeDate(2004, 3, 0, G);
    EXPECT_EQ(euro_date_to_jdn(&lastOfFebruary), JdnOfDate(MakeDate(2004, 2, 29, G)));
    CalendarDate firstOfMarch = MakeDate(2003, 2, 29, G);
    EXPECT_EQ(euro_date_to_jdn(&firstOfMarch), JdnOfDate(MakeDate(2003, 3, 1, G)));
}

TEST(Robustness, UnknownCalendarLeavesTheRecordAlone) {
    CalendarDate d = MakeDate(1, 2, 3, 'X');
    d.jdn = 2451911;
    EXPECT_EQ(jdn_to_euro_date(&d), DAYMATH_ERR_CALENDAR);
    EXPECT_TRUE(SameDay(d, MakeDate(1, 2, 3, 'X')));
}

TEST(Robustness, NullRecordsAreHarmless) {
    EXPECT_EQ(euro_date_to_jdn(nullptr), DAYMATH_NO_JDN);
    EXPECT_EQ(annus_novus_date_to_jdn(nullptr), DAYMATH_NO_JDN);
    EXPECT_EQ(jdn_to_euro_date(nullptr), DAYMATH_ERR_NULL);
    EXPECT_EQ(jdn_to_annus_novus_date(nullptr), DAYMATH_ERR_NULL);
}

TEST(Robustness, ReservedWordIsNeverTouched) {
    CalendarDate d = MakeDate(2001, 1, 1, G);
    d.reserved = 12345;
    euro_date_to_jdn(&d);
    jdn_to_euro_date(&d);
    jdn_to_annus_novus_date(&d);
    annus_novus_date_to_jdn(&d);
    EXPECT_EQ(d.reserved, 12345);
}

}  // namespace
