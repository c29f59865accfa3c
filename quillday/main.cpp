// quillday: the window's conversions and differences from a terminal, one
// request from the command line or one per line of an input.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "batch.h"
#include "datelib/engine.h"
#include "operand_rules.h"
#include "options.h"
#include "program_messages.h"
#include "request.h"
#include "stream_io.h"

namespace {

using namespace quillday::cli;

constexpr int kAllWell = 0;
constexpr int kRequestFailed = 1;
constexpr int kUsageError = 2;
constexpr std::string_view kStandardInputName = "-";
constexpr std::string_view kStandardInputWords = "standard input";

constexpr const char* kHelp = R"help(Usage: quillday [OPTION]... [--] [DATE [DATE | +DAYS | -DAYS]]
       quillday --batch [OPTION]... [FILE]
       quillday --csv COLUMN [--header] [OPTION]... [FILE]
Converts a date into another notation, adds days to it, or gives the days,
years, months and days between two dates: the lines of the Quillday window.
Without a date, converts today's date.

  --from NOTATION   notation of the first date; a second --from names the
                    second date's (else both dates share the first)
  --to NOTATION     notation of the answer for a single date
                    NOTATION: CE, JC, AN, JDN or DIY (yyyyddd); default CE
  --order ORDER     ymd (default), dmy or mdy
  --separator SEP   date separator: - (default), . or /
  --thousands SEP   thousands separator: , (default), . or none
  --lang LANG       en, de or es; default from LC_ALL, LC_MESSAGES, LANG
  --batch           one request per line of FILE or standard input
  --csv COLUMN      convert column COLUMN of CSV input, a number from 1
                    (or with --header a name); the answer is appended
                    as a new last column
  --header          the first CSV record names the columns; it gets the
                    answers' column, named after the --to notation
  --strict          stop at the first invalid request
  -h, --help        show this help and end
  --version         show the version and end
  --                end of the options: every later argument is an operand

A date holds digits, blanks, "-", ",", ".", "(", ")" and the date separator
only. A day number (JDN) or day count is digits, with the thousands
separator only between groups of three (2,456,293); no fraction, exponent
or base prefix. A later operand that begins with +, or with - and a digit
followed by digits, "," and "." only, is the day count (+10, -10, -1,000);
a plain 10 would be a second date. A second date that would look like a day
count goes in parentheses: a negative day number, '(-1000)' (not with the
date separator -), or, with the separator ., a negative year in front,
'(-43).03.15'. Other dates need none: -43-03-15, or 15-03--43 in dmy order.
In batch and CSV runs, LF, CR LF and CR end lines.
Exit status: 0 all went well, 1 a request was invalid or out of range, or
the input could not be read or the output not written; 2 usage error.

Examples:
  $ quillday 2012-12-31 +10
  2012-12-31 CE plus 10 days = 2013-01-10 CE, Thursday
  $ quillday 2012-01-01 -43-03-15
  -43-03-15 CE minus 2012-01-01 CE = -750,500 days
  $ quillday --separator . 2012.01.01 '(-43).03.15'
  -43.03.15 CE minus 2012.01.01 CE = -750,500 days
  $ quillday --from JDN --separator / 0 '(-1000)'
  -1,000 JDN minus 0 JDN = -1,000 days
See quillday(1).
)help";

void Complain(const std::string& message) {
    std::fprintf(stderr, "quillday: %s\n", message.c_str());
}

bool ReadsStandardInput(const Options& options) {
    return options.operands.empty() || options.operands.front() == kStandardInputName;
}

// The input file of a batch run, as messages name it.
std::string InputName(const Options& options) {
    return ReadsStandardInput(options) ? std::string(kStandardInputWords)
                                       : std::string(options.operands.front());
}

// Opens the input of a batch run: the named file, or standard input.
int OpenInput(const Options& options) {
    if (ReadsStandardInput(options)) {
        return StandardInput();
    }
    const std::string path(options.operands.front());
    std::string reason;
    const int descriptor = OpenForReading(path, reason);
    if (descriptor < 0) {
        Complain(Say(ProgramMessage::CannotOpen, path) + ": " + reason);
    }
    return descriptor;
}

void ComplainOfUsage(const std::string& message) {
    Complain(message + " (quillday --help lists the options)");
}

int RunSingle(const Options& options, Output& output) {
    for (const std::string_view operand : options.operands) {
        if (const std::optional<std::string> fault = TextFault(operand)) {
            Complain(*fault);
            return kRequestFailed;
        }
    }
    // The options are read: every operand is one, whatever it starts with.
    std::vector<std::string_view> words{kEndOfOptions};
    words.insert(words.end(), options.operands.begin(), options.operands.end());
    quillday::ComputeRequest request = RunRequest(options);
    if (const std::optional<RequestFault> fault = ReadRequest(words, options.notations, request)) {
        if (fault->isUsage) {
            ComplainOfUsage(fault->message);
            return kUsageError;
        }
        Complain(fault->message);
        return kRequestFailed;
    }
    const RequestAnswer answer = AnswerRequest(std::move(request));
    if (!answer.line.empty()) {
        output.Write(answer.line);
        output.Put('\n');
    }
    if (!answer.error.empty()) {
        Complain(answer.error);
        return kRequestFailed;
    }
    return kAllWell;
}

int RunBatch(const Options& options, Output& output) {
    const int descriptor = OpenInput(options);
    if (descriptor < 0) {
        return kRequestFailed;
    }
    Input input(descriptor, InputName(options));
    const bool allWell = options.mode == Mode::Csv ? RunCsv(input, output, options)
                                                   : RunLines(input, output, options);
    return allWell ? kAllWell : kRequestFailed;
}

// Loads the engine as the window does; says why when it cannot.
bool EngineLoads() {
    try {
        datelib::Engine();
        return true;
    } catch (const datelib::EngineLoadError& error) {
        Complain(error.what());
        return false;
    }
}

int Run(const Options& options) {
    if (!EngineLoads()) {
        return kRequestFailed;
    }
    Output output(stdout);
    const int status =
        options.mode == Mode::Single ? RunSingle(options, output) : RunBatch(options, output);
    if (!output.Flush()) {
        Complain(Say(ProgramMessage::CannotWrite, output.WriteError()));
        return kRequestFailed;
    }
    return status;
}

// Writes the text of --help or --version, and says so when it cannot.
int WriteAndEnd(std::string_view text) {
    Output output(stdout);
    output.Write(text);
    if (!output.Flush()) {
        Complain(Say(ProgramMessage::CannotWrite, output.WriteError()));
        return kRequestFailed;
    }
    return kAllWell;
}

// The language of --lang, else the environment's.
GEN_TEXT::LanguageCode ChosenLanguage(const Options& options) {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string_view(value != nullptr ? value : "");
    };
    return options.language.value_or(
        LanguageOfLocale(variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")));
}

}  // namespace

int main(int argc, char** argv) {
    KeepStandardStreamsBinary();
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParsedOptions parsed = ParseOptions(arguments);
    if (parsed.error) {
        ComplainOfUsage(*parsed.error);
        return kUsageError;
    }
    Options options = parsed.options;
    if (options.help) {
        return WriteAndEnd(kHelp);
    }
    if (options.version) {
        return WriteAndEnd(std::string("quillday ") + QUILLDAY_VERSION + "\n");
    }
    options.language = ChosenLanguage(options);
    try {
        options.todayJdn = datelib::LocalDateJdn(datelib::SystemLocalDate());
        return Run(options);
    } catch (const std::exception& error) {
        Complain(error.what());
        return kRequestFailed;
    }
}
