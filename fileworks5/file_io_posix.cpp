// File access on POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "file_io.h"

namespace fw5 {
namespace {

constexpr mode_t kNewFileMode = 0666;  // read and write, narrowed by the umask

// Without O_NONBLOCK a FIFO with no writer blocks the open; O_NOCTTY keeps a
// terminal from becoming the caller's. Neither changes a regular file.
constexpr int kOpenFlags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;

int Descriptor(intptr_t handle) {
    return static_cast<int>(handle);
}

bool IsRegular(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// Something other than a regular file, such as a FIFO, a device or a folder,
// exists under path.
bool NamesNonRegular(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && !S_ISREG(info.st_mode);
}

RemoveResult RemoveResultOf(int error) {
    switch (error) {
        case ENOENT:
            return RemoveResult::kNotFound;
        case EACCES:
        case EPERM:
            return RemoveResult::kAccessDenied;
        default:
            return RemoveResult::kOther;
    }
}

}  // namespace

File::~File() {
    if (handle_ != -1) {
        close(Descriptor(handle_));
    }
}

bool File::OpenForReading(const char* path) {
    const int fd = open(path, O_RDONLY | kOpenFlags);
    if (fd < 0) {
        return false;
    }
    handle_ = fd;
    if (!IsRegular(fd)) {
        return false;
    }
    // The kernel may then read ahead more eagerly.
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return true;
}

OpenResult File::OpenForReadWrite(const char* path) {
    const int fd = open(path, O_RDWR | kOpenFlags);
    if (fd < 0) {
        return NamesNonRegular(path) ? OpenResult::kNotRegular : OpenResult::kFailed;
    }
    handle_ = fd;
    return IsRegular(fd) ? OpenResult::kOpened : OpenResult::kNotRegular;
}

int64_t File::Size() const {
    struct stat info {};
    if (fstat(Descriptor(handle_), &info) != 0) {
        return -1;
    }
    return static_cast<int64_t>(info.st_size);
}

bool File::Rewind() {
    return lseek(Descriptor(handle_), 0, SEEK_SET) == 0;
}

int64_t File::Read(void* buffer, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = read(Descriptor(handle_), bytes + done, size - done);
        if (got == 0) {
            break;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return -1;
        }
        done += static_cast<std::size_t>(got);
    }
    return static_cast<int64_t>(done);
}

std::size_t File::Write(const void* buffer, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t put = write(Descriptor(handle_), bytes + done, size - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            break;
        }
        done += static_cast<std::size_t>(put);
    }
    return done;
}

bool File::FlushToMedium() {
    return fdatasync(Descriptor(handle_)) == 0;
}

// The same device and inode: stat follows a symbolic link, as open did.
RemoveResult File::RemoveName(const char* path) const {
    struct stat named {};
    if (stat(path, &named) != 0) {
        return RemoveResultOf(errno);
    }
    struct stat opened {};
    if (fstat(Descriptor(handle_), &opened) != 0 || named.st_dev != opened.st_dev ||
        named.st_ino != opened.st_ino) {
        return RemoveResult::kOther;
    }
    return RemoveFile(path);
}

RemoveResult RemoveFile(const char* path) {
    return unlink(path) == 0 ? RemoveResult::kRemoved : RemoveResultOf(errno);
}

CreateResult CreateNewFile(const char* path) {
    const int fd = open(path, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd < 0) {
        return errno == EEXIST ? CreateResult::kExists : CreateResult::kFailed;
    }
    close(fd);
    return CreateResult::kCreated;
}

}  // namespace fw5
