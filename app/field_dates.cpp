#include "field_dates.h"

#include "compute/result_lines.h"
#include "datelib/date_text.h"

namespace quillday {

using datelib::CalendarKind;
using datelib::ParseStatus;

namespace {

ParseStatus ReadDate(const std::string& text, CalendarKind kind, const datelib::Display& display,
                     CalendarDate& date) {
    return datelib::ParseDateText(text, display.dateSeparator, kind, display.order, date);
}

}  // namespace

std::optional<std::string> ReexpressDate(const std::string& text, CalendarKind fromKind,
                                         CalendarKind toKind, const datelib::Display& display) {
    CalendarDate date{};
    if (text.empty() || toKind == fromKind ||
        ReadDate(text, fromKind, display, date) != ParseStatus::Valid) {
        return std::nullopt;
    }
    return DayNumberText(date, toKind, display);
}

StepResult StepDateText(const std::string& text, CalendarKind kind, int32_t days,
                        const datelib::Display& display) {
    CalendarDate date{};
    switch (ReadDate(text, kind, display, date)) {
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
    const std::optional<std::string> steppedText = DayNumberText(date, kind, display);
    if (!steppedText) {
        return {StepOutcome::ResultOutOfRange, {}};
    }
    return {StepOutcome::Stepped, *steppedText};
}

}  // namespace quillday
