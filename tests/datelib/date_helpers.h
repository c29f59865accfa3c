// Building CalendarDate records and fixing "today" in tests.
#ifndef TESTS_DATELIB_DATE_HELPERS_H
#define TESTS_DATELIB_DATE_HELPERS_H

#include "datelib/date_values.h"
#include "daymath.h"

inline CalendarDate Date(int32_t year, int32_t month, int32_t day, char calendar = 'G') {
    CalendarDate date{};
    date.year = year;
    date.month = month;
    date.day = day;
    date.calendar = calendar;
    return date;
}

// Makes "today" a fixed date for the life of the object.
class FixedToday {
  public:
    explicit FixedToday(datelib::LocalDate today) {
        datelib::SetTodaySource([today] { return today; });
    }
    ~FixedToday() { datelib::SetTodaySource(nullptr); }
    FixedToday(const FixedToday&) = delete;
    FixedToday& operator=(const FixedToday&) = delete;
};

#endif
