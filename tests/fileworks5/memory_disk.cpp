// The memory disk behind file_io.h: each open file is an entry of a table,
// its handle the entry's index.
#include "memory_disk.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "file_io.h"

namespace fw5test {

MemoryDisk disk;
bool nothrow_allocations_fail = false;

void ResetDisk(const std::string& name, std::size_t size) {
    disk = MemoryDisk{};
    disk.names[name] = std::make_shared<MemoryFile>(MemoryFile{Bytes(size, 0x11)});
}

}  // namespace fw5test

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (fw5test::nothrow_allocations_fail) {
        return nullptr;
    }
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

namespace fw5 {
namespace {

using fw5test::disk;

constexpr std::size_t kRunawayBlocks = 100000;

struct OpenFile {
    std::shared_ptr<fw5test::MemoryFile> file;
    uint64_t position = 0;
};

std::vector<OpenFile> open_files;

OpenFile& Opened(intptr_t handle) {
    return open_files.at(static_cast<std::size_t>(handle));
}

uint64_t SizeOf(const fw5test::MemoryFile& file) {
    return file.bytes.size() + file.zeros_after;
}

}  // namespace

File::~File() {
    if (handle_ != -1) {
        Opened(handle_).file.reset();
    }
}

bool File::OpenForReading(const char* path) {
    return OpenForReadWrite(path) == OpenResult::kOpened;
}

OpenResult File::OpenForReadWrite(const char* path) {
    const auto named = disk.names.find(path);
    if (named == disk.names.end()) {
        return OpenResult::kFailed;
    }
    handle_ = static_cast<intptr_t>(open_files.size());
    open_files.push_back({named->second});
    return OpenResult::kOpened;
}

int64_t File::Size() const {
    return static_cast<int64_t>(SizeOf(*Opened(handle_).file));
}

bool File::Rewind() {
    Opened(handle_).position = 0;
    return true;
}

int64_t File::Read(void* buffer, std::size_t size) {
    auto& [file, position] = Opened(handle_);
    const uint64_t count = std::min<uint64_t>(size, SizeOf(*file) - position);
    if (file->read_error_at >= 0 && static_cast<uint64_t>(file->read_error_at) < position + size &&
        static_cast<uint64_t>(file->read_error_at) >= position) {
        return -1;
    }
    const uint64_t stored = position < file->bytes.size()
                                ? std::min<uint64_t>(count, file->bytes.size() - position)
                                : 0;
    auto* bytes = static_cast<uint8_t*>(buffer);
    std::copy_n(file->bytes.begin() + static_cast<std::ptrdiff_t>(position), stored, bytes);
    std::fill_n(bytes + stored, count - stored, uint8_t{0});
    position += count;
    return static_cast<int64_t>(count);
}

std::size_t File::Write(const void* buffer, std::size_t size) {
    auto& [file, position] = Opened(handle_);
    // Written files are held in memory, so their offsets fit a size_t.
    const auto at = static_cast<std::size_t>(position);
    if (at == 0) {
        disk.passes.emplace_back();
    }
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    size = std::min(size, disk.write_limit - at);
    disk.passes.back().insert(disk.passes.back().end(), bytes, bytes + size);
    file->bytes.resize(std::max(file->bytes.size(), at + size));
    std::copy_n(bytes, size, file->bytes.begin() + static_cast<std::ptrdiff_t>(at));
    position += size;
    disk.trace += 'W';
    if (disk.trace.size() > kRunawayBlocks) {
        std::abort();  // a pass that never ends fails the test instead of filling the memory
    }
    return size;
}

bool File::FlushToMedium() {
    if (!disk.trace.empty() && disk.trace.back() == 'W') {
        disk.trace.back() = 'B';
    } else {
        disk.trace += 'F';
    }
    if (disk.after_flush) {
        disk.after_flush();
    }
    return !disk.flush_fails;
}

RemoveResult File::RemoveName(const char* path) const {
    const auto named = disk.names.find(path);
    if (named == disk.names.end()) {
        return RemoveResult::kNotFound;
    }
    if (named->second != Opened(handle_).file) {
        return RemoveResult::kOther;
    }
    disk.names.erase(named);
    return RemoveResult::kRemoved;
}

RemoveResult RemoveFile(const char* path) {
    return disk.names.erase(path) == 1 ? RemoveResult::kRemoved : RemoveResult::kNotFound;
}

}  // namespace fw5
