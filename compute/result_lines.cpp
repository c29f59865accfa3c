#include "compute/result_lines.h"

#include "datelib/checked_math.h"
#include "datelib/date_text.h"

namespace quillday {

namespace {

using datelib::CalendarKind;
using GEN_TEXT::TextId;

std::string Entry(TextId id, GEN_TEXT::LanguageCode language) {
    return std::string(GEN_TEXT::Text(id, language));
}

bool HasYyyydddForm(int32_t jdn) {
    return jdn >= datelib::kFirstYyyydddDayNumber && jdn <= datelib::kLastYyyydddDayNumber;
}

struct Breakdown {
    int32_t years = 0;
    int32_t months = 0;
    int32_t days = 0;
};

std::optional<Breakdown> BreakdownOf(const CalendarDate& first, const CalendarDate& second,
                                     CalendarKind kind) {
    int32_t error = 0;
    Breakdown parts;
    try {
        if (kind == CalendarKind::DIY) {
            const datelib::YdDifference yd = datelib::DateDifferenceYD(first, second, error);
            parts = {yd.years, 0, yd.days};
        } else {
            const datelib::YmdDifference ymd = datelib::DateDifferenceYMD(first, second, error);
            parts = {ymd.years, ymd.months, ymd.days};
        }
    } catch (const datelib::OverflowError&) {
        return std::nullopt;
    }
    if (error != 0 || (parts.years <= 0 && parts.months <= 0)) {
        return std::nullopt;
    }
    return parts;
}

// " (1 year, 2 months, 14 days)": the positive parts only.
std::string BreakdownText(const Breakdown& parts, GEN_TEXT::LanguageCode language) {
    std::string text;
    const auto add = [&text, language](int32_t n, TextId singular, TextId plural) {
        if (n > 0) {
            text += (text.empty() ? "" : ", ") + std::to_string(n) + " " +
                    UnitWord(n, singular, plural, language);
        }
    };
    add(parts.years, TextId::Year, TextId::Years);
    add(parts.months, TextId::Month, TextId::Months);
    add(parts.days, TextId::Day, TextId::Days);
    return " (" + text + ")";
}

bool HasBreakdown(int32_t days, CalendarKind firstKind, CalendarKind secondKind) {
    return days > 0 && firstKind == secondKind && firstKind != CalendarKind::JDN;
}

}  // namespace

std::string LowerCaseUnlessGerman(std::string_view text, GEN_TEXT::LanguageCode language) {
    return language == GEN_TEXT::German ? std::string(text) : LowerCase(text);
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

std::string UnitWord(int64_t n, TextId singular, TextId plural, GEN_TEXT::LanguageCode language) {
    return LowerCaseUnlessGerman(GEN_TEXT::Text(n == 1 || n == -1 ? singular : plural, language),
                                 language);
}

namespace {

// Appends DayNumberText(record, kind, display) to text; false, text
// unchanged, when there is none.
bool AppendDayNumberText(std::string& text, CalendarDate& record, CalendarKind kind,
                         const datelib::Display& display) {
    if (kind != CalendarKind::JDN && kind != CalendarKind::DIY) {
        datelib::SetCalendarLetter(kind, record);
        datelib::JdnToDate(record);
    }
    return AppendDateText(text, record, kind, display);
}

}  // namespace

std::optional<std::string> DayNumberText(CalendarDate& record, CalendarKind kind,
                                         const datelib::Display& display) {
    std::string text;
    if (!AppendDayNumberText(text, record, kind, display)) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> TodayText(int32_t todayJdn, CalendarKind kind,
                                     const datelib::Display& display) {
    CalendarDate today{};
    today.jdn = todayJdn;
    return DayNumberText(today, kind, display);
}

bool AppendDateText(std::string& text, const CalendarDate& record, CalendarKind kind,
                    const datelib::Display& display) {
    switch (kind) {
        case CalendarKind::JDN:
            datelib::AppendGroupedNumber(text, record.jdn, display.thousandsSeparator);
            return true;
        case CalendarKind::DIY:
            if (!HasYyyydddForm(record.jdn)) {
                return false;
            }
            datelib::AppendYyyyddd(text, record.jdn);
            return true;
        default:
            datelib::AppendDate(text, record, display.order, display.dateSeparator,
                                display.thousandsSeparator);
            return true;
    }
}

std::optional<int32_t> MovedJdn(int32_t sourceJdn, int32_t days, Direction direction) {
    try {
        const int32_t jdn = direction == Direction::Forward
                                ? datelib::CheckedAdd(sourceJdn, days)
                                : datelib::CheckedSubtract(sourceJdn, days);
        if (datelib::IsAcceptedDayNumber(jdn)) {
            return jdn;
        }
    } catch (const datelib::OverflowError&) {
    }
    return std::nullopt;
}

std::string OperatorPart(Direction direction, const std::string& daysText, int32_t days,
                         GEN_TEXT::LanguageCode language) {
    const bool negative = !daysText.empty() && daysText.front() == '-';
    const bool adds = (direction == Direction::Forward) != negative;
    const std::string number = negative ? daysText.substr(1) : daysText;
    return " " + Entry(adds ? TextId::Plus : TextId::Minus, language) + " " + number + " " +
           UnitWord(days, TextId::Day, TextId::Days, language);
}

std::optional<TargetDate> ComputeTarget(const CalendarDate& source, int32_t days,
                                        Direction direction, CalendarKind targetKind,
                                        const datelib::Display& display) {
    const std::optional<int32_t> jdn = MovedJdn(source.jdn, days, direction);
    if (!jdn) {
        return std::nullopt;
    }
    // Built where it is returned: the text is not moved on the way out.
    std::optional<TargetDate> target(std::in_place);
    target->record.jdn = *jdn;
    if (!AppendDayNumberText(target->text, target->record, targetKind, display)) {
        target.reset();
    }
    return target;
}

std::optional<Difference> ComputeDifference(const CalendarDate& first, const CalendarDate& second,
                                            CalendarKind firstKind, CalendarKind secondKind,
                                            const datelib::Display& display,
                                            GEN_TEXT::LanguageCode language) {
    Difference difference{};
    try {
        difference.days = datelib::CheckedSubtract(second.jdn, first.jdn);
    } catch (const datelib::OverflowError&) {
        return std::nullopt;
    }
    datelib::AppendGroupedNumber(difference.daysText, difference.days, display.thousandsSeparator);
    difference.lineText =
        difference.daysText + " " + UnitWord(difference.days, TextId::Day, TextId::Days, language);
    if (HasBreakdown(difference.days, firstKind, secondKind)) {
        if (const std::optional<Breakdown> parts = BreakdownOf(first, second, firstKind)) {
            difference.lineText += BreakdownText(*parts, language);
        }
    }
    return difference;
}

}  // namespace quillday
