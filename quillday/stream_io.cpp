#include "stream_io.h"

#include <fcntl.h>
#include <cerrno>
#include <cstring>

#if defined(_WIN32)
#include <io.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace quillday::cli {

namespace {

// Reads what is available, up to size bytes; the count, 0 at the end, or
// negative on an error.
long ReadSome(int descriptor, char* buffer, std::size_t size) {
#if defined(_WIN32)
    return _read(descriptor, buffer, static_cast<unsigned>(size));
#else
    return static_cast<long>(::read(descriptor, buffer, size));
#endif
}

// True unless input is ready at once: a file, or a pipe with data or at its end.
bool ReadWouldWait(int descriptor) {
#if defined(_WIN32)
    (void)descriptor;
    return true;
#else
    pollfd ready{descriptor, POLLIN, 0};
    return ::poll(&ready, 1, 0) == 0;
#endif
}

}  // namespace

void Output::WriteOut(std::string_view text) {
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        failed_ = true;
    }
}

bool Output::Flush() {
    WriteOut(buffer_);
    buffer_.clear();
    if (std::fflush(file_) != 0) {
        failed_ = true;
    }
    return !failed_;
}

bool Input::Refill() {
    if (ended_) {
        return false;
    }
    if (beforeWaiting_ && ReadWouldWait(descriptor_)) {
        beforeWaiting_();
    }
    long count = 0;
    do {
        count = ReadSome(descriptor_, buffer_.data(), buffer_.size());
    } while (count < 0 && errno == EINTR);
    if (count <= 0) {
        if (count < 0) {
            readError_ = std::strerror(errno);
        }
        ended_ = true;
        return false;
    }
    position_ = 0;
    size_ = static_cast<std::size_t>(count);
    return true;
}

Input::LineStatus Input::ReadLine(std::string& line, std::size_t maxLength) {
    line.clear();
    bool tooLong = false;
    bool readAny = false;
    while (position_ < size_ || Refill()) {
        readAny = true;
        const char* start = buffer_.data() + position_;
        const std::size_t available = size_ - position_;
        const auto* lineEnd = static_cast<const char*>(std::memchr(start, '\n', available));
        const auto piece =
            lineEnd != nullptr ? static_cast<std::size_t>(lineEnd - start) : available;
        // A line beyond the limit is read to its end but not kept.
        tooLong = tooLong || line.size() + piece > maxLength;
        if (!tooLong) {
            line.append(start, piece);
        }
        position_ += piece;
        if (lineEnd != nullptr) {
            ++position_;
            break;
        }
    }
    if (!readAny) {
        return LineStatus::End;
    }
    if (tooLong) {
        line.clear();
        return LineStatus::TooLong;
    }
    return LineStatus::Line;
}

std::size_t Input::TakeBufferedLines(std::string& text, std::size_t maxLines) {
    const char* const start = buffer_.data() + position_;
    const char* const end = buffer_.data() + size_;
    const char* taken = start;  // just after the last whole line taken
    std::size_t lines = 0;
    for (; lines < maxLines; ++lines) {
        const auto* lineEnd = static_cast<const char*>(
            std::memchr(taken, '\n', static_cast<std::size_t>(end - taken)));
        if (lineEnd == nullptr) {
            break;
        }
        taken = lineEnd + 1;
    }
    const auto length = static_cast<std::size_t>(taken - start);
    text.append(start, length);
    position_ += length;
    return lines;
}

int OpenForReading(const std::string& path, std::string& error) {
#if defined(_WIN32)
    const int descriptor = _open(path.c_str(), _O_RDONLY | _O_BINARY);
#else
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
#endif
    if (descriptor < 0) {
        error = std::strerror(errno);
    }
    return descriptor;
}

int StandardInput() {
    return 0;
}

}  // namespace quillday::cli
