#include "compute/key_filter.h"

#include <algorithm>
#include <array>

namespace quillday {

namespace {

constexpr std::string_view kDateKeys = "1234567890- ,.()";
constexpr std::string_view kDayCountKeys = "1234567890-";
// Backspace, and Ctrl+C, Ctrl+V and Ctrl+X as the keys' control codes.
constexpr std::array<char32_t, 4> kControlKeys{8, 3, 22, 24};
constexpr char32_t kLastAsciiCode = 127;

bool AcceptKey(char32_t key, std::size_t length, std::size_t limit, std::string_view fieldKeys,
               std::string_view extra) {
    if (std::find(kControlKeys.begin(), kControlKeys.end(), key) != kControlKeys.end()) {
        return true;
    }
    // Only typing stops at the limit; a longer text, which only pasting makes, takes further keys.
    if (length == limit || key > kLastAsciiCode) {
        return false;
    }
    const char c = static_cast<char>(key);
    return fieldKeys.find(c) != std::string_view::npos || extra.find(c) != std::string_view::npos;
}

}  // namespace

bool AcceptDateKey(char32_t key, std::size_t length, std::size_t limit, std::string_view extra) {
    return AcceptKey(key, length, limit, kDateKeys, extra);
}

bool AcceptDayCountKey(char32_t key, std::size_t length, std::size_t limit,
                       std::string_view extra) {
    return AcceptKey(key, length, limit, kDayCountKeys, extra);
}

}  // namespace quillday
