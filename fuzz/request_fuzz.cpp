// libFuzzer target for the program's request reader: one line of a batch,
// read and answered under the display settings that the first bytes choose.
// Whatever the line, the answer is at most one line, and its message shows
// no control character.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz_settings.h"
#include "request.h"

namespace {

bool HoldsControl(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < ' ' && c != '\t') {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < fuzzing::kSettingBytes) {
        return 0;
    }
    const quillday::cli::Options options = fuzzing::OptionsOf(data);
    const std::string_view line(reinterpret_cast<const char*>(data + fuzzing::kSettingBytes),
                                size - fuzzing::kSettingBytes);
    quillday::cli::RequestRoom room;
    const quillday::cli::RequestAnswer& answer =
        quillday::cli::AnswerText(line, options.notations, options.display.order, room);
    if (answer.line.find_first_of("\r\n") != std::string_view::npos || HoldsControl(answer.error)) {
        std::fprintf(stderr, "answer of more than one line, or a control character shown\n");
        std::abort();
    }
    return 0;
}
