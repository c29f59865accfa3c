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
    const std::string folder = dir.Path("folder");
    fw5test::WriteFile(taken, {1, 2, 3});
    std::filesystem::create_directory(folder);

    EXPECT_EQ(new_file_creatable(free_name.c_str()), FW5_CREATABLE);
    EXPECT_FALSE(fw5test::Exists(free_name));
    EXPECT_EQ(new_file_creatable(taken.c_str()), FW5_EXISTS);
    EXPECT_EQ(fw5test::ReadFile(taken), fw5test::Bytes({1, 2, 3}));
    EXPECT_EQ(new_file_creatable(folder.c_str()), FW5_EXISTS);
    EXPECT_EQ(new_file_creatable(dir.Path("missing/file").c_str()), FW5_NOT_CREATABLE);
    EXPECT_EQ(new_file_creatable(""), FW5_NOT_CREATABLE);
    EXPECT_EQ(new_file_creatable(nullptr), FW5_NOT_CREATABLE);
}

TEST(NewFilepathExtension, FindsSmallestFreeNumberAndLeavesNoFile) {
    const fw5test::TempDir dir;
    const std::string prefix = dir.Path("log.");
    EXPECT_EQ(new_filepath_extension(prefix.c_str()), 1);
    fw5test::WriteFile(prefix + "1", {});
    fw5test::WriteFile(prefix + "2", {});
    EXPECT_EQ(new_filepath_extension(prefix.c_str()), 3);
    EXPECT_FALSE(fw5test::Exists(prefix + "3"));
    fw5test::WriteFile(prefix + "4", {});
    fw5test::WriteFile(prefix + "1", {});
    EXPECT_EQ(new_filepath_extension(prefix.c_str()), 3);
}

TEST(NewFilepathExtension, NoneWhenNothingIsCreatable) {
    const fw5test::TempDir dir;
    EXPECT_EQ(new_filepath_extension(dir.Path("missing/log.").c_str()), 0);
    EXPECT_EQ(new_filepath_extension(""), 0);
    EXPECT_EQ(new_filepath_extension(nullptr), 0);
}

}  // namespace
