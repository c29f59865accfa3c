// The key filters of the date fields and the days field.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "compute/key_filter.h"

namespace quillday {

namespace {

// Rows: date field (else days field), key, text length, extra characters,
// accepted. The field holds at most kLimit typed characters.
TEST(KeyFilters, AcceptFieldCharactersUpToTheLimitAndControlKeysAlways) {
    constexpr std::size_t kLimit = kMaxTypedLength;
    const std::tuple<bool, char32_t, std::size_t, std::string, bool> cases[] = {
        {true, U'a', 0, "-", false},
        {true, U'(', 0, "-", true},
        {true, U'/', 3, "/", true},
        {true, U'/', 3, ".", false},
        {true, U'7', kLimit, "-", false},
        {true, U'7', kLimit + 5, "-", true},
        {true, 8, kLimit, "-", true},
        {true, 3, kLimit, "-", true},
        {true, 22, kLimit + 5, "-", true},
        {false, 24, kLimit, "-", true},
        {true, U'\u00E9', 0, "\xC3\xA9", false},
        {false, U',', 0, ",", true},
        {false, U'(', 0, ",", false},
        {false, U'-', 0, "", true},
    };
    for (const auto& [dateField, key, length, extra, accepted] : cases) {
        EXPECT_EQ(dateField ? AcceptDateKey(key, length, kLimit, extra)
                            : AcceptDayCountKey(key, length, kLimit, extra),
                  accepted)
            << "key " << static_cast<uint32_t>(key) << " length " << length << " date field "
            << dateField;
    }
}

}  // namespace

}  // namespace quillday
