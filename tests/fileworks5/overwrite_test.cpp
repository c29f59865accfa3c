// The pattern generator and single overwrite passes with chosen patterns,
// which the exported functions only reach with drawn seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "fileworks5.h"
#include "overwrite.h"
#include "pattern.h"
#include "test_files.h"

namespace {

using fw5test::Bytes;
using fw5test::kBlock;

TEST(PatternWords, SeedTwoHundredFiftySixGivesKnownWords) {
    fw5::PatternWords words(256);
    EXPECT_EQ(words.Next(), 0xE517EE83u);
    EXPECT_EQ(words.Next(), 0x98C495CAu);
    EXPECT_EQ(words.Next(), 0x1525D385u);
}

TEST(PatternSource, EveryRandomBlockStartsWithFirstWord) {
    fw5::PatternSource source(256);
    for (int block = 0; block < 20; ++block) {
        const fw5::Block& next = source.NextBlock();
        EXPECT_EQ(next[0], 0x83);
        EXPECT_EQ(next[1], 0xEE);
        EXPECT_EQ(next[2], 0x17);
        EXPECT_EQ(next[3], 0xE5);
    }
}

TEST(OverwriteFile, FixedPassTurnsEveryByteIntoValueAndKeepsLength) {
    const fw5test::TempDir dir;
    const std::string path = dir.Path("file");
    fw5test::WriteFile(path, fw5test::RandomBytes(2 * kBlock + 123, 1));
    EXPECT_EQ(fw5::OverwriteFile(path.c_str(), 170, false, FW5_NO_BLOCK_ROUNDING), FW5_OK);
    const Bytes after = fw5test::ReadFile(path);
    EXPECT_EQ(after.size(), 2 * kBlock + 123);
    EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](uint8_t b) { return b == 0xAA; }));
}

TEST(OverwriteFile, RandomPassStartsEveryBlockWithFirstPatternWord) {
    const fw5test::TempDir dir;
    const std::string path = dir.Path("file");
    constexpr std::size_t kSize = 4 * kBlock + 10;
    fw5test::WriteFile(path, Bytes(kSize, 0));
    EXPECT_EQ(fw5::OverwriteFile(path.c_str(), 256, false, FW5_NO_BLOCK_ROUNDING), FW5_OK);
    const Bytes after = fw5test::ReadFile(path);
    ASSERT_EQ(after.size(), kSize);
    for (std::size_t block = 0; block < kSize; block += kBlock) {
        EXPECT_EQ(Bytes(after.begin() + static_cast<std::ptrdiff_t>(block),
                        after.begin() + static_cast<std::ptrdiff_t>(block) + 4),
                  Bytes({0x83, 0xEE, 0x17, 0xE5}))
            << "block at " << block;
    }
}

}  // namespace
