// The program's own messages: usage errors and faults of input lines, and
// the window's messages as the command line words them. The program's own
// messages are English only, as the options they explain.
#ifndef QUILLDAY_PROGRAM_MESSAGES_H
#define QUILLDAY_PROGRAM_MESSAGES_H

#include <initializer_list>
#include <string>
#include <string_view>

#include "compute/input_messages.h"

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
    ColumnNameWithoutHeader,
    HeaderWithoutCsv,
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
    CellTooLong,
    NoColumn,
    NoColumnNamed,
    OpenQuote,
    ForeignCharacter,
    JulianDate,
    FractionOfDays,
    BadGrouping,
    NotDigits,
    CountWithoutSign,
};

// The message with its details (an option, a value, a path) put in for its
// marks in turn; control characters in them are shown escaped, so that no
// input reaches the terminal as a command. Example: UnknownOption, "--tu"
// gives "unknown option --tu".
std::string Say(ProgramMessage message, std::string_view detail = {});
std::string Say(ProgramMessage message, std::initializer_list<std::string_view> details);

// The text with every control character (C0, DEL, C1) and every byte that
// is no part of UTF-8 text written as \xNN, or \uNNNN for C1 characters.
// Example: "a\x1b[2J" gives "a\\x1b[2J".
std::string Escaped(std::string_view text);

// The window's message as one line for the command line: its lines joined,
// runs of blanks made one, no blank at either end, and the window's words
// for its fields ("date difference window") put as the command line's.
std::string CommandLineMessage(InputMessageId id, GEN_TEXT::LanguageCode language);

}  // namespace quillday::cli

#endif
