// libFuzzer target for the window's settings-file reader: whatever the file
// holds, the reader keeps to its bounds, and settings it reads write back
// and read again as the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto settings =
        quillday::ParseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!settings) {
        return 0;
    }
    // Seven 16-bit numbers, without padding: compared as bytes.
    const auto again = quillday::ParseSettings(quillday::FormatSettings(*settings));
    if (!again || std::memcmp(&*settings, &*again, sizeof(quillday::SavedSettings)) != 0) {
        std::fprintf(stderr, "settings do not read back\n");
        std::abort();
    }
    return 0;
}
