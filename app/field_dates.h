// What the date boxes do with their text apart from Compute: follow a change
// of notation and step by a day.
#ifndef APP_FIELD_DATES_H
#define APP_FIELD_DATES_H

#include <cstdint>
#include <optional>
#include <string>

#include "datelib/date_values.h"

namespace quillday {

// The text re-expressed in another notation; nothing when the text is empty,
// the notations are equal, the text is no date of fromKind, or the date has
// no form in toKind. Example: "2012-12-31" from CE to JDN is "2,456,293".
std::optional<std::string> ReexpressDate(const std::string& text, datelib::CalendarKind fromKind,
                                         datelib::CalendarKind toKind,
                                         const datelib::Display& display);

enum class StepOutcome {
    Stepped,
    NotValid,          // the text is no date of the kind
    OutOfRange,        // the text is a date beyond the accepted day numbers
    ResultOutOfRange,  // the stepped date is
};

struct StepResult {
    StepOutcome outcome;
    std::string text;  // the stepped date, when Stepped
};

// The date of the text moved by days in its own notation and calendar.
StepResult StepDateText(const std::string& text, datelib::CalendarKind kind, int32_t days,
                        const datelib::Display& display);

}  // namespace quillday

#endif
