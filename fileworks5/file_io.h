// Thin file access for the library: the only place that knows the operating
// system. file_io_posix.cpp and file_io_windows.cpp implement it.
#ifndef FILEWORKS5_FILE_IO_H
#define FILEWORKS5_FILE_IO_H

#include <cstddef>
#include <cstdint>

namespace fw5 {

enum class OpenResult { kOpened, kFailed, kNotRegular };
enum class RemoveResult { kRemoved, kNotFound, kAccessDenied, kOther };

// An open regular file, closed when the object goes. Only regular files are
// opened: a FIFO, a device or a folder could block the open, never end, or
// take writes meant for a file's bytes. Opening never waits.
class File {
  public:
    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens an existing regular file for reading, for a pass from start to
    // end. Returns false when it cannot be opened or is no regular file.
    bool OpenForReading(const char* path);
    // Opens an existing regular file for reading and writing without
    // truncating it. kNotRegular when path names something else that
    // exists (a FIFO, a device, a folder), whether or not it could be opened.
    OpenResult OpenForReadWrite(const char* path);

    // The file's length in bytes, or -1 when it cannot be found out.
    int64_t Size() const;
    // Moves to the file's start. Returns false on failure.
    bool Rewind();
    // Reads until size bytes are in buffer or the file ends. Returns the bytes
    // read (0 at the end), or -1 on a read error.
    int64_t Read(void* buffer, std::size_t size);
    // Writes size bytes; returns how many were written before a failure.
    std::size_t Write(const void* buffer, std::size_t size);
    // Forces the written data to the storage medium. Returns false on failure.
    bool FlushToMedium();
    // Deletes the name path, but only while it still names this open file (a
    // symbolic link to it counts, and then the link goes). kOther, with
    // nothing deleted, when path now names another file.
    RemoveResult RemoveName(const char* path) const;

  private:
    // A file descriptor or a Windows handle; -1 means closed on both.
    intptr_t handle_ = -1;
};

// Deletes the name path, whatever it names.
RemoveResult RemoveFile(const char* path);

enum class CreateResult { kCreated, kExists, kFailed };
// Creates an empty file at path only if nothing of that name exists, and
// closes it again.
CreateResult CreateNewFile(const char* path);

}  // namespace fw5

#endif  // FILEWORKS5_FILE_IO_H
