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

namespace quillday::cli {

// Collects text and writes it in large pieces.
class Output {
  public:
    explicit Output(std::FILE* file) : file_(file) {}

    void Write(std::string_view text) {
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

  private:
    static constexpr std::size_t kFlushSize = 64 * 1024;

    void WriteOut(std::string_view text);

    std::FILE* file_;
    std::string buffer_;
    bool failed_ = false;
};

// Reads a file descriptor through a buffer.
class Input {
  public:
    static constexpr int kEnd = -1;

    explicit Input(int descriptor) : descriptor_(descriptor) {}

    // Runs hook whenever a read is about to wait for more input, so that
    // whoever sends requests one at a time gets each answer before sending
    // the next: the hook writes what is answered.
    void BeforeWaiting(std::function<void()> hook) { beforeWaiting_ = std::move(hook); }

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

    // Reads up to and including the next LF, or to the end of the input,
    // keeping at most maxLength bytes in line.
    LineStatus ReadLine(std::string& line, std::size_t maxLength);

    // Appends to text, each with its LF, up to maxLines of the whole lines
    // that the buffer already holds, without reading or waiting; returns how
    // many. None is longer than kBufferSize - 1 bytes.
    std::size_t TakeBufferedLines(std::string& text, std::size_t maxLines);

    static constexpr std::size_t kBufferSize = 64 * 1024;

    // The system's reason for a read error; empty when there was none.
    const std::string& ReadError() const { return readError_; }

  private:
    bool Refill();

    int descriptor_;
    std::function<void()> beforeWaiting_;
    std::array<char, kBufferSize> buffer_{};
    std::size_t position_ = 0;
    std::size_t size_ = 0;
    bool ended_ = false;
    std::string readError_;
};

// Opens a file for Input. Returns its descriptor, or -1 with the system's
// reason in error.
int OpenForReading(const std::string& path, std::string& error);

// The descriptor of standard input.
int StandardInput();

}  // namespace quillday::cli

#endif
