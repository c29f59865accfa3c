// libFuzzer target for the program's readers: requests one per batch line,
// or CSV records, read from a pipe as from standard input. Bytes 0-2 choose
// the date separator, thousands separator and date order; byte 3 CSV (bit
// 0), a header (bit 1), a column by name (bit 2) and --strict (bit 3); byte
// 4 the column, 1-4. A batch answers each line with exactly
// one line, whatever ends it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string_view>

#include "batch.h"

namespace {

using quillday::cli::Options;

constexpr std::size_t kModeByte = 3;
constexpr std::size_t kInputStart = kModeByte + 2;
constexpr uint8_t kCsvBit = 1;
constexpr uint8_t kHeaderBit = 2;
constexpr uint8_t kNameBit = 4;
constexpr uint8_t kStrictBit = 8;
constexpr std::size_t kColumns = 4;
constexpr std::string_view kSeparators[] = {"-", "/", "."};
constexpr std::string_view kThousands[] = {",", ".", ""};
constexpr datelib::DateOrder kOrders[] = {datelib::DateOrder::YMD, datelib::DateOrder::DMY,
                                          datelib::DateOrder::MDY};

// The lines of a batch input: CR LF, LF and a lone CR each end one, as does
// the end of the input after text.
std::size_t LinesOf(std::string_view input) {
    std::size_t lines = 0;
    bool open = false;
    for (std::size_t i = 0; i < input.size(); ++i) {
        open = input[i] != '\r' && input[i] != '\n';
        lines += open ? 0 : 1;
        i += input.substr(i).starts_with("\r\n") ? 1 : 0;
    }
    return lines + (open ? 1 : 0);
}

// The input as a pipe's read end, as the program reads standard input.
int PipeOf(std::string_view input) {
    int ends[2];
    if (::pipe(ends) != 0 ||
        ::write(ends[1], input.data(), input.size()) != static_cast<ssize_t>(input.size())) {
        std::abort();
    }
    ::close(ends[1]);
    return ends[0];
}

// A fixed today (2012-12-31), for requests without dates.
constexpr int32_t kToday = 2456293;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < kInputStart) {
        return 0;
    }
    Options options;
    options.display = {kOrders[data[2] % std::size(kOrders)],
                       std::string(kSeparators[data[0] % std::size(kSeparators)]),
                       std::string(kThousands[data[1] % std::size(kThousands)])};
    options.todayJdn = kToday;
    const uint8_t mode = data[kModeByte];
    options.mode = (mode & kCsvBit) != 0 ? quillday::cli::Mode::Csv : quillday::cli::Mode::Batch;
    options.header = options.mode == quillday::cli::Mode::Csv && (mode & kHeaderBit) != 0;
    options.columnName = options.header && (mode & kNameBit) != 0 ? "date" : "";
    options.strict = (mode & kStrictBit) != 0;
    options.column = 1 + data[kModeByte + 1] % kColumns;
    const std::string_view input(reinterpret_cast<const char*>(data + kInputStart),
                                 size - kInputStart);
    char* written = nullptr;
    std::size_t length = 0;
    std::FILE* file = ::open_memstream(&written, &length);
    {
        quillday::cli::Output output(file);
        const int descriptor = PipeOf(input);
        quillday::cli::Input in(descriptor, "fuzz input");
        options.mode == quillday::cli::Mode::Csv ? quillday::cli::RunCsv(in, output, options)
                                                 : quillday::cli::RunLines(in, output, options);
        output.Flush();
        ::close(descriptor);
    }
    std::fclose(file);
    const bool checked = options.mode == quillday::cli::Mode::Batch && !options.strict;
    if (checked && LinesOf(input) != LinesOf(std::string_view(written, length))) {
        std::fprintf(stderr, "batch lines and answer lines differ\n");
        std::abort();
    }
    std::free(written);
    return 0;
}
