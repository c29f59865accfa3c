// The line end of text the program writes for the user to read or paste:
// the output window, messages and the clipboard.
#ifndef TEXTS_LINE_END_H
#define TEXTS_LINE_END_H

#include <string_view>

namespace quillday {

#if defined(_WIN32)
inline constexpr std::string_view kLineEnd = "\r\n";
#else
inline constexpr std::string_view kLineEnd = "\n";
#endif

}  // namespace quillday

#endif
