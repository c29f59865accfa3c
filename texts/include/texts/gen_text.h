// GEN_TEXT: the interface language and the short texts of the user
// interface, each in every language. Texts are UTF-8.
#ifndef TEXTS_GEN_TEXT_H
#define TEXTS_GEN_TEXT_H

#include <cstdint>
#include <string_view>

namespace GEN_TEXT {

enum LanguageCode : int16_t {
    English = 0,
    German = 1,
    French = 2,
    Portuguese = 3,
    Spanish = 4,
};

// Every per-language table has this many slots; the last is never filled.
inline constexpr int kLanguageSlots = 6;

// One entry per text, named after its English wording.
enum class TextId {
    AnnusNovusDate,
    AWeekFromTodayIs,
    AFiveDayWeekFromTodayIs,
    Calendars,
    Clear,
    ClickToChangeCalendar,
    Close,
    CommonEraDate,
    Compute,
    CopyToClipboard,
    CopySelectedTextToClipboard,
    Credits,
    DateDifference,
    DateFormat,
    DateSeparator,
    Day,
    Days,
    EnglishName,
    Error,
    FirstDate,
    GermanName,
    Help,
    InputWindows,
    JulianCalendarDate,
    JulianDayNumber,
    Language,
    Minus,
    Month,
    Months,
    None,
    OnlineDocumentation,
    OutOfRange,
    OutputWindow,
    Plus,
    Quit,
    SecondDate,
    SecondToFirst,
    SpanishName,
    StepFirstDate,
    StepSecondDate,
    ThisIsA,
    ThousandsSeparator,
    Today,
    TodayIs,
    Year,
    Years,
    YyyydddDate,
};

inline constexpr int kTextCount = static_cast<int>(TextId::YyyydddDate) + 1;

// Days of the week as the calendar engine numbers them (0 Sunday ... 6
// Saturday); day 7 is an empty name.
inline constexpr int kDayNameCount = 8;

// The text in the language (0-5): "???" where the translation is missing,
// empty where the table leaves the slot empty or for an id or language
// outside the table.
std::string_view Text(TextId id, LanguageCode language);

// The name of a week day (0-7) in the language; empty outside the table.
std::string_view DayName(int day, LanguageCode language);

}  // namespace GEN_TEXT

#endif
