// Scratch folders, file contents and test data for the fileworks5 tests,
// the few things the tests need from the system (test_platform.cpp), and a
// watchdog for calls that could hang.
#ifndef FILEWORKS5_TEST_FILES_H
#define FILEWORKS5_TEST_FILES_H

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace fw5test {

using Bytes = std::vector<uint8_t>;

inline constexpr std::size_t kBlock = 16384;

// A fresh folder under the system's temporary folder, named at random,
// removed with all its contents when the object goes.
class TempDir {
  public:
    TempDir()
        : root_(std::filesystem::temp_directory_path() /
                ("fw5test." + std::to_string(std::random_device()()) + "." +
                 std::to_string(std::random_device()()))) {
        EXPECT_TRUE(std::filesystem::create_directory(root_)) << root_;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(const std::string& name) const { return (root_ / name).string(); }

  private:
    std::filesystem::path root_;
};

// The files and other handles this process holds open.
std::ptrdiff_t OpenHandleCount();

// While it lives, file permissions bind this process: root, which ignores
// them, acts as the user nobody. Windows binds every user already.
class PermissionsBind {
  public:
    PermissionsBind();
    ~PermissionsBind();
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

  private:
    bool was_root_ = false;
};

// Makes a FIFO at path. False where the system has none (Windows).
bool MakeFifo(const std::string& path);

// A device that reads as endless zero bytes and swallows writes: a node made
// at path on POSIX systems (empty when the system refuses it), NUL on
// Windows. Never a system node that a faulty purge could delete.
std::string MakeZeroDevice(const std::string& path);

inline constexpr std::chrono::seconds kPatience{10};

// Runs call on a thread of its own and returns its result. A call still
// running after kPatience cannot be stopped from outside, so the test
// program then ends at once with a failure instead of hanging.
template <typename Call>
auto Promptly(const std::string& what, Call call) {
    auto result = std::async(std::launch::async, call);
    if (result.wait_for(kPatience) == std::future_status::timeout) {
        std::fprintf(stderr, "%s did not return within %lld seconds\n", what.c_str(),
                     static_cast<long long>(kPatience.count()));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    return result.get();
}

inline void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

inline Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Bits 16 to 23 of the successive states of a 32-bit linear congruential
// generator: noise that any language reproduces exactly.
inline Bytes NoiseBytes(std::size_t count) {
    uint32_t state = 1;
    Bytes bytes(count);
    for (auto& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<uint8_t>(state >> 16);
    }
    return bytes;
}

}  // namespace fw5test

#endif  // FILEWORKS5_TEST_FILES_H
