// Scratch folders, file contents and test data for the fileworks5 tests.
#ifndef FILEWORKS5_TEST_FILES_H
#define FILEWORKS5_TEST_FILES_H

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fw5test {

using Bytes = std::vector<uint8_t>;

inline constexpr std::size_t kBlock = 16384;

// A fresh folder under the system's temporary folder, removed with all its
// contents when the object goes.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "fw5test.XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot create a scratch folder";
        }
        root_ = pattern;
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
