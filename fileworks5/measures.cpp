// compare_files, num_different_bytes, randomness_measure, file_randomness.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>

#include "block.h"
#include "file_io.h"
#include "fileworks5.h"
#include "pair_table.h"

namespace fw5 {
namespace {

constexpr int kByteValues = 256;

// The offset of the first differing byte of two blocks of equal length, or
// size when they are equal.
std::size_t FirstDifference(const uint8_t* a, const uint8_t* b, std::size_t size) {
    if (std::memcmp(a, b, size) == 0) {
        return size;
    }
    return static_cast<std::size_t>(std::mismatch(a, a + size, b).first - a);
}

// An offset as a result, or FW5_ERR_FAR_OFFSET when it does not fit.
int32_t OffsetResult(uint64_t offset) {
    if (offset > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) {
        return FW5_ERR_FAR_OFFSET;
    }
    return static_cast<int32_t>(offset);
}

// Emptiness is judged by the first reads, not by the recorded sizes, which
// are 0 for files that the system makes up as they are read (/proc).
int32_t EmptinessResult(int64_t first_read1, int64_t first_read2) {
    if (first_read1 == 0 && first_read2 == 0) {
        return FW5_IDENTICAL;
    }
    if (first_read1 == 0) {
        return FW5_ERR_FIRST_EMPTY;
    }
    if (first_read2 == 0) {
        return FW5_ERR_SECOND_EMPTY;
    }
    return FW5_OK;
}

int32_t CompareContents(File& file1, File& file2) {
    Block block1;
    Block block2;
    uint64_t offset = 0;
    for (;;) {
        const int64_t got1 = file1.Read(block1.data(), block1.size());
        if (got1 < 0) {
            return FW5_ERR_READ_FIRST;
        }
        const int64_t got2 = file2.Read(block2.data(), block2.size());
        if (got2 < 0) {
            return FW5_ERR_READ_SECOND;
        }
        if (offset == 0) {
            const int32_t emptiness = EmptinessResult(got1, got2);
            if (emptiness != FW5_OK) {
                return emptiness;
            }
        }
        if (got1 == 0 && got2 == 0) {
            return FW5_IDENTICAL;
        }
        const auto common = static_cast<std::size_t>(std::min(got1, got2));
        const std::size_t same = FirstDifference(block1.data(), block2.data(), common);
        if (same < common || got1 != got2) {
            return OffsetResult(offset + same);
        }
        offset += common;
    }
}

// Counts the pairs of a whole file block by block into table; returns the
// byte count, or -1 on a read error.
int64_t CountFilePairs(File& file, PairTable& table) {
    Block block;
    int64_t total = 0;
    for (;;) {
        const int64_t got = file.Read(block.data(), block.size());
        if (got < 0) {
            return -1;
        }
        if (got == 0) {
            return total;
        }
        table.CountPairs(block.data(), static_cast<std::size_t>(got));
        total += got;
    }
}

}  // namespace
}  // namespace fw5

using fw5::File;
using fw5::PairTable;

extern "C" {

FW5_API int32_t FW5_CALL compare_files(const char* path1, const char* path2) {
    File file1;
    if (path1 == nullptr || !file1.OpenForReading(path1)) {
        return FW5_ERR_OPEN;
    }
    File file2;
    if (path2 == nullptr || !file2.OpenForReading(path2)) {
        return FW5_ERR_OPEN_SECOND;
    }
    return fw5::CompareContents(file1, file2);
}

FW5_API int32_t FW5_CALL num_different_bytes(const uint8_t* buffer, int32_t length) {
    if (length < 0) {
        return 0;
    }
    if (length == 0 || buffer == nullptr) {
        return FW5_NO_BYTES;
    }
    std::array<bool, fw5::kByteValues> seen{};
    for (int32_t i = 0; i < length; ++i) {
        seen[buffer[i]] = true;
    }
    return static_cast<int32_t>(std::count(seen.begin(), seen.end(), true));
}

FW5_API double FW5_CALL randomness_measure(const uint8_t* buffer, int32_t length, int32_t minimum) {
    if (length <= 0 || buffer == nullptr) {
        return FW5_ERR_NO_DATA;
    }
    if (length < minimum) {
        return FW5_ERR_TOO_SHORT;
    }
    if (length < 2) {
        return FW5_ERR_NO_PAIR;
    }
    const auto table = PairTable::Create();
    if (!table) {
        return FW5_ERR_NO_MEMORY;
    }
    table->CountPairs(buffer, static_cast<std::size_t>(length));
    return fw5::RandomnessFigure(table.get(), static_cast<uint64_t>(length), minimum);
}

FW5_API double FW5_CALL file_randomness(const char* path, int32_t minimum) {
    File file;
    if (path == nullptr || !file.OpenForReading(path)) {
        return FW5_ERR_OPEN;
    }
    const auto table = PairTable::Create();
    if (!table) {
        return FW5_ERR_NO_MEMORY;
    }
    const int64_t total = fw5::CountFilePairs(file, *table);
    if (total < 0) {
        return FW5_ERR_READ;
    }
    if (total == 0) {
        return FW5_ERR_NO_DATA;
    }
    if (total < minimum) {
        return FW5_ERR_TOO_SHORT;
    }
    return fw5::RandomnessFigure(table.get(), static_cast<uint64_t>(total), minimum);
}

}  // extern "C"
