// One overwrite pass of a file, used by both purge functions.
#ifndef FILEWORKS5_OVERWRITE_H
#define FILEWORKS5_OVERWRITE_H

#include <cstdint>

#include "file_io.h"

namespace fw5 {

// Writes one pattern (a byte value 0 to 255, or a seed of 256 and more) over
// the open file from its start, flushing every block to the medium. The
// file keeps its length; with pad on, the length written is rounded up to a
// multiple of block_size (FW5_NO_BLOCK_ROUNDING: not rounded; an empty file
// counts as 1 byte) and a write failing beyond the original end is accepted,
// as only padding is then missing. block_size must be valid.
// Returns FW5_OK, FW5_ERR_OPEN_RW (its length unknown), FW5_ERR_WRITE or
// FW5_ERR_FLUSH.
int32_t OverwriteFile(File& file, int32_t pattern, bool pad, int32_t block_size);

}  // namespace fw5

#endif  // FILEWORKS5_OVERWRITE_H
