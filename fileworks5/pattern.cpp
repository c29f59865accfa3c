// Pattern blocks for the purge passes and the seed generator.
#include "pattern.h"

#include <cstring>

namespace fw5 {
namespace {

constexpr uint32_t kPatternMultiplier = 15013869;
constexpr uint32_t kPatternIncrement = 387;

constexpr uint32_t kSeedMultiplier = 214013;
constexpr uint32_t kSeedIncrement = 2531011;
constexpr int kSeedShift = 16;
constexpr uint32_t kSeedMask = 0x7fff;

constexpr std::size_t kWordBytes = 4;
constexpr std::size_t kBlockWords = kBlockBytes / kWordBytes;  // 4096, a power of two
constexpr uint32_t kStrideBits = 0x7f;
constexpr int kBitsPerByte = 8;
constexpr uint32_t kByteMask = 0xff;

// Stores word at bytes in little-endian order, whatever the machine's order.
void StoreLittleEndian(uint32_t word, uint8_t* bytes) {
    for (std::size_t i = 0; i < kWordBytes; ++i) {
        bytes[i] = static_cast<uint8_t>((word >> (kBitsPerByte * i)) & kByteMask);
    }
}

}  // namespace

uint32_t PatternWords::Next() {
    state_ = state_ * kPatternMultiplier + kPatternIncrement;
    return state_;
}

PatternSource::PatternSource(int32_t pattern)
    : random_(pattern >= kFirstSeedPattern), words_(static_cast<uint32_t>(pattern)) {
    if (!random_) {
        pattern_.fill(static_cast<uint8_t>(pattern));
        return;
    }
    for (std::size_t k = 0; k < kBlockWords; ++k) {
        StoreLittleEndian(words_.Next(), pattern_.data() + k * kWordBytes);
    }
}

const Block& PatternSource::NextBlock() {
    if (!random_) {
        return pattern_;
    }
    uint32_t stride = 0;
    while (stride % 2 == 0) {
        stride = words_.Next() & kStrideBits;
    }
    // An odd stride is coprime to the word count, so k * stride visits every
    // pattern word once.
    for (std::size_t k = 0; k < kBlockWords; ++k) {
        const std::size_t source = (k * stride) % kBlockWords;
        std::memcpy(output_.data() + k * kWordBytes, pattern_.data() + source * kWordBytes,
                    kWordBytes);
    }
    return output_;
}

int32_t SeedGenerator::Next() {
    state_ = state_ * kSeedMultiplier + kSeedIncrement;
    return static_cast<int32_t>((state_ >> kSeedShift) & kSeedMask);
}

}  // namespace fw5
