// What only the memory disk can stage: a name swapped for another file
// between two passes, read errors at chosen offsets, a difference beyond
// 2 GiB, and memory running out.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

#include "fileworks5.h"
#include "memory_disk.h"
#include "pair_table.h"

namespace {

using fw5test::Bytes;
using fw5test::disk;
using fw5test::kBlock;
using fw5test::MemoryFile;

constexpr const char* kVictim = "victim";
constexpr const char* kOther = "other";
constexpr const char* kSecond = "second";
constexpr uint64_t kBeyondInt32 = uint64_t{std::numeric_limits<int32_t>::max()} + 1;

void AddFile(const char* name, MemoryFile file) {
    disk.names[name] = std::make_shared<MemoryFile>(std::move(file));
}

// After the first block is flushed, the victim's name is pointed at another
// file, as a symbolic link put in its place would do. Every pass still goes
// to the file opened first; the name, which no longer names it, stays.
TEST(PurgeFunctions, ANameSwappedBetweenPassesIsNeitherWrittenNorDeleted) {
    using Purge = int32_t (*)();
    const Purge purges[] = {
        [] { return purge_file(kVictim, 3, 0, FW5_NO_BLOCK_ROUNDING); },
        [] {
            return dd_purge_file(kVictim, FW5_MODE_FIXED, 1, 1, 0, FW5_NO_BLOCK_ROUNDING, nullptr);
        },
    };
    for (const Purge purge : purges) {
        fw5test::ResetDisk(kVictim, 2 * kBlock);
        const auto victim = disk.names[kVictim];
        AddFile(kOther, {Bytes(kBlock, 0x22)});
        disk.after_flush = [] { disk.names[kVictim] = disk.names[kOther]; };
        EXPECT_EQ(purge(), FW5_ERR_DEL_OTHER);
        EXPECT_EQ(disk.names[kOther]->bytes, Bytes(kBlock, 0x22));
        EXPECT_EQ(disk.names.count(kVictim), 1u);
        EXPECT_EQ(disk.passes.size(), purge == purges[0] ? 3u : 4u);
        EXPECT_NE(victim->bytes, Bytes(2 * kBlock, 0x11));
    }
}

// first file, second file, compare_files; each file 2 blocks of zeros and
// then as given.
TEST(CompareFiles, ReadErrorsAndFarDifferencesGiveTheirCodes) {
    const MemoryFile plain{Bytes(2 * kBlock)};
    const MemoryFile failing_at_start{Bytes(2 * kBlock), 0, 0};
    const MemoryFile failing_later{Bytes(2 * kBlock), 0, kBlock + 5};
    const std::tuple<const char*, MemoryFile, MemoryFile, int32_t> cases[] = {
        {"FirstFailsAtOnce", failing_at_start, plain, FW5_ERR_READ_FIRST},
        {"SecondFailsAtOnce", plain, failing_at_start, FW5_ERR_READ_SECOND},
        {"FirstFailsInSecondBlock", failing_later, plain, FW5_ERR_READ_FIRST},
        {"SecondFailsInSecondBlock", plain, failing_later, FW5_ERR_READ_SECOND},
        {"BothFail", failing_at_start, failing_at_start, FW5_ERR_READ_FIRST},
        {"BeyondInt32", {{}, kBeyondInt32}, {{}, kBeyondInt32 + 1}, FW5_ERR_FAR_OFFSET},
        {"AtInt32Max", {{}, kBeyondInt32 - 1}, {{}, kBeyondInt32}, INT32_MAX},
    };
    for (const auto& [name, first, second, expected] : cases) {
        fw5test::ResetDisk(kVictim, 0);
        AddFile(kVictim, first);
        AddFile(kSecond, second);
        EXPECT_EQ(compare_files(kVictim, kSecond), expected) << name;
    }
}

TEST(RandomnessMeasure, ReadErrorsAndMissingMemoryGiveTheirCodes) {
    const Bytes bytes = fw5test::NoiseBytes(100);
    fw5test::ResetDisk(kVictim, 0);
    AddFile(kVictim, {bytes, 0, 50});
    AddFile(kSecond, {bytes});
    EXPECT_EQ(file_randomness(kVictim, 0), FW5_ERR_READ);
    EXPECT_NE(file_randomness(kSecond, 0), FW5_ERR_NO_MEMORY);
    fw5test::nothrow_allocations_fail = true;
    EXPECT_EQ(file_randomness(kSecond, 0), FW5_ERR_NO_MEMORY);
    EXPECT_EQ(randomness_measure(bytes.data(), 100, 0), FW5_ERR_NO_MEMORY);
    fw5test::nothrow_allocations_fail = false;
    EXPECT_EQ(fw5::RandomnessFigure(nullptr, 100, 0), FW5_ERR_NO_TABLE);
}

}  // namespace
