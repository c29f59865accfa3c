#include "program_messages.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "texts/line_end.h"
#include "utf8.h"

namespace quillday::cli {

namespace {

constexpr std::string_view kDetailMark = "{}";
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
// UTF-8 writes the C1 controls U+0080-U+009F as C2 80 - C2 9F.
constexpr unsigned char kC1Lead = 0xC2;
constexpr unsigned char kLastC1Second = 0x9F;
constexpr std::size_t kEscapeRoom = 8;

// clang-format off
constexpr std::array<std::string_view, static_cast<std::size_t>(ProgramMessage::CountWithoutSign) + 1>
    kMessages = {
    "unknown option {}",
    "the option {} needs a value",
    "unknown notation '{}' (CE, JC, AN, JDN or DIY)",
    "unknown date order '{}' (ymd, dmy or mdy)",
    "unknown date separator '{}' (-, . or /)",
    "unknown thousands separator '{}' (',', '.' or none)",
    "unknown language '{}' (en, de or es)",
    "the column of --csv is a number from 1 or, with --header, a name, not '{}'",
    "--csv names column '{}' by its name only with --header",
    "--header goes with --csv",
    "at most two --from: one for each date",
    "more than two dates: '{}'",
    "more than one day count: '{}'",
    "more than one input file: '{}'",
    "--batch and --csv exclude each other",
    "only --from and --to may stand in a request, not {}",
    "cannot open {}",
    "cannot read {}: {}",
    "cannot write the output: {}",
    "the request holds a NUL byte",
    "the request is not UTF-8 text",
    "the line is longer than {} bytes",
    "the cell is longer than {} bytes",
    "the record has no column {}",
    "the header has no column '{}'",
    "a quoted field is not closed at the end of the input",
    "'{}' cannot stand in the {} '{}'",
    "day numbers are whole days: the {} '{}' is a Julian date within day number {}",
    "a day count is a whole number of days, not '{}'",
    "the {} '{}' is not digits with '{}' only between groups of three",
    "the {} '{}' is not a whole number of digits alone",
    " (a day count is written +{})",
};

// The window's messages whose words name its fields, as the command line
// says them.
struct Reworded {
    InputMessageId id;
    GEN_TEXT::LanguageCode language;
    std::string_view text;
};
constexpr std::array<Reworded, 9> kReworded{{
    {InputMessageId::BothDatesNeedEmptyDifference, GEN_TEXT::English, "If both the first date and the second date are given, no day count may be given."},
    {InputMessageId::BothDatesNeedEmptyDifference, GEN_TEXT::German, "Wenn sowohl Erstes als auch Zweites Datum angegeben sind, darf keine Anzahl Tage angegeben sein."},
    {InputMessageId::BothDatesNeedEmptyDifference, GEN_TEXT::Spanish, "Si ambas, la primera y la segunda fechas, son especificadas, no se puede indicar un número de días."},
    {InputMessageId::DifferenceNotValid, GEN_TEXT::English, "Day count is not valid."},
    {InputMessageId::DifferenceNotValid, GEN_TEXT::German, "Anzahl Tage ist nicht zulässig."},
    {InputMessageId::DifferenceNotValid, GEN_TEXT::Spanish, "Número de días no es válido."},
    {InputMessageId::DifferenceOutOfRange, GEN_TEXT::English, "Day count is out of range."},
    {InputMessageId::DifferenceOutOfRange, GEN_TEXT::German, "Anzahl Tage ist ausserhalb des erlaubten Bereichs."},
    {InputMessageId::DifferenceOutOfRange, GEN_TEXT::Spanish, "Número de días está fuera de rango."},
}};
// clang-format on

bool IsBlankOrLineEnd(char c) {
    return c == ' ' || kLineEnd.find(c) != std::string_view::npos;
}

// Runs of blanks and line ends as one blank, none at either end.
std::string SingleBlanks(std::string_view text) {
    std::string line;
    for (const char c : text) {
        if (!IsBlankOrLineEnd(c)) {
            line += c;
        } else if (!line.empty() && line.back() != ' ') {
            line += ' ';
        }
    }
    if (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

void AppendEscape(std::string& text, const char* format, unsigned code) {
    std::array<char, kEscapeRoom> escape{};
    std::snprintf(escape.data(), escape.size(), format, code);
    text += escape.data();
}

}  // namespace

std::string Say(ProgramMessage message, std::string_view detail) {
    return Say(message, {detail});
}

std::string Say(ProgramMessage message, std::initializer_list<std::string_view> details) {
    std::string text(kMessages[static_cast<std::size_t>(message)]);
    std::size_t mark = text.find(kDetailMark);
    for (const std::string_view detail : details) {
        if (mark == std::string::npos) {
            break;
        }
        const std::string shown = Escaped(detail);
        text.replace(mark, kDetailMark.size(), shown);
        mark = text.find(kDetailMark, mark + shown.size());
    }
    return text;
}

std::string Escaped(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8Length(text, at);
        const auto code = static_cast<unsigned char>(text[at]);
        const auto second = length == 2 ? static_cast<unsigned char>(text[at + 1]) : 0U;
        if (length == 0 || (length == 1 && (code < kFirstPrintable || code == kDelete))) {
            AppendEscape(shown, "\\x%02x", code);
        } else if (code == kC1Lead && second <= kLastC1Second) {
            AppendEscape(shown, "\\u%04x", second);
        } else {
            shown.append(text.substr(at, length));
        }
        at += std::max<std::size_t>(length, 1);
    }
    return shown;
}

std::string CommandLineMessage(InputMessageId id, GEN_TEXT::LanguageCode language) {
    const auto* reworded = std::find_if(kReworded.begin(), kReworded.end(), [&](const auto& r) {
        return r.id == id && r.language == language;
    });
    if (reworded != kReworded.end()) {
        return std::string(reworded->text);
    }
    return SingleBlanks(InputMessage(id, language));
}

}  // namespace quillday::cli
