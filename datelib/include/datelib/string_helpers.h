// Character-level helpers on which the date and number parsing rests
// (module StrProc). They compare bytes by their code: case-sensitive, no
// locale, and a character outside ASCII is simply a byte that is not in the
// set. None allocates beyond the string it edits.
#ifndef DATELIB_STRING_HELPERS_H
#define DATELIB_STRING_HELPERS_H

#include <cstddef>
#include <string>
#include <string_view>

namespace datelib {

// Removes from text every character that is not "-", a digit "0"-"9" or one
// of the allowed characters; kept characters keep their order.
// Example: "(-44)-03-15" with allowed "/" becomes "-44-03-15".
void KeepChars(std::string& text, std::string_view allowed);

// Keeps the digits "0"-"9" and, before the first digit, at most one "+" and
// (when minusAllowed) at most one "-", in either order; removes everything
// else. Examples: "-1,234" becomes "-1234", "12-34" becomes "1234", "--5"
// becomes "-5", and "-5" with minusAllowed false becomes "5".
void KeepSignedDigits(std::string& text, bool minusAllowed);

// Returns the number of places in text that hold c.
// Example: "-" in "15-03--44" gives 3.
std::size_t CountChar(std::string_view text, char c);

// Cuts text before its first NUL character; a text without one is unchanged.
void CutAtNul(std::string& text);

}  // namespace datelib

#endif
