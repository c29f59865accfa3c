// CSV runs: each record copied as it is read, with the answer appended.
#include "batch.h"

#include "program_messages.h"

namespace quillday::cli {

namespace {

constexpr std::string_view kLf = "\n";
constexpr std::string_view kCrLf = "\r\n";
constexpr char kQuote = '"';
constexpr char kComma = ',';
constexpr char kCr = '\r';
constexpr char kLfChar = '\n';
constexpr std::string_view kCsvSpecials = ",\"\r\n";

// One CSV record as it was copied: what the runner needs to answer it.
struct CsvRecord {
    std::size_t lines = 0;   // line ends read, within quotes and at its end
    std::size_t fields = 0;  // 0 for a blank line
    std::string cell;        // the unquoted text of the column
    bool cellTooLong = false;
    bool openQuote = false;    // the input ended within quotes
    std::string_view lineEnd;  // "\r\n", "\n", or empty at the end of the input
};

// Reads one record byte by byte, copying every byte but its line end to the
// output, and keeps the text of one column.
class CsvReader {
  public:
    CsvReader(Input& input, Output& output, std::size_t column)
        : input_(input), output_(output), column_(column) {}

    // Reads the next record; false when the input has none left.
    bool Next(CsvRecord& record);

  private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    bool InQuotes() const { return state_ == State::Quoted; }
    void Keep(char c);
    void Take(char c);  // a byte that is not a line end
    void TakeUnquoted(char c);

    Input& input_;
    Output& output_;
    std::size_t column_;
    CsvRecord* record_ = nullptr;
    State state_ = State::FieldStart;
};

bool CsvReader::Next(CsvRecord& record) {
    record = CsvRecord{};
    record_ = &record;
    state_ = State::FieldStart;
    int c = input_.Get();
    if (c == Input::kEnd) {
        return false;
    }
    bool pendingCr = false;  // a CR outside quotes: the line end, if LF follows
    for (; c != Input::kEnd; c = input_.Get()) {
        const char byte = static_cast<char>(c);
        if (byte == kLfChar && !InQuotes()) {
            ++record.lines;
            record.lineEnd = pendingCr ? kCrLf : kLf;
            break;
        }
        if (pendingCr) {
            Take(kCr);
            pendingCr = false;
        }
        if (byte == kCr && !InQuotes()) {
            pendingCr = true;
            continue;
        }
        Take(byte);
    }
    if (c == Input::kEnd && pendingCr) {
        Take(kCr);
    }
    record.openQuote = InQuotes();
    return true;
}

void CsvReader::Keep(char c) {
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

const RequestAnswer& AnswerRecord(const CsvRecord& record, const Options& options,
                                  RequestRoom& room) {
    if (record.openQuote) {
        room.answer = {{}, Say(ProgramMessage::OpenQuote)};
    } else if (record.fields < options.column) {
        room.answer = {{}, Say(ProgramMessage::NoColumn, std::to_string(options.column))};
    } else if (record.cellTooLong) {
        room.answer = TooLongAnswer();
    } else {
        return AnswerText(record.cell, options.notations, options.display.order, room);
    }
    return room.answer;
}

}  // namespace

bool RunCsv(Input& input, Output& output, const Options& options) {
    bool allWell = true;
    input.BeforeWaiting([&output] { output.Flush(); });
    CsvReader reader(input, output, options.column);
    CsvRecord record;
    RequestRoom room;
    std::string_view lastLineEnd = kLf;
    for (std::size_t line = 1; reader.Next(record); line += record.lines) {
        const std::string_view lineEnd = record.lineEnd.empty() ? lastLineEnd : record.lineEnd;
        lastLineEnd = lineEnd;
        if (record.fields == 0) {
            output.Write(lineEnd);
            continue;
        }
        if (record.openQuote) {
            output.Put(kQuote);
        }
        const RequestAnswer& answer = AnswerRecord(record, options, room);
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
