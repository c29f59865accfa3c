// The engine's tests: records and conversions in any of the three calendars,
// and independent calendar rules written from the rules the program states,
// not from the engine's formulas.
#ifndef TESTS_DAYMATH_CALENDAR_ORACLE_H
#define TESTS_DAYMATH_CALENDAR_ORACLE_H

#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>

#include "daymath.h"

inline constexpr int32_t G = DAYMATH_GREGORIAN;
inline constexpr int32_t J = DAYMATH_JULIAN;
inline constexpr int32_t A = DAYMATH_ANNUS_NOVUS;

inline CalendarDate MakeDate(int32_t year, int32_t month, int32_t day, int32_t calendar) {
    return {year, month, day, calendar, 0, 0};
}

inline bool SameDay(const CalendarDate& a, const CalendarDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

inline std::ostream& operator<<(std::ostream& out, const CalendarDate& d) {
    return out << d.year << '-' << d.month << '-' << d.day << ' ' << static_cast<char>(d.calendar);
}

// The date of a day number; weekDay receives the Annus Novus week day, or
// the European one for the other calendars.
inline CalendarDate DateOfJdn(int32_t jdn, int32_t calendar, int32_t* weekDay = nullptr) {
    CalendarDate d = MakeDate(0, 0, 0, calendar);
    d.jdn = jdn;
    const int32_t day =
        calendar == A ? jdn_to_annus_novus_date(&d) : (jdn_to_euro_date(&d), euro_day_of_week(jdn));
    if (weekDay != nullptr) {
        *weekDay = day;
    }
    return d;
}

// The day number of a date; the engine also stores it in the record.
inline int32_t JdnOfDate(CalendarDate& d) {
    return d.calendar == A ? annus_novus_date_to_jdn(&d) : euro_date_to_jdn(&d);
}

namespace oracle {

inline bool IsGregorianLeap(int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

inline int32_t MonthsInYear(int32_t calendar, int64_t year) {
    return calendar != A ? 12 : (IsGregorianLeap(year + 281) ? 11 : 10);
}

inline int32_t MonthLength(int32_t calendar, int64_t year, int32_t month) {
    static const int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (calendar == A) {
        return month == 11 ? 1 : 36 + (month % 2 == 0 ? 1 : 0);
    }
    const bool leap = calendar == G ? IsGregorianLeap(year) : year % 4 == 0;
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

inline CalendarDate NextDay(const CalendarDate& d) {
    if (d.day < MonthLength(d.calendar, d.year, d.month)) {
        return MakeDate(d.year, d.month, d.day + 1, d.calendar);
    }
    if (d.month < MonthsInYear(d.calendar, d.year)) {
        return MakeDate(d.year, d.month + 1, 1, d.calendar);
    }
    return MakeDate(d.year + 1, 1, 1, d.calendar);
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
    const auto month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
    return MakeDate(static_cast<int32_t>(yoe + era * 400 + (month <= 2 ? 1 : 0)), month,
                    static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1), G);
}

// Converts every day number from first to last into the calendar; returns
// the first fault, or "" when each is a real date that follows the one before
// by the month lengths and converts back, and its week day follows the one
// before (the Annus Novus five-day week skips the day Intercalarius, week day 0).
inline std::string WalkFault(int32_t calendar, int64_t first, int64_t last) {
    CalendarDate previous{};
    int32_t lastWeekDay = 0;
    for (int64_t n = first; n <= last; ++n) {
        int32_t weekDay = 0;
        CalendarDate d = DateOfJdn(static_cast<int32_t>(n), calendar, &weekDay);
        const bool intercalarius = calendar == A && d.month == 11;
        const int32_t nextWeekDay =
            intercalarius ? 0 : (calendar == A ? lastWeekDay % 5 + 1 : (lastWeekDay + 1) % 7);
        const char* fault = d.month < 1 || d.month > MonthsInYear(calendar, d.year) || d.day < 1 ||
                                    d.day > MonthLength(calendar, d.year, d.month)
                                ? "no such date"
                            : n > first && !SameDay(d, NextDay(previous))
                                ? "does not follow the day before"
                            : n != DAYMATH_NO_JDN && JdnOfDate(d) != n ? "does not convert back"
                            : n > first && weekDay != nextWeekDay      ? "wrong week day"
                                                                       : nullptr;
        if (fault != nullptr) {
            std::ostringstream out;
            out << "day number " << n << " (" << d << ", week day " << weekDay << "): " << fault;
            return out.str();
        }
        previous = d;
        lastWeekDay = intercalarius ? lastWeekDay : weekDay;
    }
    return "";
}

}  // namespace oracle

#endif
