// Day-number arithmetic of the three calendars, in constant time.
//
// Gregorian and Julian dates go through a computational calendar whose year
// starts on 1 March, so that the leap day is the last day of the year and
// month lengths follow one linear formula (C. Neri and L. Schneider,
// "Euclidean affine functions and their application to calendar algorithms",
// 2022). Everything runs in unsigned 64-bit arithmetic on day counts shifted
// by a whole number of 400-year cycles, so every 32-bit year and every 32-bit
// day number stays positive and nothing overflows.
#ifndef DAYMATH_CALENDAR_MATH_H
#define DAYMATH_CALENDAR_MATH_H

#include <cstdint>

namespace daymath {

struct Ymd {
    int32_t year;
    int32_t month;
    int32_t day;
};

// 400-year cycles added to every year before the unsigned arithmetic: enough
// to keep the smallest 32-bit year, less the Annus Novus offset, positive.
inline constexpr uint64_t kShiftCycles = 5'400'000;
inline constexpr uint64_t kYearShift = 400 * kShiftCycles;
inline constexpr uint64_t kGregorianDayShift = 146'097 * kShiftCycles;
inline constexpr uint64_t kJulianDayShift = 1'461 * (kYearShift / 4);

// Julian day numbers of 1 March of year 0, the epoch of the computational year.
inline constexpr int64_t kGregorianEpoch = 1'721'120;
inline constexpr int64_t kJulianEpoch = 1'721'118;

// Days from 1 March to 1 January of the following year.
inline constexpr uint32_t kMarchToJanuary = 306;

// Annus Novus year N begins on 1 January of Gregorian year N - kAnnusNovusOffset.
inline constexpr int64_t kAnnusNovusOffset = 8'519;
// Annus Novus 8520-01-01 = Gregorian 0001-01-01: a year that opens a
// 400-year cycle of the same leap-year pattern.
inline constexpr int64_t kAnnusNovusEpoch = 1'721'426;
inline constexpr int64_t kAnnusNovusEpochYear = kAnnusNovusOffset + 1;
inline constexpr int32_t kAnnusNovusDaysInWeek = 5;
inline constexpr int32_t kIntercalarius = 11;

// A day of the computational year, [0, 365], as month (3-14) and day (1-31).
constexpr Ymd FromComputationalYear(uint64_t shiftedYear, uint32_t dayOfYear) {
    const uint32_t n3 = 2'141 * dayOfYear + 197'913;
    const uint32_t month = n3 / 65'536;  // [3, 14]
    const uint32_t day = n3 % 65'536 / 2'141;
    const bool janFeb = dayOfYear >= kMarchToJanuary;
    return {static_cast<int32_t>(static_cast<int64_t>(shiftedYear + janFeb) -
                                 static_cast<int64_t>(kYearShift)),
            static_cast<int32_t>(janFeb ? month - 12 : month), static_cast<int32_t>(day + 1)};
}

// Days from 1 March of year 0 (shifted) to the first of a month; month 1-12.
constexpr uint32_t ComputationalMonthStart(uint32_t month) {
    const uint32_t m = month <= 2 ? month + 12 : month;  // [3, 14]
    return (979 * m - 2'919) / 32;
}

// A year whose leap day is its last day, as in 400-year Gregorian cycles:
// the computational year (1 March to the end of February) and the Annus
// Novus year (1 January to Intercalarius) both have this shape.
struct CycleDate {
    uint64_t shiftedYear;  // years since the epoch, plus kYearShift
    uint32_t dayOfYear;    // [0, 365]
};

// Splits the days since the first day of a cycle's first year.
constexpr CycleDate SplitGregorianCycles(int64_t daysSinceEpoch) {
    const uint64_t n = static_cast<uint64_t>(daysSinceEpoch) + kGregorianDayShift;
    const uint64_t n1 = 4 * n + 3;
    const uint64_t century = n1 / 146'097;
    const uint32_t dayOfCentury = static_cast<uint32_t>(n1 % 146'097) / 4;  // [0, 36524]
    const uint64_t p2 = 2'939'745ULL * (4 * dayOfCentury + 3);
    const uint32_t yearOfCentury = static_cast<uint32_t>(p2 >> 32);        // [0, 99]
    const uint32_t dayOfYear = static_cast<uint32_t>(p2) / 2'939'745 / 4;  // [0, 365]
    return {100 * century + yearOfCentury, dayOfYear};
}

constexpr Ymd GregorianFromJdn(int32_t jdn) {
    const CycleDate c = SplitGregorianCycles(jdn - kGregorianEpoch);
    return FromComputationalYear(c.shiftedYear, c.dayOfYear);
}

constexpr Ymd JulianFromJdn(int32_t jdn) {
    const uint64_t n = static_cast<uint64_t>(jdn - kJulianEpoch) + kJulianDayShift;
    const uint64_t n1 = 4 * n + 3;
    const uint32_t dayOfYear = static_cast<uint32_t>(n1 % 1'461) / 4;  // [0, 365]
    return FromComputationalYear(n1 / 1'461, dayOfYear);
}

// Day number of the given day of a month (1-12); any day counts on from the
// month's first. Year and day may be any 32-bit values.
constexpr int64_t GregorianToJdn(int64_t year, uint32_t month, int64_t day) {
    const uint64_t y =
        static_cast<uint64_t>(year + static_cast<int64_t>(kYearShift)) - (month <= 2);
    // y < 2^33, so y / 4 fits in 32 bits and y / 100 = (y / 4) / 25 needs no 64-bit division.
    const uint32_t century = static_cast<uint32_t>(y / 4) / 25;
    const uint64_t yearStart = 1'461 * y / 4 - century + century / 4;
    return static_cast<int64_t>(yearStart + ComputationalMonthStart(month)) -
           static_cast<int64_t>(kGregorianDayShift) + kGregorianEpoch + day - 1;
}

constexpr int64_t JulianToJdn(int64_t year, uint32_t month, int64_t day) {
    const int64_t y = year - (month <= 2);
    // 1461 y / 4 rounded down for every sign: C++20 shifts arithmetically.
    const int64_t yearStart = (1'461 * y) >> 2;
    return yearStart + ComputationalMonthStart(month) + kJulianEpoch + day - 1;
}

constexpr bool IsGregorianLeapYear(int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr bool IsJulianLeapYear(int64_t year) {
    return year % 4 == 0;
}

// Year N + 281 is a Gregorian leap year exactly when N - 8519 is (8800 = 22 x 400).
constexpr bool IsAnnusNovusLeapYear(int64_t year) {
    return IsGregorianLeapYear(year - kAnnusNovusOffset);
}

// Annus Novus months alternate 36 and 37 days, so month m (1-11) starts on
// day 36 (m - 1) + (m - 1) / 2 of the year, counted from 0.
constexpr uint32_t AnnusNovusMonthStart(uint32_t month) {
    const uint32_t index = month - 1;
    return 36 * index + index / 2;
}

struct AnnusNovusDate {
    Ymd date;
    int32_t weekDay;  // 1-5 Primidi to Quintidi; 0 for Intercalarius
};

constexpr AnnusNovusDate AnnusNovusFromJdn(int32_t jdn) {
    const CycleDate c = SplitGregorianCycles(jdn - kAnnusNovusEpoch);
    const uint32_t monthIndex = (2 * c.dayOfYear + 1) / 73;  // [0, 10]
    const uint32_t day = c.dayOfYear - AnnusNovusMonthStart(monthIndex + 1) + 1;
    const int64_t year = static_cast<int64_t>(c.shiftedYear) - static_cast<int64_t>(kYearShift) +
                         kAnnusNovusEpochYear;
    const int32_t weekDay = monthIndex + 1 == kIntercalarius
                                ? 0
                                : static_cast<int32_t>(c.dayOfYear % kAnnusNovusDaysInWeek) + 1;
    return {{static_cast<int32_t>(year), static_cast<int32_t>(monthIndex + 1),
             static_cast<int32_t>(day)},
            weekDay};
}

// Day number of the given day of an Annus Novus month (1-11).
constexpr int64_t AnnusNovusToJdn(int64_t year, uint32_t month, int64_t day) {
    return GregorianToJdn(year - kAnnusNovusOffset, 1, 1) + AnnusNovusMonthStart(month) + day - 1;
}

// Number of days of a month, or 0 when the month does not exist.
constexpr int32_t DaysInMonth(int32_t calendar, int64_t year, int64_t month) {
    constexpr int32_t kEuroMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    switch (calendar) {
        case 'G':
        case 'J': {
            if (month < 1 || month > 12) {
                return 0;
            }
            const bool leap = calendar == 'G' ? IsGregorianLeapYear(year) : IsJulianLeapYear(year);
            return kEuroMonthDays[month - 1] + (month == 2 && leap);
        }
        case 'A':
            if (month >= 1 && month < kIntercalarius) {
                return 36 + (month % 2 == 0);
            }
            return month == kIntercalarius && IsAnnusNovusLeapYear(year) ? 1 : 0;
        default:
            return 0;
    }
}

constexpr bool IsValidDate(int32_t calendar, int64_t year, int64_t month, int64_t day) {
    return day >= 1 && day <= DaysInMonth(calendar, year, month);
}

constexpr bool IsKnownCalendar(int32_t calendar) {
    return calendar == 'G' || calendar == 'J' || calendar == 'A';
}

// Day number of a date that exists in a known calendar.
constexpr int64_t DateToJdn(int32_t calendar, int64_t year, int32_t month, int64_t day) {
    const auto m = static_cast<uint32_t>(month);
    switch (calendar) {
        case 'G':
            return GregorianToJdn(year, m, day);
        case 'J':
            return JulianToJdn(year, m, day);
        default:
            return AnnusNovusToJdn(year, m, day);
    }
}

}  // namespace daymath

#endif
