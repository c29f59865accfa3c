// A disk in memory in place of the library's file access (file_io.h), for
// what real files cannot show on demand: a name swapped for another file
// between two passes, a read error at a chosen offset, a full disk, a
// failing flush, a file of gigabytes, memory running out. Every block
// written and every flush is logged.
#ifndef FILEWORKS5_MEMORY_DISK_H
#define FILEWORKS5_MEMORY_DISK_H

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "test_files.h"

namespace fw5test {

struct MemoryFile {
    Bytes bytes;
    uint64_t zeros_after = 0;    // then read as that many zero bytes, never stored
    int64_t read_error_at = -1;  // a read that reaches this offset fails
};

struct MemoryDisk {
    // Names map to files: two names of one file are hard links, and a name
    // pointed at another file is a swap.
    std::map<std::string, std::shared_ptr<MemoryFile>> names;
    std::vector<Bytes> passes;  // what each pass wrote from the file's start on
    std::string trace;  // 'B' for a block written and flushed; 'W' not flushed, 'F' a lone flush
    std::size_t write_limit = SIZE_MAX;  // writes stop at this size, as on a full disk
    bool flush_fails = false;
    std::function<void()> after_flush;  // runs after every flush
};

extern MemoryDisk disk;

// While true, every allocation with std::nothrow fails.
extern bool nothrow_allocations_fail;

// Empties the disk and puts a file of size bytes 0x11 under name.
void ResetDisk(const std::string& name, std::size_t size);

}  // namespace fw5test

#endif  // FILEWORKS5_MEMORY_DISK_H
