// purge_file and dd_purge_file on real files: failure codes, symbolic links
// and read-only files. What the passes write is checked in passes_test.cpp.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
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

// While it lives, file permissions bind this process: root, which ignores
// them, acts as the user nobody.
class PermissionsBind {
  public:
    PermissionsBind() : was_root_(geteuid() == 0) {
        EXPECT_TRUE(!was_root_ || (setegid(kNobody) == 0 && seteuid(kNobody) == 0));
    }
    ~PermissionsBind() { EXPECT_TRUE(!was_root_ || (seteuid(0) == 0 && setegid(0) == 0)); }
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

  private:
    static constexpr uid_t kNobody = 65534;
    bool was_root_;
};

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
    chmod(read_only.c_str(), 0444);
    chmod(in_locked_folder.c_str(), 0666);

    EXPECT_EQ(purge_file(missing.c_str(), 1, kNoPad, kUnrounded), FW5_ERR_DEL_MISSING);
    EXPECT_EQ(purge_file(folder.c_str(), 1, kNoPad, kUnrounded), FW5_ERR_DEL_OTHER);
    EXPECT_EQ(dd_purge_file(missing.c_str(), 0, 1, kKeep, kNoPad, kUnrounded, nullptr),
              FW5_ERR_OPEN_RW);
    EXPECT_EQ(dd_purge_file(folder.c_str(), 1, 1, kDelete, kNoPad, kUnrounded, nullptr),
              FW5_ERR_DEL_OTHER);
    chmod(folder.c_str(), 0555);
    {
        const PermissionsBind as_a_user;
        EXPECT_EQ(compare_files(read_only.c_str(), in_locked_folder.c_str()), FW5_IDENTICAL);
        EXPECT_EQ(dd_purge_file(read_only.c_str(), 1, 1, kKeep, kNoPad, kUnrounded, nullptr),
                  FW5_ERR_OPEN_RW);
        EXPECT_EQ(purge_file(in_locked_folder.c_str(), 1, kNoPad, kUnrounded), FW5_ERR_DEL_DENIED);
    }
    chmod(folder.c_str(), 0755);  // so that the scratch folder can go
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
        ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
        EXPECT_EQ(purge(link.c_str()), FW5_OK);
        EXPECT_FALSE(std::filesystem::is_symlink(std::filesystem::symlink_status(link)));
        EXPECT_EQ(fw5test::ReadFile(target), Bytes(kSmall, 0xF5));
    }
}

}  // namespace
