// UTF-8 text as the program checks it: what it reads must be UTF-8, and
// what it echoes from its input is shown character by character.
#ifndef QUILLDAY_UTF8_H
#define QUILLDAY_UTF8_H

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace quillday::cli {

// ASCII without a NUL byte: what nearly every request is. Inline, as it is
// asked of every request.
inline bool IsPlainAscii(std::string_view text) {
    constexpr unsigned char kLastAscii = 0x7F;
    return std::all_of(text.begin(), text.end(), [](char c) {
        return c != '\0' && static_cast<unsigned char>(c) <= kLastAscii;
    });
}

// The length of the UTF-8 sequence that starts at text[i], 0 for none: a
// byte that starts no sequence, or a sequence cut short or overlong.
std::size_t Utf8Length(std::string_view text, std::size_t i);

bool IsUtf8(std::string_view text);

}  // namespace quillday::cli

#endif
