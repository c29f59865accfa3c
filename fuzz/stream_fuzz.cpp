// libFuzzer target for the program's input readers: a batch read line by
// line, or CSV read record by record, from a pipe. After the display
// settings (fuzz_settings.h), byte 4 chooses CSV (bit 0), a header (bit 1),
// a column by name (bit 2) and --strict (bit 3); byte 5 the column, 1-4.
// A batch answers each line with exactly one line, whatever ends it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "batch.h"
#include "fuzz_settings.h"

namespace {

constexpr std::size_t kModeByte = fuzzing::kSettingBytes;
constexpr std::size_t kColumnByte = kModeByte + 1;
constexpr std::size_t kInputStart = kColumnByte + 1;
constexpr uint8_t kCsvBit = 1;
constexpr uint8_t kHeaderBit = 2;
constexpr uint8_t kNameBit = 4;
constexpr uint8_t kStrictBit = 8;
constexpr std::size_t kColumns = 4;

// The lines of a batch input: CR LF, LF and a lone CR each end one, as does
// the end of the input after text.
std::size_t LinesOf(std::string_view input) {
    std::size_t lines = 0;
    bool open = false;
    for (std::size_t i = 0; i < input.size(); ++i) {
        const bool ends = input[i] == '\r' || input[i] == '\n';
        lines += ends ? 1 : 0;
        open = !ends;
        if (input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n') {
            ++i;
        }
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < kInputStart) {
        return 0;
    }
    quillday::cli::Options options = fuzzing::OptionsOf(data);
    const uint8_t mode = data[kModeByte];
    options.header = (mode & kHeaderBit) != 0;
    options.strict = (mode & kStrictBit) != 0;
    options.column = 1 + data[kColumnByte] % kColumns;
    options.columnName = options.header && (mode & kNameBit) != 0 ? "date" : "";
    const std::string_view input(reinterpret_cast<const char*>(data + kInputStart),
                                 size - kInputStart);
    char* written = nullptr;
    std::size_t length = 0;
    std::FILE* file = ::open_memstream(&written, &length);
    {
        quillday::cli::Output output(file);
        quillday::cli::Input in(PipeOf(input), "fuzz input");
        const bool csv = (mode & kCsvBit) != 0;
        csv ? quillday::cli::RunCsv(in, output, options)
            : quillday::cli::RunLines(in, output, options);
        output.Flush();
        std::fclose(file);
        const std::string_view out(written, length);
        if (!csv && !options.strict && LinesOf(input) != LinesOf(out)) {
            std::fprintf(stderr, "%zu lines answered with %zu\n", LinesOf(input), LinesOf(out));
            std::abort();
        }
    }
    std::free(written);
    return 0;
}
