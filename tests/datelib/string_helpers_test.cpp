#include "datelib/string_helpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

struct KeepCase {
    std::string text;
    std::string allowed;
    std::string expected;
};

TEST(KeepChars, KeepsDashDigitsAndAllowedOnly) {
    const KeepCase cases[] = {
        {"(-44)-03-15", "/", "-44-03-15"},
        {"1,234", ",", "1,234"},
        {"2004 / 05 / 07", "-", "20040507"},
        {"a1b2c3", "", "123"},
        {"\xC3\xA9"
         "12",
         "", "12"},  // a character outside ASCII goes byte by byte
        {"1\0"
         "2"s,
         "", "12"},
        {"", "/", ""},
    };
    for (const KeepCase& c : cases) {
        std::string text = c.text;
        datelib::KeepChars(text, c.allowed);
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

struct SignedCase {
    std::string text;
    bool minusAllowed;
    std::string expected;
};

TEST(KeepSignedDigits, KeepsOneSignOfEachKindBeforeTheFirstDigit) {
    const SignedCase cases[] = {
        {"-1,234", true, "-1234"}, {"12-34", true, "1234"}, {"--5", true, "-5"},
        {"-5", false, "5"},        {"", true, ""},          {"+-5", true, "+-5"},
        {"-+5", true, "-+5"},      {"++5+", true, "+5"},    {"1+2", true, "12"},
        {"+", true, "+"},
    };
    for (const SignedCase& c : cases) {
        std::string text = c.text;
        datelib::KeepSignedDigits(text, c.minusAllowed);
        EXPECT_EQ(text, c.expected) << c.text << " minus allowed " << c.minusAllowed;
    }
}

TEST(CountChar, CountsEveryPlace) {
    EXPECT_EQ(datelib::CountChar("15-03--44", '-'), 3u);
    EXPECT_EQ(datelib::CountChar("", '-'), 0u);
}

TEST(CutAtNul, CutsBeforeTheFirstNulOnly) {
    std::string buffer = "1,234\0 \0   "s;
    datelib::CutAtNul(buffer);
    EXPECT_EQ(buffer, "1,234");
    std::string plain = "1,234";
    datelib::CutAtNul(plain);
    EXPECT_EQ(plain, "1,234");
}

}  // namespace
