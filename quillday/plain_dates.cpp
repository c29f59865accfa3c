#include "plain_dates.h"

#include "datelib/date_text.h"
#include "datelib/date_values.h"

namespace quillday::cli {

namespace {

using datelib::CalendarKind;

// "2012-12-31": the year, the month and the day at fixed places.
constexpr std::size_t kLineLength = 10;
constexpr std::size_t kMonthAt = 5;
constexpr std::size_t kDayAt = 8;
constexpr std::size_t kYearDigits = 4;
constexpr std::size_t kTwoDigits = 2;
constexpr int32_t kMonthsInYear = 12;
// Days 1 to 28 exist in every month; a later day is asked of the engine.
constexpr int32_t kDayInEveryMonth = 28;

// The value of a run of decimal digits; -1 when a character is no digit.
int32_t DigitsValue(std::string_view digits) {
    int32_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool AnswersPlainly(const ComputeRequest& run, const Notations& notations) {
    const CalendarKind from = notations.from[0].value_or(CalendarKind::CE);
    const CalendarKind to = notations.to.value_or(CalendarKind::CE);
    return from == CalendarKind::CE && (to == CalendarKind::CE || to == CalendarKind::JDN) &&
           run.display.order == datelib::DateOrder::YMD && run.display.dateSeparator.size() == 1;
}

}  // namespace

PlainDates::PlainDates(const ComputeRequest& runRequest, const Notations& notations)
    : engine_(datelib::Engine()),
      active_(AnswersPlainly(runRequest, notations)),
      toDayNumber_(notations.to == CalendarKind::JDN),
      separator_(runRequest.display.dateSeparator.empty() ? '\0'
                                                          : runRequest.display.dateSeparator[0]),
      thousands_(runRequest.display.thousandsSeparator) {
    afterDate_ = " " + std::string(datelib::KindTextCode(CalendarKind::CE));
    std::string beforeDayName = ", ";
    if (toDayNumber_) {
        afterDate_ += " = ";
        beforeDayName = " " + std::string(datelib::KindTextCode(CalendarKind::JDN)) + ", ";
    }
    for (std::size_t day = 0; day < lineEnds_.size(); ++day) {
        lineEnds_[day] =
            beforeDayName +
            std::string(GEN_TEXT::DayName(static_cast<int>(day), runRequest.language)) + "\n";
    }
}

bool PlainDates::Answer(std::string_view line, std::string& output) const {
    if (!active_ || line.size() != kLineLength || line[0] == '0' ||
        line[kMonthAt - 1] != separator_ || line[kDayAt - 1] != separator_) {
        return false;
    }
    CalendarDate date{};
    date.year = DigitsValue(line.substr(0, kYearDigits));
    date.month = DigitsValue(line.substr(kMonthAt, kTwoDigits));
    date.day = DigitsValue(line.substr(kDayAt, kTwoDigits));
    date.calendar = DAYMATH_GREGORIAN;
    if (date.year < 0 || date.month < 1 || date.month > kMonthsInYear || date.day < 1) {
        return false;
    }
    int32_t error = DAYMATH_OK;
    if (date.day > kDayInEveryMonth && date.day > datelib::DaysInMonth(date, error)) {
        return false;
    }
    const int32_t jdn = engine_.euroDateToJdn(&date);
    output += line;
    output += afterDate_;
    if (toDayNumber_) {
        datelib::AppendGroupedNumber(output, jdn, thousands_);
    }
    output += lineEnds_[static_cast<std::size_t>(engine_.euroDayOfWeek(jdn))];
    return true;
}

}  // namespace quillday::cli
