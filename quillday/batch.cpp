#include "batch.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <future>
#include <thread>
#include <utility>
#include <vector>

#include "plain_dates.h"
#include "program_messages.h"

namespace quillday::cli {

namespace {

constexpr char kLf = '\n';

// Lines are answered in chunks on worker threads. A chunk is large enough
// that starting its thread costs little beside its work, and small enough
// that the chunks in flight, with an error message for each line at worst,
// hold little memory. A chunk is handed on once it holds this many bytes;
// the lines taken from the input's buffer at once may pass the limit by one
// buffer's worth.
constexpr std::size_t kChunkBytes = 64 * 1024;
// Room for a chunk's answers at the start, enough for most lines
// ("2012-12-31 CE = 2,456,293 JDN, Monday" for "2012-12-31"), so that it
// seldom grows.
constexpr std::size_t kAnswerBytesPerInputByte = 4;

// A run of input lines, each ended by LF; a line beyond the length limit
// stands there empty and is listed by its place in the chunk (from 0).
// Lines are counted only by the worker that answers them, so that reading
// the input looks at each byte once.
struct LineChunk {
    std::string text;
    std::vector<std::size_t> tooLongLines;
};

std::size_t LineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), kLf));
}

struct LineError {
    std::size_t line;  // its place in the chunk, from 0
    std::string message;
    std::size_t outputEnd;  // where the answer of the line ends in the output
};

struct ChunkAnswers {
    std::size_t lines = 0;
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

ChunkAnswers AnswerChunk(const LineChunk& chunk, const Options& options,
                         const PlainDates& plainDates) {
    ChunkAnswers answers;
    answers.output.reserve(chunk.text.size() * kAnswerBytesPerInputByte);
    RequestRoom room(RunRequest(options));
    auto tooLong = chunk.tooLongLines.begin();
    for (std::size_t start = 0; start < chunk.text.size(); ++answers.lines) {
        const std::size_t end = chunk.text.find(kLf, start);
        const std::string_view line(chunk.text.data() + start, end - start);
        start = end + 1;
        const bool isTooLong = tooLong != chunk.tooLongLines.end() && *tooLong == answers.lines;
        tooLong += isTooLong ? 1 : 0;
        if (!isTooLong && plainDates.Answer(line, answers.output)) {
            continue;
        }
        const RequestAnswer& answer = AnswerLine(line, isTooLong, options, room);
        answers.output += answer.line;
        answers.output += kLf;
        if (!answer.error.empty()) {
            answers.errors.push_back({answers.lines, answer.error, answers.output.size()});
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
          plainDates_(RunRequest(options), options.notations),
          maxPending_(std::max(1U, std::thread::hardware_concurrency())) {}

    void Submit(LineChunk chunk) {
        if (chunk.text.empty() || stopped_ || output_.Failed()) {
            return;
        }
        if (pending_.size() == maxPending_) {
            WriteOldest();
        }
        pending_.push_back(std::async(std::launch::async, [this, chunk = std::move(chunk)] {
            return AnswerChunk(chunk, options_, plainDates_);
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
            ReportLineError(firstLine_ + error.line, error.message);
            allWell_ = false;
            if (options_.strict) {
                written = error.outputEnd;
                stopped_ = true;
                break;
            }
        }
        output_.Write(std::string_view(answers.output).substr(0, written));
        firstLine_ += answers.lines;
    }

    Output& output_;
    const Options& options_;
    const PlainDates plainDates_;
    const std::size_t maxPending_;
    std::deque<std::future<ChunkAnswers>> pending_;
    std::size_t firstLine_ = 1;  // the number of the oldest pending chunk's first line
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
        pipeline.Submit(std::exchange(chunk, {}));
        pipeline.Finish();
        return output.Flush();
    });
    const auto submitWhenFull = [&] {
        if (chunk.text.size() >= kChunkBytes) {
            pipeline.Submit(std::exchange(chunk, {}));
        }
    };
    std::string line;
    while (!pipeline.Stopped() && !output.Failed()) {
        // The whole lines already read go into the chunk at once; only the
        // line that a read completes is taken on its own, as the hook above
        // may submit the chunk while that read waits.
        input.TakeBufferedLines(chunk.text, kChunkBytes);
        submitWhenFull();
        const Input::LineStatus status = input.ReadLine(line, kMaxRequestLength);
        if (status == Input::LineStatus::End) {
            break;
        }
        if (status == Input::LineStatus::TooLong) {
            chunk.tooLongLines.push_back(LineCount(chunk.text));
        }
        chunk.text += line;
        chunk.text += kLf;
        submitWhenFull();
    }
    pipeline.Submit(std::move(chunk));
    pipeline.Finish();
    return ReadWentWell(input) && pipeline.AllWell();
}

}  // namespace quillday::cli
