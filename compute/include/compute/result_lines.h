// The pieces of the Compute command's equation line, apart from the window:
// the texts of the inputs, the operator, and the computed right-hand sides.
// They write dates and numbers as the request's display says, and words in
// its language.
#ifndef COMPUTE_RESULT_LINES_H
#define COMPUTE_RESULT_LINES_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "datelib/date_values.h"
#include "texts/gen_text.h"

namespace quillday {

// The text with its ASCII capitals lower-cased (the table's words begin with
// ASCII capitals; other letters stay).
std::string LowerCase(std::string_view text);

// The text lower-cased, except in German, whose nouns keep their capitals.
std::string LowerCaseUnlessGerman(std::string_view text, GEN_TEXT::LanguageCode language);

// The singular entry for 1 and -1, the plural otherwise; lower-cased except
// in German ("day", "days"; "Tag", "Tage").
std::string UnitWord(int64_t n, GEN_TEXT::TextId singular, GEN_TEXT::TextId plural,
                     GEN_TEXT::LanguageCode language);

// The text of record.jdn in a notation, as the display writes it: grouped digits for JDN, yyyyddd
// for DIY (nothing outside the years 1 to 9999), else the date in the kind's calendar, which the
// record then holds.
std::optional<std::string> DayNumberText(CalendarDate& record, datelib::CalendarKind kind,
                                         const datelib::Display& display);

// Today's date in a notation, as the Today buttons write it and as an empty
// Compute takes it: DayNumberText of todayJdn.
std::optional<std::string> TodayText(int32_t todayJdn, datelib::CalendarKind kind,
                                     const datelib::Display& display);

// Appends DayNumberText(record, kind, display) to text, for a record that
// already holds the date in the kind's calendar (only its jdn for JDN and
// DIY), as a date just read does. Returns false, text unchanged, when there
// is no text.
bool AppendDateText(std::string& text, const CalendarDate& record, datelib::CalendarKind kind,
                    const datelib::Display& display);

enum class Direction {
    Forward,   // second date = first date + days
    Backward,  // first date = second date - days
};

// The day number days after (Forward) or before (Backward) a day number;
// nothing when that overflows 32 bits or lies beyond +-2,100,000,000.
std::optional<int32_t> MovedJdn(int32_t sourceJdn, int32_t days, Direction direction);

// Appends a date input as it stands in the line: its normalised text, then a
// blank and the kind's code unless the kind is DIY ("2012-12-31 CE",
// "2012366"). Inline: a line is built of a few such short pieces, and a call
// for each would cost as much.
inline void AppendDateInLine(std::string& line, std::string_view fieldText,
                             datelib::CalendarKind kind) {
    line += fieldText;
    if (kind != datelib::CalendarKind::DIY) {
        line += ' ';
        line += datelib::KindTextCode(kind);
    }
}

// The operator part after the source date: " plus 10 days", " minus 1 day";
// a leading "-" of the days text turns the operator round.
std::string OperatorPart(Direction direction, const std::string& daysText, int32_t days,
                         GEN_TEXT::LanguageCode language);

// The computed date of a forward or backward request.
struct TargetDate {
    CalendarDate record;  // jdn, and the date in the target kind
    std::string text;     // the date in the target kind, as DayNumberText writes it
};

// Computes the target of a request from the source record's jdn and the
// days, in the target kind, as the display writes it.
// Returns nothing when the result is out of range: a 32-bit overflow, a day
// number beyond +-2,100,000,000, or a DIY date outside the years 1 to 9999.
std::optional<TargetDate> ComputeTarget(const CalendarDate& source, int32_t days,
                                        Direction direction, datelib::CalendarKind targetKind,
                                        const datelib::Display& display);

// The computed difference of two dates.
struct Difference {
    int32_t days;
    std::string daysText;  // grouped, for the days field
    std::string lineText;  // "439 days (1 year, 2 months, 14 days)"
};

// Days from first to second, and for a positive span of two dates of the
// same calendar kind (not JDN) the breakdown into years, months and days.
// Returns nothing when the difference does not fit in 32 bits.
std::optional<Difference> ComputeDifference(const CalendarDate& first, const CalendarDate& second,
                                            datelib::CalendarKind firstKind,
                                            datelib::CalendarKind secondKind,
                                            const datelib::Display& display,
                                            GEN_TEXT::LanguageCode language);

}  // namespace quillday

#endif
