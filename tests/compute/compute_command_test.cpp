// The Compute command without a window: from the request (fields, notations,
// display, language) to the line, the fields it leaves and its message.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "compute/compute_command.h"

namespace quillday {

namespace {

using datelib::CalendarKind;
using datelib::DateOrder;
using datelib::Display;
using M = InputMessageId;

constexpr CalendarKind CE = CalendarKind::CE;
constexpr CalendarKind JC = CalendarKind::JC;
constexpr CalendarKind JDN = CalendarKind::JDN;
constexpr CalendarKind AN = CalendarKind::AN;
constexpr CalendarKind DIY = CalendarKind::DIY;
constexpr GEN_TEXT::LanguageCode en = GEN_TEXT::English;
constexpr GEN_TEXT::LanguageCode de = GEN_TEXT::German;
constexpr GEN_TEXT::LanguageCode es = GEN_TEXT::Spanish;

constexpr int32_t kToday = 2456293;  // 2012-12-31, a Monday

const Display kDashes{DateOrder::YMD, "-", ","};
const Display kDots{DateOrder::YMD, ".", "."};
const Display kDayFirstSlashes{DateOrder::DMY, "/", ","};
const Display kMonthFirstUngrouped{DateOrder::MDY, "-", ""};

// "first|days|second" as the three fields, and back.
ComputeFields FieldsOf(const std::string& text) {
    const std::size_t bar1 = text.find('|');
    const std::size_t bar2 = text.find('|', bar1 + 1);
    return {text.substr(0, bar1), text.substr(bar1 + 1, bar2 - bar1 - 1), text.substr(bar2 + 1)};
}

std::string TextOf(const ComputeFields& fields) {
    return fields.firstDate + "|" + fields.days + "|" + fields.secondDate;
}

// The line is empty when there is none; the fields are "first|days|second"
// as typed and as the command leaves them; unitDays is the count whose unit
// word goes beside the days field.
struct Row {
    const char* name;
    const char* typed;
    CalendarKind first;
    CalendarKind second;
    const Display& display;
    GEN_TEXT::LanguageCode language;
    ComputeOutcome outcome;
    const char* line;
    const char* fields;
    std::optional<InputMessageId> message;
    int32_t unitDays;
};

using O = ComputeOutcome;

// clang-format off
const Row kRows[] = {
    {"forward", "2012-12-31|10|", CE, CE, kDashes, en, O::Computed, "2012-12-31 CE plus 10 days = 2013-01-10 CE, Thursday", "2012-12-31|10|2013-01-10", {}, 10},
    {"backward into JDN", "|10|2013-01-10", JDN, CE, kDashes, en, O::Computed, "2013-01-10 CE minus 10 days = 2,456,293 JDN, Monday", "2,456,293|10|2013-01-10", {}, 10},
    {"backward, negative days", "|-5|2013-01-10", CE, CE, kDashes, en, O::Computed, "2013-01-10 CE plus 5 days = 2013-01-15 CE, Tuesday", "2013-01-15|-5|2013-01-10", {}, -5},
    {"to yyyyddd", "2012-12-31||", CE, DIY, kDashes, en, O::Computed, "2012-12-31 CE = 2012366, Monday", "2012-12-31||2012366", {}, 0},
    {"to the first yyyyddd day", "1-01-01||", CE, DIY, kDashes, en, O::Computed, "1-01-01 CE = 0001001, Monday", "1-01-01||0001001", {}, 0},
    {"AN into the new year", "10531-11-01|1|", AN, AN, kDashes, en, O::Computed, "10531-11-01 AN plus 1 day = 10532-01-01 AN, Primidi", "10531-11-01|1|10532-01-01", {}, 1},
    {"same notation", "2012-12-31||", CE, CE, kDashes, en, O::Computed, "2012-12-31 CE, Monday", "2012-12-31||", {}, 0},
    {"same notation yyyyddd fills the field", "2012366||", DIY, DIY, kDashes, en, O::Computed, "2012366, Monday", "2012366||2012366", {}, 0},
    {"zero days", "2012-12-31|0|", CE, JC, kDashes, en, O::Computed, "2012-12-31 CE plus 0 days = 2012-12-18 JC, Monday", "2012-12-31|0|2012-12-18", {}, 0},
    {"days read leniently", "2012-12-31|1,5|", CE, CE, kDashes, en, O::Computed, "2012-12-31 CE plus 15 days = 2013-01-15 CE, Tuesday", "2012-12-31|15|2013-01-15", {}, 15},
    {"normalised inputs", "2456293|1234567|", JDN, CE, kDashes, en, O::Computed, "2,456,293 JDN plus 1,234,567 days = 5393-02-16 CE, Saturday", "2,456,293|1,234,567|5393-02-16", {}, 1234567},
    {"dots for both separators", "2000.01.01||", CE, JDN, kDots, en, O::Computed, "2000.01.01 CE = 2.451.545 JDN, Saturday", "2000.01.01||2.451.545", {}, 0},
    {"day first with slashes", "31/12/2012|1|", CE, CE, kDayFirstSlashes, en, O::Computed, "31/12/2012 CE plus 1 day = 01/01/2013 CE, Tuesday", "31/12/2012|1|01/01/2013", {}, 1},
    {"month first, no grouping", "12-31-2012||", CE, JDN, kMonthFirstUngrouped, en, O::Computed, "12-31-2012 CE = 2456293 JDN, Monday", "12-31-2012||2456293", {}, 0},
    {"difference with breakdown", "2012-01-01||2013-03-15", CE, CE, kDashes, en, O::Computed, "2013-03-15 CE minus 2012-01-01 CE = 439 days (1 year, 2 months, 14 days)", "2012-01-01|439|2013-03-15", {}, 439},
    {"negative difference", "2013-03-15||2012-01-01", CE, CE, kDashes, en, O::Computed, "2012-01-01 CE minus 2013-03-15 CE = -439 days", "2013-03-15|-439|2012-01-01", {}, -439},
    {"one month, negative rest", "2012-01-31||2012-03-01", CE, CE, kDashes, en, O::Computed, "2012-03-01 CE minus 2012-01-31 CE = 30 days (1 month)", "2012-01-31|30|2012-03-01", {}, 30},
    {"same month, earlier day", "2012-03-15||2013-03-10", CE, CE, kDashes, en, O::Computed, "2013-03-10 CE minus 2012-03-15 CE = 360 days (11 months, 23 days)", "2012-03-15|360|2013-03-10", {}, 360},
    {"zero days and two dates", "2012-12-31|0|2013-01-01", CE, CE, kDashes, en, O::Computed, "2013-01-01 CE minus 2012-12-31 CE = 1 day", "2012-12-31|1|2013-01-01", {}, 1},
    {"years and a day", "2010-05-20||2013-05-21", JC, JC, kDashes, en, O::Computed, "2013-05-21 JC minus 2010-05-20 JC = 1,097 days (3 years, 1 day)", "2010-05-20|1,097|2013-05-21", {}, 1097},
    {"mixed notations", "2456293||2013-03-15", JDN, CE, kDashes, en, O::Computed, "2013-03-15 CE minus 2,456,293 JDN = 74 days", "2,456,293|74|2013-03-15", {}, 74},
    {"JDN twice, no breakdown", "2456293||2456700", JDN, JDN, kDashes, en, O::Computed, "2,456,700 JDN minus 2,456,293 JDN = 407 days", "2,456,293|407|2,456,700", {}, 407},
    {"yyyyddd across a year end", "2011300||2013010", DIY, DIY, kDashes, en, O::Computed, "2013010 minus 2011300 = 441 days (1 year, 76 days)", "2011300|441|2013010", {}, 441},
    {"German breakdown", "2012-01-01||2013-03-15", CE, CE, kDashes, de, O::Computed, "2013-03-15 CE minus 2012-01-01 CE = 439 Tage (1 Jahr, 2 Monate, 14 Tage)", "2012-01-01|439|2013-03-15", {}, 439},
    {"Spanish breakdown, lower-cased", "2012-01-01||2013-03-15", CE, CE, kDashes, es, O::Computed, "2013-03-15 CE menos 2012-01-01 CE = 439 días (1 año, 2 meses, 14 días)", "2012-01-01|439|2013-03-15", {}, 439},
    {"Spanish names", "2012-12-31|1|", CE, JDN, kDashes, es, O::Computed, "2012-12-31 CE más 1 día = 2,456,294 JDN, Martes", "2012-12-31|1|2,456,294", {}, 1},
    {"no dates converts today", "||", CE, JDN, kDashes, en, O::Computed, "2012-12-31 CE = 2,456,293 JDN, Monday", "2012-12-31||2,456,293", {}, 0},
    {"a lone day count is dropped", "|15|", DIY, CE, kDashes, en, O::Computed, "2012366 = 2012-12-31 CE, Monday", "2012366||2012-12-31", {}, 0},
    {"first date", "2013-02-29|1,0|", CE, CE, kDashes, en, O::InputError, "", "2013-02-29|1,0|", M::FirstDateNotValid, 0},
    {"first AN date", "10520-11-01||", AN, CE, kDashes, en, O::InputError, "", "10520-11-01||", M::FirstDateNotValidAnnusNovus, 0},
    {"first out of range", "2100000001||", JDN, CE, kDashes, en, O::InputError, "", "2100000001||", M::FirstDateOutOfRange, 0},
    {"days without digits", "2012-12-31|-|", CE, CE, kDashes, en, O::InputError, "", "2012-12-31|-|", M::DifferenceNotValid, 0},
    {"days too large", "|3000000000|2012-1-1", CE, CE, kDashes, en, O::InputError, "", "|3000000000|2012-1-1", M::DifferenceOutOfRange, 0},
    {"second date", "||2013-02-30", CE, JC, kDashes, en, O::InputError, "", "||2013-02-30", M::SecondDateNotValid, 0},
    {"second AN date", "||10520-10-38", CE, AN, kDashes, en, O::InputError, "", "||10520-10-38", M::SecondDateNotValidAnnusNovus, 0},
    {"second out of range", "||-2147483648", CE, JDN, kDashes, en, O::InputError, "", "||-2147483648", M::SecondDateOutOfRange, 0},
    {"both dates invalid", "2013-02-29||2013-13-01", CE, CE, kDashes, en, O::InputError, "", "2013-02-29||2013-13-01", M::FirstDateNotValid, 0},
    {"valid inputs before the invalid one are normalised", "2456293|x|", JDN, CE, kDashes, en, O::InputError, "", "2,456,293|x|", M::DifferenceNotValid, 0},
    {"two dates and days", "2012-12-31|5|2013-01-01", CE, CE, kDashes, en, O::TooManyInputs, "", "2012-12-31|5|2013-01-01", M::BothDatesNeedEmptyDifference, 0},
    {"past the last day number", "2100000000|1|", JDN, CE, kDashes, en, O::ResultOutOfRange, "2,100,000,000 JDN plus 1 day = Out of Range", "2,100,000,000|1|", M::ResultOutOfRange, 0},
    {"before the first day number", "|1|-2100000000", JDN, JDN, kDashes, en, O::ResultOutOfRange, "-2,100,000,000 JDN minus 1 day = Out of Range", "|1|-2,100,000,000", M::ResultOutOfRange, 0},
    {"no yyyyddd before year 1", "0-12-31||", CE, DIY, kDashes, en, O::ResultOutOfRange, "0-12-31 CE = Out of Range", "0-12-31||", M::ResultOutOfRange, 0},
    {"no yyyyddd after year 9999", "9999-12-31|1|", CE, DIY, kDashes, en, O::ResultOutOfRange, "9999-12-31 CE plus 1 day = Out of Range", "9999-12-31|1|", M::ResultOutOfRange, 0},
    {"32-bit overflow of a difference", "2100000000||-2100000000", JDN, JDN, kDashes, es, O::ResultOutOfRange, "-2,100,000,000 JDN menos 2,100,000,000 JDN = Fuera de rango", "2,100,000,000||-2,100,000,000", M::ResultOutOfRange, 0},
};
// clang-format on

class ComputeTable : public ::testing::TestWithParam<Row> {};

TEST_P(ComputeTable, GivesTheLineTheFieldsAndTheMessage) {
    const Row& row = GetParam();
    const ComputeRequest request{FieldsOf(row.typed), row.first,    row.second,
                                 row.display,         row.language, kToday};
    ComputeAnswer answer;
    Compute(request, answer);
    EXPECT_EQ(answer.outcome, row.outcome);
    EXPECT_EQ(answer.line, row.line);
    EXPECT_EQ(TextOf(answer.fields), row.fields);
    EXPECT_EQ(answer.message, row.message);
    EXPECT_EQ(answer.unitDays, row.unitDays);
}

// A caller that keeps one answer for many commands gets each command's own
// answer, nothing left over from the one before.
TEST(ComputeAnswerReuse, LeavesNothingOfTheCommandBefore) {
    ComputeAnswer answer;
    for (const Row& row : kRows) {
        Compute({FieldsOf(row.typed), row.first, row.second, row.display, row.language, kToday},
                answer);
        EXPECT_EQ(answer.line, row.line) << row.name;
        EXPECT_EQ(answer.message, row.message) << row.name;
        EXPECT_EQ(answer.unitDays, row.unitDays) << row.name;
    }
}

std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    std::string name;
    for (const char c : std::string(info.param.name)) {
        name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Rows, ComputeTable, ::testing::ValuesIn(kRows), RowName);

}  // namespace

}  // namespace quillday
