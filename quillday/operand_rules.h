// What the command line accepts as a date, a day number or a day count. A
// terminal lets through any character, so an operand is held to what the
// window's key filters let a user type, and numbers are read strictly: a
// decimal point, an exponent or a stray separator is refused, never read as
// another number. Pure functions of their arguments.
#ifndef QUILLDAY_OPERAND_RULES_H
#define QUILLDAY_OPERAND_RULES_H

#include <optional>
#include <string>
#include <string_view>

#include "texts/gen_text.h"

namespace quillday::cli {

// The word after which every word is an operand, whatever it starts with.
inline constexpr std::string_view kEndOfOptions = "--";

// The place of an operand in a request, as messages name it.
enum class OperandRole { FirstDate, SecondDate, DayCount };

// An error message when a date operand holds a character that the window's
// date fields refuse with the date separator ("-", "/" or "."): only
// "1234567890- ,.()" and the separator. The message names the character and
// the operand. Example: "2012-12-31abc" gives "the first date
// '2012-12-31abc' holds 'a', which no date holds".
std::optional<std::string> DateCharacterFault(std::string_view date, std::string_view separator,
                                              OperandRole role);

// An error message unless the date operand, written as a day number, is an
// optional "-" and digits with the thousands separator ("," "." or empty)
// only between groups of three, the whole perhaps in parentheses:
// "-2,456,293", "(-1000)". A fraction is a Julian date: "2456293.5" is
// refused with a message that names its day number, 2456294.
std::optional<std::string> DayNumberFault(std::string_view date, std::string_view thousands,
                                          OperandRole role);

// An error message unless the day count is a "+" or "-", then digits with
// the thousands separator only between groups of three: "+10", "-1,000".
std::optional<std::string> DayCountFault(std::string_view count, std::string_view thousands);

// True for text of one or more decimal digits and nothing else.
bool AllDigits(std::string_view text);

// True for a word that, after a date, is the day count: "+" and anything, or
// "-" and a digit followed by digits, "," and "." alone ("-10", "-1.5").
bool IsDayCountWord(std::string_view word);

// True for digits with the thousands separator only between groups of three
// counted from the right: "2,456,293" and "2456293" with ","; no separator
// with an empty one.
bool IsGroupedWholeNumber(std::string_view digits, std::string_view thousands);

// The day number of a Julian date written as digits, a decimal mark and
// digits, with an optional "-": floor(J + 0.5), the civil day that begins at
// the midnight before. Example: "2456293.5" with mark "." gives "2456294",
// "-0.7" gives "-1". Nothing when the text is no such number.
std::optional<std::string> JulianDateDayNumber(std::string_view text, char decimalMark);

// The decimal mark beside a thousands separator: "," beside ".", else ".".
char DecimalMarkBeside(std::string_view thousands);

// True for a word on the command line that starts with "-" and yet can be an
// operand: "-" (standard input), a negative number or a date of the date
// field's characters ("-43-03-15"). "-to" is none, but an unknown option.
bool IsDashOperand(std::string_view word, std::string_view separator);

// The language of the messages and lines when --lang is not given: that of
// the first set of LC_ALL, LC_MESSAGES and LANG, German for "de...",
// Spanish for "es...", English for anything else or none.
GEN_TEXT::LanguageCode LanguageOfLocale(std::string_view lcAll, std::string_view lcMessages,
                                        std::string_view lang);

}  // namespace quillday::cli

#endif
