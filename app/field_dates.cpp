#include "field_dates.h"

#include "compute/result_lines.h"
#include "datelib/date_text.h"

namespace quillday {

using datelib::CalendarKind;
using datelib::ParseStatus;

namespace {

ParseStatus ReadDate(const std::string& text, CalendarKind kind, datelib::DateOrder order,
                     CalendarDate& date) {
    return datelib::ParseDateText(text, datelib::dateSeparator, kind, order, date);
}

}  // namespace

std::optional<std::string> ReexpressDate(const std::string& text, CalendarKind fromKind,
                                         CalendarKind toKind, datelib::DateOrder order) {
    CalendarDate date{};
    if (text.empty() || toKind == fromKind ||
        ReadDate(text, fromKind, order, date) != ParseStatus::Valid) {
        return std::nullopt;
    }
    return DayNumberText(date, toKind, order);
}

StepResult StepDateText(const std::string& text, CalendarKind kind, int32_t days,
                        datelib::DateOrder order) {
    CalendarDate date{};
    switch (ReadDate(text, kind, order, date)) {
        case ParseStatus::NotValid:
            return {StepOutcome::NotValid, {}};
        case ParseStatus::OutOfRange:
            return {StepOutcome::OutOfRange, {}};
        case ParseStatus::Valid:
            break;
    }
    const std::optional<int32_t> stepped = MovedJdn(date.jdn, days, Direction::Forward);
    if (!stepped) {
        return {StepOutcome::ResultOutOfRange, {}};
    }
    // The record keeps the calendar it was read in.
    date.jdn = *stepped;
    const std::optional<std::string> steppedText = DayNumberText(date, kind, order);
    if (!steppedText) {
        return {StepOutcome::ResultOutOfRange, {}};
    }
    return {StepOutcome::Stepped, *steppedText};
}

}  // namespace quillday
