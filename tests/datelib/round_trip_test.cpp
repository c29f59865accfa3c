// Writing a date and reading the text back gives the same date, for day
// numbers across the whole accepted range and every notation, order and
// separator.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "datelib/date_text.h"
#include "datelib/date_values.h"
#include "written.h"

namespace {

using datelib::CalendarKind;
using datelib::DateOrder;

// The edges of the range and of the yyyyddd form, a few notable days, and
// about 2000 day numbers spread over the whole range.
std::vector<int32_t> SampleDayNumbers() {
    std::vector<int32_t> samples = {
        datelib::kFirstYyyydddDayNumber, datelib::kLastYyyydddDayNumber, 0, -1, 2451910, 2451911};
    constexpr int32_t kStride = 2'099'999;
    for (int64_t n = datelib::kSmallestDayNumber; n <= datelib::kLargestDayNumber; n += kStride) {
        samples.push_back(static_cast<int32_t>(n));
    }
    samples.push_back(datelib::kLargestDayNumber);
    return samples;
}

// Reads text as the kind into a zero-filled record and expects it to equal
// date (for a day number, a zero-filled record with its jdn).
void ExpectReadsBack(const std::string& text, const std::string& separator, CalendarKind kind,
                     DateOrder order, const CalendarDate& date) {
    CalendarDate read{};
    ASSERT_EQ(datelib::ParseDateText(text, separator, kind, order, read),
              datelib::ParseStatus::Valid)
        << text << " from " << date.jdn;
    ASSERT_EQ(std::tie(read.year, read.month, read.day, read.calendar, read.jdn),
              std::tie(date.year, date.month, date.day, date.calendar, date.jdn))
        << text;
}

TEST(RoundTrip, EveryNotationReadsBackWhatItWrites) {
    for (const int32_t jdn : SampleDayNumbers()) {
        for (const std::string separator : {"-", "/", "."}) {
            for (const std::string thousands : {",", ".", ""}) {
                for (const CalendarKind kind :
                     {CalendarKind::CE, CalendarKind::JC, CalendarKind::AN}) {
                    CalendarDate date{};
                    date.jdn = jdn;
                    ASSERT_TRUE(datelib::SetCalendarLetter(kind, date));
                    ASSERT_TRUE(datelib::JdnToDate(date));
                    for (const DateOrder order : {DateOrder::MDY, DateOrder::DMY, DateOrder::YMD}) {
                        ExpectReadsBack(
                            datelib::testing::WrittenDate(date, order, separator, thousands),
                            separator, kind, order, date);
                    }
                }
                CalendarDate number{};
                number.jdn = jdn;
                ExpectReadsBack(datelib::testing::WrittenNumber(jdn, thousands), separator,
                                CalendarKind::JDN, DateOrder::YMD, number);
            }
        }
        if (jdn >= datelib::kFirstYyyydddDayNumber && jdn <= datelib::kLastYyyydddDayNumber) {
            CalendarDate gregorian{};
            gregorian.jdn = jdn;
            datelib::GregorianDayOfYear(gregorian);
            ExpectReadsBack(datelib::testing::WrittenYyyyddd(jdn), "-", CalendarKind::DIY,
                            DateOrder::YMD, gregorian);
        }
    }
}

}  // namespace
