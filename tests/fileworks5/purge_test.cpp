// purge_file and dd_purge_file on real files: deletion codes, symbolic links
// and read-only files. What the passes write is checked in passes_test.cpp.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "fileworks5.h"
#include "test_files.h"

namespace {

using fw5test::Bytes;

constexpr std::size_t kSmall = 5000;
constexpr int32_t kNoPad = 0;
constexpr int32_t kKeep = 0;
constexpr int32_t kDelete = 1;
constexpr int32_t kUnrounded = FW5_NO_BLOCK_ROUNDING;

TEST(PurgeFunctions, ReportWhyAFileCouldNotBeDeleted) {
    const fw5test::TempDir dir;
    const std::string missing = dir.Path("missing");
    const std::string folder = dir.Path("folder");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(purge_file(missing.c_str(), 0, kNoPad, kUnrounded), FW5_ERR_DEL_MISSING);
    EXPECT_EQ(purge_file(missing.c_str(), 1, kNoPad, kUnrounded), FW5_ERR_DEL_MISSING);
    EXPECT_EQ(purge_file(folder.c_str(), 1, kNoPad, kUnrounded), FW5_ERR_DEL_OTHER);
    EXPECT_EQ(dd_purge_file(missing.c_str(), 0, 1, kKeep, kNoPad, kUnrounded, nullptr),
              FW5_ERR_OPEN_RW);
    EXPECT_EQ(dd_purge_file(folder.c_str(), 1, 1, kDelete, kNoPad, kUnrounded, nullptr),
              FW5_ERR_DEL_OTHER);
    EXPECT_TRUE(std::filesystem::exists(folder));
}

// Both purge functions open the file a symbolic link names, so its target
// is overwritten, and then delete the name they were given: the link.
TEST(PurgeFunctions, FollowASymbolicLinkAndDeleteOnlyTheLink) {
    using Purge = int32_t (*)(const char*);
    const Purge purges[] = {
        [](const char* path) { return purge_file(path, 150, kNoPad, kUnrounded); },
        [](const char* path) {
            return dd_purge_file(path, FW5_MODE_FIXED, 1, kDelete, kNoPad, kUnrounded, nullptr);
        },
    };
    for (const Purge purge : purges) {
        const fw5test::TempDir dir;
        const std::string target = dir.Path("target");
        const std::string link = dir.Path("link");
        fw5test::WriteFile(target, fw5test::NoiseBytes(kSmall));
        ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
        EXPECT_EQ(purge(link.c_str()), FW5_OK);
        EXPECT_FALSE(std::filesystem::is_symlink(std::filesystem::symlink_status(link)));
        EXPECT_EQ(fw5test::ReadFile(target), Bytes(kSmall, 0xF5));
    }
}

// Runs call as a user whom file permissions bind. Root ignores them, so as
// root the call runs in a child process that has become the user nobody.
double AsUnprivilegedUser(const std::function<double()>& call) {
    constexpr uid_t kNobody = 65534;
    constexpr double kNotRun = 1e9;
    int channel[2];
    if (geteuid() != 0 || pipe(channel) != 0) {
        return geteuid() != 0 ? call() : kNotRun;
    }
    const pid_t child = fork();
    if (child == 0) {
        const double result = setgid(kNobody) == 0 && setuid(kNobody) == 0 ? call() : kNotRun;
        _exit(write(channel[1], &result, sizeof result) == sizeof result ? 0 : 1);
    }
    double result = kNotRun;
    if (child < 0 || read(channel[0], &result, sizeof result) != sizeof result) {
        result = kNotRun;
    }
    waitpid(child, nullptr, 0);
    close(channel[0]);
    close(channel[1]);
    return result;
}

TEST(ReadOnlyFiles, CanBeMeasuredButNotPurged) {
    const fw5test::TempDir dir;
    std::filesystem::permissions(dir.Path(""), std::filesystem::perms::all);
    const std::string file = dir.Path("read-only");
    const std::string folder = dir.Path("locked");
    const std::string inner = folder + "/file";
    const Bytes original = fw5test::NoiseBytes(kSmall);
    fw5test::WriteFile(file, original);
    std::filesystem::create_directory(folder);
    fw5test::WriteFile(inner, original);
    chmod(file.c_str(), 0444);
    chmod(inner.c_str(), 0666);
    chmod(folder.c_str(), 0555);

    EXPECT_EQ(AsUnprivilegedUser([&] { return compare_files(file.c_str(), inner.c_str()); }),
              FW5_IDENTICAL);
    EXPECT_EQ(AsUnprivilegedUser([&] { return file_randomness(file.c_str(), 0); }),
              file_randomness(inner.c_str(), 0));
    EXPECT_EQ(AsUnprivilegedUser([&] {
                  return dd_purge_file(file.c_str(), FW5_MODE_FIXED, 1, kKeep, kNoPad, kUnrounded,
                                       nullptr);
              }),
              FW5_ERR_OPEN_RW);
    EXPECT_EQ(fw5test::ReadFile(file), original);
    EXPECT_EQ(AsUnprivilegedUser([&] { return purge_file(inner.c_str(), 1, kNoPad, kUnrounded); }),
              FW5_ERR_DEL_DENIED);
    EXPECT_TRUE(std::filesystem::exists(inner));
    chmod(folder.c_str(), 0755);  // so that the scratch folder can go
}

}  // namespace
