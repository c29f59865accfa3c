// purge_file and dd_purge_file on real files: failure codes, symbolic links
// and read-only files. What the passes write is checked in passes_test.cpp.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
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

using Perms = std::filesystem::perms;
constexpr auto kReadOnly = static_cast<Perms>(0444);
constexpr auto kReadWrite = static_cast<Perms>(0666);
constexpr auto kReadOnlyFolder = static_cast<Perms>(0555);

// Windows refuses to delete a folder as a file with "access denied", and its
// read-only flag on a folder does not protect the files in it.
#if defined(_WIN32)
constexpr int32_t kFolderDeletion = FW5_ERR_DEL_DENIED;
constexpr int32_t kDeletionInReadOnlyFolder = FW5_OK;
#else
constexpr int32_t kFolderDeletion = FW5_ERR_DEL_OTHER;
constexpr int32_t kDeletionInReadOnlyFolder = FW5_ERR_DEL_DENIED;
#endif

TEST(PurgeFunctions, ReportWhatStoppedThem) {
    const fw5test::TempDir dir;
    std::filesystem::permissions(dir.Path(""), std::filesystem::perms::all);
    const std::string missing = dir.Path("missing");
    const std::string read_only = dir.Path("read-only");
    const std::string folder = dir.Path("folder");
    const std::string in_locked_folder = folder + "/file";
    const Bytes original = fw5test::NoiseBytes(kSmall);
    fw5test::WriteFile(read_only, original);
    std::filesystem::create_directory(folder);
    fw5test::WriteFile(in_locked_folder, original);
    std::filesystem::permissions(read_only, kReadOnly);
    std::filesystem::permissions(in_locked_folder, kReadWrite);

    EXPECT_EQ(purge_file(missing.c_str(), 1, kNoPad, kUnrounded), FW5_ERR_DEL_MISSING);
    EXPECT_EQ(purge_file(folder.c_str(), 0, kNoPad, kUnrounded), kFolderDeletion);
    EXPECT_EQ(dd_purge_file(missing.c_str(), 0, 1, kKeep, kNoPad, kUnrounded, nullptr),
              FW5_ERR_OPEN_RW);
    EXPECT_EQ(dd_purge_file(folder.c_str(), 1, 0, kDelete, kNoPad, kUnrounded, nullptr),
              kFolderDeletion);
    std::filesystem::permissions(folder, kReadOnlyFolder);
    {
        const fw5test::PermissionsBind as_a_user;
        EXPECT_EQ(compare_files(read_only.c_str(), in_locked_folder.c_str()), FW5_IDENTICAL);
        // Wine run by root writes to read-only files, as root does.
        if (std::ofstream(read_only, std::ios::app)) {
            std::cout << "Read-only files are writable here: that case is not run.\n";
        } else {
            EXPECT_EQ(dd_purge_file(read_only.c_str(), 1, 1, kKeep, kNoPad, kUnrounded, nullptr),
                      FW5_ERR_OPEN_RW);
        }
        EXPECT_EQ(purge_file(in_locked_folder.c_str(), 1, kNoPad, kUnrounded),
                  kDeletionInReadOnlyFolder);
    }
    std::filesystem::permissions(folder, Perms::owner_all);  // so that the scratch folder can go
    EXPECT_EQ(fw5test::ReadFile(read_only), original);
    EXPECT_NE(fw5test::ReadFile(in_locked_folder), original);
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
        std::error_code error;
        std::filesystem::create_symlink(target, link, error);
        if (error) {
            GTEST_SKIP() << "no symbolic links here: " << error.message();
        }
        EXPECT_EQ(purge(link.c_str()), FW5_OK);
        EXPECT_FALSE(std::filesystem::is_symlink(std::filesystem::symlink_status(link)));
        EXPECT_EQ(fw5test::ReadFile(target), Bytes(kSmall, 0xF5));
    }
}

}  // namespace
