// Pair counting and the randomness figure.
#include "pair_table.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>

#include "fileworks5.h"

namespace fw5 {
namespace {

constexpr uint64_t kLowSevenBits = 0x7f7f7f7f7f7f7f7fULL;
// Per 16-bit pair: the first byte's seven bits stay in bits 0-6 and the
// second byte's move from bits 8-14 down to bits 7-13, giving the cell
// index column * 128 + row.
constexpr uint64_t kRowBits = 0x007f007f007f007fULL;
constexpr uint64_t kColumnBits = 0x3f803f803f803f80ULL;
constexpr int kPairBits = 16;
constexpr uint64_t kPairMask = 0xffff;
constexpr int kSevenBits = 0x7f;
constexpr int kColumnShift = 7;

// Counting works through data in pieces of this size, so the lane counters
// are folded into the totals before any of them can overflow.
constexpr std::size_t kPieceBytes = std::size_t{1} << 20;
constexpr uint64_t kMaxUnfoldedPairs = std::numeric_limits<uint32_t>::max();

std::size_t CellIndex(int row, int column) {
    return static_cast<std::size_t>(column) * kPairSide + static_cast<std::size_t>(row);
}

}  // namespace

std::unique_ptr<PairTable> PairTable::Create() {
    // Value-initialised: every counter starts at zero.
    return std::unique_ptr<PairTable>(new (std::nothrow) PairTable());
}

void PairTable::CountPairs(const uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (size - done >= 2) {
        std::size_t piece = size - done < kPieceBytes ? size - done : kPieceBytes;
        piece -= piece % 2;
        if (unfolded_pairs_ + piece / 2 > kMaxUnfoldedPairs) {
            Fold();
        }
        CountPiece(data + done, piece);
        unfolded_pairs_ += piece / 2;
        done += piece;
    }
}

void PairTable::CountPiece(const uint8_t* data, std::size_t size) {
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::size_t kWordBytes = sizeof(uint64_t);
        for (; i + kWordBytes <= size; i += kWordBytes) {
            uint64_t word;
            std::memcpy(&word, data + i, kWordBytes);
            word &= kLowSevenBits;
            word = (word & kRowBits) | ((word >> 1) & kColumnBits);
            ++lanes_[0][word & kPairMask];
            ++lanes_[1][(word >> kPairBits) & kPairMask];
            ++lanes_[2][(word >> (2 * kPairBits)) & kPairMask];
            ++lanes_[3][word >> (3 * kPairBits)];
        }
    }
    for (; i + 2 <= size; i += 2) {
        ++lanes_[0][CellIndex(data[i] & kSevenBits, data[i + 1] & kSevenBits)];
    }
}

void PairTable::Fold() {
    for (auto& lane : lanes_) {
        for (std::size_t cell = 0; cell < kPairCells; ++cell) {
            totals_[cell] += lane[cell];
            lane[cell] = 0;
        }
    }
    unfolded_pairs_ = 0;
}

double PairTable::Figure(uint64_t n) {
    Fold();
    const double bytes = static_cast<double>(n);
    constexpr double kCellShare = 1.0 / kPairCells;
    constexpr double kRowShare = 1.0 / kPairSide;
    double a = 0.0;
    double b = 0.0;
    for (int row = 0; row < kPairSide; ++row) {
        uint64_t row_total = 0;
        for (int column = 0; column < kPairSide; ++column) {
            const uint64_t count = totals_[CellIndex(row, column)];
            row_total += count;
            const double deviation = 2.0 * static_cast<double>(count) / bytes - kCellShare;
            a += deviation * deviation;
        }
        const double deviation = 2.0 * static_cast<double>(row_total) / bytes - kRowShare;
        b += deviation * deviation;
    }
    if (a <= 0.0 || b <= 0.0) {
        return FW5_ERR_UNDEFINED;
    }
    const double log_n = std::log(bytes);
    const double denominator = 3.0 * (std::log(a) + log_n);
    if (denominator == 0.0) {
        return FW5_ERR_UNDEFINED;
    }
    const double figure = 0.5 * (2.0 / denominator - std::log(b) / log_n);
    return std::isfinite(figure) ? figure : FW5_ERR_UNDEFINED;
}

double RandomnessFigure(PairTable* table, uint64_t n, int64_t minimum) {
    n -= n % 2;
    if (n == 0) {
        return FW5_ERR_NO_DATA;
    }
    if (minimum > 0 && n < static_cast<uint64_t>(minimum)) {
        return FW5_ERR_TOO_SHORT;
    }
    if (table == nullptr) {
        return FW5_ERR_NO_TABLE;
    }
    return table->Figure(n);
}

}  // namespace fw5
