// What the purge passes write, on the memory disk (memory_disk.h), which
// shows each pass's bytes, the order of the passes and the flush after each
// block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fileworks5.h"
#include "memory_disk.h"
#include "overwrite.h"
#include "pattern.h"

namespace {

using fw5test::Bytes;
using fw5test::disk;
using fw5test::kBlock;

constexpr const char* kPath = "victim";

void Reset(std::size_t size) {
    fw5test::ResetDisk(kPath, size);
}

const Bytes& Content() {
    return disk.names.at(kPath)->bytes;
}

// One pass over the file kPath names.
int32_t Overwrite(int32_t pattern, bool pad, int32_t block_size) {
    fw5::File file;
    EXPECT_EQ(file.OpenForReadWrite(kPath), fw5::OpenResult::kOpened);
    return fw5::OverwriteFile(file, pattern, pad, block_size);
}

constexpr int32_t kUnrounded = FW5_NO_BLOCK_ROUNDING;
constexpr int32_t kKeep = 0;
constexpr int32_t kDelete = 1;
constexpr int kRandom = -1;  // a pass of pseudo-random data, seed 256 to 32767
constexpr int kOther = -2;   // neither one byte value nor such a pass

// The pattern generator's first word for seed; also its step.
uint32_t FirstPatternWord(uint32_t seed) {
    return seed * 15013869u + 387u;
}

uint32_t WordAt(const Bytes& bytes, std::size_t offset) {
    return uint32_t{bytes[offset]} | uint32_t{bytes[offset + 1]} << 8 |
           uint32_t{bytes[offset + 2]} << 16 | uint32_t{bytes[offset + 3]} << 24;
}

// FNV-1a, 64 bits: a fingerprint of bytes.
uint64_t Fingerprint(const Bytes& bytes) {
    uint64_t hash = 0xcbf29ce484222325u;
    for (const uint8_t b : bytes) {
        hash = (hash ^ b) * 0x100000001b3u;
    }
    return hash;
}

// Each pass so far as its byte value when it wrote only one, kRandom when it
// starts with the first pattern word of a seed from 256 to 32767, else kOther.
std::vector<int> Passes(std::size_t length) {
    std::vector<int> patterns;
    for (const Bytes& pass : disk.passes) {
        int pattern = kOther;
        for (uint32_t seed = 256; seed <= 32767 && pass.size() == length; ++seed) {
            pattern = FirstPatternWord(seed) == WordAt(pass, 0) ? kRandom : pattern;
        }
        if (std::all_of(pass.begin(), pass.end(), [&pass](uint8_t b) { return b == pass[0]; })) {
            pattern = pass.size() == length ? pass[0] : kOther;
        }
        patterns.push_back(pattern);
    }
    return patterns;
}

// A write and a flush for each block of each pass.
std::string FlushedBlocks(std::size_t passes, std::size_t length) {
    return std::string(passes * ((length + kBlock - 1) / kBlock), 'B');
}

TEST(OverwriteFile, RandomPassWritesThePermutedPatternOfItsSeed) {
    constexpr std::size_t kSize = 4 * kBlock + 10;
    Reset(kSize);
    ASSERT_EQ(Overwrite(256, false, kUnrounded), FW5_OK);
    const Bytes& file = Content();
    ASSERT_EQ(file.size(), kSize);
    // Worked out apart from the library: each block starts with the first
    // pattern word of seed 256, then pattern word s, the block's stride: 3, 5,
    // 87, 121 and 107 (after the even draws 74, 36, 14 and 8 were passed over).
    // The fingerprint covers the whole pass.
    const uint32_t second_words[] = {0x2FFEC6A4, 0xDB390A0E, 0xE7A548D8, 0x2D12BA82, 0xBE1E570C};
    for (std::size_t block = 0; block < 5; ++block) {
        EXPECT_EQ(WordAt(file, block * kBlock), 0xE517EE83) << "block " << block;
        EXPECT_EQ(WordAt(file, block * kBlock + 4), second_words[block]) << "block " << block;
    }
    EXPECT_EQ(Fingerprint(file), 0x06c197336da00602u);
    EXPECT_EQ(disk.trace, "BBBBB");
}

// A random block is built in its own buffer: the memory right after it
// stays as it was.
TEST(PatternSource, BuildsEachRandomBlockWithinItsBuffer) {
    struct {
        fw5::PatternSource source{256};
        uint32_t after = 0;
    } guarded;
    for (int block = 0; block < 3; ++block) {
        guarded.source.NextBlock();
    }
    EXPECT_EQ(guarded.after, 0u);
}

TEST(OverwriteFile, PadRoundsTheLengthUpAndToleratesOnlyAFailingPadding) {
    // name, file size, pad, block size, write limit, result, bytes written
    const std::tuple<const char*, std::size_t, bool, int32_t, std::size_t, int32_t, std::size_t>
        cases[] = {
            {"Pad5000To8192", 5000, true, 4096, SIZE_MAX, FW5_OK, 8192},
            {"PadEmptyTo4096", 0, true, 4096, SIZE_MAX, FW5_OK, 4096},
            {"Pad5000To5120", 5000, true, 512, SIZE_MAX, FW5_OK, 5120},
            {"PadEmptyUnroundedToOne", 0, true, kUnrounded, SIZE_MAX, FW5_OK, 1},
            {"PadExactMultipleKept", 8192, true, 4096, SIZE_MAX, FW5_OK, 8192},
            {"Pad40000To65536", 40000, true, 65536, SIZE_MAX, FW5_OK, 65536},
            {"NoPad5000Kept", 5000, false, 4096, SIZE_MAX, FW5_OK, 5000},
            {"NoPadEmptyKept", 0, false, 4096, SIZE_MAX, FW5_OK, 0},
            {"PaddingFailsInSecondBlock", 20000, true, 4096, 20000, FW5_OK, 20000},
            {"OriginalBytesFailPadOn", 20000, true, 4096, 10000, FW5_ERR_WRITE, 10000},
            {"LastOriginalByteFailsPadOn", 5000, true, 4096, 4999, FW5_ERR_WRITE, 4999},
            {"OriginalBytesFailPadOff", 20000, false, 4096, 10000, FW5_ERR_WRITE, 10000},
        };
    for (const auto& [name, size, pad, block_size, limit, result, written] : cases) {
        Reset(size);
        disk.write_limit = limit;
        EXPECT_EQ(Overwrite(0xAA, pad, block_size), result) << name;
        const Bytes& file = Content();
        EXPECT_EQ(file.size(), std::max(size, written)) << name;
        EXPECT_EQ(static_cast<std::size_t>(std::count(file.begin(), file.end(), 0xAA)), written)
            << name;
    }
}

TEST(PurgeFile, PassCountChoosesThePassesAndTheFileIsDeleted) {
    const std::vector<int> fixed_end = {kRandom, 0xAA, 0x55, 0x0A, 0xF5};
    const std::pair<int32_t, std::vector<int>> cases[] = {{0, {}},
                                                          {1, {kRandom}},
                                                          {3, {kRandom, kRandom, kRandom}},
                                                          {99, std::vector<int>(99, kRandom)},
                                                          {100, fixed_end},
                                                          {999, fixed_end},
                                                          {1000, {kRandom}},
                                                          {-1, {kRandom}}};
    for (const auto& [passes, patterns] : cases) {
        SCOPED_TRACE(passes);
        Reset(2 * kBlock + 7);
        EXPECT_EQ(purge_file(kPath, passes, 0, kUnrounded), FW5_OK);
        EXPECT_EQ(Passes(2 * kBlock + 7), patterns);
        EXPECT_EQ(disk.trace, FlushedBlocks(patterns.size(), 2 * kBlock + 7));
        EXPECT_EQ(disk.names.count(kPath), 0u);
    }
}

TEST(DdPurgeFile, ModeChoosesWhatEachPassWrites) {
    const std::vector<int> fixed = {0xAA, 0x55, 0x0A, 0xF5};
    // mode, passes, delete flag, pad (to 4096 bytes), what the passes write
    const std::tuple<int32_t, int32_t, int32_t, bool, std::vector<int>> cases[] = {
        {FW5_MODE_RANDOM, 2, kKeep, false, {kRandom, kRandom}},
        {FW5_MODE_FIXED, 1, kDelete, false, fixed},
        {FW5_MODE_FIXED, 1, kKeep, true, fixed},
        {FW5_MODE_FIXED, 2, kKeep, false, {0xAA, 0x55, 0x0A, 0xF5, 0xAA, 0x55, 0x0A, 0xF5}},
        {FW5_MODE_MIXED, 1, kKeep, false, {0xAA, 0x55, kRandom, 0x0A, 0xF5, kRandom}},
        {FW5_MODE_FIXED, 0, kDelete, false, {}},
        {FW5_MODE_FIXED, -3, kKeep, false, {}},
    };
    for (const auto& [mode, passes, del, pad, patterns] : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << mode << ", " << passes << " passes");
        Reset(kBlock + 7);
        const std::size_t length = pad ? 5 * 4096 : kBlock + 7;
        int32_t elapsed = -1;
        EXPECT_EQ(dd_purge_file(kPath, mode, passes, del, pad ? 1 : 0, 4096, &elapsed), FW5_OK);
        EXPECT_EQ(Passes(length), patterns);
        EXPECT_EQ(disk.trace, FlushedBlocks(patterns.size(), length));
        EXPECT_EQ(disk.names.count(kPath), del == kDelete ? 0u : 1u);
        EXPECT_TRUE(elapsed >= 0 && elapsed < 60) << elapsed;  // whole seconds
    }
}

TEST(PurgeFunctions, AFailedFlushEndsThePassesButNotTheDeletion) {
    using Purge = int32_t (*)();
    const Purge purges[] = {
        [] { return purge_file(kPath, 3, 0, kUnrounded); },
        [] { return purge_file(kPath, 150, 0, kUnrounded); },
        [] { return dd_purge_file(kPath, FW5_MODE_FIXED, 2, kDelete, 0, kUnrounded, nullptr); },
    };
    for (const Purge purge : purges) {
        Reset(2 * kBlock);
        disk.flush_fails = true;
        EXPECT_EQ(purge(), FW5_ERR_FLUSH);
        EXPECT_EQ(disk.trace, "B");
        EXPECT_EQ(disk.names.count(kPath), 0u);
    }
}

TEST(PurgeFunctions, RejectArgumentsWithoutTouchingTheFile) {
    // block size, bytes a padded pass writes over kBlock + 7 bytes
    const std::pair<int32_t, std::size_t> valid[] = {
        {kUnrounded, kBlock + 7}, {512, 16896}, {4096, 20480}, {65536, 65536}};
    for (const auto& [block_size, written] : valid) {
        Reset(kBlock + 7);
        EXPECT_EQ(purge_file(kPath, 1, 1, block_size), FW5_OK) << block_size;
        EXPECT_EQ(Passes(written), std::vector<int>{kRandom}) << block_size;
    }
    Reset(kBlock);
    int32_t elapsed = 0;
    for (const int32_t block_size : {1000, 256, 65537, 66048, 0, -512}) {
        EXPECT_EQ(purge_file(kPath, 1, 1, block_size), FW5_ERR_BLOCK_SIZE) << block_size;
        EXPECT_EQ(dd_purge_file(kPath, 0, 1, kDelete, 1, block_size, &(elapsed = 7)),
                  FW5_ERR_BLOCK_SIZE);
        EXPECT_EQ(elapsed, 0);
    }
    for (const int32_t mode : {-1, 3}) {
        EXPECT_EQ(dd_purge_file(kPath, mode, 1, kDelete, 0, kUnrounded, &(elapsed = 7)),
                  FW5_ERR_MODE);
        EXPECT_EQ(elapsed, 0);
    }
    EXPECT_EQ(purge_file("", 1, 0, kUnrounded), FW5_ERR_NO_PATH);
    EXPECT_EQ(dd_purge_file("", 0, 1, kDelete, 0, kUnrounded, nullptr), FW5_ERR_NO_PATH);
    EXPECT_EQ(disk.trace, "");
    EXPECT_EQ(Content(), Bytes(kBlock, 0x11));
}

}  // namespace
