// A calendar engine that exports seven of the eight operations: days_elapsed
// is missing. Every operation answers with a fixed value; only the binding
// is under test.
#include "daymath.h"

extern "C" {

DAYMATH_API int32_t euro_date_to_jdn(CalendarDate*) {
    return 0;
}
DAYMATH_API int32_t jdn_to_euro_date(CalendarDate*) {
    return 0;
}
DAYMATH_API int32_t annus_novus_date_to_jdn(CalendarDate*) {
    return 0;
}
DAYMATH_API int32_t jdn_to_annus_novus_date(CalendarDate*) {
    return 0;
}
DAYMATH_API int32_t euro_day_of_week(int32_t) {
    return 0;
}
DAYMATH_API int32_t str_to_date(const char*, int32_t, CalendarDate*, int32_t) {
    return 0;
}
DAYMATH_API int32_t separate_thousands(const char*, int32_t, char*) {
    return 0;
}

}  // extern "C"
