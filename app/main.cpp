// qly734: until the main window exists, shows that the calendar engine loads
// by name and prints today's date in every notation it converts.
#include <cstdio>
#include <ctime>

#include "datelib/engine.h"

namespace {

CalendarDate TodayGregorian() {
    const std::time_t now = std::time(nullptr);
    const std::tm* today = std::localtime(&now);
    constexpr int kTmYearBase = 1900;
    CalendarDate date{};
    date.year = today->tm_year + kTmYearBase;
    date.month = today->tm_mon + 1;
    date.day = today->tm_mday;
    date.calendar = DAYMATH_GREGORIAN;
    return date;
}

void PrintDate(const char* label, const CalendarDate& date) {
    std::printf("%-28s%04d-%02d-%02d\n", label, date.year, date.month, date.day);
}

}  // namespace

int main() {
    try {
        const datelib::EngineApi& engine = datelib::Engine();
        CalendarDate gregorian = TodayGregorian();
        const int32_t jdn = engine.euroDateToJdn(&gregorian);
        CalendarDate julian{};
        julian.jdn = jdn;
        julian.calendar = DAYMATH_JULIAN;
        engine.jdnToEuroDate(&julian);
        CalendarDate annusNovus{};
        annusNovus.jdn = jdn;
        engine.jdnToAnnusNovusDate(&annusNovus);

        std::printf("%-28s%d\n", "Julian day number (JDN):", jdn);
        PrintDate("Common Era (CE):", gregorian);
        PrintDate("Julian Calendar (JC):", julian);
        PrintDate("Annus Novus (AN):", annusNovus);
        return 0;
    } catch (const datelib::EngineLoadError& error) {
        std::fprintf(stderr, "qly734: %s\n", error.what());
        return 1;
    }
}
