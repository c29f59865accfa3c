// new_file_creatable and new_filepath_extension.
#include <cstdint>
#include <cstdio>
#include <new>
#include <string>

#include "file_io.h"
#include "fileworks5.h"

namespace fw5 {
namespace {

constexpr int32_t kFirstExtension = 1;
constexpr int32_t kLastExtension = 999;
constexpr int32_t kNoExtension = 0;
// Room reserved behind the prefix for the number.
constexpr std::size_t kNumberRoom = 16;

// Appends n in decimal to text.
void AppendNumber(std::string& text, int32_t n) {
    char digits[kNumberRoom];
    const int length = std::snprintf(digits, sizeof digits, "%d", static_cast<int>(n));
    text.append(digits, static_cast<std::size_t>(length));
}

int32_t FirstFreeExtension(const char* prefix) {
    std::string candidate;
    try {
        candidate.reserve(std::char_traits<char>::length(prefix) + kNumberRoom);
    } catch (const std::bad_alloc&) {
        return kNoExtension;
    }
    candidate = prefix;
    const std::size_t prefix_length = candidate.size();
    for (int32_t n = kFirstExtension; n <= kLastExtension; ++n) {
        // Within the reserved room, so neither call allocates.
        candidate.resize(prefix_length);
        AppendNumber(candidate, n);
        if (new_file_creatable(candidate.c_str()) == FW5_CREATABLE) {
            return n;
        }
    }
    return kNoExtension;
}

}  // namespace
}  // namespace fw5

extern "C" {

FW5_API int32_t FW5_CALL new_file_creatable(const char* path) {
    if (path == nullptr) {
        return FW5_NOT_CREATABLE;
    }
    switch (fw5::CreateNewFile(path)) {
        case fw5::CreateResult::kExists:
            return FW5_EXISTS;
        case fw5::CreateResult::kFailed:
            return FW5_NOT_CREATABLE;
        case fw5::CreateResult::kCreated:
            break;
    }
    // A trial file that cannot be removed again would be a trace left behind.
    return fw5::RemoveFile(path) == fw5::RemoveResult::kRemoved ? FW5_CREATABLE : FW5_NOT_CREATABLE;
}

FW5_API int32_t FW5_CALL new_filepath_extension(const char* prefix) {
    if (prefix == nullptr || *prefix == '\0') {
        return fw5::kNoExtension;
    }
    return fw5::FirstFreeExtension(prefix);
}

}  // extern "C"
