#include "stream_io.h"

#include <fcntl.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
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

// A descriptor opened not to block has nothing yet: waits until it has
// input or its end. Other systems' reads always block.
void WaitUntilReadable(int descriptor) {
#if defined(_WIN32)
    (void)descriptor;
#else
    pollfd ready{descriptor, POLLIN, 0};
    constexpr int kNoTimeout = -1;
    while (::poll(&ready, 1, kNoTimeout) < 0 && errno == EINTR) {
    }
#endif
}

bool WouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK;
}

constexpr char kCr = '\r';
constexpr char kLf = '\n';

}  // namespace

void Output::WriteOut(std::string_view text) {
    if (failed_ || text.empty()) {
        return;
    }
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        Fail();
    }
}

void Output::Fail() {
    failed_ = true;
    writeError_ = std::strerror(errno);
}

bool Output::Flush() {
    WriteOut(buffer_);
    buffer_.clear();
    if (!failed_ && std::fflush(file_) != 0) {
        Fail();
    }
    return !failed_;
}

bool Input::Refill() {
    if (ended_) {
        return false;
    }
    if (beforeWaiting_ && ReadWouldWait(descriptor_) && !beforeWaiting_()) {
        ended_ = true;
        return false;
    }
    long count = 0;
    while ((count = ReadSome(descriptor_, buffer_.data(), buffer_.size())) < 0) {
        if (WouldBlock(errno)) {
            WaitUntilReadable(descriptor_);
        } else if (errno != EINTR) {
            break;
        }
    }
    if (count <= 0) {
        if (count < 0) {
            readError_ = std::strerror(errno);
        }
        ended_ = true;
        return false;
    }
    position_ = 0;
    size_ = static_cast<std::size_t>(count);
    nextCr_ = CrFrom(0);
    return true;
}

std::size_t Input::CrFrom(std::size_t from) const {
    const auto* cr =
        static_cast<const char*>(std::memchr(buffer_.data() + from, kCr, size_ - from));
    return cr != nullptr ? static_cast<std::size_t>(cr - buffer_.data()) : size_;
}

void Input::SkipLfAfterCr(bool wait) {
    if (!lfAfterCrPending_ || (position_ == size_ && (!wait || !Refill()))) {
        return;
    }
    lfAfterCrPending_ = false;
    if (buffer_[position_] == kLf) {
        ++position_;
    }
}

void Input::PassCr() {
    position_ = nextCr_ + 1;
    if (position_ == size_) {
        lfAfterCrPending_ = true;
    } else if (buffer_[position_] == kLf) {
        ++position_;
    }
    nextCr_ = CrFrom(position_);
}

Input::LineStatus Input::ReadLine(std::string& line, std::size_t maxLength) {
    line.clear();
    SkipLfAfterCr(true);
    bool tooLong = false;
    bool readAny = false;
    while (position_ < size_ || Refill()) {
        readAny = true;
        const char* start = buffer_.data() + position_;
        const std::size_t available = std::min(size_, nextCr_) - position_;
        const auto* lf = static_cast<const char*>(std::memchr(start, kLf, available));
        const bool endsAtCr = lf == nullptr && nextCr_ < size_;
        const auto piece = lf != nullptr ? static_cast<std::size_t>(lf - start) : available;
        // A line beyond the limit is read to its end but not kept.
        tooLong = tooLong || line.size() + piece > maxLength;
        if (!tooLong) {
            line.append(start, piece);
        }
        position_ += piece;
        if (endsAtCr) {
            PassCr();
            break;
        }
        if (lf != nullptr) {
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

void Input::TakeBufferedLines(std::string& text, std::size_t maxBytes) {
    SkipLfAfterCr(false);
    while (text.size() < maxBytes && position_ < size_) {
        const char* const start = buffer_.data() + position_;
        const char* const cr = buffer_.data() + nextCr_;
        // The lines before the next CR end in LF already: one piece, found
        // from its end, so that the lines are not looked at one by one.
        const char* pieceEnd = cr;
        while (pieceEnd != start && pieceEnd[-1] != kLf) {
            --pieceEnd;
        }
        if (pieceEnd != start) {
            text.append(start, static_cast<std::size_t>(pieceEnd - start));
            position_ = static_cast<std::size_t>(pieceEnd - buffer_.data());
        } else if (nextCr_ < size_) {
            text.append(start, static_cast<std::size_t>(cr - start));
            text += kLf;
            PassCr();
        } else {
            return;  // the start of a line that a later read completes
        }
    }
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

void KeepStandardStreamsBinary() {
#if defined(_WIN32)
    for (std::FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
#endif
}

}  // namespace quillday::cli
