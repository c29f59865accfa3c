#include "datelib/date_text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "date_helpers.h"

namespace {

using datelib::CalendarKind;
using datelib::DateOrder;
using datelib::ParseStatus;

struct ParseCase {
    std::string text;
    std::string separator;
    CalendarKind kind;
    DateOrder order;
    ParseStatus status;
    int32_t jdn;  // when valid
};

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

TEST(ParseDateText, ReadsEachNotationAndReportsItsStatus) {
    const ParseCase cases[] = {
        // Calendar dates: decoration dropped, structure enforced.
        {"2004 - 05 - 07", "-", CE, YMD, kValid, k2004May7},
        {"07.05.2004", ".", CE, DMY, kValid, k2004May7},
        {"(05/07/2004)", "/", CE, MDY, kValid, k2004May7},
        {"15-03-(-43)", "-", CE, DMY, kValid, kMinus43March15},
        {"15/03/-43", "/", CE, DMY, kValid, kMinus43March15},
        {"-43.03.15", ".", CE, YMD, kValid, kMinus43March15},
        {"2004/05/07", "-", CE, YMD, kNotValid, 0},
        {"2004-05-07", "/", CE, YMD, kNotValid, 0},
        {"2013-02-29", "-", CE, YMD, kNotValid, 0},
        {"1900-02-29", "-", JC, YMD, kValid, 2415092},
        {"2000-12-19", "-", JC, YMD, kValid, 2451911},
        {"99999999-01-01", "-", CE, YMD, kOutOfRange, 0},
        {"2004,05,07", ",", CE, YMD, kNotValid, 0},  // no such date separator
        // Outside ASCII: dropped like any decoration (a no-break space, an accent).
        {"2004-05-07\xC2\xA0", "-", CE, YMD, kValid, k2004May7},
        {"2012-12-31 (Mi\xC3\xA9rcoles)", "-", CE, YMD, kValid, 2456293},
        {"1\xC2\xA0"
         "000",
         "-", JDN, YMD, kValid, 1000},
        {"2.45\xC3\xA9.911", ".", JDN, YMD, kValid, 245911},  // one character, as "2.45x.911"
        {"2004366\xC2\xA0", "-", DIY, YMD, kNotValid, 0},     // as "2004366 "
        // Annus Novus: always "-", and MDY reads as YMD.
        {"10520-01-01", "/", AN, MDY, kValid, 2451911},
        {"01-01-10520", ".", AN, DMY, kValid, 2451911},
        {"10519-11-01", "-", AN, YMD, kValid, 2451910},
        {"10520-11-01", "-", AN, YMD, kNotValid, 0},  // 10520 is no leap year
        {"10520/01/01", "/", AN, YMD, kNotValid, 0},
        // yyyyddd.
        {"2004366", "-", DIY, YMD, kValid, 2453371},
        {"0001001", "-", DIY, YMD, kValid, datelib::kFirstYyyydddDayNumber},
        {"9999365", "-", DIY, YMD, kValid, datelib::kLastYyyydddDayNumber},
        {"2003366", "-", DIY, YMD, kNotValid, 0},
        {"2004000", "-", DIY, YMD, kNotValid, 0},
        {"20041", "-", DIY, YMD, kNotValid, 0},
        {"2004-12", "-", DIY, YMD, kNotValid, 0},
        // Day numbers.
        {"2,451,911", "-", JDN, YMD, kValid, 2451911},
        {"2,451,911", ".", JDN, YMD, kValid, 2451911},
        {"2.451.911", ".", JDN, YMD, kValid, 2451911},
        {"-2.451.911", ".", JDN, YMD, kValid, -2451911},
        {"2451.911.1", ".", JDN, YMD, kNotValid, 0},
        {"1.111.111.111.111", ".", JDN, YMD, kNotValid, 0},
        {"5-3", "-", JDN, YMD, kNotValid, 0},
        {"1/2", "/", JDN, YMD, kNotValid, 0},
        {"2100000001", "-", JDN, YMD, kOutOfRange, 0},
        {"-2100000000", "-", JDN, YMD, kValid, -2100000000},
    };
    for (const ParseCase& c : cases) {
        CalendarDate date{};
        const ParseStatus status =
            datelib::ParseDateText(c.text, c.separator, c.kind, c.order, date);
        EXPECT_EQ(status, c.status) << '"' << c.text << "\" with " << c.separator;
        if (status == kValid) {
            EXPECT_EQ(date.jdn, c.jdn) << c.text;
        }
    }
}

TEST(ParseDateText, FillsTheRecordOnSuccessAndLeavesItOtherwise) {
    CalendarDate date{};
    ASSERT_EQ(datelib::ParseDateText("15-03-(-43)", "-", CE, DMY, date), kValid);
    EXPECT_EQ(date.year, -43);
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.day, 15);
    EXPECT_EQ(date.calendar, 'G');

    ASSERT_EQ(datelib::ParseDateText("2004366", "/", DIY, MDY, date), kValid);
    EXPECT_EQ(date.year, 2004);
    EXPECT_EQ(date.month, 12);
    EXPECT_EQ(date.day, 31);

    const CalendarDate before = date;
    EXPECT_EQ(datelib::ParseDateText("2003366", "-", DIY, YMD, date), kNotValid);
    EXPECT_EQ(datelib::ParseDateText("2013-02-29", "-", CE, YMD, date), kNotValid);
    EXPECT_EQ(datelib::ParseDateText("2100000001", "-", JDN, YMD, date), kOutOfRange);
    EXPECT_EQ(date.jdn, before.jdn);
    EXPECT_EQ(date.year, before.year);
}

TEST(ParseJdnText, ReadsDigitsAndOneSignOnly) {
    const struct {
        std::string text;
        ParseStatus status;
        int32_t value;
    } cases[] = {
        {"2,451,911", kValid, 2451911},
        {"1,5", kValid, 15},
        {"--5", kValid, -5},
        {"-+5", kValid, -5},
        {"00000000000005", kValid, 5},  // leading zeros add no magnitude
        {"-", kNotValid, 0},
        {"", kNotValid, 0},
        {"+", kNotValid, 0},  // no digit at all
        {"+-5", kNotValid, 0},
        {"1\xD9\xA3", kValid, 1},        // an Arabic-Indic digit is dropped, not read
        {"\xEF\xBC\x95", kNotValid, 0},  // so is a fullwidth one
        {"1\xC2\xA0"
         "000",
         kValid, 1000},  // a no-break space
        {"3000000000", kOutOfRange, 0},
        {"2147483648", kOutOfRange, 0},
        {"2147483647", kOutOfRange, 2147483647},
        {"2100000001", kOutOfRange, 2100000001},
    };
    for (const auto& c : cases) {
        ParseStatus status = kValid;
        EXPECT_EQ(datelib::ParseJdnText(c.text, status), c.value) << c.text;
        EXPECT_EQ(status, c.status) << c.text;
    }
}

TEST(FormatDate, WritesPartsInOrderWithGroupingAndParentheses) {
    const struct {
        CalendarDate date;
        DateOrder order;
        std::string separator;
        std::string thousands;
        std::string expected;
    } cases[] = {
        {Date(2012, 12, 31), YMD, "-", ",", "2012-12-31"},
        {Date(2004, 5, 7), MDY, "/", ",", "05/07/2004"},
        {Date(123456, 1, 1), YMD, "-", ",", "123,456-01-01"},
        {Date(9999, 1, 1, 'J'), YMD, "-", ",", "9999-01-01"},
        {Date(-10000, 1, 1, 'J'), DMY, "-", ".", "01-01-(-10.000)"},
        {Date(-10000, 1, 1, 'J'), DMY, ".", ".", "01.01.(-10000)"},
        {Date(10000, 1, 1), YMD, ".", ".", "10000.01.01"},
        {Date(-43, 3, 15), DMY, "-", ",", "15-03-(-43)"},
        {Date(-43, 3, 15), MDY, "/", ",", "03/15/(-43)"},
        {Date(10520, 1, 1, 'A'), DMY, "/", ",", "01-01-10520"},
        {Date(10520, 1, 1, 'A'), MDY, ".", ",", "10520-01-01"},
        {Date(-12345, 1, 1, 'A'), YMD, "/", ",", "-12345-01-01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(datelib::FormatDate(c.date, c.order, c.separator, c.thousands), c.expected);
    }
    EXPECT_THROW(datelib::FormatDate(Date(1, 1, 1), YMD, "-", ",,"), std::invalid_argument);
}

TEST(SeparateThousands, GroupsFromTheRightAndRefusesWhatCannotFit) {
    using datelib::SeparateThousands;
    EXPECT_EQ(SeparateThousands("2451911", ","), "2,451,911");
    EXPECT_EQ(SeparateThousands("2451911", "."), "2.451.911");
    EXPECT_EQ(SeparateThousands("2451911", ""), "2451911");
    EXPECT_EQ(SeparateThousands("-2147483648", ","), "-2,147,483,648");
    EXPECT_EQ(SeparateThousands("-123", ","), "-123");
    EXPECT_EQ(SeparateThousands("123456789012345", ","), "123,456,789,012,345");
    EXPECT_THROW(SeparateThousands("1234567890123456", ","), std::invalid_argument);
    EXPECT_THROW(SeparateThousands("1234", ",."), std::invalid_argument);
    EXPECT_THROW(SeparateThousands(std::string("12\0"
                                               "34",
                                               5),
                                   ","),
                 std::invalid_argument);
    EXPECT_EQ(datelib::GroupedNumber(-2456293, ","), "-2,456,293");
}

TEST(KeyFilters, AcceptFieldCharactersUpToTheLimitAndControlKeysAlways) {
    constexpr std::size_t kLimit = 18;
    const struct {
        bool dateField;
        char32_t key;
        std::size_t length;
        std::string extra;
        bool accepted;
    } cases[] = {
        {true, U'a', 0, "-", false},
        {true, U'(', 0, "-", true},
        {true, U'/', 3, "/", true},
        {true, U'/', 3, ".", false},
        {true, U'7', kLimit, "-", false},
        {true, U'7', kLimit + 5, "-", true},
        {true, 8, kLimit, "-", true},
        {true, 22, kLimit + 5, "-", true},
        {true, U'\u00E9', 0, "\xC3\xA9", false},
        {false, U',', 0, ",", true},
        {false, U'(', 0, ",", false},
        {false, U'-', 0, "", true},
    };
    for (const auto& c : cases) {
        const bool accepted = c.dateField
                                  ? datelib::AcceptDateKey(c.key, c.length, kLimit, c.extra)
                                  : datelib::AcceptDayCountKey(c.key, c.length, kLimit, c.extra);
        EXPECT_EQ(accepted, c.accepted) << "key " << static_cast<uint32_t>(c.key) << " length "
                                        << c.length << " date field " << c.dateField;
    }
}

}  // namespace
