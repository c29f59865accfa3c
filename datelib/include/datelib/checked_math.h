// Arithmetic on day numbers, years and day counts that refuses to wrap.
#ifndef DATELIB_CHECKED_MATH_H
#define DATELIB_CHECKED_MATH_H

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace datelib {

// Raised when a sum or difference leaves the range of its result type
// (32 bits, or 16 bits for day-of-year and month lengths). The command that
// ran the arithmetic reports its result as out of range.
class OverflowError : public std::overflow_error {
  public:
    using std::overflow_error::overflow_error;
};

// Takes a value computed in 64 bits; returns it as T.
// Throws OverflowError when it lies outside T's range.
template <typename T>
T CheckedNarrow(int64_t value) {
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) {
        throw OverflowError("The result " + std::to_string(value) + " lies beyond the range of a " +
                            std::to_string(std::numeric_limits<T>::digits + 1) + "-bit number");
    }
    return static_cast<T>(value);
}

// Returns a + b. Throws OverflowError when the sum does not fit in 32 bits.
inline int32_t CheckedAdd(int32_t a, int32_t b) {
    return CheckedNarrow<int32_t>(int64_t{a} + int64_t{b});
}

// Returns a - b. Throws OverflowError when the difference does not fit in 32 bits.
inline int32_t CheckedSubtract(int32_t a, int32_t b) {
    return CheckedNarrow<int32_t>(int64_t{a} - int64_t{b});
}

}  // namespace datelib

#endif
