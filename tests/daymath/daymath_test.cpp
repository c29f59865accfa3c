// The engine's operations, one test group each: fixed points, walks over the
// whole 32-bit range against independent calendar rules, day counts, reading
// dates from text and grouping digits.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "calendar_oracle.h"

namespace {

constexpr int32_t MDY = DAYMATH_ORDER_MDY;
constexpr int32_t DMY = DAYMATH_ORDER_DMY;
constexpr int32_t YMD = DAYMATH_ORDER_YMD;

std::string Text(int32_t year, int32_t month, int32_t day) {
    return std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day);
}

// Rows: day number, date, week day (0 Sunday ... 6 Saturday; Annus Novus
// 1 Primidi ... 5 Quintidi, 0 Intercalarius).
TEST(Conversions, FixedPointsBothWaysWithTheirWeekDays) {
    const std::tuple<int32_t, CalendarDate, int32_t> points[] = {
        {2451911, MakeDate(2001, 1, 1, G), 1},   {2451911, MakeDate(2000, 12, 19, J), 1},
        {2451911, MakeDate(10520, 1, 1, A), 1},  {2451332, MakeDate(1999, 6, 2, G), 3},
        {2451332, MakeDate(10518, 5, 7, A), 3},  {2444936, MakeDate(1981, 11, 27, G), 5},
        {2444936, MakeDate(10500, 10, 3, A), 1}, {1721426, MakeDate(1, 1, 1, G), 1},
        {5373484, MakeDate(9999, 12, 31, G), 5}, {2299161, MakeDate(1582, 10, 15, G), 5},
        {2299161, MakeDate(1582, 10, 5, J), 5},  {0, MakeDate(-4712, 1, 1, J), 1},
        {0, MakeDate(-4713, 11, 24, G), 1},      {2451910, MakeDate(10519, 11, 1, A), 0},
        {-1, MakeDate(-4713, 12, 31, J), 0},
    };
    for (const auto& [jdn, date, weekDay] : points) {
        CalendarDate d = date;
        EXPECT_EQ(JdnOfDate(d), jdn) << date;
        EXPECT_EQ(d.jdn, jdn) << date << " stored";
        int32_t backWeekDay = -1;
        const CalendarDate back = DateOfJdn(jdn, date.calendar, &backWeekDay);
        EXPECT_TRUE(SameDay(back, date)) << jdn << " gave " << back << ", not " << date;
        EXPECT_EQ(backWeekDay, weekDay) << date;
    }
}

// A day beyond its month counts on; a date without a 32-bit day number gives none.
TEST(Conversions, DateToDayNumberOneWay) {
    const std::tuple<CalendarDate, int32_t> cases[] = {
        {MakeDate(2004, 3, 0, G), 2453065},
        {MakeDate(2001, 1, 1, 'X'), DAYMATH_NO_JDN},
        {MakeDate(2001, 0, 1, G), DAYMATH_NO_JDN},
        {MakeDate(2001, 13, 1, J), DAYMATH_NO_JDN},
        {MakeDate(INT32_MAX, 1, 1, G), DAYMATH_NO_JDN},
        {MakeDate(INT32_MIN, 1, 1, J), DAYMATH_NO_JDN},
        {MakeDate(10520, 12, 1, A), DAYMATH_NO_JDN},
        {MakeDate(10520, 0, 1, A), DAYMATH_NO_JDN},
        {MakeDate(INT32_MAX, 10, 37, A), DAYMATH_NO_JDN},
    };
    for (const auto& [date, jdn] : cases) {
        CalendarDate d = date;
        EXPECT_EQ(JdnOfDate(d), jdn) << date;
        EXPECT_EQ(d.jdn, jdn) << date << " stored";
    }
}

TEST(Walks, EveryDayNearNotableYearsAndTheEndsOfTheRange) {
    constexpr int64_t kFewYears = 4 * 366;
    for (const int32_t calendar : {G, J, A}) {
        for (const int32_t year : {0, 1900, -4712, -1000000, 1000000}) {
            CalendarDate newYear = MakeDate(year, 1, 1, G);
            const int64_t centre = JdnOfDate(newYear);
            EXPECT_EQ(oracle::WalkFault(calendar, centre - kFewYears, centre + kFewYears), "");
        }
        EXPECT_EQ(oracle::WalkFault(calendar, INT32_MIN, INT32_MIN + kFewYears), "");
        EXPECT_EQ(oracle::WalkFault(calendar, INT32_MAX - kFewYears, INT32_MAX), "");
    }
}

TEST(Walks, SampledRoundTripsAgreeWithAnIndependentGregorianAlgorithm) {
    constexpr int64_t kStride = 9973;
    for (int64_t n = INT32_MIN + 1; n <= INT32_MAX; n += kStride) {
        for (const int32_t calendar : {G, J, A}) {
            CalendarDate d = DateOfJdn(static_cast<int32_t>(n), calendar);
            ASSERT_EQ(JdnOfDate(d), n) << d;
        }
        const CalendarDate actual = DateOfJdn(static_cast<int32_t>(n), G);
        ASSERT_TRUE(SameDay(actual, oracle::GregorianFromJdn(n))) << n << ": " << actual;
    }
}

// Rows: later, earlier, days, error. Only the dates count, not their jdn fields.
TEST(DaysElapsed, CountsFromTheDatesAndReportsWhatItCannotCount) {
    const CalendarDate lastDay = DateOfJdn(INT32_MAX, G);
    const std::tuple<CalendarDate, CalendarDate, int32_t, int32_t> cases[] = {
        {MakeDate(2004, 3, 1, G), MakeDate(2004, 2, 1, G), 29, DAYMATH_OK},
        {MakeDate(10520, 1, 1, A), MakeDate(10519, 10, 1, A), 38, DAYMATH_OK},
        {MakeDate(2001, 1, 1, G), MakeDate(2000, 12, 19, J), 0, DAYMATH_OK},
        {MakeDate(-4713, 11, 23, G), lastDay, INT32_MIN, DAYMATH_OK},  // from jdn INT32_MAX to -1
        {lastDay, MakeDate(-4713, 11, 24, G), INT32_MAX, DAYMATH_OK},  // from jdn 0
        {MakeDate(-4713, 11, 22, G), lastDay, 0, DAYMATH_ERR_RANGE},
        {MakeDate(INT32_MAX, 12, 31, G), MakeDate(INT32_MIN, 1, 1, J), 0, DAYMATH_ERR_RANGE},
        {MakeDate(2001, 1, 1, 'X'), MakeDate(2001, 1, 1, G), 0, DAYMATH_ERR_CALENDAR},
        {MakeDate(2001, 1, 1, G), MakeDate(2001, 1, 1, 0), 0, DAYMATH_ERR_CALENDAR},
        {MakeDate(2003, 2, 29, G), MakeDate(2001, 1, 1, G), 0, DAYMATH_ERR_DATE},
        {MakeDate(2001, 1, 1, G), MakeDate(2001, 13, 1, G), 0, DAYMATH_ERR_DATE},
    };
    for (auto [later, earlier, days, error] : cases) {
        later.jdn = 1;
        earlier.jdn = 1000;
        int32_t status = 99;
        EXPECT_EQ(days_elapsed(&later, &earlier, &status), days) << later << " / " << earlier;
        EXPECT_EQ(status, error) << later << " / " << earlier;
    }
}

// Rows: status, order, calendar letter, the texts that give it. Null text
// or record pointers are refused as such.
TEST(StrToDate, RejectsEachCaseAndLeavesTheRecordAlone) {
    const std::tuple<int32_t, int32_t, int32_t, std::vector<const char*>> cases[] = {
        // clang-format off
        {DAYMATH_ERR_DATE, YMD, G, {"2004-00-10", "2004-01-00", "2004--05-07", "2004-99999999999-01"}},
        {DAYMATH_ERR_DATE, DMY, J, {"99999999999-01-2004"}},
        {DAYMATH_ERR_SYNTAX, YMD, G, {"", "2004-05", "2004-05/07", "2004-05-07-", "--2004-05-07", "+2004-05-07", "2004-05-07x", "2004,05,07"}},
        // clang-format on
        {DAYMATH_ERR_RANGE, YMD, G, {"6000000-01-01", "-6000000-01-01", "2147483648-01-01"}},
        {DAYMATH_ERR_RANGE, DMY, A, {"01-01-99999999999999999999999999999999"}},
        {DAYMATH_ERR_ORDER, -1, G, {"2004-05-07"}},
        {DAYMATH_ERR_ORDER, 3, G, {"2004-05-07"}},
        {DAYMATH_ERR_CALENDAR, YMD, 'X', {"2004-05-07"}},
    };
    const CalendarDate untouched = MakeDate(1, 2, 3, 'X');
    for (const auto& [status, order, calendar, texts] : cases) {
        for (const char* text : texts) {
            CalendarDate d = untouched;
            EXPECT_EQ(str_to_date(text, order, &d, calendar), status) << '"' << text << '"';
            EXPECT_TRUE(SameDay(d, untouched) && d.calendar == 'X') << text << ": " << d;
        }
    }
    CalendarDate d = untouched;
    EXPECT_EQ(str_to_date(nullptr, YMD, &d, G), DAYMATH_ERR_NULL);
    EXPECT_EQ(str_to_date("2004-05-07", YMD, nullptr, G), DAYMATH_ERR_NULL);
}

// The last day of every month is a date, and the day after it none.
TEST(StrToDate, MonthLengthsFollowTheCalendarRules) {
    for (const int32_t calendar : {G, J, A}) {
        for (const int32_t year : {1900, 2000, 2003, 2005, 10519, 10520}) {
            const int32_t months = oracle::MonthsInYear(calendar, year);
            for (int32_t month = 1; month <= months + 1; ++month) {
                const int32_t length =
                    month <= months ? oracle::MonthLength(calendar, year, month) : 0;
                for (const int32_t day : {length, length + 1}) {
                    const std::string text = Text(year, month, day);
                    CalendarDate d{};
                    EXPECT_EQ(str_to_date(text.c_str(), YMD, &d, calendar),
                              day == length && day > 0 ? DAYMATH_OK : DAYMATH_ERR_DATE)
                        << text << ' ' << static_cast<char>(calendar);
                }
            }
        }
    }
}

TEST(StrToDate, RangeEndsAreExactlyTheAcceptedDayNumbers) {
    for (const int32_t calendar : {G, J, A}) {
        for (const int32_t jdn :
             {DAYMATH_MIN_JDN - 1, DAYMATH_MIN_JDN, DAYMATH_MAX_JDN, DAYMATH_MAX_JDN + 1}) {
            const CalendarDate date = DateOfJdn(jdn, calendar);
            const std::string text = Text(date.year, date.month, date.day);
            const bool inside = jdn >= DAYMATH_MIN_JDN && jdn <= DAYMATH_MAX_JDN;
            CalendarDate d{};
            EXPECT_EQ(str_to_date(text.c_str(), YMD, &d, calendar),
                      inside ? DAYMATH_OK : DAYMATH_ERR_RANGE)
                << text;
        }
    }
}

// Rows: number, separator, grouped text. The buffer is exactly
// DAYMATH_GROUPED_SIZE bytes, so the sanitizer build sees any write beyond it.
TEST(SeparateThousands, GroupsDigitsFromTheRightWithinTwentyCharacters) {
    const std::tuple<const char*, int32_t, const char*> cases[] = {
        {"2451911", ',', "2,451,911"},
        {"2451911", '.', "2.451.911"},
        {"-2147483648", ',', "-2,147,483,648"},
        {"123456", ',', "123,456"},
        {"-123", ',', "-123"},
        {"", ',', ""},
        {"2451911", 0, "2451911"},
        {"2451911", 0x100 + ',', "2,451,911"},
        {"1234567890123456", ',', "1,234,567,890,123,45"},
        {"-99999999999999999999999", ',', "-99,999,999,999,999,"},
        {"12345678901234567890123", 0, "12345678901234567890"},
    };
    for (const auto& [number, separator, grouped] : cases) {
        char buffer[DAYMATH_GROUPED_SIZE];
        EXPECT_EQ(separate_thousands(number, separator, buffer),
                  static_cast<int32_t>(std::strlen(grouped)))
            << number;
        EXPECT_STREQ(buffer, grouped) << number;
    }
}

// Each pointer argument null on its own, the others valid; a record with
// no calendar the engine knows gives that code and stays as it was.
TEST(Exports, ANullPointerOrUnknownCalendarGivesItsCode) {
    CalendarDate date = MakeDate(2004, 3, 1, G);
    CalendarDate other = MakeDate(2004, 2, 1, G);
    char buffer[DAYMATH_GROUPED_SIZE] = "untouched";
    int32_t error = 99;
    // clang-format off
    const std::tuple<const char*, int32_t, int32_t> cases[] = {
        {"euro_date_to_jdn", euro_date_to_jdn(nullptr), DAYMATH_NO_JDN},
        {"jdn_to_euro_date", jdn_to_euro_date(nullptr), DAYMATH_ERR_NULL},
        {"annus_novus_date_to_jdn", annus_novus_date_to_jdn(nullptr), DAYMATH_NO_JDN},
        {"jdn_to_annus_novus_date", jdn_to_annus_novus_date(nullptr), DAYMATH_ERR_NULL},
        {"separate_thousands, buffer", separate_thousands("1234", ',', nullptr), DAYMATH_ERR_NULL},
        {"separate_thousands, number", separate_thousands(nullptr, ',', buffer), DAYMATH_ERR_NULL},
        {"days_elapsed, later", days_elapsed(nullptr, &other, &error), 0},
        {"days_elapsed, later: error", error, DAYMATH_ERR_NULL},
        {"days_elapsed, earlier", days_elapsed(&date, nullptr, &(error = 99)), 0},
        {"days_elapsed, earlier: error", error, DAYMATH_ERR_NULL},
        {"days_elapsed, error", days_elapsed(&date, &other, nullptr), 29},
        {"jdn_to_euro_date, calendar 'A'", jdn_to_euro_date(&(date = MakeDate(1, 2, 3, A))), DAYMATH_ERR_CALENDAR},
    };
    // clang-format on
    for (const auto& [name, result, expected] : cases) {
        EXPECT_EQ(result, expected) << name;
    }
    EXPECT_STREQ(buffer, "");
    EXPECT_TRUE(SameDay(date, MakeDate(1, 2, 3, A)));
}

}  // namespace
