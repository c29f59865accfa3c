// The exports that only read or ask: compare_files, num_different_bytes,
// randomness_measure, file_randomness, new_file_creatable and
// new_filepath_extension.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "fileworks5.h"
#include "test_files.h"

namespace {

using fw5test::Bytes;
using fw5test::kBlock;

// Pair k is (k*k mod first_mod, 3k mod second_mod), with the top bit, which
// must not count, set on some bytes. A first_mod of 5 crowds the pairs into a
// few unevenly filled rows of the pair table, a second_mod of 5 into columns.
Bytes Pairs(int count, int first_mod, int second_mod) {
    Bytes bytes;
    for (int k = 0; k < count; ++k) {
        bytes.push_back(static_cast<uint8_t>((k * k) % first_mod | (k & 1) << 7));
        bytes.push_back(static_cast<uint8_t>((3 * k) % second_mod | (k & 2) << 6));
    }
    return bytes;
}

// Every one of the 128 x 128 seven-bit pairs once: no deviation at all.
Bytes EveryPairOnce() {
    Bytes bytes;
    for (int cell = 0; cell < 128 * 128; ++cell) {
        bytes.insert(bytes.end(), {static_cast<uint8_t>(cell / 128), static_cast<uint8_t>(cell)});
    }
    return bytes;
}

Bytes With(Bytes bytes, std::size_t offset, uint8_t value) {
    bytes.resize(std::max(bytes.size(), offset + 1));
    bytes[offset] = value;
    return bytes;
}

TEST(CompareFiles, GivesFirstDifferingOffsetOrCodeAndClosesTheFiles) {
    const std::ptrdiff_t open_before = fw5test::OpenHandleCount();
    constexpr std::size_t kSize = 40000;  // between two and three blocks
    const Bytes base = fw5test::NoiseBytes(kSize);
    // clang-format off
    const std::tuple<const char*, Bytes, Bytes, int32_t> cases[] = {
        {"Identical", base, base, FW5_IDENTICAL},
        {"BothEmpty", {}, {}, FW5_IDENTICAL},
        {"SecondOneByteLonger", base, With(base, kSize, 0), kSize},
        {"FirstOneByteLonger", With(base, kSize, 0), base, kSize},
        {"OneByteLongerThanABlock", Bytes(base.begin(), base.begin() + kBlock), Bytes(base.begin(), base.begin() + kBlock + 1), kBlock},
        {"DifferAtFirstByte", base, With(base, 0, 0xFF), 0},
        {"DifferByOneAt20000", With(base, 20000, static_cast<uint8_t>(base[20000] + 1)), base, 20000},
        {"DifferAtEndOfBlock", With(base, kBlock - 1, 0xFF), base, kBlock - 1},
        {"DifferAtStartOfBlock", base, With(base, kBlock, 0xFF), kBlock},
        {"FirstEmpty", {}, base, FW5_ERR_FIRST_EMPTY},
        {"SecondEmpty", base, {}, FW5_ERR_SECOND_EMPTY},
    };
    // clang-format on
    const fw5test::TempDir dir;
    const std::string first = dir.Path("first");
    const std::string second = dir.Path("second");
    for (const auto& [name, first_bytes, second_bytes, expected] : cases) {
        fw5test::WriteFile(first, first_bytes);
        fw5test::WriteFile(second, second_bytes);
        EXPECT_EQ(compare_files(first.c_str(), second.c_str()), expected) << name;
    }
    const std::string missing = dir.Path("missing");
    const std::string folder = dir.Path("");
    EXPECT_EQ(compare_files(missing.c_str(), missing.c_str()), FW5_ERR_OPEN);
    EXPECT_EQ(compare_files(folder.c_str(), first.c_str()), FW5_ERR_OPEN);
    EXPECT_EQ(compare_files(first.c_str(), missing.c_str()), FW5_ERR_OPEN_SECOND);
    EXPECT_EQ(compare_files(first.c_str(), folder.c_str()), FW5_ERR_OPEN_SECOND);
    EXPECT_EQ(fw5test::OpenHandleCount(), open_before);
}

TEST(NumDifferentBytes, CountsDistinctValuesWithinLength) {
    Bytes every_value(256);
    std::iota(every_value.begin(), every_value.end(), uint8_t{0});
    const Bytes aab = {'a', 'a', 'b'};
    EXPECT_EQ(num_different_bytes(aab.data(), 3), 2);
    EXPECT_EQ(num_different_bytes(aab.data(), 2), 1);
    EXPECT_EQ(num_different_bytes(every_value.data(), 256), 256);
    EXPECT_EQ(num_different_bytes(aab.data(), 0), FW5_NO_BYTES);
    EXPECT_EQ(num_different_bytes(aab.data(), -5), 0);
}

// The figures were computed apart from the library, straight from the
// definition (pair table, A, B and the logarithms) in double precision.
TEST(RandomnessMeasure, BufferAndFileGiveFigureOrCode) {
    constexpr double kOnePair = 0.48659835415886393;
    constexpr double kZeros = 0.030409915641860158;
    // name, bytes, minimum, randomness_measure, file_randomness
    // clang-format off
    const std::tuple<const char*, Bytes, int32_t, double, double> cases[] = {
        {"OnePair", {0x41, 0xC2}, 2, kOnePair, kOnePair},
        {"OddLastByteUnpaired", {0x41, 0xC2, 0x07}, 0, kOnePair, kOnePair},
        {"ZeroBytes", Bytes(65536, 0x00), 0, kZeros, kZeros},
        {"TopBitIgnored", Bytes(65536, 0x80), 65536, kZeros, kZeros},
        {"MebibyteAndAPairOfZeros", Bytes((1 << 20) + 2), 0, 0.024327902699249886, 0.024327902699249886},
        {"HundredZerosAtMinimum", Bytes(100), 100, 0.07323493519421274, 0.07323493519421274},
        {"FewRowsTwoBlocks", With(Pairs(10001, 5, 128), 20002, 0x33), 0, 0.13585240519321545, 0.13585240519321545},
        {"FewColumns", Pairs(10001, 128, 5), 0, 0.21643047740752072, 0.21643047740752072},
        {"Noise", fw5test::NoiseBytes(65536), -5, 0.9501582564375042, 0.9501582564375042},
        {"EveryPairOnce", EveryPairOnce(), 0, FW5_ERR_UNDEFINED, FW5_ERR_UNDEFINED},
        {"Empty", {}, 0, FW5_ERR_NO_DATA, FW5_ERR_NO_DATA},
        {"OneByte", {0x41}, 0, FW5_ERR_NO_PAIR, FW5_ERR_NO_DATA},
        {"BelowMinimum", Bytes(10), 11, FW5_ERR_TOO_SHORT, FW5_ERR_TOO_SHORT},
        {"EvenPartBelowMinimum", Bytes(101), 101, FW5_ERR_TOO_SHORT, FW5_ERR_TOO_SHORT},
    };
    // clang-format on
    constexpr double kTolerance = 1e-9;
    const fw5test::TempDir dir;
    const std::string path = dir.Path("file");
    for (const auto& [name, bytes, minimum, in_buffer, in_file] : cases) {
        const auto length = static_cast<int32_t>(bytes.size());
        EXPECT_NEAR(randomness_measure(bytes.data(), length, minimum), in_buffer, kTolerance)
            << name;
        fw5test::WriteFile(path, bytes);
        EXPECT_NEAR(file_randomness(path.c_str(), minimum), in_file, kTolerance) << name;
    }
    EXPECT_EQ(randomness_measure(std::get<1>(cases[0]).data(), -2, 0), FW5_ERR_NO_DATA);
    EXPECT_EQ(file_randomness(dir.Path("missing").c_str(), 0), FW5_ERR_OPEN);
    EXPECT_EQ(file_randomness(dir.Path("").c_str(), 0), FW5_ERR_OPEN);
}

TEST(NewFileCreatable, TellsFreeNamesFromTakenAndImpossibleOnes) {
    const fw5test::TempDir dir;
    const std::string taken = dir.Path("taken");
    const std::string free_name = dir.Path("free");
    fw5test::WriteFile(taken, {1, 2, 3});

    EXPECT_EQ(new_file_creatable(free_name.c_str()), FW5_CREATABLE);
    EXPECT_FALSE(std::filesystem::exists(free_name));
    EXPECT_EQ(new_file_creatable(taken.c_str()), FW5_EXISTS);
    EXPECT_EQ(fw5test::ReadFile(taken), fw5test::Bytes({1, 2, 3}));
    EXPECT_EQ(new_file_creatable(dir.Path("missing/file").c_str()), FW5_NOT_CREATABLE);
}

TEST(NewFilepathExtension, FindsSmallestFreeNumberAndLeavesNoFile) {
    const fw5test::TempDir dir;
    const std::string prefix = dir.Path("log.");
    EXPECT_EQ(new_filepath_extension(prefix.c_str()), 1);
    fw5test::WriteFile(prefix + "1", {});
    fw5test::WriteFile(prefix + "2", {});
    fw5test::WriteFile(prefix + "4", {});
    EXPECT_EQ(new_filepath_extension(prefix.c_str()), 3);
    EXPECT_FALSE(std::filesystem::exists(prefix + "3"));
    for (int n = 1; n <= 998; ++n) {
        fw5test::WriteFile(prefix + std::to_string(n), {});
    }
    EXPECT_EQ(new_filepath_extension(prefix.c_str()), 999);
    fw5test::WriteFile(prefix + "999", {});
    EXPECT_EQ(new_filepath_extension(prefix.c_str()), 0);
    EXPECT_EQ(new_filepath_extension(dir.Path("missing/log.").c_str()), 0);
    EXPECT_EQ(new_filepath_extension(""), 0);
}

// Each pointer argument null on its own, the others valid.
TEST(Exports, ANullPointerGivesTheFunctionsCode) {
    const fw5test::TempDir dir;
    const std::string file = dir.Path("file");
    const Bytes bytes = fw5test::NoiseBytes(100);
    fw5test::WriteFile(file, bytes);
    const char* path = file.c_str();
    // clang-format off
    const std::tuple<const char*, double, double> cases[] = {
        {"compare_files, first", compare_files(nullptr, path), FW5_ERR_OPEN},
        {"compare_files, second", compare_files(path, nullptr), FW5_ERR_OPEN_SECOND},
        {"num_different_bytes", num_different_bytes(nullptr, 3), FW5_NO_BYTES},
        {"randomness_measure", randomness_measure(nullptr, 10, 0), FW5_ERR_NO_DATA},
        {"file_randomness", file_randomness(nullptr, 0), FW5_ERR_OPEN},
        {"purge_file", purge_file(nullptr, 1, 0, FW5_NO_BLOCK_ROUNDING), FW5_ERR_NO_PATH},
        {"dd_purge_file, path", dd_purge_file(nullptr, 0, 1, 1, 0, FW5_NO_BLOCK_ROUNDING, nullptr), FW5_ERR_NO_PATH},
        {"new_file_creatable", new_file_creatable(nullptr), FW5_NOT_CREATABLE},
        {"new_filepath_extension", new_filepath_extension(nullptr), 0},
        {"dd_purge_file, elapsed", dd_purge_file(path, FW5_MODE_FIXED, 1, 0, 0, FW5_NO_BLOCK_ROUNDING, nullptr), FW5_OK},
    };
    // clang-format on
    for (const auto& [name, result, expected] : cases) {
        EXPECT_EQ(result, expected) << name;
    }
    EXPECT_EQ(fw5test::ReadFile(file), Bytes(bytes.size(), 0xF5));
}

}  // namespace
