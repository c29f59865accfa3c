// Thin file access for the library: the only place that knows the operating
// system. file_io_posix.cpp and file_io_windows.cpp implement it.
#ifndef FILEWORKS5_FILE_IO_H
#define FILEWORKS5_FILE_IO_H

#include <cstddef>
#include <cstdint>

namespace fw5 {

// An open file, closed when the object goes.
class File {
  public:
    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens an existing file (not a directory) for reading, for a pass from
    // start to end. Returns false when it cannot be opened.
    bool OpenForReading(const char* path);
    // Opens an existing file for reading and writing without truncating it,
    // positioned at its start. Returns false when it cannot be opened.
    bool OpenForReadWrite(const char* path);

    // The file's length in bytes, or -1 when it cannot be found out.
    int64_t Size() const;
    // Reads until size bytes are in buffer or the file ends. Returns the bytes
    // read (0 at the end), or -1 on a read error.
    int64_t Read(void* buffer, std::size_t size);
    // Writes size bytes; returns how many were written before a failure.
    std::size_t Write(const void* buffer, std::size_t size);
    // Forces the written data to the storage medium. Returns false on failure.
    bool FlushToMedium();

  private:
    // A file descriptor or a Windows handle; -1 means closed on both.
    intptr_t handle_ = -1;
};

enum class RemoveResult { kRemoved, kNotFound, kAccessDenied, kOther };
// Deletes the file at path.
RemoveResult RemoveFile(const char* path);

enum class CreateResult { kCreated, kExists, kFailed };
// Creates an empty file at path only if nothing of that name exists, and
// closes it again.
CreateResult CreateNewFile(const char* path);

}  // namespace fw5

#endif  // FILEWORKS5_FILE_IO_H
