// What the date fields do with their text apart from Compute: follow a
// change of notation, step by days, and move the second date into the first.
#ifndef COMPUTE_FIELD_RULES_H
#define COMPUTE_FIELD_RULES_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compute/input_messages.h"
#include "datelib/date_values.h"

namespace quillday {

// The text re-expressed in another notation; nothing when the text is empty,
// the notations are equal, the text is no date of fromKind, or the date has
// no form in toKind. Example: "2012-12-31" from CE to JDN is "2,456,293".
std::optional<std::string> ReexpressDate(const std::string& text, datelib::CalendarKind fromKind,
                                         datelib::CalendarKind toKind,
                                         const datelib::Display& display);

// Reads the text of date field n (1 first, 2 second) in its kind into
// record. Returns the field's not-valid message (the Annus Novus wording for
// AN) for a text that is no date of the kind, its out-of-range message for a
// date beyond the accepted day numbers, and nothing for a date.
std::optional<InputMessageId> ReadDateField(int n, std::string_view text,
                                            datelib::CalendarKind kind,
                                            const datelib::Display& display, CalendarDate& record);

// A field's new text, or the message that stops the change.
struct FieldChange {
    std::string text;                       // when there is no message
    std::optional<InputMessageId> message;  // why the field keeps its text
};

// The date of field n (1 first, 2 second) moved by days in its own notation
// and calendar. Messages: the field's not-valid or out-of-range message for
// a text that is no date of the kind or lies beyond the accepted day
// numbers; ResultOutOfRange for a stepped date that does.
FieldChange StepDate(int n, const std::string& text, datelib::CalendarKind kind, int32_t days,
                     const datelib::Display& display);

// The second date's text in the first date's notation. Messages: the
// second field's not-valid or out-of-range message; ResultOutOfRange when
// the date has no form in the first notation (yyyyddd outside the years 1
// to 9999).
FieldChange MoveDate(const std::string& secondText, datelib::CalendarKind secondKind,
                     datelib::CalendarKind firstKind, const datelib::Display& display);

}  // namespace quillday

#endif
