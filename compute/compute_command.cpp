#include "compute/compute_command.h"

#include "compute/field_rules.h"
#include "compute/result_lines.h"
#include "datelib/date_text.h"

namespace quillday {

namespace {

using datelib::CalendarKind;
using datelib::ParseStatus;
using GEN_TEXT::TextId;

// Room for the longest usual line, so that it is built without reallocating.
constexpr std::size_t kLineCapacity = 96;

// The working values of one command.
struct Inputs {
    CalendarDate first{};
    CalendarDate second{};
    int32_t days = 0;
};

// Reads date field n (1 first, 2 second) and rewrites it in normalised form;
// a yyyyddd text stays as typed. Returns the message of an invalid date.
std::optional<InputMessageId> ValidateDate(int n, std::string& field, CalendarKind kind,
                                           const datelib::Display& display, CalendarDate& record) {
    if (const std::optional<InputMessageId> message =
            ReadDateField(n, field, kind, display, record)) {
        return message;
    }
    if (kind != CalendarKind::DIY) {
        // The record holds the date as read, in the kind's calendar: written
        // out again, it is the normalised text.
        field.clear();
        AppendDateText(field, record, kind, display);
    }
    return std::nullopt;
}

// Reads the days field (0 when empty) and rewrites it grouped.
std::optional<InputMessageId> ValidateDays(std::string& field, std::string_view thousands,
                                           int32_t& days) {
    days = 0;
    if (field.empty()) {
        return std::nullopt;
    }
    ParseStatus status = ParseStatus::NotValid;
    days = datelib::ParseJdnText(field, status);
    switch (status) {
        case ParseStatus::NotValid:
            return InputMessageId::DifferenceNotValid;
        case ParseStatus::OutOfRange:
            return InputMessageId::DifferenceOutOfRange;
        case ParseStatus::Valid:
            break;
    }
    field.clear();
    datelib::AppendGroupedNumber(field, days, thousands);
    return std::nullopt;
}

std::optional<InputMessageId> ValidateInputs(const ComputeRequest& request, ComputeFields& fields,
                                             Inputs& inputs) {
    std::optional<InputMessageId> message;
    if (!fields.firstDate.empty()) {
        message =
            ValidateDate(1, fields.firstDate, request.firstKind, request.display, inputs.first);
    }
    if (!message) {
        message = ValidateDays(fields.days, request.display.thousandsSeparator, inputs.days);
    }
    if (!message && !fields.secondDate.empty()) {
        message =
            ValidateDate(2, fields.secondDate, request.secondKind, request.display, inputs.second);
    }
    return message;
}

// Completes a line whose left-hand side is written but whose result is not.
void EndOutOfRange(GEN_TEXT::LanguageCode language, ComputeAnswer& answer) {
    answer.outcome = ComputeOutcome::ResultOutOfRange;
    answer.line += GEN_TEXT::Text(TextId::OutOfRange, language);
    answer.message = InputMessageId::ResultOutOfRange;
}

void OneDateLine(const ComputeRequest& request, const Inputs& inputs, ComputeAnswer& answer) {
    const bool forward = !answer.fields.firstDate.empty();
    const Direction direction = forward ? Direction::Forward : Direction::Backward;
    const CalendarKind targetKind = forward ? request.secondKind : request.firstKind;
    const bool noDays = answer.fields.days.empty();
    // A same-notation conversion fills the field only for DIY and adds
    // nothing to the line.
    const bool sameNotation = noDays && request.firstKind == request.secondKind;

    answer.line.reserve(kLineCapacity);
    AppendDateInLine(answer.line, forward ? answer.fields.firstDate : answer.fields.secondDate,
                     forward ? request.firstKind : request.secondKind);
    if (!noDays) {
        answer.line += OperatorPart(direction, answer.fields.days, inputs.days, request.language);
    }
    if (!sameNotation) {
        answer.line += " = ";
    }
    std::optional<TargetDate> target =
        ComputeTarget(forward ? inputs.first : inputs.second, inputs.days, direction, targetKind,
                      request.display);
    if (!target) {
        EndOutOfRange(request.language, answer);
        return;
    }
    if (!sameNotation) {
        AppendDateInLine(answer.line, target->text, targetKind);
    }
    if (!sameNotation || targetKind == CalendarKind::DIY) {
        (forward ? answer.fields.secondDate : answer.fields.firstDate) = std::move(target->text);
    }
    answer.line += ", ";
    answer.line += WeekdayName(target->record, targetKind, request.language);
    answer.unitDays = inputs.days;
}

void DifferenceLine(const ComputeRequest& request, const Inputs& inputs, ComputeAnswer& answer) {
    answer.line.reserve(kLineCapacity);
    AppendDateInLine(answer.line, answer.fields.secondDate, request.secondKind);
    answer.line += ' ';
    answer.line += GEN_TEXT::Text(TextId::Minus, request.language);
    answer.line += ' ';
    AppendDateInLine(answer.line, answer.fields.firstDate, request.firstKind);
    answer.line += " = ";
    const std::optional<Difference> difference =
        ComputeDifference(inputs.first, inputs.second, request.firstKind, request.secondKind,
                          request.display, request.language);
    if (!difference) {
        EndOutOfRange(request.language, answer);
        return;
    }
    answer.fields.days = difference->daysText;
    answer.line += difference->lineText;
    answer.unitDays = difference->days;
}

// Without dates the command converts today: the first date becomes today's
// in the first notation, and a day count is dropped. Returns false, the
// fields unchanged, when today has no text there.
bool TakeToday(const ComputeRequest& request, ComputeFields& fields) {
    std::optional<std::string> text =
        TodayText(request.todayJdn, request.firstKind, request.display);
    if (!text) {
        return false;
    }
    fields.firstDate = std::move(*text);
    fields.days.clear();
    return true;
}

// Ends the command before any line.
void Stop(ComputeOutcome outcome, InputMessageId message, ComputeAnswer& answer) {
    answer.outcome = outcome;
    answer.message = message;
}

}  // namespace

bool DropsZeroDays(const ComputeFields& fields) {
    return !fields.firstDate.empty() && !fields.secondDate.empty() && fields.days == "0";
}

void Compute(const ComputeRequest& request, ComputeAnswer& answer) {
    answer.outcome = ComputeOutcome::Computed;
    answer.fields = request.fields;
    answer.line.clear();
    answer.message.reset();
    answer.unitDays = 0;
    ComputeFields& fields = answer.fields;
    if (DropsZeroDays(fields)) {
        fields.days.clear();
    }
    if (fields.firstDate.empty() && fields.secondDate.empty() && !TakeToday(request, fields)) {
        Stop(ComputeOutcome::InputError, InputMessageId::FirstDateNotValid, answer);
        return;
    }
    const bool twoDates = !fields.firstDate.empty() && !fields.secondDate.empty();
    if (twoDates && !fields.days.empty()) {
        Stop(ComputeOutcome::TooManyInputs, InputMessageId::BothDatesNeedEmptyDifference, answer);
        return;
    }
    Inputs inputs;
    if (const std::optional<InputMessageId> message = ValidateInputs(request, fields, inputs)) {
        Stop(ComputeOutcome::InputError, *message, answer);
        return;
    }
    if (twoDates) {
        DifferenceLine(request, inputs, answer);
    } else {
        OneDateLine(request, inputs, answer);
    }
}

std::string_view WeekdayName(CalendarDate date, CalendarKind kind,
                             GEN_TEXT::LanguageCode language) {
    if (kind == CalendarKind::AN) {
        const int16_t weekday = datelib::JdnToAnnusNovusDate(date);
        return datelib::kAnnusNovusDayNames[static_cast<std::size_t>(weekday)];
    }
    return GEN_TEXT::DayName(datelib::DayOfWeek(date.jdn), language);
}

}  // namespace quillday
