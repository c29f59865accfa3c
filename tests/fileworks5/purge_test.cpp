// purge_file and dd_purge_file. A hard link to the purged file keeps its
// contents readable after the purge has deleted the name.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "fileworks5.h"
#include "test_files.h"

namespace {

using fw5test::Bytes;
using fw5test::kBlock;

constexpr std::size_t kSmall = 5000;
constexpr int kNoPad = 0;
constexpr int kPad = 1;
constexpr int kKeep = 0;
constexpr int kDelete = 1;

// A file and a second name for it that survives the purge.
struct Victim {
    fw5test::TempDir dir;
    std::string path = dir.Path("victim");
    std::string link = dir.Path("link");
    Bytes original;

    explicit Victim(Bytes bytes) : original(std::move(bytes)) {
        fw5test::WriteFile(path, original);
        EXPECT_EQ(::link(path.c_str(), link.c_str()), 0);
    }
    Bytes Contents() const { return fw5test::ReadFile(link); }
};

bool AllBytesAre(const Bytes& bytes, uint8_t value) {
    return std::all_of(bytes.begin(), bytes.end(), [value](uint8_t b) { return b == value; });
}

uint32_t WordAt(const Bytes& bytes, std::size_t offset) {
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

// Whether word is the first pattern word of a seed the purge functions draw.
bool IsFirstWordOfSomeSeed(uint32_t word) {
    for (uint32_t seed = 256; seed <= 32767; ++seed) {
        if (seed * 15013869u + 387u == word) {
            return true;
        }
    }
    return false;
}

std::vector<uint32_t> SortedWords(const Bytes& bytes, std::size_t from, std::size_t count) {
    std::vector<uint32_t> words;
    for (std::size_t i = 0; i < count; ++i) {
        words.push_back(WordAt(bytes, from + 4 * i));
    }
    std::sort(words.begin(), words.end());
    return words;
}

// A random pass writes a permutation of one seed's pattern words into every
// block, each starting with the seed's first word.
void ExpectRandomPass(const Bytes& bytes) {
    ASSERT_GE(bytes.size(), 2 * kBlock);
    const uint32_t first = WordAt(bytes, 0);
    EXPECT_TRUE(IsFirstWordOfSomeSeed(first)) << std::hex << first;
    for (std::size_t block = 0; block < bytes.size(); block += kBlock) {
        EXPECT_EQ(WordAt(bytes, block), first) << "block at " << block;
    }
    EXPECT_EQ(SortedWords(bytes, 0, kBlock / 4), SortedWords(bytes, kBlock, kBlock / 4));
}

struct BlockSizeCase {
    const char* name;
    int32_t block_size;
    bool accepted;
};

class PurgeBlockSizeTest : public ::testing::TestWithParam<BlockSizeCase> {};

TEST_P(PurgeBlockSizeTest, AcceptsOnlyMinusOneOrMultiplesOf512UpTo65536) {
    Victim victim(fw5test::RandomBytes(kSmall, 1));
    const int32_t result = purge_file(victim.path.c_str(), 1, kNoPad, GetParam().block_size);
    if (GetParam().accepted) {
        EXPECT_EQ(result, FW5_OK);
        EXPECT_FALSE(fw5test::Exists(victim.path));
        EXPECT_EQ(victim.Contents().size(), kSmall);
        EXPECT_NE(victim.Contents(), victim.original);
    } else {
        EXPECT_EQ(result, FW5_ERR_BLOCK_SIZE);
        EXPECT_EQ(fw5test::ReadFile(victim.path), victim.original);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BlockSizes, PurgeBlockSizeTest,
    ::testing::Values(BlockSizeCase{"Minus1", -1, true}, BlockSizeCase{"B512", 512, true},
                      BlockSizeCase{"B4096", 4096, true}, BlockSizeCase{"B65536", 65536, true},
                      BlockSizeCase{"B1000", 1000, false}, BlockSizeCase{"B256", 256, false},
                      BlockSizeCase{"B65537", 65537, false}, BlockSizeCase{"B66048", 66048, false},
                      BlockSizeCase{"Zero", 0, false}, BlockSizeCase{"Minus512", -512, false}),
    fw5test::CaseName());

TEST(PurgeFile, ZeroPassesOnlyDeletes) {
    Victim victim(fw5test::RandomBytes(kSmall, 2));
    EXPECT_EQ(purge_file(victim.path.c_str(), 0, kNoPad, -1), FW5_OK);
    EXPECT_FALSE(fw5test::Exists(victim.path));
    EXPECT_EQ(victim.Contents(), victim.original);
}

TEST(PurgeFile, HundredToNineHundredNinetyNineEndsWithFixedPasses) {
    Victim victim(fw5test::RandomBytes(2 * kBlock + 7, 3));
    EXPECT_EQ(purge_file(victim.path.c_str(), 150, kNoPad, -1), FW5_OK);
    EXPECT_EQ(victim.Contents().size(), victim.original.size());
    EXPECT_TRUE(AllBytesAre(victim.Contents(), 0xF5));
}

TEST(PurgeFile, FewOrHugePassCountsWriteRandomPasses) {
    for (const int32_t passes : {1, 99, 1000, -1}) {
        Victim victim(Bytes(2 * kBlock + 7, 0));
        EXPECT_EQ(purge_file(victim.path.c_str(), passes, kNoPad, -1), FW5_OK) << passes;
        EXPECT_EQ(victim.Contents().size(), victim.original.size());
        ExpectRandomPass(victim.Contents());
    }
}

TEST(PurgeFile, Failures) {
    const fw5test::TempDir dir;
    const std::string missing = dir.Path("missing");
    const std::string folder = dir.Path("folder");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(purge_file(missing.c_str(), 0, kNoPad, -1), FW5_ERR_DEL_MISSING);
    EXPECT_EQ(purge_file(missing.c_str(), 1, kNoPad, -1), FW5_ERR_DEL_MISSING);
    EXPECT_EQ(purge_file(folder.c_str(), 1, kNoPad, -1), FW5_ERR_DEL_OTHER);
    EXPECT_TRUE(fw5test::Exists(folder));
    EXPECT_EQ(purge_file(nullptr, 1, kNoPad, -1), FW5_ERR_NO_PATH);
    EXPECT_EQ(purge_file("", 1, kNoPad, -1), FW5_ERR_NO_PATH);
}

TEST(PurgeFile, DeletionDeniedInReadOnlyFolder) {
    if (fw5test::RunningAsRoot()) {
        GTEST_SKIP() << "root may delete from a read-only folder; run as another user";
    }
    const fw5test::TempDir dir;
    const std::string folder = dir.Path("locked");
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/file";
    fw5test::WriteFile(path, Bytes(kSmall, 1));
    chmod(folder.c_str(), 0555);
    EXPECT_EQ(purge_file(path.c_str(), 1, kNoPad, -1), FW5_ERR_DEL_DENIED);
}

// Both purge functions open the file a symbolic link names, so its target
// is overwritten, and then delete the name they were given: the link.
TEST(PurgeFunctions, FollowASymbolicLinkAndDeleteOnlyTheLink) {
    using Purge = int32_t (*)(const char*);
    const Purge purges[] = {
        [](const char* path) { return purge_file(path, 150, kNoPad, -1); },
        [](const char* path) {
            return dd_purge_file(path, FW5_MODE_FIXED, 1, kDelete, kNoPad, -1, nullptr);
        },
    };
    for (const Purge purge : purges) {
        const fw5test::TempDir dir;
        const std::string target = dir.Path("target");
        const std::string link = dir.Path("link");
        fw5test::WriteFile(target, fw5test::RandomBytes(kSmall, 9));
        ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
        EXPECT_EQ(purge(link.c_str()), FW5_OK);
        std::error_code ignored;
        EXPECT_FALSE(std::filesystem::is_symlink(std::filesystem::symlink_status(link, ignored)));
        const Bytes after = fw5test::ReadFile(target);
        EXPECT_EQ(after.size(), kSmall);
        EXPECT_TRUE(AllBytesAre(after, 0xF5));
    }
}

TEST(DdPurgeFile, FixedModeLeavesLastValueAndLength) {
    Victim victim(fw5test::RandomBytes(2 * kBlock + 7, 4));
    EXPECT_EQ(dd_purge_file(victim.path.c_str(), FW5_MODE_FIXED, 1, kKeep, kNoPad, -1, nullptr),
              FW5_OK);
    EXPECT_EQ(fw5test::ReadFile(victim.path).size(), victim.original.size());
    EXPECT_TRUE(AllBytesAre(fw5test::ReadFile(victim.path), 0xF5));
}

TEST(DdPurgeFile, RandomAndMixedModesEndWithRandomPass) {
    for (const int32_t mode : {FW5_MODE_RANDOM, FW5_MODE_MIXED}) {
        Victim victim(Bytes(3 * kBlock + 100, 0));
        EXPECT_EQ(dd_purge_file(victim.path.c_str(), mode, 2, kKeep, kNoPad, -1, nullptr), FW5_OK);
        EXPECT_EQ(victim.Contents().size(), victim.original.size());
        ExpectRandomPass(victim.Contents());
    }
}

struct PadCase {
    const char* name;
    std::size_t size;
    int32_t pad;
    int32_t block_size;
    std::size_t expected_size;
};

class PadTest : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadTest, RoundsOverwrittenLength) {
    Victim victim(Bytes(GetParam().size, 0x11));
    EXPECT_EQ(dd_purge_file(victim.path.c_str(), FW5_MODE_FIXED, 1, kKeep, GetParam().pad,
                            GetParam().block_size, nullptr),
              FW5_OK);
    const Bytes after = victim.Contents();
    EXPECT_EQ(after.size(), GetParam().expected_size);
    EXPECT_TRUE(AllBytesAre(after, 0xF5));
}

INSTANTIATE_TEST_SUITE_P(Lengths, PadTest,
                         ::testing::Values(PadCase{"Pad5000To8192", 5000, kPad, 4096, 8192},
                                           PadCase{"PadEmptyTo4096", 0, kPad, 4096, 4096},
                                           PadCase{"Pad5000To5120", 5000, kPad, 512, 5120},
                                           PadCase{"PadEmptyUnroundedToOne", 0, kPad, -1, 1},
                                           PadCase{"PadExactMultipleKept", 8192, kPad, 4096, 8192},
                                           PadCase{"NoPad5000Kept", 5000, kNoPad, 4096, 5000},
                                           PadCase{"NoPadEmptyKept", 0, kNoPad, 4096, 0}),
                         fw5test::CaseName());

TEST(DdPurgeFile, ArgumentErrorsTouchNothingAndZeroElapsed) {
    Victim victim(fw5test::RandomBytes(kSmall, 5));
    const char* path = victim.path.c_str();
    int32_t elapsed = 77;
    EXPECT_EQ(dd_purge_file(path, 3, 1, kDelete, kNoPad, -1, &elapsed), FW5_ERR_MODE);
    EXPECT_EQ(elapsed, 0);
    elapsed = 77;
    EXPECT_EQ(dd_purge_file(path, -1, 1, kDelete, kNoPad, -1, &elapsed), FW5_ERR_MODE);
    EXPECT_EQ(elapsed, 0);
    EXPECT_EQ(dd_purge_file(path, 0, 1, kDelete, kNoPad, 1000, &elapsed), FW5_ERR_BLOCK_SIZE);
    EXPECT_EQ(dd_purge_file(nullptr, 0, 1, kDelete, kNoPad, -1, &elapsed), FW5_ERR_NO_PATH);
    EXPECT_EQ(dd_purge_file("", 0, 1, kDelete, kNoPad, -1, nullptr), FW5_ERR_NO_PATH);
    EXPECT_EQ(fw5test::ReadFile(path), victim.original);
}

TEST(DdPurgeFile, DeletesOnlyWhenAskedAndReportsElapsedSeconds) {
    Victim victim(fw5test::RandomBytes(kSmall, 6));
    int32_t elapsed = -1;
    EXPECT_EQ(dd_purge_file(victim.path.c_str(), 0, 0, kKeep, kNoPad, -1, &elapsed), FW5_OK);
    EXPECT_EQ(fw5test::ReadFile(victim.path), victim.original);
    EXPECT_GE(elapsed, 0);
    EXPECT_LE(elapsed, 5);
    EXPECT_EQ(dd_purge_file(victim.path.c_str(), 0, 0, kDelete, kNoPad, -1, &elapsed), FW5_OK);
    EXPECT_FALSE(fw5test::Exists(victim.path));
    EXPECT_EQ(victim.Contents(), victim.original);
}

TEST(DdPurgeFile, Failures) {
    const fw5test::TempDir dir;
    const std::string missing = dir.Path("missing");
    const std::string folder = dir.Path("folder");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(dd_purge_file(missing.c_str(), 0, 1, kKeep, kNoPad, -1, nullptr), FW5_ERR_OPEN_RW);
    EXPECT_EQ(dd_purge_file(missing.c_str(), 0, 1, kDelete, kNoPad, -1, nullptr),
              FW5_ERR_DEL_MISSING);
    EXPECT_EQ(dd_purge_file(folder.c_str(), 1, 1, kKeep, kNoPad, -1, nullptr), FW5_ERR_OPEN_RW);
    EXPECT_EQ(dd_purge_file(folder.c_str(), 1, 1, kDelete, kNoPad, -1, nullptr), FW5_ERR_DEL_OTHER);
}

TEST(DdPurgeFile, ReadOnlyFileCannotBeOpened) {
    if (fw5test::RunningAsRoot()) {
        GTEST_SKIP() << "root may write a read-only file; run as another user";
    }
    Victim victim(fw5test::RandomBytes(kSmall, 7));
    chmod(victim.path.c_str(), 0444);
    EXPECT_EQ(dd_purge_file(victim.path.c_str(), 1, 1, kKeep, kNoPad, -1, nullptr),
              FW5_ERR_OPEN_RW);
    EXPECT_EQ(victim.Contents(), victim.original);
}

// Lets writes fail beyond a file size, as on a full disk, for one test.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previous_signal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previous_signal_);
    }

  private:
    rlimit previous_{};
    void (*previous_signal_)(int) = nullptr;
};

struct WriteFailureCase {
    const char* name;
    std::size_t size;
    rlim_t limit;
    int32_t pad;
    int32_t expected;
};

class WriteFailureTest : public ::testing::TestWithParam<WriteFailureCase> {};

TEST_P(WriteFailureTest, IsToleratedOnlyInPadding) {
    Victim victim(Bytes(GetParam().size, 0x11));
    int32_t result = 0;
    {
        const FileSizeLimit limit(GetParam().limit);
        result = dd_purge_file(victim.path.c_str(), FW5_MODE_FIXED, 1, kKeep, GetParam().pad, 4096,
                               nullptr);
    }
    EXPECT_EQ(result, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, WriteFailureTest,
    ::testing::Values(WriteFailureCase{"PaddingFailsPadOn", 5000, 6000, kPad, FW5_OK},
                      WriteFailureCase{"OriginalBytesFailPadOn", 20000, 10000, kPad, FW5_ERR_WRITE},
                      WriteFailureCase{"OriginalBytesFailPadOff", 20000, 10000, kNoPad,
                                       FW5_ERR_WRITE},
                      WriteFailureCase{"NoPaddingNoFailure", 5000, 6000, kNoPad, FW5_OK}),
    fw5test::CaseName());

}  // namespace
