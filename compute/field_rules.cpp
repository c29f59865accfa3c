#include "compute/field_rules.h"

#include "compute/result_lines.h"
#include "datelib/date_text.h"

namespace quillday {

using datelib::CalendarKind;
using datelib::ParseStatus;

namespace {

ParseStatus ReadDate(std::string_view text, CalendarKind kind, const datelib::Display& display,
                     CalendarDate& date) {
    return datelib::ParseDateText(text, display.dateSeparator, kind, display.order, date);
}

// The record's date as text in the kind, else the result-out-of-range message.
FieldChange TextIn(CalendarDate& date, CalendarKind kind, const datelib::Display& display) {
    std::optional<std::string> text = DayNumberText(date, kind, display);
    if (!text) {
        return {{}, InputMessageId::ResultOutOfRange};
    }
    return {std::move(*text), std::nullopt};
}

}  // namespace

std::optional<InputMessageId> ReadDateField(int n, std::string_view text, CalendarKind kind,
                                            const datelib::Display& display, CalendarDate& record) {
    switch (ReadDate(text, kind, display, record)) {
        case ParseStatus::NotValid:
            return NotValidMessage(n, kind);
        case ParseStatus::OutOfRange:
            return OutOfRangeMessage(n);
        case ParseStatus::Valid:
            break;
    }
    return std::nullopt;
}

std::optional<std::string> ReexpressDate(const std::string& text, CalendarKind fromKind,
                                         CalendarKind toKind, const datelib::Display& display) {
    CalendarDate date{};
    if (text.empty() || toKind == fromKind ||
        ReadDate(text, fromKind, display, date) != ParseStatus::Valid) {
        return std::nullopt;
    }
    return DayNumberText(date, toKind, display);
}

FieldChange StepDate(int n, const std::string& text, CalendarKind kind, int32_t days,
                     const datelib::Display& display) {
    CalendarDate date{};
    if (const std::optional<InputMessageId> message = ReadDateField(n, text, kind, display, date)) {
        return {{}, message};
    }
    const std::optional<int32_t> stepped = MovedJdn(date.jdn, days, Direction::Forward);
    if (!stepped) {
        return {{}, InputMessageId::ResultOutOfRange};
    }
    // The record keeps the calendar it was read in.
    date.jdn = *stepped;
    return TextIn(date, kind, display);
}

FieldChange MoveDate(const std::string& secondText, CalendarKind secondKind, CalendarKind firstKind,
                     const datelib::Display& display) {
    CalendarDate date{};
    if (const auto message = ReadDateField(2, secondText, secondKind, display, date)) {
        return {{}, message};
    }
    return TextIn(date, firstKind, display);
}

}  // namespace quillday
