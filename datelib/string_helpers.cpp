#include "datelib/string_helpers.h"

#include <algorithm>

namespace datelib {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

void KeepChars(std::string& text, std::string_view allowed) {
    // std::find rather than allowed.find: the set is one or two characters,
    // and a library call per character of the text costs more than the test.
    std::erase_if(text, [allowed](char c) {
        return !(c == '-' || IsDigit(c) ||
                 std::find(allowed.begin(), allowed.end(), c) != allowed.end());
    });
}

// One pass that compacts the kept characters to the front; the flags depend
// on what came before, so the order of the walk matters.
void KeepSignedDigits(std::string& text, bool minusAllowed) {
    bool digitKept = false;
    bool plusKept = false;
    bool minusKept = false;
    std::size_t kept = 0;
    for (const char c : text) {
        bool keep = false;
        if (IsDigit(c)) {
            keep = digitKept = true;
        } else if (c == '+' && !digitKept && !plusKept) {
            keep = plusKept = true;
        } else if (c == '-' && minusAllowed && !digitKept && !minusKept) {
            keep = minusKept = true;
        }
        if (keep) {
            text[kept++] = c;
        }
    }
    text.resize(kept);
}

std::size_t CountChar(std::string_view text, char c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

void CutAtNul(std::string& text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos) {
        text.resize(nul);
    }
}

}  // namespace datelib
