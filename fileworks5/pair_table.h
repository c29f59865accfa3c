// Pair counting and the randomness figure shared by randomness_measure and
// file_randomness.
#ifndef FILEWORKS5_PAIR_TABLE_H
#define FILEWORKS5_PAIR_TABLE_H

#include <cstddef>
#include <cstdint>
#include <memory>

namespace fw5 {

// Only the low seven bits of a byte count: the table is 128 x 128 cells.
inline constexpr int kPairSide = 128;
inline constexpr int kPairCells = kPairSide * kPairSide;

// Counts the byte pairs (x, y) of data into 128 x 128 cells, row x mod 128,
// column y mod 128. Counts are 64-bit, so any file size is safe.
class PairTable {
  public:
    // Returns an empty table, or null when memory is short.
    static std::unique_ptr<PairTable> Create();

    // Counts the consecutive pairs of data; an odd last byte stays unpaired.
    void CountPairs(const uint8_t* data, std::size_t size);

    // The randomness figure for these counts and an even byte count n > 0,
    // or FW5_ERR_UNDEFINED as a double.
    double Figure(uint64_t n);

  private:
    PairTable() = default;
    void CountPiece(const uint8_t* data, std::size_t size);
    void Fold();

    // Counting goes into several sub-tables in turn, so that long runs of one
    // pair do not wait on a single counter; they are added into the totals
    // before they could overflow.
    static constexpr int kLanes = 4;
    uint32_t lanes_[kLanes][kPairCells];
    uint64_t totals_[kPairCells];
    uint64_t unfolded_pairs_;
};

// The randomness figure for table and the byte count n (rounded down to
// even), or an FW5_ code as a double: no data, fewer than minimum bytes, no
// table, undefined figure.
double RandomnessFigure(PairTable* table, uint64_t n, int64_t minimum);

}  // namespace fw5

#endif  // FILEWORKS5_PAIR_TABLE_H
