#include "datelib/date_text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "date_helpers.h"
#include "datelib/string_helpers.h"
#include "written.h"

namespace {

using datelib::CalendarKind;
using datelib::DateOrder;
using datelib::ParseStatus;

constexpr auto CE = CalendarKind::CE;
constexpr auto JC = CalendarKind::JC;
constexpr auto AN = CalendarKind::AN;
constexpr auto JDN = CalendarKind::JDN;
constexpr auto DIY = CalendarKind::DIY;
constexpr auto MDY = DateOrder::MDY;
constexpr auto DMY = DateOrder::DMY;
constexpr auto YMD = DateOrder::YMD;
constexpr auto kValid = ParseStatus::Valid;
constexpr auto kNotValid = ParseStatus::NotValid;
constexpr auto kOutOfRange = ParseStatus::OutOfRange;

constexpr int32_t k2004May7 = 2453133;
constexpr int32_t kMinus43March15 = 1705428;
constexpr int32_t kUntouched = 77;

// Rows: separator, kind, order, status, day number when valid, the texts
// that give them.
TEST(ParseDateText, ReadsEachNotationAndReportsItsStatus) {
    using Row = std::tuple<std::string, CalendarKind, DateOrder, ParseStatus, int32_t,
                           std::vector<std::string>>;
    // clang-format off
    const Row cases[] = {
        // Calendar dates: decoration dropped (outside ASCII too), structure enforced.
        {"-", CE, YMD, kValid, k2004May7, {"2004 - 05 - 07", "2004-05-07\xC2\xA0"}},
        {"/", CE, MDY, kValid, k2004May7, {"(05/07/2004)"}},
        {"-", CE, YMD, kValid, 2456293, {"2012-12-31 (Mi\xC3\xA9rcoles)"}},
        {"-", CE, DMY, kValid, kMinus43March15, {"15-03-(-43)"}},
        {"/", CE, DMY, kValid, kMinus43March15, {"15/03/-43"}},
        {".", CE, YMD, kValid, kMinus43March15, {"-43.03.15"}},
        {"-", JC, YMD, kValid, 2451911, {"2000-12-19"}},
        {"-", CE, YMD, kNotValid, 0, {"2004/05/07", "1-2-3-4-5", "2013-02-29"}},
        {"/", CE, DMY, kNotValid, 0, {"15/03/--43", "2004-05-07"}},
        {".", CE, YMD, kNotValid, 0, {"2004.05.07."}},
        {",", CE, YMD, kNotValid, 0, {"2004,05,07"}},  // no such date separator
        {"-", CE, YMD, kOutOfRange, 0, {"99999999-01-01"}},
        // Annus Novus: always "-", and MDY reads as YMD.
        {"/", AN, MDY, kValid, 2451911, {"10520-01-01"}},
        {".", AN, DMY, kValid, 2451911, {"01-01-10520"}},
        {"/", AN, YMD, kNotValid, 0, {"10520/01/01"}},
        // yyyyddd: seven digits and nothing else but a leading "+"; the year is the
        // first four characters.
        {"-", DIY, YMD, kValid, 2453371, {"2004366"}},
        {"-", DIY, YMD, kValid, 1757585, {"+100001"}},
        {"-", DIY, YMD, kValid, datelib::kFirstYyyydddDayNumber, {"0001001"}},
        {"-", DIY, YMD, kValid, datelib::kLastYyyydddDayNumber, {"9999365"}},
        {"-", DIY, YMD, kNotValid, 0, {"2003366", "2004000", "2004367", "0000001", "20041", "2004-12", "2004366\xC2\xA0"}},
        // Day numbers: dots only as thousands separators, a "-" only as the sign.
        {"/", JDN, YMD, kValid, 2451911, {"2,451,911"}},
        {".", JDN, YMD, kValid, 2451911, {"2.451.911", "2,451,911"}},
        {".", JDN, YMD, kValid, 245911, {"2.45\xC3\xA9.911"}},  // as "2.45x.911"
        {".", JDN, YMD, kValid, -1234567890, {"-1.234.567.890"}},
        {".", JDN, YMD, kNotValid, 0, {"2451.911.1", "1.111.111.111.111", "245.1911", ".451.911"}},
        {"-", JDN, YMD, kValid, -5, {"-5"}},
        {"-", JDN, YMD, kValid, 1000, {"1\u00A0000"}},
        {"-", JDN, YMD, kNotValid, 0, {"5-3", "5-3-1", "-5-3"}},
        {"/", JDN, YMD, kNotValid, 0, {"1/2"}},
        {"-", JDN, YMD, kOutOfRange, 0, {"2100000001"}},
    };
    // clang-format on
    for (const auto& [separator, kind, order, status, jdn, texts] : cases) {
        for (const std::string& text : texts) {
            CalendarDate date{};
            date.jdn = kUntouched;
            EXPECT_EQ(datelib::ParseDateText(text, separator, kind, order, date), status)
                << '"' << text << "\" with " << separator;
            EXPECT_EQ(date.jdn, status == kValid ? jdn : kUntouched) << text;
        }
    }
}

TEST(KeepChars, KeepsDashesDigitsAndTheAllowedCharactersInOrder) {
    std::string date = "(-44)-03-15", number = " 1,234.";
    datelib::KeepChars(date, "/");
    datelib::KeepChars(number, ",");
    EXPECT_EQ(date + "|" + number, "-44-03-15|1,234");
}

// Rows: text, status, value.
TEST(ParseJdnText, ReadsDigitsAndOneSignOnly) {
    const std::tuple<std::string, ParseStatus, int32_t> cases[] = {
        {"2,451,911", kValid, 2451911},
        {"1,5", kValid, 15},
        {"12-34", kValid, 1234},
        {"--5", kValid, -5},
        {"-+5", kValid, -5},
        {"00000000000005", kValid, 5},  // leading zeros add no magnitude
        {"", kNotValid, 0},
        {"+", kNotValid, 0},
        {"+-5", kNotValid, 0},
        {"1\xD9\xA3", kValid, 1},        // an Arabic-Indic digit is dropped, not read
        {"\xEF\xBC\x95", kNotValid, 0},  // so is a fullwidth one
        {"1\u00A0000", kValid, 1000},    // a no-break space
        {"3000000000", kOutOfRange, 0},
        {"2147483648", kOutOfRange, 0},
        {"2147483647", kOutOfRange, 2147483647},
        {"2100000001", kOutOfRange, 2100000001},
        {"-2100000000", kValid, -2100000000},
    };
    for (const auto& [text, status, value] : cases) {
        ParseStatus read = kValid;
        EXPECT_EQ(datelib::ParseJdnText(text, read), value) << text;
        EXPECT_EQ(read, status) << text;
    }
}

// Rows: date, order, separator, thousands separator, text.
TEST(AppendDate, WritesPartsInOrderWithGroupingAndParentheses) {
    const std::tuple<CalendarDate, DateOrder, std::string, std::string, std::string> cases[] = {
        {Date(2004, 5, 7), MDY, "/", ",", "05/07/2004"},
        {Date(10, 0, -5), YMD, "-", ",", "10-00--05"},
        {Date(123456, 1, 1), YMD, "-", ",", "123,456-01-01"},
        {Date(123456, 1, 1), YMD, "-", "", "123456-01-01"},
        {Date(9999, 1, 1, 'J'), YMD, "-", ",", "9999-01-01"},
        {Date(-9999, 1, 1), YMD, "-", ",", "-9999-01-01"},
        {Date(0, 1, 1), DMY, "-", ",", "01-01-0"},
        {Date(-10000, 1, 1, 'J'), DMY, "-", ".", "01-01-(-10.000)"},
        {Date(-10000, 1, 1, 'J'), DMY, ".", ".", "01.01.(-10000)"},
        {Date(10000, 1, 1), YMD, ".", ".", "10000.01.01"},
        {Date(-43, 3, 15), DMY, "-", ",", "15-03-(-43)"},
        {Date(-43, 3, 15), MDY, "/", ",", "03/15/(-43)"},
        {Date(-43, 3, 15), YMD, "-", ",", "-43-03-15"},
        {Date(10520, 1, 1, 'A'), DMY, "/", ",", "01-01-10520"},
        {Date(10520, 1, 1, 'A'), MDY, ".", ",", "10520-01-01"},
        {Date(-12345, 1, 1, 'A'), YMD, "/", ",", "-12345-01-01"},
    };
    for (const auto& [date, order, separator, thousands, text] : cases) {
        EXPECT_EQ(datelib::testing::WrittenDate(date, order, separator, thousands), text);
    }
    EXPECT_THROW(datelib::testing::WrittenDate(Date(10000, 1, 1), YMD, "-", ",,"),
                 std::invalid_argument);
    EXPECT_EQ(datelib::SeparateThousands("-123456789012345", ","), "-123,456,789,012,345");
    EXPECT_THROW(datelib::SeparateThousands("1234567890123456", ","), std::invalid_argument);
    EXPECT_THROW(datelib::SeparateThousands("12\xC3\xA9", ","), std::invalid_argument);
    EXPECT_THROW(datelib::testing::WrittenDate(Date(10000, 1, 1), YMD, "-", "\xC3"),
                 std::invalid_argument);
}

}  // namespace
