// What stands in a file's place without being a regular file, and files
// whose recorded size says nothing. Every call runs under a watchdog: it
// must return promptly, refuse what is no file with its "cannot open" code
// and leave it as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <system_error>
#include <tuple>
#include <utility>
#include <vector>

#include "fileworks5.h"
#include "test_files.h"

namespace {

// kind, path
std::vector<std::pair<std::string, std::string>> NonFiles(const fw5test::TempDir& dir) {
    std::vector<std::pair<std::string, std::string>> found = {{"folder", dir.Path("folder")}};
    std::filesystem::create_directory(found.front().second);
    if (fw5test::MakeFifo(dir.Path("fifo"))) {
        found.emplace_back("FIFO without a writer", dir.Path("fifo"));
    } else {
        std::cout << "No FIFOs on this system: that case is not run.\n";
    }
    const std::string device = fw5test::MakeZeroDevice(dir.Path("zero"));
    if (!device.empty()) {
        found.emplace_back("zero device", device);
    } else {
        std::cout << "No device nodes may be made here: that case is not run.\n";
    }
    return found;
}

std::filesystem::file_type TypeOf(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::symlink_status(path, ignored).type();
}

TEST(HostileFiles, WhatIsNoRegularFileIsRefusedPromptlyAndLeftInPlace) {
    const fw5test::TempDir dir;
    const std::string file = dir.Path("file");
    fw5test::WriteFile(file, fw5test::NoiseBytes(100));
    using Call = std::function<double(const char*)>;
    const std::tuple<std::string, Call, double> calls[] = {
        {"compare_files, first", [&](const char* p) { return compare_files(p, file.c_str()); },
         FW5_ERR_OPEN},
        {"compare_files, second", [&](const char* p) { return compare_files(file.c_str(), p); },
         FW5_ERR_OPEN_SECOND},
        {"file_randomness", [](const char* p) { return file_randomness(p, 0); }, FW5_ERR_OPEN},
        {"purge_file, padded", [](const char* p) { return purge_file(p, 1, 1, 4096); },
         FW5_ERR_OPEN_RW},
        {"dd_purge_file, padded",
         [](const char* p) { return dd_purge_file(p, FW5_MODE_FIXED, 1, 1, 1, 4096, nullptr); },
         FW5_ERR_OPEN_RW},
    };
    for (const auto& [kind, path] : NonFiles(dir)) {
        const auto type = TypeOf(path);
        for (const auto& [name, call, expected] : calls) {
            const std::string what = name + " on a " + kind;
            EXPECT_EQ(fw5test::Promptly(what, [&] { return call(path.c_str()); }), expected)
                << what;
            EXPECT_EQ(TypeOf(path), type) << what;
        }
    }
}

// Such files report a size of 0 and yet hold bytes.
TEST(HostileFiles, FilesWithoutARecordedSizeAreMeasuredByTheirBytes) {
    const std::string made_up = "/proc/version";
    std::error_code error;
    if (std::filesystem::file_size(made_up, error) != 0 || error) {
        GTEST_SKIP() << "no file here whose recorded size is 0 while it holds bytes";
    }
    const fw5test::TempDir dir;
    const std::string copy = dir.Path("copy");
    fw5test::WriteFile(copy, fw5test::ReadFile(made_up));
    EXPECT_EQ(compare_files(made_up.c_str(), copy.c_str()), FW5_IDENTICAL);
    EXPECT_EQ(compare_files(copy.c_str(), made_up.c_str()), FW5_IDENTICAL);
    EXPECT_EQ(file_randomness(made_up.c_str(), 0), file_randomness(copy.c_str(), 0));
}

}  // namespace
