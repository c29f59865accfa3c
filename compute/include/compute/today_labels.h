// The texts of the two today labels: today's date with its week day and the
// time, and the date a week ahead, in one notation.
#ifndef COMPUTE_TODAY_LABELS_H
#define COMPUTE_TODAY_LABELS_H

#include <optional>
#include <string>

#include "datelib/date_values.h"
#include "texts/gen_text.h"

namespace quillday {

// One reading of the local clock, to the minute.
struct ClockReading {
    datelib::LocalDate date;
    int hour;    // 0-23
    int minute;  // 0-59
};

struct TodayLabelTexts {
    std::string today;      // "Today is Monday,\n2012-12-31 CE (14:05)."
    std::string weekAhead;  // "A week from today is\n2013-01-07 CE."
};

// Composes both labels for one reading of the clock, in the notation, the
// display and the language. Nothing when a date has no text in the notation
// (a yyyyddd date outside the years 1 to 9999) or lies beyond 32 bits.
std::optional<TodayLabelTexts> ComposeTodayLabels(datelib::CalendarKind notation,
                                                  const datelib::Display& display,
                                                  GEN_TEXT::LanguageCode language,
                                                  const ClockReading& now);

// The notation that follows one in the labels' cycle CE, JC, AN, JDN,
// yyyyddd, and the one before it.
datelib::CalendarKind NextTodayNotation(datelib::CalendarKind notation);
datelib::CalendarKind PreviousTodayNotation(datelib::CalendarKind notation);

}  // namespace quillday

#endif
