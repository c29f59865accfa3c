// Reading dates from text and grouping digits.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "calendar_oracle.h"
#include "daymath.h"
#include "test_dates.h"

namespace {

constexpr int32_t G = DAYMATH_GREGORIAN;
constexpr int32_t J = DAYMATH_JULIAN;
constexpr int32_t A = DAYMATH_ANNUS_NOVUS;
constexpr int32_t MDY = DAYMATH_ORDER_MDY;
constexpr int32_t DMY = DAYMATH_ORDER_DMY;
constexpr int32_t YMD = DAYMATH_ORDER_YMD;

struct ReadCase {
    const char* text;
    int32_t order;
    int32_t calendar;
    int32_t status;
    CalendarDate date;  // compared when status is DAYMATH_OK
};

const ReadCase kReadCases[] = {
    {"2004-05-07", YMD, G, DAYMATH_OK, MakeDate(2004, 5, 7, G)},
    {"07.05.2004", DMY, G, DAYMATH_OK, MakeDate(2004, 5, 7, G)},
    {"05/07/2004", MDY, G, DAYMATH_OK, MakeDate(2004, 5, 7, G)},
    {"15-03--44", DMY, G, DAYMATH_OK, MakeDate(-44, 3, 15, G)},
    {"-43-03-15", YMD, J, DAYMATH_OK, MakeDate(-43, 3, 15, J)},
    {"15/03/-43", DMY, G, DAYMATH_OK, MakeDate(-43, 3, 15, G)},
    {"03.15.-43", MDY, G, DAYMATH_OK, MakeDate(-43, 3, 15, G)},
    {"0-1-1", YMD, G, DAYMATH_OK, MakeDate(0, 1, 1, G)},
    {"-0-1-1", YMD, G, DAYMATH_OK, MakeDate(0, 1, 1, G)},
    {"2004-01-0000000000000000007", YMD, G, DAYMATH_OK, MakeDate(2004, 1, 7, G)},
    {"2004-02-29", YMD, G, DAYMATH_OK, MakeDate(2004, 2, 29, G)},
    {"1900-02-29", YMD, J, DAYMATH_OK, MakeDate(1900, 2, 29, J)},
    {"10519-11-01", YMD, A, DAYMATH_OK, MakeDate(10519, 11, 1, A)},
    {"10520-10-37", YMD, A, DAYMATH_OK, MakeDate(10520, 10, 37, A)},
    {"37-10-10520", DMY, A, DAYMATH_OK, MakeDate(10520, 10, 37, A)},
    {"5000000-12-31", YMD, G, DAYMATH_OK, MakeDate(5000000, 12, 31, G)},
    // no such month or day
    {"1900-02-29", YMD, G, DAYMATH_ERR_DATE, {}},
    {"2003-02-29", YMD, G, DAYMATH_ERR_DATE, {}},
    {"2004-13-01", YMD, G, DAYMATH_ERR_DATE, {}},
    {"2004-00-10", YMD, G, DAYMATH_ERR_DATE, {}},
    {"2004-01-00", YMD, G, DAYMATH_ERR_DATE, {}},
    {"2004-04-31", YMD, J, DAYMATH_ERR_DATE, {}},
    {"2004--05-07", YMD, G, DAYMATH_ERR_DATE, {}},
    {"10520-11-01", YMD, A, DAYMATH_ERR_DATE, {}},
    {"10519-11-02", YMD, A, DAYMATH_ERR_DATE, {}},
    {"10520-09-37", YMD, A, DAYMATH_ERR_DATE, {}},
    {"10520-10-38", YMD, A, DAYMATH_ERR_DATE, {}},
    {"10520-12-01", YMD, A, DAYMATH_ERR_DATE, {}},
    {"13-05-2004", MDY, G, DAYMATH_ERR_DATE, {}},
    {"2004-99999999999-01", YMD, G, DAYMATH_ERR_DATE, {}},
    {"99999999999-01-2004", DMY, J, DAYMATH_ERR_DATE, {}},
    // not three numbers with two equal separators
    {"", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {"2004", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {"2004-05", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {"2004-05/07", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {"2004-05-07-", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {"2004-05-07-1", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {"--2004-05-07", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {"2004 05 07", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {" 2004-05-07", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {"+2004-05-07", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {"2004-05-07x", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {"2004--", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {"-", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    {"2004,05,07", YMD, G, DAYMATH_ERR_SYNTAX, {}},
    // outside the day-number range, or years too long to hold
    {"6000000-01-01", YMD, G, DAYMATH_ERR_RANGE, {}},
    {"-6000000-01-01", YMD, J, DAYMATH_ERR_RANGE, {}},
    {"99999999999-01-01", YMD, G, DAYMATH_ERR_RANGE, {}},
    {"2147483648-01-01", YMD, G, DAYMATH_ERR_RANGE, {}},
    {"01-01-99999999999999999999999999999999", DMY, A, DAYMATH_ERR_RANGE, {}},
    // bad arguments
    {"2004-05-07", -1, G, DAYMATH_ERR_ORDER, {}},
    {"2004-05-07", 3, G, DAYMATH_ERR_ORDER, {}},
    {"2004-05-07", YMD, 'X', DAYMATH_ERR_CALENDAR, {}},
    {"2004-05-07", YMD, 0, DAYMATH_ERR_CALENDAR, {}},
};

TEST(StrToDate, ReadsOrRejectsEachCase) {
    for (const ReadCase& c : kReadCases) {
        CalendarDate d{};
        EXPECT_EQ(str_to_date(c.text, c.order, &d, c.calendar), c.status) << '"' << c.text << '"';
        if (c.status == DAYMATH_OK) {
            EXPECT_TRUE(SameDay(d, c.date)) << '"' << c.text << "\" gave " << d;
            EXPECT_EQ(d.calendar, c.calendar) << c.text;
        }
    }
}

TEST(StrToDate, FailureLeavesTheRecordUnchanged) {
    CalendarDate d = MakeDate(1, 2, 3, G);
    d.jdn = 77;
    EXPECT_NE(str_to_date("2004-02-30", YMD, &d, J), DAYMATH_OK);
    EXPECT_TRUE(SameDay(d, MakeDate(1, 2, 3, G)));
    EXPECT_EQ(d.calendar, G);
    EXPECT_EQ(d.jdn, 77);
}

TEST(StrToDate, NullArgumentsAreRejected) {
    CalendarDate d{};
    EXPECT_EQ(str_to_date(nullptr, YMD, &d, G), DAYMATH_ERR_NULL);
    EXPECT_EQ(str_to_date("2004-05-07", YMD, nullptr, G), DAYMATH_ERR_NULL);
}

std::string YmdText(const CalendarDate& d) {
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

TEST(StrToDate, RangeEndsAreExactlyTheAcceptedDayNumbers) {
    for (const int32_t calendar : {G, J, A}) {
        const struct {
            int32_t jdn;
            int32_t status;
        } ends[] = {{DAYMATH_MIN_JDN, DAYMATH_OK},
                    {DAYMATH_MAX_JDN, DAYMATH_OK},
                    {DAYMATH_MIN_JDN - 1, DAYMATH_ERR_RANGE},
                    {DAYMATH_MAX_JDN + 1, DAYMATH_ERR_RANGE}};
        for (const auto& end : ends) {
            const std::string text = YmdText(DateOfJdn(end.jdn, calendar));
            CalendarDate d{};
            EXPECT_EQ(str_to_date(text.c_str(), YMD, &d, calendar), end.status) << text;
        }
    }
}

// Random text never crashes the reader nor reads past its end, and whatever
// it accepts is a real date.
TEST(StrToDate, SurvivesMegabytesOfRandomText) {
    std::mt19937 random(20261206);
    const std::string dateAlphabet = "0123456789-/.";
    std::size_t total = 0;
    int accepted = 0;
    while (total < 4 * 1024 * 1024) {
        const std::size_t length = random() % 40;
        const bool anyByte = random() % 2 == 0;
        std::vector<char> text(length + 1, '\0');  // exact size: ASan sees any overread
        for (std::size_t i = 0; i < length; ++i) {
            text[i] = anyByte ? static_cast<char>(random() % 255 + 1)
                              : dateAlphabet[random() % dateAlphabet.size()];
        }
        total += length + 1;
        CalendarDate d{};
        const auto order = static_cast<int32_t>(random() % 3);
        const int32_t calendar = std::vector<int32_t>{G, J, A}[random() % 3];
        const int32_t status = str_to_date(text.data(), order, &d, calendar);
        ASSERT_TRUE(status == DAYMATH_OK || status == DAYMATH_ERR_SYNTAX ||
                    status == DAYMATH_ERR_DATE || status == DAYMATH_ERR_RANGE)
            << status;
        if (status == DAYMATH_OK) {
            ++accepted;
            ASSERT_GE(d.day, 1);
            ASSERT_LE(d.day, oracle::MonthLength(calendar, d.year, d.month));
        }
    }
    EXPECT_GT(accepted, 0);
}

struct GroupCase {
    const char* number;
    int32_t separator;
    const char* grouped;
};

TEST(SeparateThousands, GroupsDigitsFromTheRight) {
    const GroupCase cases[] = {
        {"2451911", ',', "2,451,911"},
        {"2451911", '.', "2.451.911"},
        {"-2451911", ',', "-2,451,911"},
        {"-2147483648", ',', "-2,147,483,648"},
        {"123456", ',', "123,456"},
        {"1234", ',', "1,234"},
        {"123", ',', "123"},
        {"-123", ',', "-123"},
        {"1", ',', "1"},
        {"", ',', ""},
        {"-", ',', "-"},
        {"2451911", 0, "2451911"},
        {"2451911", 0x100 + ',', "2,451,911"},
        {"123456789012345", ',', "123,456,789,012,345"},
        {"1234567890123456", ',', "1,234,567,890,123,45"},
        {"12345678901234567890123", 0, "12345678901234567890"},
    };
    for (const GroupCase& c : cases) {
        char buffer[DAYMATH_GROUPED_SIZE];
        const int32_t length = separate_thousands(c.number, c.separator, buffer);
        EXPECT_STREQ(buffer, c.grouped) << c.number;
        EXPECT_EQ(length, static_cast<int32_t>(std::strlen(c.grouped))) << c.number;
    }
}

TEST(SeparateThousands, NeverWritesPastTwentyOneBytes) {
    constexpr char kGuard = 0x7F;
    for (std::size_t digits = 0; digits < 40; ++digits) {
        std::string number(digits + 1, '9');
        number[0] = '-';
        std::vector<char> buffer(DAYMATH_GROUPED_SIZE + 8, kGuard);
        separate_thousands(number.c_str(), ',', buffer.data());
        EXPECT_LE(std::strlen(buffer.data()), DAYMATH_GROUPED_SIZE - 1u);
        for (std::size_t i = DAYMATH_GROUPED_SIZE; i < buffer.size(); ++i) {
            ASSERT_EQ(buffer[i], kGuard) << digits << " digits overflowed";
        }
    }
}

TEST(SeparateThousands, NullArgumentsAreHarmless) {
    char buffer[DAYMATH_GROUPED_SIZE] = "untouched";
    EXPECT_EQ(separate_thousands("12", ',', nullptr), DAYMATH_ERR_NULL);
    EXPECT_EQ(separate_thousands(nullptr, ',', buffer), DAYMATH_ERR_NULL);
    EXPECT_STREQ(buffer, "");
}

}  // namespace
