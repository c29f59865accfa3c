// libFuzzer target for the window's settings-file reader: whatever the file
// holds, the reader keeps to its bounds, and settings it reads write back
// and read again as the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "settings_file.h"

namespace {

bool Same(const quillday::SavedSettings& a, const quillday::SavedSettings& b) {
    return a.language == b.language && a.dateOrder == b.dateOrder &&
           a.dateSeparator == b.dateSeparator && a.thousandsSeparator == b.thousandsSeparator &&
           a.todayNotation == b.todayNotation && a.firstNotation == b.firstNotation &&
           a.secondNotation == b.secondNotation;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto settings = quillday::ParseSettings(text);
    if (!settings) {
        return 0;
    }
    const auto again = quillday::ParseSettings(quillday::FormatSettings(*settings));
    if (!again || !Same(*settings, *again)) {
        std::fprintf(stderr, "settings do not read back\n");
        std::abort();
    }
    return 0;
}
