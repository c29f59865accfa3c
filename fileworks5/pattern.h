// What the purge passes write: fixed byte values or a pseudo-random pattern,
// and the generator that draws the seeds.
#ifndef FILEWORKS5_PATTERN_H
#define FILEWORKS5_PATTERN_H

#include <cstdint>

#include "block.h"

namespace fw5 {

// Pattern values 0 to 255 fill every byte with that value; larger ones seed
// the pseudo-random pattern.
inline constexpr int32_t kFirstSeedPattern = 256;

// The pattern word generator: state = state * 15013869 + 387 (mod 2^32).
class PatternWords {
  public:
    explicit PatternWords(uint32_t seed) : state_(seed) {}
    // Advances the state and returns it.
    uint32_t Next();

  private:
    uint32_t state_;
};

// Produces the blocks one pass writes for one pattern value.
class PatternSource {
  public:
    explicit PatternSource(int32_t pattern);
    // The bytes of the next block (the first bytes of it when the last block
    // is shorter): for a fixed value always the same; for a random pattern a
    // fresh permutation of the pattern words with an odd stride.
    const Block& NextBlock();

  private:
    bool random_;
    PatternWords words_;
    Block pattern_{};
    Block output_{};
};

// The seed generator: the classic C library linear congruential generator,
// values 0 to 32767. Each call of a purge function has its own.
class SeedGenerator {
  public:
    explicit SeedGenerator(uint32_t seed) : state_(seed) {}
    int32_t Next();

  private:
    uint32_t state_;
};

}  // namespace fw5

#endif  // FILEWORKS5_PATTERN_H
