// The greetings of the three commemorative days, in every language.
#ifndef APP_SPECIAL_DAYS_H
#define APP_SPECIAL_DAYS_H

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "texts/gen_text.h"

namespace quillday {

struct Greeting {
    std::string_view title;
    std::string_view text;
};

struct SpecialDay {
    int month;
    int day;
    std::array<Greeting, GEN_TEXT::kLanguageSlots> greetings;  // by LanguageCode; empty: none
};

// The three special days: 1 January, 2 June and 27 November.
std::span<const SpecialDay> SpecialDays();

// The output window's text for a date: title, line end, text, two line ends
// in the language; empty on any other day.
std::string SpecialDayMessage(std::span<const SpecialDay> days, int month, int day,
                              GEN_TEXT::LanguageCode language);

}  // namespace quillday

#endif
