// The program's own messages: usage errors and faults of input lines. The
// messages about dates and results are the window's (compute/input_messages.h).
// They are English only, as the options they explain.
#ifndef QUILLDAY_PROGRAM_MESSAGES_H
#define QUILLDAY_PROGRAM_MESSAGES_H

#include <string>
#include <string_view>

namespace quillday::cli {

enum class ProgramMessage {
    UnknownOption,
    MissingValue,
    BadNotation,
    BadOrder,
    BadSeparator,
    BadThousands,
    BadLanguage,
    BadColumn,
    TooManyFrom,
    TooManyDates,
    TooManyDayCounts,
    TooManyFiles,
    BatchAndCsv,
    RequestOptionOnly,
    CannotOpen,
    CannotRead,
    CannotWrite,
    NulByte,
    NotUtf8,
    LineTooLong,
    NoColumn,
    OpenQuote,
};

// The message with its one detail (an option, a value, a path) put in.
// Example: UnknownOption, "--tu" gives "unknown option --tu".
std::string Say(ProgramMessage message, std::string_view detail = {});

}  // namespace quillday::cli

#endif
