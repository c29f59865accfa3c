// Batch runs: requests from an input, one per line or one per CSV record,
// each answered as it is read. An invalid request is reported on standard
// error with its line number and answered empty; the run goes on unless
// strict.
#ifndef QUILLDAY_BATCH_H
#define QUILLDAY_BATCH_H

#include <cstddef>
#include <string>
#include <string_view>

#include "options.h"
#include "stream_io.h"

namespace quillday::cli {

// Requests and CSV cells longer than this are refused unread; a date is
// never near it.
inline constexpr std::size_t kMaxRequestLength = 64 * 1024;
// So a line held whole in the input's buffer is never too long.
static_assert(Input::kBufferSize - 1 <= kMaxRequestLength);

// Answers each line of the input with one line: the window's line, or an
// empty line for a blank or invalid line. Returns true when every request
// was answered without an error message.
bool RunLines(Input& input, Output& output, const Options& options);

// Copies each CSV record (RFC 4180: quoted fields, "" for a quote, line
// breaks within quotes) unchanged, with one field appended: the answer to
// the text of column options.column. The line end of each record is kept
// (CR LF or LF); a missing final one becomes that of the record before, or
// LF. A blank line stays blank. A quoted field that the input leaves open is
// closed with a quote before the answer. Returns as RunLines.
bool RunCsv(Input& input, Output& output, const Options& options);

// Reports the error of an input line on standard error:
// "quillday: line 7: First date is not valid in calendar specified."
void ReportLineError(std::size_t line, std::string_view message);

// True when the input was read to its end; otherwise reports the read error.
bool ReadWentWell(const Input& input);

// The answer to a request longer than kMaxRequestLength: no line, an error.
RequestAnswer TooLongAnswer();

// The text as a CSV field: in quotes, with its quotes doubled, when it holds
// a comma, a quote or a line break.
std::string CsvField(std::string_view text);

}  // namespace quillday::cli

#endif
