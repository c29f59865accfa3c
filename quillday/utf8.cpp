#include "utf8.h"

#include <algorithm>
#include <array>

namespace quillday::cli {

namespace {

// The UTF-8 lead bytes: the length of their sequence and the range of its
// second byte, which leaves out overlong forms, surrogates and code points
// beyond U+10FFFF. ASCII bytes stand alone.
struct Utf8Lead {
    unsigned char first;
    unsigned char last;
    std::size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};
constexpr std::array<Utf8Lead, 8> kUtf8Leads{{
    {0xC2, 0xDF, 2, 0x80, 0xBF},
    {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF},
    {0xF4, 0xF4, 4, 0x80, 0x8F},
}};
constexpr unsigned char kLastAscii = 0x7F;
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationMark = 0x80;

unsigned char Byte(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

}  // namespace

std::size_t Utf8Length(std::string_view text, std::size_t i) {
    const unsigned char lead = Byte(text, i);
    if (lead <= kLastAscii) {
        return 1;
    }
    const auto* found = std::find_if(kUtf8Leads.begin(), kUtf8Leads.end(), [lead](const auto& l) {
        return lead >= l.first && lead <= l.last;
    });
    if (found == kUtf8Leads.end() || i + found->length > text.size() ||
        Byte(text, i + 1) < found->secondLow || Byte(text, i + 1) > found->secondHigh) {
        return 0;
    }
    for (std::size_t k = 2; k < found->length; ++k) {
        if ((Byte(text, i + k) & kContinuationMask) != kContinuationMark) {
            return 0;
        }
    }
    return found->length;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

}  // namespace quillday::cli
