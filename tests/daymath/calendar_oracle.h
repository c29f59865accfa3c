// Independent calendar rules for the engine's tests: written from the rules
// the program states, not from the engine's formulas.
#ifndef TESTS_DAYMATH_CALENDAR_ORACLE_H
#define TESTS_DAYMATH_CALENDAR_ORACLE_H

#include <cstdint>

#include "daymath.h"

namespace oracle {

inline bool IsGregorianLeap(int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}
inline bool IsJulianLeap(int64_t y) {
    return y % 4 == 0;
}
inline bool IsAnnusNovusLeap(int64_t y) {
    const int64_t shifted = y + 281;
    return (shifted % 4 == 0 && shifted % 100 != 0) || shifted % 400 == 0;
}

inline int32_t MonthLength(int32_t calendar, int64_t year, int32_t month) {
    if (calendar == DAYMATH_ANNUS_NOVUS) {
        if (month == 11) {
            return IsAnnusNovusLeap(year) ? 1 : 0;
        }
        return month % 2 == 1 ? 36 : 37;
    }
    static const int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = calendar == DAYMATH_GREGORIAN ? IsGregorianLeap(year) : IsJulianLeap(year);
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

inline int32_t MonthsInYear(int32_t calendar, int64_t year) {
    if (calendar == DAYMATH_ANNUS_NOVUS) {
        return IsAnnusNovusLeap(year) ? 11 : 10;
    }
    return 12;
}

// The day after a date, by the month lengths alone.
inline CalendarDate NextDay(CalendarDate d) {
    if (d.day < MonthLength(d.calendar, d.year, d.month)) {
        ++d.day;
    } else if (d.month < MonthsInYear(d.calendar, d.year)) {
        ++d.month;
        d.day = 1;
    } else {
        ++d.year;
        d.month = 1;
        d.day = 1;
    }
    return d;
}

// Gregorian date from a day number by Hinnant's civil_from_days, a different
// algorithm from the engine's.
inline CalendarDate GregorianFromJdn(int64_t jdn) {
    const int64_t z = jdn - 1721120;  // days from 0000-03-01
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;                                       // [0, 146096]
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const int64_t mp = (5 * doy + 2) / 153;                                     // [0, 11]
    CalendarDate d{};
    d.day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
    d.month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    d.year = static_cast<int32_t>(yoe + era * 400 + (d.month <= 2 ? 1 : 0));
    d.calendar = DAYMATH_GREGORIAN;
    return d;
}

}  // namespace oracle

#endif
