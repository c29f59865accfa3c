// The day-number conversions of the engine's C interface.
#include <climits>
#include <cstddef>
#include <cstdint>

#include "calendar_math.h"
#include "daymath.h"

static_assert(sizeof(CalendarDate) == 24, "CalendarDate crosses the ABI as 24 bytes");
static_assert(offsetof(CalendarDate, jdn) == 16 && offsetof(CalendarDate, reserved) == 20);

namespace {

// The sentinel itself is excluded, so a stored day number is never ambiguous.
bool FitsJdn(int64_t jdn) {
    return jdn > DAYMATH_NO_JDN && jdn <= INT32_MAX;
}

int32_t StoreJdn(CalendarDate* date, int64_t jdn) {
    date->jdn = FitsJdn(jdn) ? static_cast<int32_t>(jdn) : DAYMATH_NO_JDN;
    return date->jdn;
}

void StoreYmd(CalendarDate* date, daymath::Ymd ymd) {
    date->year = ymd.year;
    date->month = ymd.month;
    date->day = ymd.day;
}

bool IsValidDate(const CalendarDate& date) {
    return daymath::IsValidDate(date.calendar, date.year, date.month, date.day);
}

int64_t DateToJdn(const CalendarDate& date) {
    return daymath::DateToJdn(date.calendar, date.year, date.month, date.day);
}

}  // namespace

extern "C" {

DAYMATH_API int32_t euro_date_to_jdn(CalendarDate* date) {
    if (date == nullptr) {
        return DAYMATH_NO_JDN;
    }
    const auto month = static_cast<uint32_t>(date->month);
    int64_t jdn = DAYMATH_NO_JDN;
    if (month - 1 < 12) {
        if (date->calendar == DAYMATH_GREGORIAN) {
            jdn = daymath::GregorianToJdn(date->year, month, date->day);
        } else if (date->calendar == DAYMATH_JULIAN) {
            jdn = daymath::JulianToJdn(date->year, month, date->day);
        }
    }
    return StoreJdn(date, jdn);
}

DAYMATH_API int32_t jdn_to_euro_date(CalendarDate* date) {
    if (date == nullptr) {
        return DAYMATH_ERR_NULL;
    }
    switch (date->calendar) {
        case DAYMATH_GREGORIAN:
            StoreYmd(date, daymath::GregorianFromJdn(date->jdn));
            return DAYMATH_OK;
        case DAYMATH_JULIAN:
            StoreYmd(date, daymath::JulianFromJdn(date->jdn));
            return DAYMATH_OK;
        default:
            return DAYMATH_ERR_CALENDAR;
    }
}

DAYMATH_API int32_t annus_novus_date_to_jdn(CalendarDate* date) {
    if (date == nullptr) {
        return DAYMATH_NO_JDN;
    }
    if (date->month < 1 || date->month > daymath::kIntercalarius) {
        return StoreJdn(date, DAYMATH_NO_JDN);
    }
    return StoreJdn(
        date, daymath::AnnusNovusToJdn(date->year, static_cast<uint32_t>(date->month), date->day));
}

DAYMATH_API int32_t jdn_to_annus_novus_date(CalendarDate* date) {
    if (date == nullptr) {
        return DAYMATH_ERR_NULL;
    }
    const daymath::AnnusNovusDate an = daymath::AnnusNovusFromJdn(date->jdn);
    StoreYmd(date, an.date);
    return an.weekDay;
}

DAYMATH_API int32_t euro_day_of_week(int32_t jdn) {
    // Day number 0 was a Monday.
    const int64_t shifted = static_cast<int64_t>(jdn) + 1;
    return static_cast<int32_t>((shifted % 7 + 7) % 7);
}

DAYMATH_API int32_t days_elapsed(const CalendarDate* later, const CalendarDate* earlier,
                                 int32_t* error) {
    int32_t status = DAYMATH_OK;
    int64_t days = 0;
    if (later == nullptr || earlier == nullptr) {
        status = DAYMATH_ERR_NULL;
    } else if (!daymath::IsKnownCalendar(later->calendar) ||
               !daymath::IsKnownCalendar(earlier->calendar)) {
        status = DAYMATH_ERR_CALENDAR;
    } else if (!IsValidDate(*later) || !IsValidDate(*earlier)) {
        status = DAYMATH_ERR_DATE;
    } else {
        days = DateToJdn(*later) - DateToJdn(*earlier);
        if (days < INT32_MIN || days > INT32_MAX) {
            status = DAYMATH_ERR_RANGE;
            days = 0;
        }
    }
    if (error != nullptr) {
        *error = status;
    }
    return static_cast<int32_t>(days);
}

}  // extern "C"
