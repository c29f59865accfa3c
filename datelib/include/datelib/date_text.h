// Date text: reading what the user typed into a CalendarDate with its day
// number, writing a CalendarDate in the user's order and separators, and
// the key filters of the input fields. Texts are UTF-8; parsing is lenient
// about decoration (spaces, parentheses, thousands separators) and strict
// about structure, and the calendar rules are the engine's.
//
// Procedures that call the engine may throw EngineLoadError (engine.h).
#ifndef DATELIB_DATE_TEXT_H
#define DATELIB_DATE_TEXT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "datelib/date_values.h"
#include "daymath.h"

namespace datelib {

// The result of reading a date or a number.
enum class ParseStatus : int16_t {
    OutOfRange = -1,  // a date or number beyond the accepted day numbers
    NotValid = 0,     // no valid date or number
    Valid = 1,
};

// Reads text as a date of the kind, written with separator ("-", "/" or
// ".") in the order. An Annus Novus date is always written with "-", and
// order MDY reads it as YMD.
// Returns Valid and fills date: year, month, day, calendar letter and jdn
// (for JDN only jdn; for DIY the Gregorian date). Returns NotValid for text
// that is no date of the kind, or for a separator other than the three (AN
// ignores the separator); OutOfRange for a date or day number beyond
// kSmallestDayNumber .. kLargestDayNumber. On both date is unchanged.
// A character outside ASCII (UTF-8) counts as one character that is dropped
// like any other decoration, never as a digit; in yyyyddd, as any character
// besides the seven digits, it makes the text NotValid.
// Examples: "2004 - 05 - 07" as CE, YMD, "-" is 2004-05-07; "15-03-(-43)"
// as CE, DMY, "-" is 15 March -43; "2,451,911" as JDN is 2451911;
// "2012-12-31 (Miércoles)" as CE, YMD, "-" is 2012-12-31.
ParseStatus ParseDateText(std::string_view text, std::string_view separator, CalendarKind kind,
                          DateOrder order, CalendarDate& date);

// Reads a day number or day count: every character other than the digits
// "0"-"9" and one leading sign is ignored ("1,5" is 15, "1 000" with a
// no-break space is 1000; a digit of another script is not read). Returns
// the number and sets status: Valid; NotValid (result 0) when no digit is
// left or a "-" follows another sign or a digit; OutOfRange when the
// number does not fit in 32 bits (result 0) or lies beyond
// kSmallestDayNumber .. kLargestDayNumber (the number is returned).
int32_t ParseJdnText(std::string_view text, ParseStatus& status);

// Appends a date to text: day and month with two digits, the year without
// leading zeros, "-" in front of a negative year. A Gregorian or Julian year beyond
// +-9999 is grouped with the thousands separator unless that equals the date
// separator, so that every date written reads back (Annus Novus years never
// are grouped, and their separator is always "-"). Parts in the order; a negative
// year written last stands in parentheses; order MDY writes an Annus Novus
// date as YMD. An order outside the enumeration is written as YMD.
// Examples: 123456-01-01 CE, YMD, "-", "," gives "123,456-01-01", and with
// "." both ways "123456.01.01";
// 15 March -43, DMY, "-" gives "15-03-(-43)".
// Throws std::invalid_argument, text unchanged, for a thousands separator as
// SeparateThousands.
void AppendDate(std::string& text, const CalendarDate& date, DateOrder order,
                std::string_view separator, std::string_view thousands);

// Returns the number text with the separator between groups of three
// characters counted from the right (a leading "-" stays in front); an
// empty separator returns the text unchanged. Example: "2451911", "," gives
// "2,451,911". Throws std::invalid_argument when the separator is not one
// ASCII character, the text holds a NUL or a character outside ASCII, or
// the grouped text would be longer than 20 characters.
std::string SeparateThousands(std::string_view number, std::string_view separator);

// Appends a whole number in decimal digits ("-" in front when negative),
// grouped as SeparateThousands groups. Example: -2456293, "," gives
// "-2,456,293". Throws as SeparateThousands, text unchanged.
void AppendGroupedNumber(std::string& text, int32_t value, std::string_view separator);

}  // namespace datelib

#endif
