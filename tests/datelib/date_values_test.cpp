#include "datelib/date_values.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <tuple>

#include "date_helpers.h"
#include "datelib/checked_math.h"
#include "written.h"

namespace {

using datelib::CalendarKind;
using datelib::DateOrder;
using datelib::OverflowError;

constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();

TEST(AppendYyyyddd, PadsYearAndDayAndRefusesDaysOutsideItsRange) {
    EXPECT_EQ(datelib::testing::WrittenYyyyddd(datelib::kFirstYyyydddDayNumber), "0001001");
    EXPECT_THROW(datelib::testing::WrittenYyyyddd(datelib::kFirstYyyydddDayNumber - 1),
                 OverflowError);
    EXPECT_THROW(datelib::testing::WrittenYyyyddd(datelib::kLastYyyydddDayNumber + 1),
                 OverflowError);
}

TEST(Today, IsTheSystemsLocalDateWithinADayOfUtc) {
    EXPECT_EQ(datelib::LocalDateJdn({2012, 12, 31}), 2456293);
    const auto utcDays = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    constexpr int32_t kJdnOf1970Jan1 = 2440588;
    const int64_t utcJdn = utcDays.time_since_epoch().count() + kJdnOf1970Jan1;
    EXPECT_LE(std::abs(datelib::LocalDateJdn(datelib::SystemLocalDate()) - utcJdn), 1);
}

// Rows: earlier, later, years, months, days.
TEST(DateDifferenceYMD, BreaksTheSpanIntoYearsMonthsAndDays) {
    const std::tuple<CalendarDate, CalendarDate, int32_t, int16_t, int16_t> cases[] = {
        {Date(2004, 1, 15), Date(2004, 3, 10), 0, 1, 24},  // borrows the 29 days of February
        {Date(2004, 1, 31), Date(2004, 3, 1), 0, 1, -1},   // negative days part
        {Date(2003, 12, 20), Date(2004, 1, 5), 0, 0, 16},  // borrows December of 2003
        {Date(2012, 1, 1), Date(2013, 3, 15), 1, 2, 14},
        {Date(2012, 3, 1), Date(2013, 3, 1), 1, 0, 0},
        {Date(2000, 2, 28, 'J'), Date(2001, 3, 1, 'J'), 1, 0, 1},
        {Date(10519, 10, 20, 'A'), Date(10520, 1, 5, 'A'), 0, 0, 23},  // months wrap at 10
        {Date(10520, 1, 20, 'A'), Date(10520, 2, 5, 'A'), 0, 0, 21},   // borrows Primus
        // The day Intercalarius is day 38 of month 10.
        {Date(10519, 10, 20, 'A'), Date(10519, 11, 1, 'A'), 0, 0, 18},
        {Date(10519, 11, 1, 'A'), Date(10520, 1, 5, 'A'), 0, 0, 5},
        {Date(10519, 11, 1, 'A'), Date(10523, 11, 1, 'A'), 4, 0, 0},
    };
    for (const auto& [earlier, later, years, months, days] : cases) {
        int32_t error = -1;
        const datelib::YmdDifference d = datelib::DateDifferenceYMD(earlier, later, error);
        EXPECT_EQ(error, 0);
        EXPECT_EQ(std::make_tuple(d.years, d.months, d.days), std::make_tuple(years, months, days))
            << "to " << later.year << "-" << later.month << "-" << later.day;
    }
}

// Rows: earlier and later day number, years, days. Only the day numbers count.
TEST(DateDifferenceYD, BreaksTheSpanIntoYearsAndDaysOfYear) {
    const std::tuple<int32_t, int32_t, int32_t, int16_t> cases[] = {
        {2455928, 2456295, 1, 1},    // 2012001 to 2013002
        {2455927, 2455928, 0, 1},    // 2011365 to 2012001
        {2456293, 2456657, 0, 364},  // 2012366 to 2013364
        {2455928, 2456294, 1, 0},    // 2012001 to 2013001
    };
    for (const auto& [from, to, years, days] : cases) {
        CalendarDate earlier = Date(0, 0, 0, 'J');
        CalendarDate later = Date(0, 0, 0, 'A');
        earlier.jdn = from;
        later.jdn = to;
        int32_t error = -1;
        const datelib::YdDifference d = datelib::DateDifferenceYD(earlier, later, error);
        EXPECT_EQ(error, 0);
        EXPECT_EQ(std::make_tuple(d.years, d.days), std::make_tuple(years, days)) << from;
    }
}

TEST(OverflowGuards, RaiseInsteadOfWrappingNearThe32BitLimits) {
    int32_t error = 0;
    EXPECT_THROW(datelib::DateDifferenceYMD(Date(kMin32, 1, 1), Date(kMax32, 6, 1), error),
                 OverflowError);
    // Borrowing a month from the year before the smallest year.
    EXPECT_THROW(datelib::DateDifferenceYMD(Date(kMin32, 1, 5), Date(kMin32, 1, 1), error),
                 OverflowError);
    EXPECT_EQ(datelib::CheckedNarrow<int16_t>(INT16_MIN), INT16_MIN);
    EXPECT_THROW(datelib::CheckedNarrow<int16_t>(INT16_MAX + 1), OverflowError);
    EXPECT_EQ(
        datelib::DateDifferenceYMD(Date(-1000000000, 1, 1), Date(1100000000, 1, 1), error).years,
        2100000000);
}

}  // namespace
