// The block size in which every file is read and written.
#ifndef FILEWORKS5_BLOCK_H
#define FILEWORKS5_BLOCK_H

#include <array>
#include <cstddef>
#include <cstdint>

namespace fw5 {

inline constexpr std::size_t kBlockBytes = 16384;

// One block buffer; each call keeps its own, so calls may run concurrently.
using Block = std::array<uint8_t, kBlockBytes>;

}  // namespace fw5

#endif  // FILEWORKS5_BLOCK_H
