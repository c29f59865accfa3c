#include "special_days.h"

#include "texts/line_end.h"

namespace quillday {

namespace {

// clang-format off
constexpr std::array<SpecialDay, 3> kSpecialDays = {{
    {1, 1, {{
        {"This is Calendar Day.",
         "The Annus Novus Decimal Calendar was introduced on 10520-01-01 AN (2001-01-01 CE)."},
        {"Dies ist der Kalendertag.",
         "Der Annus Novus Dezimalkalender wurde am 10520-01-01 AN (2001-01-01 CE) eingeführt."},
        {}, {},
        {"Este es el Día del Calendario.",
         "El Calendario Decimal de los Annus Novus fue introducido el 10520-01-01 AN (2001-01-01 CE)."},
        {},
    }}},
    {6, 2, {{
        {"This is Refundatio Day.",
         "The Reformation and Refoundation of Velmora occurred on 10518-05-07 AN (1999-06-02 CE)."},
        {"Dies ist der Tag Refundatio.",
         "Die Reformation und Neugründung von Velmora ereignetes sich am 10518-05-07 AN (1999-06-02 CE)."},
        {}, {},
        {"Este es el día de la Refundación.",
         "La Reforma y Refundación de Velmora ocurrieron el 10518-05-07 AN (1999-06-02 CE)."},
        {},
    }}},
    {11, 27, {{
        {"This is Independence Day.",
         "The Empire of Velmora was founded on 10500-10-03 AN (1981-11-27 CE)."},
        {"Dies ist der Unabhängigkeitstag.",
         "Das Empire von Velmora wurde am 10500-10-03 (1981-11-27 CE) gegründet."},
        {}, {},
        {"Este es el Día de la Independencia.",
         "El Imperio de Velmora se fundó el 10500-10-03 AN (1981-11-27 CE)."},
        {},
    }}},
}};
// clang-format on

}  // namespace

std::span<const SpecialDay> SpecialDays() {
    return kSpecialDays;
}

std::string SpecialDayMessage(std::span<const SpecialDay> days, int month, int day,
                              GEN_TEXT::LanguageCode language) {
    if (language < 0 || language >= GEN_TEXT::kLanguageSlots) {
        return {};
    }
    for (const SpecialDay& special : days) {
        if (special.month == month && special.day == day) {
            const Greeting& g = special.greetings[static_cast<std::size_t>(language)];
            return std::string(g.title) + std::string(kLineEnd) + std::string(g.text) +
                   std::string(kLineEnd) + std::string(kLineEnd);
        }
    }
    return {};
}

}  // namespace quillday
