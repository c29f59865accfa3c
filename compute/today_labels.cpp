#include "compute/today_labels.h"

#include <array>
#include <cstdio>

#include "compute/compute_command.h"
#include "compute/result_lines.h"
#include "datelib/checked_math.h"
#include "datelib/date_text.h"
#include "texts/gen_text.h"

namespace quillday {

namespace {

using datelib::CalendarKind;
using GEN_TEXT::TextId;

constexpr int32_t kWeek = 7;
constexpr int32_t kAnnusNovusWeek = 5;
constexpr std::string_view kLabelBreak = "\n";

constexpr std::array kNotationCycle = {CalendarKind::CE, CalendarKind::JC, CalendarKind::AN,
                                       CalendarKind::JDN, CalendarKind::DIY};

std::size_t CyclePosition(CalendarKind notation) {
    for (std::size_t i = 0; i < kNotationCycle.size(); ++i) {
        if (kNotationCycle[i] == notation) {
            return i;
        }
    }
    return 0;
}

std::string TimePart(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, " (%02d:%02d).", hour, minute);
    return text;
}

// German writes the date with its article: "der 31.12.2012".
std::string Article(GEN_TEXT::LanguageCode language) {
    return language == GEN_TEXT::German ? "der " : "";
}

std::string WeekdayName(int32_t jdn, CalendarKind notation, GEN_TEXT::LanguageCode language) {
    CalendarDate date{};
    date.jdn = jdn;
    return std::string(quillday::WeekdayName(date, notation, language));
}

// The date of a day number in the notation, with its code but no closing
// text: "2012-12-31 CE", "2,456,293 JDN", "2012366".
std::string DateInNotation(int32_t jdn, CalendarKind notation, const datelib::Display& display) {
    CalendarDate date{};
    date.jdn = jdn;
    const std::optional<std::string> text = DayNumberText(date, notation, display);
    if (!text) {
        throw datelib::OverflowError("The day number " + std::to_string(jdn) +
                                     " has no yyyyddd form");
    }
    return notation == CalendarKind::DIY
               ? *text
               : *text + " " + std::string(datelib::KindTextCode(notation));
}

bool EndsWithFullStop(CalendarKind notation) {
    return notation != CalendarKind::JDN && notation != CalendarKind::DIY;
}

TodayLabelTexts Compose(CalendarKind notation, const datelib::Display& display,
                        GEN_TEXT::LanguageCode language, const ClockReading& now) {
    const bool annusNovus = notation == CalendarKind::AN;
    const int32_t today = datelib::LocalDateJdn(now.date);
    const int32_t weekAhead = datelib::CheckedAdd(today, annusNovus ? kAnnusNovusWeek : kWeek);
    TodayLabelTexts labels;
    labels.today = std::string(GEN_TEXT::Text(TextId::TodayIs, language)) + " " +
                   WeekdayName(today, notation, language) + "," + std::string(kLabelBreak) +
                   Article(language) + DateInNotation(today, notation, display) +
                   TimePart(now.hour, now.minute);
    const TextId heading = annusNovus ? TextId::AFiveDayWeekFromTodayIs : TextId::AWeekFromTodayIs;
    labels.weekAhead = std::string(GEN_TEXT::Text(heading, language)) + std::string(kLabelBreak) +
                       Article(language) + DateInNotation(weekAhead, notation, display) +
                       (EndsWithFullStop(notation) ? "." : "");
    return labels;
}

}  // namespace

std::optional<TodayLabelTexts> ComposeTodayLabels(CalendarKind notation,
                                                  const datelib::Display& display,
                                                  GEN_TEXT::LanguageCode language,
                                                  const ClockReading& now) {
    try {
        return Compose(notation, display, language, now);
    } catch (const datelib::OverflowError&) {
        return std::nullopt;
    }
}

CalendarKind NextTodayNotation(CalendarKind notation) {
    return kNotationCycle[(CyclePosition(notation) + 1) % kNotationCycle.size()];
}

CalendarKind PreviousTodayNotation(CalendarKind notation) {
    return kNotationCycle[(CyclePosition(notation) + kNotationCycle.size() - 1) %
                          kNotationCycle.size()];
}

}  // namespace quillday
