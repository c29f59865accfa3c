// One overwrite pass of a file, used by both purge functions.
#include "overwrite.h"

#include <algorithm>

#include "block.h"
#include "fileworks5.h"
#include "pattern.h"

namespace fw5 {
namespace {

// The number of bytes one pass writes into a file of original bytes.
int64_t PassLength(int64_t original, bool pad, int32_t block_size) {
    if (!pad) {
        return original;
    }
    const int64_t length = std::max<int64_t>(original, 1);
    if (block_size == FW5_NO_BLOCK_ROUNDING) {
        return length;
    }
    return (length + block_size - 1) / block_size * block_size;
}

}  // namespace

int32_t OverwriteFile(File& file, int32_t pattern, bool pad, int32_t block_size) {
    const int64_t original = file.Size();
    if (original < 0) {
        return FW5_ERR_OPEN_RW;
    }
    if (!file.Rewind()) {
        return FW5_ERR_WRITE;
    }
    int64_t remaining = PassLength(original, pad, block_size);
    PatternSource source(pattern);
    int64_t position = 0;
    while (remaining > 0) {
        const auto chunk = static_cast<std::size_t>(
            std::min<int64_t>(remaining, static_cast<int64_t>(kBlockBytes)));
        const std::size_t written = file.Write(source.NextBlock().data(), chunk);
        if (written < chunk) {
            const bool only_padding_lost = position + static_cast<int64_t>(written) >= original;
            return pad && only_padding_lost ? FW5_OK : FW5_ERR_WRITE;
        }
        if (!file.FlushToMedium()) {
            return FW5_ERR_FLUSH;
        }
        position += static_cast<int64_t>(chunk);
        remaining -= static_cast<int64_t>(chunk);
    }
    return FW5_OK;
}

}  // namespace fw5
