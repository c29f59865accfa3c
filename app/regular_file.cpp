#include "regular_file.h"

#if defined(_WIN32)
#include <QFileInfo>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quillday {

#if defined(_WIN32)

// A folder holds no FIFOs or devices on Windows; asking first is enough.
bool OpenRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode) {
    file.setFileName(path);
    return QFileInfo(path).isFile() && file.open(mode);
}

#else

namespace {

int AccessFlags(QIODevice::OpenMode mode) {
    if (!mode.testFlag(QIODevice::WriteOnly)) {
        return O_RDONLY;
    }
    return mode.testFlag(QIODevice::ReadOnly) ? O_RDWR : O_WRONLY;
}

bool IsRegular(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

// The type is checked on the open descriptor, so nothing put in the file's
// place after a check can be opened instead. O_NONBLOCK keeps a FIFO from
// blocking the open and changes nothing for a regular file.
bool OpenRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          AccessFlags(mode) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    if (!IsRegular(fd) ||
        !file.open(fd, mode & ~QIODevice::Truncate, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return !mode.testFlag(QIODevice::Truncate) || file.resize(0);
}

#endif

}  // namespace quillday
