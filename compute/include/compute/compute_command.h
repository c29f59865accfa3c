// The Compute command without its window: from the three input fields, the
// notations of the two date fields and the display to the equation line,
// the fields as the command leaves them and the message it shows. The main
// window shows what this returns; the command-line program prints it, so
// both write the same line for the same inputs.
//
// Calls the engine, so may throw EngineLoadError (datelib/engine.h).
#ifndef COMPUTE_COMPUTE_COMMAND_H
#define COMPUTE_COMPUTE_COMMAND_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compute/input_messages.h"
#include "datelib/date_values.h"

namespace quillday {

// The three input fields, in the window's order.
struct ComputeFields {
    std::string firstDate;
    std::string days;
    std::string secondDate;

    bool operator==(const ComputeFields&) const = default;
};

// One Compute command: the fields, trimmed, and what it reads besides them.
struct ComputeRequest {
    ComputeFields fields;
    datelib::CalendarKind firstKind = datelib::CalendarKind::CE;
    datelib::CalendarKind secondKind = datelib::CalendarKind::CE;
    datelib::Display display;
    GEN_TEXT::LanguageCode language = GEN_TEXT::English;  // of the line's words
    int32_t todayJdn = 0;  // today's day number: the first date when both dates are empty
};

enum class ComputeOutcome {
    Computed,          // the line is complete; the answer stands in its field
    InputError,        // an input is invalid (message says which): no line
    ResultOutOfRange,  // the line ends with the entry Out of Range
    TooManyInputs,     // two dates and a day count other than "0": no line
};

struct ComputeAnswer {
    ComputeOutcome outcome = ComputeOutcome::Computed;
    // Every input normalised up to the first invalid one, and the computed
    // field: the other date, or the days of a difference.
    ComputeFields fields;
    std::string line;                       // without line end; empty when no line
    std::optional<InputMessageId> message;  // the one message to show, if any
    int32_t unitDays = 0;  // Computed: the day count whose unit word goes beside the days field
};

// True when the days field holds exactly "0" beside two dates: the command
// then clears it without asking.
bool DropsZeroDays(const ComputeFields& fields);

// Runs the command on trimmed fields. A day count of "0" beside two dates is
// dropped first; with both dates empty the first date is today's, in the
// first notation, and a day count is dropped. Validates the first date, the days, the second date,
// in that order, stopping at the first invalid one; then builds the line of a difference (two
// dates), of a forward request (first date + days, into the second notation) or of a backward
// request (second date - days, into the first notation). Returns:
//   Computed: line "2012-12-31 CE plus 10 days = 2013-01-10 CE, Thursday";
//   InputError with the input's message; also with the first date's
//     not-valid message when today has no text in the first notation (a
//     yyyyddd date outside the years 1 to 9999);
//   ResultOutOfRange with message ResultOutOfRange and the line
//     "... = Out of Range" in the request's language;
//   TooManyInputs with message BothDatesNeedEmptyDifference.
// The answer replaces all of answer: a caller of many commands keeps one,
// whose strings keep their capacity from one command to the next.
void Compute(const ComputeRequest& request, ComputeAnswer& answer);

// The week-day name of date.jdn that ends a line: the Annus Novus name for
// AN ("Primidi"), else the name in the language ("Monday").
std::string_view WeekdayName(CalendarDate date, datelib::CalendarKind kind,
                             GEN_TEXT::LanguageCode language);

}  // namespace quillday

#endif
