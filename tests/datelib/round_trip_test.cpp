// Formatting a date and reading the text back gives the same day number, for
// day numbers across the whole accepted range and every notation, order and
// separator.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "datelib/date_text.h"
#include "datelib/date_values.h"

namespace {

using datelib::CalendarKind;
using datelib::DateOrder;
using datelib::ParseStatus;

constexpr CalendarKind kCalendarKinds[] = {CalendarKind::CE, CalendarKind::JC, CalendarKind::AN};
constexpr DateOrder kOrders[] = {DateOrder::MDY, DateOrder::DMY, DateOrder::YMD};
const char* const kDateSeparators[] = {"-", "/", "."};
const char* const kThousandsSeparators[] = {",", ".", ""};

// Edges of the range and of the yyyyddd form, and a spread of numbers in between.
std::vector<int32_t> SampleDayNumbers() {
    std::vector<int32_t> samples = {datelib::kSmallestDayNumber,
                                    datelib::kLargestDayNumber,
                                    datelib::kFirstYyyydddDayNumber,
                                    datelib::kLastYyyydddDayNumber,
                                    0,
                                    -1,
                                    2451910,
                                    2451911};
    constexpr int kSpread = 2000;
    uint64_t state = 0x9E3779B97F4A7C15u;
    const uint64_t width = uint64_t{datelib::kLargestDayNumber} * 2 + 1;
    for (int i = 0; i < kSpread; ++i) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        samples.push_back(static_cast<int32_t>(static_cast<int64_t>((state >> 11) % width) +
                                               datelib::kSmallestDayNumber));
    }
    return samples;
}

TEST(RoundTrip, FormatThenParseGivesTheSameDayNumberInEveryCalendar) {
    for (const int32_t jdn : SampleDayNumbers()) {
        for (const CalendarKind kind : kCalendarKinds) {
            CalendarDate date{};
            date.jdn = jdn;
            datelib::SetCalendarLetter(kind, date);
            datelib::JdnToDate(date);
            for (const DateOrder order : kOrders) {
                for (const std::string separator : kDateSeparators) {
                    for (const std::string thousands : kThousandsSeparators) {
                        const std::string text =
                            datelib::FormatDate(date, order, separator, thousands);
                        CalendarDate parsed{};
                        const ParseStatus status =
                            datelib::ParseDateText(text, separator, kind, order, parsed);
                        ASSERT_EQ(status, ParseStatus::Valid) << text << " from " << jdn;
                        ASSERT_EQ(parsed.jdn, jdn) << text;
                    }
                }
            }
        }
    }
}

TEST(RoundTrip, GroupedDayNumbersAndYyyydddReadBack) {
    for (const int32_t jdn : SampleDayNumbers()) {
        for (const std::string separator : kDateSeparators) {
            for (const std::string thousands : kThousandsSeparators) {
                const std::string text = datelib::GroupedNumber(jdn, thousands);
                CalendarDate parsed{};
                ASSERT_EQ(datelib::ParseDateText(text, separator, CalendarKind::JDN, DateOrder::YMD,
                                                 parsed),
                          ParseStatus::Valid)
                    << text << " with " << separator;
                ASSERT_EQ(parsed.jdn, jdn);
            }
        }
        if (jdn >= datelib::kFirstYyyydddDayNumber && jdn <= datelib::kLastYyyydddDayNumber) {
            CalendarDate parsed{};
            ASSERT_EQ(datelib::ParseDateText(datelib::FormatYyyyddd(jdn), "-", CalendarKind::DIY,
                                             DateOrder::YMD, parsed),
                      ParseStatus::Valid);
            ASSERT_EQ(parsed.jdn, jdn);
        }
    }
}

}  // namespace
