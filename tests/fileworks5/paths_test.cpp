// new_file_creatable and new_filepath_extension.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fileworks5.h"
#include "test_files.h"

namespace {

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

}  // namespace
