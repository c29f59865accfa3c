#ifndef TESTS_DAYMATH_TEST_DATES_H
#define TESTS_DAYMATH_TEST_DATES_H

#include <ostream>

#include "daymath.h"

inline CalendarDate MakeDate(int32_t year, int32_t month, int32_t day, int32_t calendar) {
    CalendarDate d{};
    d.year = year;
    d.month = month;
    d.day = day;
    d.calendar = calendar;
    return d;
}

inline bool SameDay(const CalendarDate& a, const CalendarDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

inline std::ostream& operator<<(std::ostream& out, const CalendarDate& d) {
    return out << d.year << '-' << d.month << '-' << d.day << ' ' << static_cast<char>(d.calendar);
}

// The date of a day number in any of the three calendars.
inline CalendarDate DateOfJdn(int32_t jdn, int32_t calendar) {
    CalendarDate d{};
    d.jdn = jdn;
    d.calendar = calendar;
    if (calendar == DAYMATH_ANNUS_NOVUS) {
        jdn_to_annus_novus_date(&d);
    } else {
        jdn_to_euro_date(&d);
    }
    return d;
}

// The day number of a date in any of the three calendars.
inline int32_t JdnOfDate(CalendarDate d) {
    return d.calendar == DAYMATH_ANNUS_NOVUS ? annus_novus_date_to_jdn(&d) : euro_date_to_jdn(&d);
}

#endif
