#include "batch.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <future>
#include <thread>
#include <utility>
#include <vector>

#include "program_messages.h"

namespace quillday::cli {

namespace {

constexpr std::string_view kLf = "\n";
constexpr char kLfChar = '\n';

// Lines are answered in chunks on worker threads. A chunk is large enough
// that starting its thread costs little beside its work, and small enough
// that the chunks in flight hold little memory. A chunk is handed on once
// it reaches either limit; the lines taken from the input's buffer at once
// may pass the byte limit by one buffer's worth.
constexpr std::size_t kChunkLines = 4096;
constexpr std::size_t kChunkBytes = 256 * 1024;
// Room for a chunk's answers at the start, enough for most lines
// ("2012-12-31 CE = 2,456,293 JDN, Monday"), so that it seldom grows.
constexpr std::size_t kUsualAnswerBytes = 48;

// A run of input lines, each ended by LF; a line beyond the length limit
// stands there empty and is listed.
struct LineChunk {
    std::size_t firstLine = 1;
    std::size_t lines = 0;
    std::string text;
    std::vector<std::size_t> tooLongLines;

    // The empty chunk whose first line follows this one's last.
    LineChunk Following() const {
        LineChunk next;
        next.firstLine = firstLine + lines;
        return next;
    }
};

struct LineError {
    std::size_t line;
    std::string message;
    std::size_t outputEnd;  // where the answer of the line ends in the output
};

struct ChunkAnswers {
    std::string output;
    std::vector<LineError> errors;
};

const RequestAnswer& AnswerLine(std::string_view line, bool isTooLong, const Options& options,
                                RequestRoom& room) {
    if (isTooLong) {
        room.answer = TooLongAnswer();
        return room.answer;
    }
    return AnswerText(line, options.notations, room);
}

ChunkAnswers AnswerChunk(const LineChunk& chunk, const Options& options) {
    ChunkAnswers answers;
    answers.output.reserve(chunk.lines * kUsualAnswerBytes);
    RequestRoom room(RunRequest(options));
    auto tooLong = chunk.tooLongLines.begin();
    std::size_t start = 0;
    for (std::size_t number = chunk.firstLine; number < chunk.firstLine + chunk.lines; ++number) {
        const std::size_t end = chunk.text.find(kLfChar, start);
        const std::string_view line(chunk.text.data() + start, end - start);
        start = end + 1;
        const bool isTooLong = tooLong != chunk.tooLongLines.end() && *tooLong == number;
        tooLong += isTooLong ? 1 : 0;
        const RequestAnswer& answer = AnswerLine(line, isTooLong, options, room);
        answers.output += answer.line;
        answers.output += kLfChar;
        if (!answer.error.empty()) {
            answers.errors.push_back({number, answer.error, answers.output.size()});
        }
    }
    return answers;
}

// Answers chunks on worker threads and writes their answers in order, with
// their errors; a strict run stops writing after the first error. Once a
// write has failed, nothing more is answered or reported: the input may
// then end within a line, which is no request.
class LinePipeline {
  public:
    LinePipeline(Output& output, const Options& options)
        : output_(output),
          options_(options),
          maxPending_(std::max(1U, std::thread::hardware_concurrency())) {}

    void Submit(LineChunk chunk) {
        if (chunk.lines == 0 || stopped_ || output_.Failed()) {
            return;
        }
        if (pending_.size() == maxPending_) {
            WriteOldest();
        }
        pending_.push_back(std::async(std::launch::async, [this, chunk = std::move(chunk)] {
            return AnswerChunk(chunk, options_);
        }));
    }

    void Finish() {
        while (!pending_.empty()) {
            WriteOldest();
        }
    }

    bool AllWell() const { return allWell_; }
    bool Stopped() const { return stopped_; }

  private:
    void WriteOldest() {
        const ChunkAnswers answers = pending_.front().get();
        pending_.pop_front();
        if (stopped_ || output_.Failed()) {
            return;
        }
        std::size_t written = answers.output.size();
        for (const LineError& error : answers.errors) {
            ReportLineError(error.line, error.message);
            allWell_ = false;
            if (options_.strict) {
                written = error.outputEnd;
                stopped_ = true;
                break;
            }
        }
        output_.Write(std::string_view(answers.output).substr(0, written));
    }

    Output& output_;
    const Options& options_;
    const std::size_t maxPending_;
    std::deque<std::future<ChunkAnswers>> pending_;
    bool allWell_ = true;
    bool stopped_ = false;
};

}  // namespace

void ReportLineError(std::size_t line, std::string_view message) {
    std::fprintf(stderr, "quillday: line %zu: %.*s\n", line, static_cast<int>(message.size()),
                 message.data());
}

bool ReadWentWell(const Input& input) {
    if (input.ReadError().empty()) {
        return true;
    }
    std::fprintf(stderr, "quillday: %s\n",
                 Say(ProgramMessage::CannotRead, {input.Name(), input.ReadError()}).c_str());
    return false;
}

RequestAnswer TooLongAnswer() {
    return {{}, Say(ProgramMessage::LineTooLong, std::to_string(kMaxRequestLength))};
}

bool RunLines(Input& input, Output& output, const Options& options) {
    LinePipeline pipeline(output, options);
    LineChunk chunk;
    // Whatever is read is answered and written before the input is waited for.
    input.BeforeWaiting([&] {
        pipeline.Submit(std::exchange(chunk, chunk.Following()));
        pipeline.Finish();
        return output.Flush();
    });
    const auto submitWhenFull = [&] {
        if (chunk.lines >= kChunkLines || chunk.text.size() >= kChunkBytes) {
            pipeline.Submit(std::exchange(chunk, chunk.Following()));
        }
    };
    std::string line;
    while (!pipeline.Stopped() && !output.Failed()) {
        // The whole lines already read go into the chunk at once; only the
        // line that a read completes is taken on its own, as the hook above
        // may submit the chunk while that read waits.
        chunk.lines += input.TakeBufferedLines(chunk.text, kChunkLines - chunk.lines);
        submitWhenFull();
        const Input::LineStatus status = input.ReadLine(line, kMaxRequestLength);
        if (status == Input::LineStatus::End) {
            break;
        }
        if (status == Input::LineStatus::TooLong) {
            chunk.tooLongLines.push_back(chunk.firstLine + chunk.lines);
        }
        chunk.text += line;
        chunk.text += kLfChar;
        ++chunk.lines;
        submitWhenFull();
    }
    pipeline.Submit(std::move(chunk));
    pipeline.Finish();
    return ReadWentWell(input) && pipeline.AllWell();
}

}  // namespace quillday::cli
