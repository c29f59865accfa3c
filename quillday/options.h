// The program's command line: its options, and the display settings they
// choose for the date library and the text table.
#ifndef QUILLDAY_OPTIONS_H
#define QUILLDAY_OPTIONS_H

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "request.h"
#include "texts/gen_text.h"

namespace quillday::cli {

enum class Mode {
    Single,  // one request from the operands
    Batch,   // one request per input line
    Csv,     // one request per CSV record, from one column
};

struct Options {
    Mode mode = Mode::Single;
    bool help = false;
    bool version = false;
    bool strict = false;          // stop at the first invalid request
    bool header = false;          // Csv: the first record names the columns
    std::size_t column = 0;       // Csv: the column to convert, from 1
    std::string_view columnName;  // Csv with a header: the column's name instead
    // How dates and numbers are written and read; the window's defaults.
    datelib::Display display;
    // As --lang gives it; without it the environment's language.
    std::optional<GEN_TEXT::LanguageCode> language;
    // Today's day number, which a request without dates asks for.
    int32_t todayJdn = 0;
    Notations notations;
    // Single: the request's operands; Batch and Csv: the input file, if any.
    std::vector<std::string_view> operands;
};

struct ParsedOptions {
    Options options;
    std::optional<std::string> error;  // a usage error
};

// Reads the arguments after the program's name. Every argument that starts
// with "--" is an option ("--to AN" or "--to=AN"), "-h" is --help, and "--"
// ends the options: every later argument is an operand. Returns a usage
// error for an unknown option or value, a missing value, a word that starts
// with "-" and can be no operand ("-to"; "-10" and "-43-03-15" are
// operands), --batch with --csv, --header without --csv, a column name
// without --header, or more than one input file.
ParsedOptions ParseOptions(std::span<const std::string_view> arguments);

// A request that holds what every request of the run shares: the display,
// the language (English unless chosen) and today's day number.
ComputeRequest RunRequest(const Options& options);

}  // namespace quillday::cli

#endif
