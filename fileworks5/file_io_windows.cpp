// File access on Windows.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <limits>

#include "file_io.h"

namespace fw5 {
namespace {

HANDLE Native(intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

intptr_t Stored(HANDLE handle) {
    return reinterpret_cast<intptr_t>(handle);
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

RemoveResult RemoveResultOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return RemoveResult::kNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return RemoveResult::kAccessDenied;
        default:
            return RemoveResult::kOther;
    }
}

// Only disk files are regular: pipes and character devices (NUL, CON, COM1)
// report other types.
bool IsRegular(HANDLE file) {
    return GetFileType(file) == FILE_TYPE_DISK;
}

// A folder does not open as a file; it exists all the same.
bool NamesFolder(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The volume and file index that identify the file open as handle.
bool SameFile(HANDLE a, HANDLE b) {
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    return GetFileInformationByHandle(a, &first) && GetFileInformationByHandle(b, &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

// The largest chunk handed to one ReadFile or WriteFile call.
DWORD ChunkSize(std::size_t size) {
    constexpr std::size_t kMaxChunk = std::numeric_limits<DWORD>::max();
    return static_cast<DWORD>(size < kMaxChunk ? size : kMaxChunk);
}

}  // namespace

File::~File() {
    if (Native(handle_) != INVALID_HANDLE_VALUE) {
        CloseHandle(Native(handle_));
    }
}

bool File::OpenForReading(const char* path) {
    // Without FILE_FLAG_BACKUP_SEMANTICS a directory does not open.
    const HANDLE file = CreateFileA(path, GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    handle_ = Stored(file);
    return file != INVALID_HANDLE_VALUE && IsRegular(file);
}

OpenResult File::OpenForReadWrite(const char* path) {
    const HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    handle_ = Stored(file);
    if (file == INVALID_HANDLE_VALUE) {
        return NamesFolder(path) ? OpenResult::kNotRegular : OpenResult::kFailed;
    }
    return IsRegular(file) ? OpenResult::kOpened : OpenResult::kNotRegular;
}

int64_t File::Size() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(Native(handle_), &size)) {
        return -1;
    }
    return size.QuadPart;
}

bool File::Rewind() {
    return SetFilePointerEx(Native(handle_), LARGE_INTEGER{}, nullptr, FILE_BEGIN) != 0;
}

int64_t File::Read(void* buffer, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        DWORD got = 0;
        if (!ReadFile(Native(handle_), bytes + done, ChunkSize(size - done), &got, nullptr)) {
            return -1;
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    return static_cast<int64_t>(done);
}

std::size_t File::Write(const void* buffer, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        DWORD put = 0;
        if (!WriteFile(Native(handle_), bytes + done, ChunkSize(size - done), &put, nullptr) ||
            put == 0) {
            break;
        }
        done += put;
    }
    return done;
}

bool File::FlushToMedium() {
    return FlushFileBuffers(Native(handle_)) != 0;
}

// Opening the name again follows a symbolic link or junction, as the first
// open did; the file index then tells whether both reached the same file.
RemoveResult File::RemoveName(const char* path) const {
    const HANDLE named = CreateFileA(path, 0, kShareAll, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (named == INVALID_HANDLE_VALUE) {
        return RemoveResultOf(GetLastError());
    }
    const bool same = SameFile(named, Native(handle_));
    CloseHandle(named);
    return same ? RemoveFile(path) : RemoveResult::kOther;
}

RemoveResult RemoveFile(const char* path) {
    return DeleteFileA(path) ? RemoveResult::kRemoved : RemoveResultOf(GetLastError());
}

CreateResult CreateNewFile(const char* path) {
    const HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD reason = GetLastError();
        return reason == ERROR_FILE_EXISTS || reason == ERROR_ALREADY_EXISTS
                   ? CreateResult::kExists
                   : CreateResult::kFailed;
    }
    CloseHandle(file);
    return CreateResult::kCreated;
}

}  // namespace fw5
