// num_different_bytes, randomness_measure and file_randomness.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "fileworks5.h"
#include "test_files.h"

namespace {

using fw5test::Bytes;

constexpr int32_t kSample = 65536;

double Measure(const Bytes& bytes, int32_t minimum = 0) {
    return randomness_measure(bytes.data(), static_cast<int32_t>(bytes.size()), minimum);
}

// Every one of the 128 x 128 seven-bit pairs exactly once: no deviation at all.
Bytes AllPairsOnce() {
    Bytes bytes;
    for (int row = 0; row < 128; ++row) {
        for (int column = 0; column < 128; ++column) {
            bytes.push_back(static_cast<uint8_t>(row));
            bytes.push_back(static_cast<uint8_t>(column));
        }
    }
    return bytes;
}

struct DistinctCase {
    const char* name;
    Bytes bytes;
    int32_t length;
    int32_t expected;
};

Bytes AllByteValues() {
    Bytes bytes;
    for (int value = 0; value < 256; ++value) {
        bytes.push_back(static_cast<uint8_t>(value));
    }
    return bytes;
}

class NumDifferentBytesTest : public ::testing::TestWithParam<DistinctCase> {};

TEST_P(NumDifferentBytesTest, CountsDistinctValuesWithinLength) {
    const auto& param = GetParam();
    EXPECT_EQ(num_different_bytes(param.bytes.data(), param.length), param.expected);
}

INSTANTIATE_TEST_SUITE_P(Buffers, NumDifferentBytesTest,
                         ::testing::Values(DistinctCase{"TwoValues", {'a', 'a', 'b'}, 3, 2},
                                           DistinctCase{"EveryValue", AllByteValues(), 256, 256},
                                           DistinctCase{"OnlyWithinLength", {'a', 'a', 'b'}, 2, 1},
                                           DistinctCase{"LengthZero", {'a'}, 0, FW5_NO_BYTES},
                                           DistinctCase{"NegativeLength", {'a'}, -5, 0}),
                         fw5test::CaseName());

TEST(NumDifferentBytes, NullBufferIsNoData) {
    EXPECT_EQ(num_different_bytes(nullptr, 10), -1);
}

TEST(RandomnessMeasure, ConstantDataScoresNearZeroRandomNearOne) {
    EXPECT_NEAR(Measure(Bytes(kSample, 0)), 0.0304, 0.0005);
    EXPECT_NEAR(Measure(fw5test::RandomBytes(kSample, 1)), 0.94, 0.02);
}

TEST(RandomnessMeasure, OnlyLowSevenBitsOfEachByteCount) {
    EXPECT_EQ(Measure(Bytes(kSample, 0x00)), Measure(Bytes(kSample, 0x80)));
    const Bytes random = fw5test::RandomBytes(kSample, 2);
    Bytes flipped = random;
    for (auto& b : flipped) {
        b ^= 0x80;
    }
    EXPECT_EQ(Measure(random), Measure(flipped));
}

TEST(RandomnessMeasure, OddLastByteStaysUnpaired) {
    Bytes bytes = fw5test::RandomBytes(kSample, 3);
    const double even = Measure(bytes);
    bytes.push_back(0x55);
    EXPECT_EQ(Measure(bytes), even);
}

TEST(RandomnessMeasure, UniformPairTableIsUndefined) {
    EXPECT_EQ(Measure(AllPairsOnce()), FW5_ERR_UNDEFINED);
}

struct MeasureErrorCase {
    const char* name;
    int32_t length;
    int32_t minimum;
    double expected;
};

class RandomnessMeasureErrorTest : public ::testing::TestWithParam<MeasureErrorCase> {};

TEST_P(RandomnessMeasureErrorTest, GivesCode) {
    const Bytes bytes = fw5test::RandomBytes(256, 4);
    EXPECT_EQ(randomness_measure(bytes.data(), GetParam().length, GetParam().minimum),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RandomnessMeasureErrorTest,
    ::testing::Values(MeasureErrorCase{"LengthZero", 0, 0, FW5_ERR_NO_DATA},
                      MeasureErrorCase{"NegativeLength", -4, -10, FW5_ERR_NO_DATA},
                      MeasureErrorCase{"BelowMinimum", 10, 100, FW5_ERR_TOO_SHORT},
                      MeasureErrorCase{"EvenPartBelowMinimum", 101, 101, FW5_ERR_TOO_SHORT},
                      MeasureErrorCase{"OneByteHasNoPair", 1, 0, FW5_ERR_NO_PAIR}),
    fw5test::CaseName());

TEST(RandomnessMeasure, NullBufferIsNoData) {
    EXPECT_EQ(randomness_measure(nullptr, 100, 0), FW5_ERR_NO_DATA);
}

TEST(FileRandomness, MatchesBufferFigureAcrossBlocks) {
    const fw5test::TempDir dir;
    const std::string path = dir.Path("data");
    Bytes bytes = fw5test::RandomBytes(3 * fw5test::kBlock + 1, 5);
    fw5test::WriteFile(path, bytes);
    EXPECT_EQ(file_randomness(path.c_str(), 0), Measure(bytes));
    fw5test::WriteFile(path, Bytes(kSample, 0));
    EXPECT_NEAR(file_randomness(path.c_str(), 0), 0.0304, 0.0005);
}

TEST(FileRandomness, Failures) {
    const fw5test::TempDir dir;
    const std::string empty = dir.Path("empty");
    const std::string one = dir.Path("one");
    const std::string small = dir.Path("small");
    const std::string missing = dir.Path("missing");
    const std::string folder = dir.Path("");
    fw5test::WriteFile(empty, {});
    fw5test::WriteFile(one, {0x41});
    fw5test::WriteFile(small, fw5test::RandomBytes(100, 6));

    EXPECT_EQ(file_randomness(missing.c_str(), 0), FW5_ERR_OPEN);
    EXPECT_EQ(file_randomness(folder.c_str(), 0), FW5_ERR_OPEN);
    EXPECT_EQ(file_randomness(nullptr, 0), FW5_ERR_OPEN);
    EXPECT_EQ(file_randomness(empty.c_str(), 0), FW5_ERR_NO_DATA);
    EXPECT_EQ(file_randomness(one.c_str(), 0), FW5_ERR_NO_DATA);
    EXPECT_EQ(file_randomness(small.c_str(), 101), FW5_ERR_TOO_SHORT);
    EXPECT_GT(file_randomness(small.c_str(), 100), 0.0);
}

}  // namespace
