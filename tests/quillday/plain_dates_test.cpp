// The batch's fast path for plain dates answers exactly as the general path
// does, in every run it may serve and in those it must leave alone, for
// random lines near the plain shape "2012-12-31": other separators, leading
// zeros, months 0 and 13, days beyond the month, leap days, stray bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "options.h"
#include "plain_dates.h"

namespace quillday::cli {

namespace {

using datelib::CalendarKind;
using datelib::DateOrder;

constexpr DateOrder kOrders[] = {DateOrder::YMD, DateOrder::DMY, DateOrder::MDY};
constexpr const char* kSeparators[] = {"-", "/", "."};
constexpr const char* kThousands[] = {",", ".", ""};
constexpr GEN_TEXT::LanguageCode kLanguages[] = {GEN_TEXT::English, GEN_TEXT::German,
                                                 GEN_TEXT::Spanish};
const std::optional<CalendarKind> kFromKinds[] = {std::nullopt, CalendarKind::CE, CalendarKind::JC};
const std::optional<CalendarKind> kToKinds[] = {std::nullopt, CalendarKind::CE, CalendarKind::JDN,
                                                CalendarKind::AN, CalendarKind::DIY};
constexpr int kLinesPerRun = 150;

class LineMaker {
  public:
    explicit LineMaker(unsigned seed) : random_(seed) {}

    // Mostly the plain shape with numbers near the edges of the valid ones;
    // now and then a byte changed, dropped or added.
    std::string Line() {
        std::string line = Digits(Pick(10) == 0 ? Pick(1000) : 1000 + Pick(9000), 4) + Separator() +
                           Digits(Pick(14), 2) + Separator() +
                           Digits(Pick(10) < 7 ? 28 + Pick(5) : Pick(33), 2);
        switch (Pick(12)) {
            case 0:
                line[Pick(line.size())] = "0a -/.+9"[Pick(8)];
                break;
            case 1:
                line.erase(Pick(line.size()), 1);
                break;
            case 2:
                line.insert(Pick(line.size() + 1), 1, " 0\t\r,"[Pick(5)]);
                break;
            default:
                break;
        }
        return line;
    }

  private:
    std::size_t Pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    std::string Separator() { return Pick(10) < 8 ? "-" : Pick(2) == 0 ? "/" : "."; }

    static std::string Digits(std::size_t value, std::size_t width) {
        std::string text = std::to_string(value);
        return std::string(width - std::min(width, text.size()), '0') + text;
    }

    std::mt19937 random_;
};

struct Tally {
    int fast = 0;
    int lines = 0;
};

// Answers each line by both paths; the fast path may decline, but what it
// answers is the general path's line, without an error.
void ExpectSameAnswers(const Options& options, LineMaker& maker, Tally& tally) {
    const PlainDates plainDates(RunRequest(options), options.notations);
    RequestRoom room(RunRequest(options));
    for (int n = 0; n < kLinesPerRun; ++n) {
        const std::string line = maker.Line();
        std::string fast = "kept";
        if (!plainDates.Answer(line, fast)) {
            EXPECT_EQ(fast, "kept") << line;
            continue;
        }
        const RequestAnswer& general = AnswerText(line, options.notations, room);
        ASSERT_EQ(fast, "kept" + general.line + "\n") << line;
        ASSERT_EQ(general.error, "") << line;
        ++tally.fast;
    }
    tally.lines += kLinesPerRun;
}

TEST(PlainDates, AnswerAsTheGeneralPathInEveryRun) {
    LineMaker maker(2027);
    Tally tally;
    for (const DateOrder order : kOrders) {
        for (const char* separator : kSeparators) {
            for (const char* thousands : kThousands) {
                for (const GEN_TEXT::LanguageCode language : kLanguages) {
                    for (const auto& from : kFromKinds) {
                        for (const auto& to : kToKinds) {
                            Options options;
                            options.display = {order, separator, thousands};
                            options.language = language;
                            options.notations.from[0] = from;
                            options.notations.fromGiven = from ? 1 : 0;
                            options.notations.to = to;
                            SCOPED_TRACE(::testing::Message()
                                         << "order " << static_cast<int>(order) << " separator "
                                         << separator << " thousands '" << thousands
                                         << "' language " << language);
                            ExpectSameAnswers(options, maker, tally);
                        }
                    }
                }
            }
        }
    }
    // Runs in year-month-day order that read CE and answer in CE or as a day
    // number are 24 of the 1,215; each answers about half its lines fast.
    EXPECT_GT(tally.fast, 24 * kLinesPerRun / 4);
}

// "dddd-dd-dd" with a year from 1000.
bool IsPlainShape(const std::string& line) {
    const std::string shape = "1999-99-99";
    return line.size() == shape.size() && line[0] != '0' &&
           std::equal(line.begin(), line.end(), shape.begin(), [](char c, char form) {
               return form == '-' ? c == '-' : c >= '0' && c <= '9';
           });
}

// In the default run every valid plain date from 1000 to 9999 takes the
// fast path, or the batch would be slow without any test failing.
TEST(PlainDates, TakeEveryValidDateOfTheDefaultRun) {
    Options options;
    const PlainDates plainDates(RunRequest(options), options.notations);
    RequestRoom room(RunRequest(options));
    LineMaker maker(4095);
    int valid = 0;
    for (int n = 0; n < 20'000; ++n) {
        const std::string line = maker.Line();
        if (!IsPlainShape(line) || !AnswerText(line, options.notations, room).error.empty()) {
            continue;
        }
        std::string fast;
        EXPECT_TRUE(plainDates.Answer(line, fast)) << line;
        ++valid;
    }
    EXPECT_GT(valid, 5'000);
}

}  // namespace

}  // namespace quillday::cli
