// compare_files: codes, offsets and failures.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "fileworks5.h"
#include "test_files.h"

namespace {

using fw5test::Bytes;
using fw5test::kBlock;

constexpr std::size_t kSize = 40000;  // between two and three blocks

Bytes Base() {
    return fw5test::RandomBytes(kSize, 7);
}

Bytes WithByteChanged(std::size_t offset) {
    Bytes bytes = Base();
    bytes[offset] ^= 1;
    return bytes;
}

Bytes Extended() {
    Bytes bytes = Base();
    bytes.push_back(0);
    return bytes;
}

struct CompareCase {
    const char* name;
    Bytes first;
    Bytes second;
    int32_t expected;
};

class CompareFilesTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareFilesTest, GivesCodeOrFirstDifferingOffset) {
    const fw5test::TempDir dir;
    const std::string first = dir.Path("first");
    const std::string second = dir.Path("second");
    fw5test::WriteFile(first, GetParam().first);
    fw5test::WriteFile(second, GetParam().second);
    EXPECT_EQ(compare_files(first.c_str(), second.c_str()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, CompareFilesTest,
    ::testing::Values(
        CompareCase{"Identical", Base(), Base(), FW5_IDENTICAL},
        CompareCase{"BothEmpty", {}, {}, FW5_IDENTICAL},
        CompareCase{"SecondOneByteLonger", Base(), Extended(), kSize},
        CompareCase{"FirstOneByteLonger", Extended(), Base(), kSize},
        CompareCase{"DifferAtFirstByte", Base(), WithByteChanged(0), 0},
        CompareCase{"DifferAt20000", Base(), WithByteChanged(20000), 20000},
        CompareCase{"DifferAtEndOfBlock", WithByteChanged(kBlock - 1), Base(), kBlock - 1},
        CompareCase{"DifferAtStartOfBlock", Base(), WithByteChanged(kBlock), kBlock},
        CompareCase{"DifferAtLastByte", Base(), WithByteChanged(kSize - 1), kSize - 1},
        CompareCase{"FirstEmpty", {}, Base(), FW5_ERR_FIRST_EMPTY},
        CompareCase{"SecondEmpty", Base(), {}, FW5_ERR_SECOND_EMPTY}),
    fw5test::CaseName());

TEST(CompareFilesFailure, ReportsWhichFileCannotBeOpened) {
    const fw5test::TempDir dir;
    const std::string file = dir.Path("file");
    const std::string missing = dir.Path("missing");
    const std::string folder = dir.Path("");
    fw5test::WriteFile(file, Base());

    EXPECT_EQ(compare_files(missing.c_str(), file.c_str()), FW5_ERR_OPEN);
    EXPECT_EQ(compare_files(missing.c_str(), missing.c_str()), FW5_ERR_OPEN);
    EXPECT_EQ(compare_files(file.c_str(), missing.c_str()), FW5_ERR_OPEN_SECOND);
    EXPECT_EQ(compare_files(folder.c_str(), file.c_str()), FW5_ERR_OPEN);
    EXPECT_EQ(compare_files(file.c_str(), folder.c_str()), FW5_ERR_OPEN_SECOND);
    EXPECT_EQ(compare_files(nullptr, file.c_str()), FW5_ERR_OPEN);
    EXPECT_EQ(compare_files(file.c_str(), nullptr), FW5_ERR_OPEN_SECOND);
    EXPECT_EQ(compare_files(nullptr, nullptr), FW5_ERR_OPEN);
}

TEST(CompareFilesFailure, DifferenceBeyondInt32RangeIsReportedNotWrapped) {
    // Sparse files: 2 GiB of holes read back as zeros without using disk space.
    constexpr std::uintmax_t kFarOffset = std::uintmax_t{1} << 31;
    const fw5test::TempDir dir;
    const std::string first = dir.Path("first");
    const std::string second = dir.Path("second");
    fw5test::WriteFile(first, {});
    fw5test::WriteFile(second, {});
    std::filesystem::resize_file(first, kFarOffset + 1);
    std::filesystem::resize_file(second, kFarOffset);
    EXPECT_EQ(compare_files(first.c_str(), second.c_str()), FW5_ERR_FAR_OFFSET);
}

}  // namespace
