// CSV runs: each record copied as it is read, with the answer appended.
#include "batch.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "program_messages.h"

namespace quillday::cli {

namespace {

constexpr std::string_view kLf = "\n";
constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kCrOnly = "\r";
constexpr char kQuote = '"';
constexpr char kComma = ',';
constexpr char kCr = '\r';
constexpr char kLfChar = '\n';
constexpr std::string_view kCsvSpecials = ",\"\r\n";

// Keeps the text of every column: for the header.
constexpr std::size_t kAllColumns = 0;

// One CSV record as it was copied: what the runner needs to answer it.
struct CsvRecord {
    std::size_t lines = 0;           // line ends read, within quotes and at its end
    std::size_t fields = 0;          // 0 for a blank line
    std::string cell;                // the unquoted text of the column
    std::vector<std::string> cells;  // with kAllColumns: the text of each column
    bool cellTooLong = false;
    bool openQuote = false;    // the input ended within quotes
    std::string_view lineEnd;  // "\r\n", "\n", "\r", or empty at the end of the input
    bool endsCrLf = false;     // the last record's CR had its LF after it
};

// Reads one record byte by byte, copying every byte but its line end to the
// output, and keeps the text of one column. A CR outside quotes ends a
// record at once; an LF just after it is copied at the next record.
class CsvReader {
  public:
    CsvReader(Input& input, Output& output, std::size_t column)
        : input_(input), output_(output), column_(column) {}

    // Reads the next record; false when the input has none left.
    bool Next(CsvRecord& record);

    // The column whose text the next records keep, from 1, or kAllColumns.
    void KeepColumn(std::size_t column) { column_ = column; }

  private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    bool InQuotes() const { return state_ == State::Quoted; }
    void Keep(char c);
    void KeepInHeader(char c);
    void Take(char c);  // a byte that is not a line end
    void TakeUnquoted(char c);

    Input& input_;
    Output& output_;
    std::size_t column_;
    CsvRecord* record_ = nullptr;
    State state_ = State::FieldStart;
    bool lfAfterCrPending_ = false;
    std::size_t headerBytes_ = 0;  // the bytes of header cells kept
};

bool CsvReader::Next(CsvRecord& record) {
    record = CsvRecord{};
    record_ = &record;
    state_ = State::FieldStart;
    int c = input_.Get();
    if (std::exchange(lfAfterCrPending_, false) && c == kLfChar) {
        output_.Put(kLfChar);
        record.endsCrLf = true;
        c = input_.Get();
    }
    if (c == Input::kEnd) {
        return false;
    }
    for (; c != Input::kEnd; c = input_.Get()) {
        const char byte = static_cast<char>(c);
        if ((byte == kLfChar || byte == kCr) && !InQuotes()) {
            ++record.lines;
            record.lineEnd = byte == kCr ? kCrOnly : kLf;
            lfAfterCrPending_ = byte == kCr;
            break;
        }
        Take(byte);
    }
    record.openQuote = InQuotes();
    return true;
}

// The header's cells are names to look a column up by. They are kept up to
// kMaxRequestLength cells and bytes in all, so that a header without end
// cannot fill the memory; a name beyond that names no column.
void CsvReader::KeepInHeader(char c) {
    if (record_->fields > kMaxRequestLength || headerBytes_ >= kMaxRequestLength) {
        return;
    }
    record_->cells.resize(record_->fields);
    record_->cells.back() += c;
    ++headerBytes_;
}

void CsvReader::Keep(char c) {
    if (column_ == kAllColumns) {
        KeepInHeader(c);
        return;
    }
    if (record_->fields != column_) {
        return;
    }
    if (record_->cell.size() == kMaxRequestLength) {
        record_->cellTooLong = true;
    } else {
        record_->cell += c;
    }
}

void CsvReader::Take(char c) {
    output_.Put(c);
    if (record_->fields == 0) {
        record_->fields = 1;
    }
    switch (state_) {
        case State::FieldStart:
            if (c == kQuote) {
                state_ = State::Quoted;
                return;
            }
            TakeUnquoted(c);
            return;
        case State::Quoted:
            if (c == kQuote) {
                state_ = State::QuoteInQuoted;
                return;
            }
            record_->lines += c == kLfChar ? 1 : 0;
            Keep(c);
            return;
        case State::QuoteInQuoted:
            if (c == kQuote) {
                state_ = State::Quoted;
                Keep(c);
                return;
            }
            TakeUnquoted(c);
            return;
        case State::Unquoted:
            TakeUnquoted(c);
            return;
    }
}

void CsvReader::TakeUnquoted(char c) {
    if (c == kComma) {
        ++record_->fields;
        state_ = State::FieldStart;
        return;
    }
    state_ = State::Unquoted;
    Keep(c);
}

const RequestAnswer& AnswerRecord(const CsvRecord& record, std::size_t column,
                                  const Options& options, RequestRoom& room) {
    if (record.openQuote) {
        room.answer = {{}, Say(ProgramMessage::OpenQuote)};
    } else if (record.fields < column) {
        room.answer = {{}, Say(ProgramMessage::NoColumn, std::to_string(column))};
    } else if (record.cellTooLong) {
        room.answer = {{}, Say(ProgramMessage::CellTooLong, std::to_string(kMaxRequestLength))};
    } else {
        return AnswerText(record.cell, options.notations, room);
    }
    return room.answer;
}

// The position of the column that options name in the header's cells, 0
// for none.
std::size_t HeaderColumn(const CsvRecord& header, const Options& options) {
    if (options.columnName.empty()) {
        return options.column;
    }
    const auto found = std::find(header.cells.begin(), header.cells.end(), options.columnName);
    return found == header.cells.end() ? 0
                                       : static_cast<std::size_t>(found - header.cells.begin()) + 1;
}

// Copies the header with the answers' column named after the answer's
// notation, and counts its lines. Returns the column to convert, 0 when the
// header names none; an empty input has nothing to convert.
std::optional<std::size_t> CopyHeader(CsvReader& reader, Output& output, const Options& options,
                                      std::size_t& lines) {
    reader.KeepColumn(kAllColumns);
    CsvRecord header;
    if (!reader.Next(header)) {
        return std::nullopt;
    }
    lines += header.lines;
    const std::size_t column = HeaderColumn(header, options);
    if (header.openQuote) {
        output.Put(kQuote);
    }
    output.Put(kComma);
    output.Write(NotationShortName(options.notations.to.value_or(datelib::CalendarKind::CE)));
    output.Write(header.lineEnd.empty() ? kLf : header.lineEnd);
    if (column == 0) {
        ReportLineError(1, Say(ProgramMessage::NoColumnNamed, options.columnName));
    }
    reader.KeepColumn(column);
    return column;
}

}  // namespace

bool RunCsv(Input& input, Output& output, const Options& options) {
    bool allWell = true;
    input.BeforeWaiting([&output] { return output.Flush(); });
    CsvReader reader(input, output, options.column);
    std::size_t line = 1;
    const std::optional<std::size_t> column =
        options.header ? CopyHeader(reader, output, options, line) : options.column;
    if (!column) {
        return ReadWentWell(input);
    }
    if (*column == 0) {
        return false;
    }
    CsvRecord record;
    RequestRoom room(RunRequest(options));
    std::string_view lastLineEnd = kLf;
    // A failed write ends the input, perhaps within a record: no request then.
    for (; reader.Next(record) && !output.Failed(); line += record.lines) {
        if (record.endsCrLf) {
            lastLineEnd = kCrLf;
        }
        const std::string_view lineEnd = record.lineEnd.empty() ? lastLineEnd : record.lineEnd;
        lastLineEnd = lineEnd;
        if (record.fields == 0) {
            output.Write(lineEnd);
            continue;
        }
        if (record.openQuote) {
            output.Put(kQuote);
        }
        const RequestAnswer& answer = AnswerRecord(record, *column, options, room);
        output.Put(kComma);
        output.Write(CsvField(answer.line));
        output.Write(lineEnd);
        if (!answer.error.empty()) {
            ReportLineError(line, answer.error);
            allWell = false;
            if (options.strict) {
                return false;
            }
        }
    }
    return ReadWentWell(input) && allWell;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(kCsvSpecials) == std::string_view::npos) {
        return std::string(text);
    }
    std::string field(1, kQuote);
    for (const char c : text) {
        field += c;
        if (c == kQuote) {
            field += kQuote;
        }
    }
    field += kQuote;
    return field;
}

}  // namespace quillday::cli
