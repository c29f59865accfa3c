// Scratch folders, file contents and test data for the fileworks5 tests,
// and the few things the tests need from the system (test_platform.cpp).
#ifndef FILEWORKS5_TEST_FILES_H
#define FILEWORKS5_TEST_FILES_H

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <thread>
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

// While it lives, a file that opens for reading but cannot be read: a
// process's own memory on Linux, a pipe whose writer hangs up on Windows.
class UnreadableFile {
  public:
    UnreadableFile();
    ~UnreadableFile();
    UnreadableFile(const UnreadableFile&) = delete;
    UnreadableFile& operator=(const UnreadableFile&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::thread hang_up_;  // hangs up the pipe, on Windows
};

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
