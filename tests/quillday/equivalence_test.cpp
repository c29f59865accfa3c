// The window's code path (the compute library under the settings the
// window's options make) and the program give the same line for the same
// request: every notation pair, date order, separator, thousands separator
// and language, with conversions, added days, differences, negative years,
// grouped years and results out of range.
#include <gtest/gtest.h>

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

constexpr const char* kKindNames[] = {"CE", "JC", "JDN", "AN", "DIY"};  // by code

// Each display choice as the program's option and the window's setting.
constexpr std::pair<const char*, DateOrder> kOrders[] = {
    {"ymd", DateOrder::YMD}, {"dmy", DateOrder::DMY}, {"mdy", DateOrder::MDY}};
constexpr const char* kSeparators[] = {"-", "/", "."};
constexpr std::pair<const char*, const char*> kThousands[] = {{",", ","}, {".", "."}, {"none", ""}};
constexpr std::pair<const char*, GEN_TEXT::LanguageCode> kLanguages[] = {
    {"en", GEN_TEXT::English}, {"de", GEN_TEXT::German}, {"es", GEN_TEXT::Spanish}};

// First dates: 2012-12-31, the first and last yyyyddd days, a negative year,
// a year beyond 9999 (+10 days is out of range) and a negative day number;
// second dates: 2013-03-15 and a negative year.
constexpr int32_t kFirsts[] = {2456293, 1721426, 5373484, 1000000, 2100000000, -1000};
constexpr int32_t kSeconds[] = {2456367, 1000};
constexpr const char* kDays[] = {"", "10", "-1000"};

std::string TextOf(int32_t jdn, CalendarKind kind, const datelib::Display& display) {
    CalendarDate date{};
    date.jdn = jdn;
    return DayNumberText(date, kind, display).value_or("");
}

// The request as a line of the program's batch input. A second date that
// begins with "-" goes in parentheses; a day count takes its sign.
std::string BatchLine(const ComputeRequest& request) {
    const ComputeFields& fields = request.fields;
    const std::string second = kKindNames[static_cast<int>(request.secondKind)];
    std::string line = std::string("--from ") + kKindNames[static_cast<int>(request.firstKind)] +
                       " --from " + second + " --to " + second + " " + fields.firstDate;
    if (!fields.secondDate.empty()) {
        line +=
            fields.secondDate[0] == '-' ? " (" + fields.secondDate + ")" : " " + fields.secondDate;
    }
    if (!fields.days.empty()) {
        line += fields.days[0] == '-' ? " " + fields.days : " +" + fields.days;
    }
    return line;
}

// Every request in the display and language: each first date with each day count, and
// against each second date; dates without a text in their notation left out.
std::vector<ComputeRequest> Requests(const datelib::Display& display,
                                     GEN_TEXT::LanguageCode language) {
    std::vector<ComputeRequest> requests;
    for (int first = 0; first < std::ssize(kKindNames); ++first) {
        for (int second = 0; second < std::ssize(kKindNames); ++second) {
            const auto firstKind = static_cast<CalendarKind>(first);
            const auto secondKind = static_cast<CalendarKind>(second);
            for (const int32_t jdn : kFirsts) {
                const std::string firstText = TextOf(jdn, firstKind, display);
                if (firstText.empty()) {
                    continue;
                }
                for (const char* days : kDays) {
                    requests.push_back(
                        {{firstText, days, ""}, firstKind, secondKind, display, language});
                }
                for (const int32_t to : kSeconds) {
                    const std::string secondText = TextOf(to, secondKind, display);
                    if (!secondText.empty()) {
                        requests.push_back({{firstText, "", secondText},
                                            firstKind,
                                            secondKind,
                                            display,
                                            language});
                    }
                }
            }
        }
    }
    return requests;
}

class EquivalenceTest : public ::testing::TestWithParam<std::tuple<int, int, int, int>> {};

TEST_P(EquivalenceTest, TheProgramWritesTheWindowsLines) {
    const auto [order, separator, thousands, language] = GetParam();
    const datelib::Display display{kOrders[order].second, kSeparators[separator],
                                   kThousands[thousands].second};
    std::string input, expected;
    for (const ComputeRequest& request : Requests(display, kLanguages[language].second)) {
        ComputeAnswer answer;
        Compute(request, answer);
        input += BatchLine(request) + "\n";
        expected += (answer.outcome == ComputeOutcome::Computed ||
                             answer.outcome == ComputeOutcome::ResultOutOfRange
                         ? answer.line
                         : "") +
                    "\n";
    }
    const ProgramRun run = RunProgram(
        {"--batch", "--order", kOrders[order].first, "--separator", kSeparators[separator],
         "--thousands", kThousands[thousands].first, "--lang", kLanguages[language].first},
        input);
    EXPECT_EQ(run.out, expected);
}

INSTANTIATE_TEST_SUITE_P(EveryDisplay, EquivalenceTest,
                         ::testing::Combine(::testing::Range(0, 3), ::testing::Range(0, 3),
                                            ::testing::Range(0, 3), ::testing::Range(0, 3)));

}  // namespace

}  // namespace quillday::testing
