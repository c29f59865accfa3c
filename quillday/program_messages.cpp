#include "program_messages.h"

#include <array>

namespace quillday::cli {

namespace {

constexpr std::string_view kDetailMark = "{}";

// clang-format off
constexpr std::array<std::string_view, static_cast<std::size_t>(ProgramMessage::OpenQuote) + 1>
    kMessages = {
    "unknown option {}",
    "the option {} needs a value",
    "unknown notation '{}' (CE, JC, AN, JDN or DIY)",
    "unknown date order '{}' (ymd, dmy or mdy)",
    "unknown date separator '{}' (-, . or /)",
    "unknown thousands separator '{}' (',', '.' or none)",
    "unknown language '{}' (en, de or es)",
    "the column of --csv is a number from 1, not '{}'",
    "at most two --from: one for each date",
    "more than two dates: '{}'",
    "more than one day count: '{}'",
    "more than one input file: '{}'",
    "--batch and --csv exclude each other",
    "only --from and --to may stand in a request, not {}",
    "cannot open {}",
    "cannot read the input: {}",
    "cannot write the output",
    "the request holds a NUL byte",
    "the request is not UTF-8 text",
    "the line is longer than {} bytes",
    "the record has no column {}",
    "a quoted field is not closed at the end of the input",
};
// clang-format on

}  // namespace

std::string Say(ProgramMessage message, std::string_view detail) {
    std::string text(kMessages[static_cast<std::size_t>(message)]);
    const std::size_t mark = text.find(kDetailMark);
    if (mark != std::string::npos) {
        text.replace(mark, kDetailMark.size(), detail);
    }
    return text;
}

}  // namespace quillday::cli
