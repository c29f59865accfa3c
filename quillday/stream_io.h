// Buffered reading and writing of the program's input and output, in
// constant memory whatever their size.
#ifndef QUILLDAY_STREAM_IO_H
#define QUILLDAY_STREAM_IO_H

#include <array>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace quillday::cli {

// Collects text and writes it in large pieces.
class Output {
  public:
    explicit Output(std::FILE* file) : file_(file) {}

    // Once a write has failed, the rest is dropped: the run is ending.
    void Write(std::string_view text) {
        if (failed_) {
            return;
        }
        if (text.size() >= kFlushSize) {
            // A batch's answers come in large pieces: written as they
            // stand, not copied.
            Flush();
            WriteOut(text);
            return;
        }
        buffer_.append(text);
        if (buffer_.size() >= kFlushSize) {
            Flush();
        }
    }
    void Put(char c) { Write(std::string_view(&c, 1)); }

    // Writes what is collected. Returns false once any write has failed.
    bool Flush();

    bool Failed() const { return failed_; }
    // The system's reason for the first failed write.
    const std::string& WriteError() const { return writeError_; }

  private:
    static constexpr std::size_t kFlushSize = 64 * 1024;

    void WriteOut(std::string_view text);
    // Notes the failed write and the system's reason for it.
    void Fail();

    std::FILE* file_;
    std::string buffer_;
    bool failed_ = false;
    std::string writeError_;
};

// Reads a file descriptor through a buffer. A descriptor that does not
// block is waited on as one that does.
class Input {
  public:
    static constexpr int kEnd = -1;

    // name: the file's name for messages.
    Input(int descriptor, std::string name) : descriptor_(descriptor), name_(std::move(name)) {}

    // Runs hook whenever a read is about to wait for more input, so that
    // whoever sends requests one at a time gets each answer before sending
    // the next: the hook writes what is answered. When it returns false (the
    // answers cannot be written), the input ends there.
    void BeforeWaiting(std::function<bool()> hook) { beforeWaiting_ = std::move(hook); }

    // Returns the next byte (0-255), or kEnd at the end of the input or
    // after a read error.
    int Get() {
        if (position_ == size_ && !Refill()) {
            return kEnd;
        }
        return static_cast<unsigned char>(buffer_[position_++]);
    }

    enum class LineStatus {
        Line,     // line holds the line, without its LF
        TooLong,  // the line (consumed) is longer than the limit; line is empty
        End,      // no more input
    };

    // Reads the next line, keeping at most maxLength bytes in line. LF, CR
    // LF and a lone CR each end a line, as does the end of the input. A line
    // ended by CR is returned at once, not after the next byte.
    LineStatus ReadLine(std::string& line, std::size_t maxLength);

    // Appends to text, each ended by LF whatever its line end, the whole
    // lines that the buffer already holds, without reading or waiting, until
    // text holds maxBytes or more. None is longer than kBufferSize - 1 bytes.
    void TakeBufferedLines(std::string& text, std::size_t maxBytes);

    static constexpr std::size_t kBufferSize = 64 * 1024;

    // The system's reason for a read error; empty when there was none.
    const std::string& ReadError() const { return readError_; }
    const std::string& Name() const { return name_; }

  private:
    bool Refill();
    // Where the next CR stands in the buffer from position from; size_ if
    // nowhere.
    std::size_t CrFrom(std::size_t from) const;
    // Steps over the LF of a CR LF whose CR ended the last line, if the
    // buffer holds the next byte; waits for it when wait is true.
    void SkipLfAfterCr(bool wait);
    // Ends a line at the CR at nextCr_: moves past it, and past its LF.
    void PassCr();

    int descriptor_;
    std::string name_;
    std::function<bool()> beforeWaiting_;
    std::array<char, kBufferSize> buffer_{};
    std::size_t position_ = 0;
    std::size_t size_ = 0;
    std::size_t nextCr_ = 0;
    bool lfAfterCrPending_ = false;  // the last line ended with a CR at the buffer's end
    bool ended_ = false;
    std::string readError_;
};

// Opens a file for Input. Returns its descriptor, or -1 with the system's
// reason in error.
int OpenForReading(const std::string& path, std::string& error);

// The descriptor of standard input.
int StandardInput();

// Standard input, output and error carry bytes as they are: on Windows
// they would turn LF into CR LF and end at a Ctrl-Z.
void KeepStandardStreamsBinary();

}  // namespace quillday::cli

#endif
