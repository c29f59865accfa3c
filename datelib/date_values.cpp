#include "datelib/date_values.h"

#include <charconv>
#include <stdexcept>

#include "datelib/checked_math.h"
#include "datelib/date_text.h"
#include "datelib/engine.h"

namespace datelib {

namespace {

constexpr int32_t kMonthsPerEuroYear = 12;
constexpr int32_t kMonthsPerAnnusNovusYear = 10;  // Intercalarius is no month of its own here
constexpr int32_t kIntercalaryMonth = 11;
constexpr int32_t kLastAnnusNovusMonthLength = 37;
constexpr std::size_t kYyyyWidth = 4;
constexpr std::size_t kDddWidth = 3;
// "-2147483648": the longest 32-bit number in decimal digits.
constexpr std::size_t kInt32Digits = 11;

// The kind's calendar letter; JDN and DIY have none.
int32_t RequireCalendarLetter(CalendarKind kind) {
    const int32_t letter = KindCalendarLetter(kind);
    if (letter == 0) {
        throw std::invalid_argument("This procedure needs a CE, JC or AN kind, not kind " +
                                    std::to_string(static_cast<int>(kind)));
    }
    return letter;
}

CalendarDate MakeDate(int32_t year, int32_t month, int32_t day, int32_t calendar) {
    CalendarDate date{};
    date.year = year;
    date.month = month;
    date.day = day;
    date.calendar = calendar;
    return date;
}

// Converts back to a day number; the engine answers DAYMATH_NO_JDN for a
// date whose day number does not fit in 32 bits.
int32_t DateToJdn(CalendarDate& date) {
    const int32_t jdn = date.calendar == DAYMATH_ANNUS_NOVUS ? Engine().annusNovusDateToJdn(&date)
                                                             : Engine().euroDateToJdn(&date);
    if (jdn == DAYMATH_NO_JDN) {
        throw OverflowError("This date has no day number within 32 bits");
    }
    return jdn;
}

// Day of the year of date.jdn, for a record whose year, month and day
// already hold that day in its calendar.
int16_t DayOfYearOfConverted(const CalendarDate& date) {
    CalendarDate first = MakeDate(date.year, 1, 1, date.calendar);
    const int32_t firstJdn = DateToJdn(first);
    return CheckedNarrow<int16_t>(int64_t{date.jdn} - firstJdn + 1);
}

int32_t MonthsPerYear(int32_t calendar) {
    return calendar == DAYMATH_ANNUS_NOVUS ? kMonthsPerAnnusNovusYear : kMonthsPerEuroYear;
}

// The day Intercalarius follows the last day of month 10; the breakdown
// counts it as day 38 of that month, as DaysInMonth does.
CalendarDate WithIntercalaryInLastMonth(CalendarDate date) {
    if (date.calendar == DAYMATH_ANNUS_NOVUS && date.month == kIntercalaryMonth) {
        date.month = kMonthsPerAnnusNovusYear;
        date.day = CheckedAdd(date.day, kLastAnnusNovusMonthLength);
    }
    return date;
}

// Appends a number of 0 or more with at least width digits.
void AppendZeroPadded(std::string& text, int32_t value, std::size_t width) {
    std::array<char, kInt32Digits> digits{};
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    const auto length = static_cast<std::size_t>(end - digits.data());
    if (length < width) {
        text.append(width - length, '0');
    }
    text.append(digits.data(), length);
}

}  // namespace

bool SetCalendarLetter(CalendarKind kind, CalendarDate& date) {
    const int32_t letter = KindCalendarLetter(kind);
    if (letter == 0) {
        return false;
    }
    date.calendar = letter;
    return true;
}

bool JdnToEuroDate(CalendarDate& date) {
    return Engine().jdnToEuroDate(&date) == DAYMATH_OK;
}

int16_t JdnToAnnusNovusDate(CalendarDate& date) {
    return static_cast<int16_t>(Engine().jdnToAnnusNovusDate(&date));
}

bool JdnToDate(CalendarDate& date) {
    if (date.calendar == DAYMATH_ANNUS_NOVUS) {
        JdnToAnnusNovusDate(date);
        return true;
    }
    return JdnToEuroDate(date);
}

int16_t DayOfWeek(int32_t jdn) {
    return static_cast<int16_t>(Engine().euroDayOfWeek(jdn));
}

int16_t DayOfYear(int32_t jdn, CalendarKind kind) {
    CalendarDate date{};
    date.jdn = jdn;
    date.calendar = RequireCalendarLetter(kind);
    JdnToDate(date);
    return DayOfYearOfConverted(date);
}

int16_t GregorianDayOfYear(CalendarDate& date) {
    date.calendar = DAYMATH_GREGORIAN;
    JdnToEuroDate(date);
    return DayOfYearOfConverted(date);
}

void AppendYyyyddd(std::string& text, int32_t jdn) {
    if (jdn < kFirstYyyydddDayNumber || jdn > kLastYyyydddDayNumber) {
        throw OverflowError("The day number " + std::to_string(jdn) + " has no yyyyddd form");
    }
    CalendarDate date{};
    date.jdn = jdn;
    const int16_t day = GregorianDayOfYear(date);
    AppendZeroPadded(text, date.year, kYyyyWidth);
    AppendZeroPadded(text, day, kDddWidth);
}

int32_t LocalDateJdn(const LocalDate& date) {
    CalendarDate record = MakeDate(date.year, date.month, date.day, DAYMATH_GREGORIAN);
    return DateToJdn(record);
}

int16_t DaysInMonth(const CalendarDate& date, int32_t& error) {
    const bool lastMonth = date.month == MonthsPerYear(date.calendar);
    const CalendarDate next =
        lastMonth ? MakeDate(CheckedAdd(date.year, 1), 1, 1, date.calendar)
                  : MakeDate(date.year, CheckedAdd(date.month, 1), 1, date.calendar);
    const CalendarDate first = MakeDate(date.year, date.month, 1, date.calendar);
    return CheckedNarrow<int16_t>(Engine().daysElapsed(&next, &first, &error));
}

int16_t DaysInYear(const CalendarDate& date, int32_t& error) {
    const CalendarDate first = MakeDate(date.year, 1, 1, date.calendar);
    const CalendarDate next = MakeDate(CheckedAdd(date.year, 1), 1, 1, date.calendar);
    return CheckedNarrow<int16_t>(Engine().daysElapsed(&next, &first, &error));
}

YmdDifference DateDifferenceYMD(const CalendarDate& earlier, const CalendarDate& later,
                                int32_t& error) {
    error = DAYMATH_OK;
    const CalendarDate d1 = WithIntercalaryInLastMonth(earlier);
    const CalendarDate d2 = WithIntercalaryInLastMonth(later);
    const int32_t monthsPerYear = MonthsPerYear(d1.calendar);
    const bool dayBefore = d2.day < d1.day;
    const bool beforeAnniversary = d2.month < d1.month || (d2.month == d1.month && dayBefore);

    int64_t years = int64_t{d2.year} - d1.year - (beforeAnniversary ? 1 : 0);
    int64_t months = int64_t{d2.month} - d1.month - (dayBefore ? 1 : 0);
    if (months < 0) {
        months += monthsPerYear;
    }
    int64_t days = int64_t{d2.day} - d1.day;
    if (days < 0) {
        CalendarDate borrowed = d2;
        borrowed.month = CheckedSubtract(borrowed.month, 1);
        if (borrowed.month < 1) {
            borrowed.month = monthsPerYear;
            borrowed.year = CheckedSubtract(borrowed.year, 1);
        }
        days += DaysInMonth(borrowed, error);
    }
    return {CheckedNarrow<int32_t>(years), CheckedNarrow<int16_t>(months),
            CheckedNarrow<int16_t>(days)};
}

YdDifference DateDifferenceYD(const CalendarDate& earlier, const CalendarDate& later,
                              int32_t& error) {
    error = DAYMATH_OK;
    CalendarDate d1 = earlier;
    CalendarDate d2 = later;
    const int16_t doy1 = GregorianDayOfYear(d1);
    const int16_t doy2 = GregorianDayOfYear(d2);
    int64_t years = int64_t{d2.year} - d1.year;
    int64_t days = int64_t{doy2} - doy1;
    if (days < 0) {
        --years;
        const CalendarDate yearBefore =
            MakeDate(CheckedSubtract(d2.year, 1), 1, 1, DAYMATH_GREGORIAN);
        days += DaysInYear(yearBefore, error);
    }
    return {CheckedNarrow<int32_t>(years), CheckedNarrow<int16_t>(days)};
}

}  // namespace datelib
