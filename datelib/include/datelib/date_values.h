// Date values and conversions (module DatePr2): the notations, date orders
// and display, and the procedures that turn a Julian day number into a date
// in a chosen calendar and back, give the day of the week and of the year,
// today's date from the system's clock, and the difference of two dates in
// years, months and days.
//
// Every procedure that calls the calendar engine may throw EngineLoadError
// (engine.h) when the engine cannot be loaded. Arithmetic that would leave
// 32 bits, or 16 bits where the result is 16-bit, throws OverflowError
// (checked_math.h) instead of wrapping.
#ifndef DATELIB_DATE_VALUES_H
#define DATELIB_DATE_VALUES_H

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "daymath.h"

namespace datelib {

// The notation of an input or output date. The codes are stored in the
// settings file.
enum class CalendarKind : int16_t {
    CE = 0,   // Common Era (Gregorian) date
    JC = 1,   // Julian Calendar date
    JDN = 2,  // Julian day number
    AN = 3,   // Annus Novus date
    DIY = 4,  // yyyyddd: Gregorian year and day of the year
};

inline constexpr std::size_t kKindCount = 5;

// The order of the parts of a date; the codes are the engine's order codes.
enum class DateOrder : int16_t {
    MDY = DAYMATH_ORDER_MDY,
    DMY = DAYMATH_ORDER_DMY,
    YMD = DAYMATH_ORDER_YMD,
};

// Names of the Annus Novus week days, indexed by the week day that
// JdnToAnnusNovusDate returns (0 is the day Intercalarius, no week day).
inline constexpr std::array<std::string_view, 7> kAnnusNovusDayNames{
    "Intercalarius", "Primidi", "Secundi", "Tertidi", "Quartidi", "Quintidi", ""};

// Day numbers typed in or computed must lie within these limits.
inline constexpr int32_t kLargestDayNumber = 2100000000;
inline constexpr int32_t kSmallestDayNumber = -2100000000;
// The largest 32-bit number as text: the length and magnitude limit when
// reading a day number.
inline constexpr std::string_view kLargestDayNumberText = "2147483647";
// The yyyyddd form exists from 0001-01-01 CE to 9999-12-31 CE only.
inline constexpr int32_t kFirstYyyydddDayNumber = 1721426;
inline constexpr int32_t kLastYyyydddDayNumber = 5373484;

// How dates and numbers are written and read: the order of a date's parts,
// the separator between them ("-", "/" or ".") and the thousands separator
// ("," or ".", empty for none). Both front ends pass it with every request.
struct Display {
    DateOrder order = DateOrder::YMD;
    std::string dateSeparator = "-";
    std::string thousandsSeparator = ",";

    bool operator==(const Display&) const = default;
};

// What each kind writes after a date and which calendar letter it uses
// (0: none), indexed by the kind's code. Here rather than in the library, so
// that the lookups below, made for every date of a line, are inlined.
struct KindInfo {
    std::string_view textCode;
    int32_t calendarLetter;
};
inline constexpr std::array<KindInfo, kKindCount> kKindInfo{{
    {"CE", DAYMATH_GREGORIAN},
    {"JC", DAYMATH_JULIAN},
    {"JDN", 0},
    {"AN", DAYMATH_ANNUS_NOVUS},
    {"", 0},
}};

// The entry of a kind, nothing for a code outside the enumeration.
inline const KindInfo* FindKindInfo(CalendarKind kind) {
    const auto code = static_cast<std::size_t>(kind);
    return code < kKindInfo.size() ? &kKindInfo[code] : nullptr;
}

// Returns the code written after a date of the kind: "CE", "JC", "JDN",
// "AN", and "" for DIY or a code outside the enumeration.
inline std::string_view KindTextCode(CalendarKind kind) {
    const KindInfo* info = FindKindInfo(kind);
    return info != nullptr ? info->textCode : std::string_view{};
}

// Returns the calendar letter of the kind: 'G' for CE, 'J' for JC, 'A' for
// AN, and 0 for JDN, DIY or a code outside the enumeration.
inline int32_t KindCalendarLetter(CalendarKind kind) {
    const KindInfo* info = FindKindInfo(kind);
    return info != nullptr ? info->calendarLetter : 0;
}

// True when n lies within kSmallestDayNumber .. kLargestDayNumber.
inline bool IsAcceptedDayNumber(int64_t n) {
    return n >= kSmallestDayNumber && n <= kLargestDayNumber;
}

// For CE, JC and AN stores the calendar letter 'G', 'J' or 'A' in
// date.calendar and returns true; for any other kind leaves the record
// alone and returns false.
bool SetCalendarLetter(CalendarKind kind, CalendarDate& date);

// Sets year, month and day from date.jdn in the record's calendar ('G' or
// 'J'). Returns false, record unchanged, for any other calendar letter.
bool JdnToEuroDate(CalendarDate& date);

// Sets year, month and day to the Annus Novus date of date.jdn; returns its
// week day: 1-5 Primidi to Quintidi, 0 for the day Intercalarius.
int16_t JdnToAnnusNovusDate(CalendarDate& date);

// JdnToAnnusNovusDate when date.calendar is 'A', else JdnToEuroDate.
// Returns false only when the calendar letter is none of 'G', 'J', 'A'.
bool JdnToDate(CalendarDate& date);

// Returns the day of the week of a day number: 0 Sunday ... 6 Saturday.
int16_t DayOfWeek(int32_t jdn);

// Returns the day of the year (from 1) of day number jdn in the kind's
// calendar (CE, JC or AN). Example: 2451910 as CE gives 366.
// Throws std::invalid_argument for JDN and DIY, OverflowError when the
// year's first day lies beyond 32 bits.
int16_t DayOfYear(int32_t jdn, CalendarKind kind);

// Returns the Gregorian day of the year of date.jdn and leaves the
// Gregorian date of that day in the record (calendar 'G'), whatever its
// calendar letter was. Throws OverflowError when the year's first day lies
// beyond 32 bits.
int16_t GregorianDayOfYear(CalendarDate& date);

// Appends the yyyyddd text of a day number: the Gregorian year with four
// digits and the day of the year with three, e.g. 2012366. Throws
// OverflowError, text unchanged, outside kFirstYyyydddDayNumber ..
// kLastYyyydddDayNumber.
void AppendYyyyddd(std::string& text, int32_t jdn);

// A local calendar date, as the clock gives it.
struct LocalDate {
    int32_t year;
    int32_t month;
    int32_t day;
};

// Reads today's date from the system's clock in the local time zone.
LocalDate SystemLocalDate();

// Returns the day number of a Gregorian calendar date.
int32_t LocalDateJdn(const LocalDate& date);

// Returns the number of days of the record's month (year, month, calendar
// are read); the Annus Novus month 10 counts the intercalary day of a leap
// year. error receives the engine's status: 0 on success, otherwise the
// result is 0 (e.g. DAYMATH_ERR_DATE for a month that does not exist).
// Throws OverflowError when the following year does not fit in 32 bits.
int16_t DaysInMonth(const CalendarDate& date, int32_t& error);

// Returns the number of days of the record's year (year and calendar are
// read). error as for DaysInMonth.
int16_t DaysInYear(const CalendarDate& date, int32_t& error);

// Whole years, months and days from one date to a later one.
struct YmdDifference {
    int32_t years;
    int16_t months;
    int16_t days;  // may be negative: see DateDifferenceYMD
};

// Returns the years, months and days from earlier to later, both in the
// same calendar (year, month, day, calendar are read). A days part that
// borrows a shorter month can come out negative (2004-01-31 to 2004-03-01
// CE gives 0, 1, -1); callers show only positive parts. The Annus Novus
// day Intercalarius counts as day 38 of month 10. error is set to 0, or to
// the engine's non-zero status when a month length could not be counted
// (the breakdown is then not usable). Throws OverflowError when a part does
// not fit its type.
YmdDifference DateDifferenceYMD(const CalendarDate& earlier, const CalendarDate& later,
                                int32_t& error);

// Whole years and days from one date to a later one.
struct YdDifference {
    int32_t years;
    int16_t days;
};

// Returns the whole Gregorian years and days from earlier to later, read
// from their jdn fields (for yyyyddd dates). error and exceptions as for
// DateDifferenceYMD.
YdDifference DateDifferenceYD(const CalendarDate& earlier, const CalendarDate& later,
                              int32_t& error);

}  // namespace datelib

#endif
