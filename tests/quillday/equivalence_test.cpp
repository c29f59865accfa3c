// The window's code path (the compute library under the settings the
// window's options make) and the program give the same line for the same
// request: every notation pair, date order, separator, thousands separator
// and language, with conversions, added days, differences, negative years,
// grouped years and results out of range.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "compute/compute_command.h"
#include "compute/result_lines.h"
#include "program_runner.h"

namespace quillday::testing {

namespace {

using datelib::CalendarKind;
using datelib::DateOrder;

constexpr std::array<CalendarKind, 5> kKinds{CalendarKind::CE, CalendarKind::JC, CalendarKind::AN,
                                             CalendarKind::JDN, CalendarKind::DIY};
constexpr std::array<const char*, 5> kKindNames{"CE", "JC", "JDN", "AN", "DIY"};  // by code

// The window's setting and the program's option that says the same.
template <typename Value>
struct Choice {
    const char* option;
    Value value;
};
constexpr Choice<DateOrder> kOrders[] = {
    {"ymd", DateOrder::YMD}, {"dmy", DateOrder::DMY}, {"mdy", DateOrder::MDY}};
constexpr Choice<const char*> kSeparators[] = {{"-", "-"}, {"/", "/"}, {".", "."}};
constexpr Choice<const char*> kThousands[] = {{",", ","}, {".", "."}, {"none", ""}};
constexpr Choice<GEN_TEXT::LanguageCode> kLanguages[] = {
    {"en", GEN_TEXT::English}, {"de", GEN_TEXT::German}, {"es", GEN_TEXT::Spanish}};

// First dates: 2012-12-31, the first and last yyyyddd days, a negative year,
// a year beyond 9999 (+10 days is out of range) and a negative day number.
constexpr int32_t kFirsts[] = {2456293, 1721426, 5373484, 1000000, 2100000000, -1000};
// Differences: 2012-01-01 and a negative year against 2013-03-15 and another.
constexpr int32_t kDifferenceFirsts[] = {2455928, 1000000};
constexpr int32_t kSeconds[] = {2456367, 1000};
constexpr const char* kDays[] = {"", "10", "-1000"};

struct Request {
    ComputeFields fields;
    CalendarKind firstKind;
    CalendarKind secondKind;
};

std::optional<std::string> TextOf(int32_t jdn, CalendarKind kind, DateOrder order) {
    CalendarDate date{};
    date.jdn = jdn;
    return DayNumberText(date, kind, order);
}

std::vector<Request> Requests(DateOrder order) {
    std::vector<Request> requests;
    for (const CalendarKind first : kKinds) {
        for (const CalendarKind second : kKinds) {
            for (const int32_t jdn : kFirsts) {
                for (const char* days : kDays) {
                    if (const auto text = TextOf(jdn, first, order)) {
                        requests.push_back({{*text, days, ""}, first, second});
                    }
                }
            }
            for (const int32_t from : kDifferenceFirsts) {
                for (const int32_t to : kSeconds) {
                    const auto text1 = TextOf(from, first, order),
                               text2 = TextOf(to, second, order);
                    if (text1 && text2) {
                        requests.push_back({{*text1, "", *text2}, first, second});
                    }
                }
            }
        }
    }
    return requests;
}

// The request as a line of the program's batch input. A second date that
// begins with "-" goes in parentheses; a day count takes its sign.
std::string BatchLine(const Request& request) {
    const auto name = [](CalendarKind kind) { return kKindNames[static_cast<std::size_t>(kind)]; };
    const ComputeFields& fields = request.fields;
    std::string line = std::string("--from ") + name(request.firstKind) + " --from " +
                       name(request.secondKind) + " --to " + name(request.secondKind) + " " +
                       fields.firstDate;
    if (!fields.secondDate.empty()) {
        line += fields.secondDate.front() == '-' ? " (" + fields.secondDate + ")"
                                                 : " " + fields.secondDate;
    }
    if (!fields.days.empty()) {
        line += fields.days.front() == '-' ? " " + fields.days : " +" + fields.days;
    }
    return line;
}

class EquivalenceTest : public ::testing::TestWithParam<std::tuple<int, int, int, int>> {};

TEST_P(EquivalenceTest, TheProgramWritesTheWindowsLines) {
    const auto [order, separator, thousands, language] = GetParam();
    datelib::dateSeparator = kSeparators[separator].value;
    datelib::thousandsSeparator = kThousands[thousands].value;
    GEN_TEXT::currentLanguage = kLanguages[language].value;

    std::string input, expected;
    for (const Request& request : Requests(kOrders[order].value)) {
        const ComputeAnswer answer =
            Compute({request.fields, request.firstKind, request.secondKind, kOrders[order].value});
        input += BatchLine(request) + "\n";
        expected += (answer.outcome == ComputeOutcome::Computed ||
                             answer.outcome == ComputeOutcome::ResultOutOfRange
                         ? answer.line
                         : "") +
                    "\n";
    }
    const ProgramRun run =
        RunProgram(std::string("--batch --order ") + kOrders[order].option + " --separator " +
                       kSeparators[separator].option + " --thousands " +
                       kThousands[thousands].option + " --lang " + kLanguages[language].option,
                   input);
    EXPECT_EQ(run.out, expected);
}

INSTANTIATE_TEST_SUITE_P(EveryDisplay, EquivalenceTest,
                         ::testing::Combine(::testing::Range(0, 3), ::testing::Range(0, 3),
                                            ::testing::Range(0, 3), ::testing::Range(0, 3)));

}  // namespace

}  // namespace quillday::testing
