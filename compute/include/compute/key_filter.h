// The keys the date fields and the days field take as they are typed: the
// window filters its keys with it, and the command line refuses operands
// with characters no field would take.
#ifndef COMPUTE_KEY_FILTER_H
#define COMPUTE_KEY_FILTER_H

#include <cstddef>
#include <string_view>

namespace quillday {

// The window's fields take this many characters from the keyboard; pasting
// may make a text longer.
inline constexpr std::size_t kMaxTypedLength = 18;

// True when a key may go into a date field of the given text length:
// always for the control codes 8 (backspace), 3 (copy), 22 (paste) and
// 24 (cut); otherwise false when the length equals the limit (a longer
// text, which only pasting makes, takes further keys), else true exactly for
// "1234567890- ,.()" and the extra characters (the date separator). Only
// ASCII extra characters count.
bool AcceptDateKey(char32_t key, std::size_t length, std::size_t limit, std::string_view extra);

// As AcceptDateKey for the days field, whose characters are "1234567890-"
// and the extra characters (the thousands separator).
bool AcceptDayCountKey(char32_t key, std::size_t length, std::size_t limit, std::string_view extra);

}  // namespace quillday

#endif
