/*
 * daymath: the Quillday calendar engine.
 *
 * Converts between Julian day numbers and dates in three calendars, all with
 * astronomical year numbers (..., -1, 0, 1, ...):
 *   'G'  Gregorian (Common Era), proleptic before 1582;
 *   'J'  Julian;
 *   'A'  Annus Novus: ten months of 36 and 37 days (Primus 36, Secundus 37,
 *        ... Decimus 37) and, in leap years, an eleventh month Intercalarius
 *        of one day. Annus Novus year N starts on 1 January of Gregorian year
 *        N - 8519 and is a leap year exactly when that Gregorian year is.
 *
 * Every Julian day number that fits in 32 bits converts into every calendar
 * and back. Each call stands alone: the engine keeps no state, allocates
 * nothing and is safe to call from several threads at once. Every function
 * accepts null pointers: it then does nothing beyond what its comment says.
 *
 * Sign rule: results that are status codes are 0 on success and negative on
 * failure (the DAYMATH_ERR_ codes below).
 */
#ifndef DAYMATH_H
#define DAYMATH_H

#include <stdint.h>

#if defined(_WIN32)
#if defined(DAYMATH_BUILDING)
#define DAYMATH_API __declspec(dllexport)
#else
#define DAYMATH_API __declspec(dllimport)
#endif
#else
#define DAYMATH_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The date record: 24 bytes, six signed 32-bit fields. Zero-fill it before
 * first use. */
typedef struct CalendarDate {
    int32_t year;     /* astronomical year number */
    int32_t month;    /* 1-12 ('G', 'J'); 1-10, or 11 for Intercalarius ('A') */
    int32_t day;      /* day of the month, from 1 */
    int32_t calendar; /* character code of the calendar letter: 'G', 'J' or 'A' */
    int32_t jdn;      /* Julian day number */
    int32_t reserved; /* never read or written by the engine */
} CalendarDate;

/* Calendar letters, as stored in CalendarDate.calendar. */
#define DAYMATH_GREGORIAN 71   /* 'G' */
#define DAYMATH_JULIAN 74      /* 'J' */
#define DAYMATH_ANNUS_NOVUS 65 /* 'A' */

/* Date order codes for str_to_date. */
#define DAYMATH_ORDER_MDY 0
#define DAYMATH_ORDER_DMY 1
#define DAYMATH_ORDER_YMD 2

/* Dates that str_to_date accepts lie within these day numbers. */
#define DAYMATH_MIN_JDN (-2100000000)
#define DAYMATH_MAX_JDN 2100000000

/* Returned and stored by the date-to-day-number functions when the record
 * does not name a day number from INT32_MIN + 1 to INT32_MAX. */
#define DAYMATH_NO_JDN INT32_MIN

/* Size of the buffer that separate_thousands fills: 20 characters and NUL. */
#define DAYMATH_GROUPED_SIZE 21

/* Status codes. */
#define DAYMATH_OK 0
#define DAYMATH_ERR_SYNTAX (-1)   /* text is not three numbers with two equal separators */
#define DAYMATH_ERR_DATE (-2)     /* no such month or day in that calendar */
#define DAYMATH_ERR_ORDER (-3)    /* date order code is not 0, 1 or 2 */
#define DAYMATH_ERR_CALENDAR (-4) /* calendar letter is not 'G', 'J' or 'A' */
#define DAYMATH_ERR_RANGE (-5)    /* date outside DAYMATH_MIN_JDN..DAYMATH_MAX_JDN */
#define DAYMATH_ERR_NULL (-6)     /* a required pointer is null */

/* Reads year, month, day and calendar ('G' or 'J') of *date, stores the
 * Julian day number in date->jdn and returns it. Month must be 1-12; a day
 * outside the month counts on from its first day (day 0 is the last day of
 * the month before). Returns and stores DAYMATH_NO_JDN when the calendar is
 * neither 'G' nor 'J', the month is out of range, or the day number lies
 * outside INT32_MIN + 1 to INT32_MAX; returns DAYMATH_NO_JDN and stores nothing when date is null.
 * Example: 2001-01-01 'G' gives 2451911, and so does 2000-12-19 'J'. */
DAYMATH_API int32_t euro_date_to_jdn(CalendarDate* date);

/* Reads jdn and calendar ('G' or 'J') of *date and sets year, month and day
 * to that day in that calendar; works for every 32-bit day number.
 * Returns DAYMATH_OK, DAYMATH_ERR_CALENDAR (record unchanged) or
 * DAYMATH_ERR_NULL. */
DAYMATH_API int32_t jdn_to_euro_date(CalendarDate* date);

/* Reads the Annus Novus year, month (1-11) and day of *date, stores the
 * Julian day number in date->jdn and returns it. A day outside the month
 * counts on from its first day. Returns and stores DAYMATH_NO_JDN when the
 * month is out of range or the day number lies outside INT32_MIN + 1 to
 * INT32_MAX; returns
 * DAYMATH_NO_JDN and stores nothing when date is null. The calendar field is
 * not read. Example: 10520-01-01 gives 2451911. */
DAYMATH_API int32_t annus_novus_date_to_jdn(CalendarDate* date);

/* Reads jdn of *date and sets year, month and day to that Annus Novus date;
 * works for every 32-bit day number. The calendar field is not touched.
 * Returns the Annus Novus week day: 1-5 for Primidi to Quintidi (day 1 of
 * every year is Primidi), 0 for the day Intercalarius (month 11), or
 * DAYMATH_ERR_NULL. */
DAYMATH_API int32_t jdn_to_annus_novus_date(CalendarDate* date);

/* Returns the day of the week of a Julian day number: 0 Sunday, 1 Monday,
 * ... 6 Saturday; the same in the Gregorian and the Julian calendar. */
DAYMATH_API int32_t euro_day_of_week(int32_t jdn);

/* Reads a date from text: three whole numbers separated by two equal
 * separators ("-", "/" or "."), in the order given by the order code; a "-"
 * directly before a number is its sign ("15-03--44" in DMY is 15 March -44).
 * Nothing else may stand in the text. The month and day must exist in the
 * calendar named by the letter code ('G', 'J' or 'A'). On success sets year,
 * month and day of *date, stores the letter in date->calendar and returns
 * DAYMATH_OK; on failure leaves *date unchanged and returns
 * DAYMATH_ERR_SYNTAX, DAYMATH_ERR_DATE (no such month or day, however many
 * digits it has), DAYMATH_ERR_ORDER, DAYMATH_ERR_CALENDAR,
 * DAYMATH_ERR_NULL, or DAYMATH_ERR_RANGE when the date lies outside
 * DAYMATH_MIN_JDN..DAYMATH_MAX_JDN or the year is too long to hold.
 * Reads no further than the terminating NUL.
 * Example: "2004-05-07" with DAYMATH_ORDER_YMD and "07.05.2004" with
 * DAYMATH_ORDER_DMY give the same date. */
DAYMATH_API int32_t str_to_date(const char* text, int32_t order, CalendarDate* date,
                                int32_t calendar);

/* Writes into buffer (DAYMATH_GROUPED_SIZE bytes) the NUL-terminated number
 * text with the separator character (its code in the low 8 bits) between
 * groups of three characters counted from the right; a leading "-" stays in
 * front. Separator 0 copies the text unchanged. A result longer than 20
 * characters is cut to its first 20. Never writes more than
 * DAYMATH_GROUPED_SIZE bytes. Returns the length written, or
 * DAYMATH_ERR_NULL (buffer left alone when it is null, empty text written
 * when only number is null).
 * Example: "2451911" with ',' gives "2,451,911". */
DAYMATH_API int32_t separate_thousands(const char* number, int32_t separator, char* buffer);

/* Returns the number of days from the date *earlier to the date *later, each
 * read from its year, month, day and calendar ('G', 'J' or 'A'); jdn is not
 * read. Sets *error to DAYMATH_OK on success. On failure returns 0 and sets
 * *error to DAYMATH_ERR_CALENDAR, DAYMATH_ERR_DATE (no such month or day),
 * DAYMATH_ERR_RANGE (the count does not fit in 32 bits) or DAYMATH_ERR_NULL.
 * A null error pointer is allowed; the result is then still computed.
 * Example: from 2004-02-01 'G' to 2004-03-01 'G' gives 29. */
DAYMATH_API int32_t days_elapsed(const CalendarDate* later, const CalendarDate* earlier,
                                 int32_t* error);

#ifdef __cplusplus
}
#endif

#endif /* DAYMATH_H */
