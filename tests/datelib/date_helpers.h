// Building CalendarDate records in tests.
#ifndef TESTS_DATELIB_DATE_HELPERS_H
#define TESTS_DATELIB_DATE_HELPERS_H

#include "daymath.h"

inline CalendarDate Date(int32_t year, int32_t month, int32_t day, char calendar = 'G') {
    return {year, month, day, calendar, 0, 0};
}

#endif
