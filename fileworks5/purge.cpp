// purge_file and dd_purge_file: overwriting files in place and deleting them.
#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <span>

#include "file_io.h"
#include "fileworks5.h"
#include "overwrite.h"
#include "pattern.h"

namespace fw5 {
namespace {

constexpr int32_t kBlockSizeUnit = 512;
constexpr int32_t kLargestBlockSize = 65536;

// purge_file: pass counts below this run that many random passes; from it up
// to kSinglePassFrom one random pass and the fixed passes.
constexpr uint32_t kFixedPassesFrom = 100;
constexpr uint32_t kSinglePassFrom = 1000;
constexpr int kDiscardedDraws = 16;

// A step of a pass schedule: a fixed byte value, or a freshly drawn seed.
constexpr int32_t kRandom = -1;
constexpr std::array<int32_t, 4> kFixedPasses = {0xAA, 0x55, 0x0A, 0xF5};
constexpr std::array<int32_t, 1> kRandomPass = {kRandom};
constexpr std::array<int32_t, 6> kMixedPasses = {0xAA, 0x55, kRandom, 0x0A, 0xF5, kRandom};
// The schedule of one dd_purge_file pass, by mode.
constexpr std::array<std::span<const int32_t>, 3> kModeSchedules = {
    std::span<const int32_t>(kRandomPass), std::span<const int32_t>(kFixedPasses),
    std::span<const int32_t>(kMixedPasses)};

bool ValidBlockSize(int32_t block_size) {
    return block_size == FW5_NO_BLOCK_ROUNDING ||
           (block_size >= kBlockSizeUnit && block_size <= kLargestBlockSize &&
            block_size % kBlockSizeUnit == 0);
}

// purge_file's seed: draws below the first seed value are discarded.
int32_t DrawSeed(SeedGenerator& generator) {
    int32_t seed = generator.Next();
    while (seed < kFirstSeedPattern) {
        seed = generator.Next();
    }
    return seed;
}

// dd_purge_file's seed: the third of three draws, until it is large enough.
int32_t DrawSeedOfThree(SeedGenerator& generator) {
    int32_t seed = 0;
    while (seed < kFirstSeedPattern) {
        generator.Next();
        generator.Next();
        seed = generator.Next();
    }
    return seed;
}

using SeedDraw = int32_t (*)(SeedGenerator&);

// Runs the steps of a schedule; returns the first failure, or FW5_OK.
int32_t RunSchedule(std::span<const int32_t> steps, File& file, bool pad, int32_t block_size,
                    SeedGenerator& generator, SeedDraw draw) {
    for (const int32_t step : steps) {
        const int32_t pattern = step == kRandom ? draw(generator) : step;
        const int32_t result = OverwriteFile(file, pattern, pad, block_size);
        if (result != FW5_OK) {
            return result;
        }
    }
    return FW5_OK;
}

int32_t PurgePasses(File& file, uint32_t passes, bool pad, int32_t block_size,
                    SeedGenerator& generator) {
    if (passes < kFixedPassesFrom) {
        for (uint32_t pass = 0; pass < passes; ++pass) {
            const int32_t result =
                RunSchedule(kRandomPass, file, pad, block_size, generator, DrawSeed);
            if (result != FW5_OK) {
                return result;
            }
        }
        return FW5_OK;
    }
    const int32_t result = RunSchedule(kRandomPass, file, pad, block_size, generator, DrawSeed);
    if (result != FW5_OK || passes >= kSinglePassFrom) {
        return result;
    }
    return RunSchedule(kFixedPasses, file, pad, block_size, generator, DrawSeed);
}

int32_t DeletionCode(RemoveResult removal) {
    switch (removal) {
        case RemoveResult::kRemoved:
            return FW5_OK;
        case RemoveResult::kNotFound:
            return FW5_ERR_DEL_MISSING;
        case RemoveResult::kAccessDenied:
            return FW5_ERR_DEL_DENIED;
        case RemoveResult::kOther:
            break;
    }
    return FW5_ERR_DEL_OTHER;
}

// A failed deletion's code replaces the code of the passes.
int32_t WithDeletion(int32_t result, RemoveResult removal) {
    const int32_t deletion = DeletionCode(removal);
    return deletion != FW5_OK ? deletion : result;
}

// Opens the file at path once and runs every pass through that handle, so a
// name swapped for another file between two passes cannot redirect them;
// then deletes the name when del is set and it still names that file. A
// regular file that cannot be opened is still deleted; anything else (a
// FIFO, a device, a folder) is not a file to purge and stays.
template <typename Passes>
int32_t PurgeOpenedOnce(const char* path, bool del, Passes run_passes) {
    File file;
    switch (file.OpenForReadWrite(path)) {
        case OpenResult::kNotRegular:
            return FW5_ERR_OPEN_RW;
        case OpenResult::kFailed:
            return del ? WithDeletion(FW5_ERR_OPEN_RW, RemoveFile(path)) : FW5_ERR_OPEN_RW;
        case OpenResult::kOpened:
            break;
    }
    const int32_t result = run_passes(file);
    return del ? WithDeletion(result, file.RemoveName(path)) : result;
}

// Seeds from the current time in seconds plus the path length, so runs differ.
SeedGenerator TimeSeededGenerator(std::time_t now, const char* path) {
    return SeedGenerator(static_cast<uint32_t>(now) + static_cast<uint32_t>(std::strlen(path)));
}

int32_t WholeSecondsSince(std::chrono::steady_clock::time_point start) {
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return static_cast<int32_t>(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count());
}

}  // namespace
}  // namespace fw5

extern "C" {

FW5_API int32_t FW5_CALL purge_file(const char* path, int32_t passes, int32_t pad,
                                    int32_t blockSize) {
    if (path == nullptr || *path == '\0') {
        return FW5_ERR_NO_PATH;
    }
    if (!fw5::ValidBlockSize(blockSize)) {
        return FW5_ERR_BLOCK_SIZE;
    }
    if (passes == 0) {
        return fw5::DeletionCode(fw5::RemoveFile(path));
    }
    auto generator = fw5::TimeSeededGenerator(std::time(nullptr), path);
    for (int i = 0; i < fw5::kDiscardedDraws; ++i) {
        generator.Next();
    }
    return fw5::PurgeOpenedOnce(path, true, [&](fw5::File& file) {
        return fw5::PurgePasses(file, static_cast<uint32_t>(passes), pad != 0, blockSize,
                                generator);
    });
}

FW5_API int32_t FW5_CALL dd_purge_file(const char* path, int32_t mode, int32_t passes, int32_t del,
                                       int32_t pad, int32_t blockSize, int32_t* elapsed) {
    if (elapsed != nullptr) {
        *elapsed = 0;
    }
    if (path == nullptr || *path == '\0') {
        return FW5_ERR_NO_PATH;
    }
    if (mode < 0 || static_cast<std::size_t>(mode) >= fw5::kModeSchedules.size()) {
        return FW5_ERR_MODE;
    }
    if (!fw5::ValidBlockSize(blockSize)) {
        return FW5_ERR_BLOCK_SIZE;
    }
    const auto start = std::chrono::steady_clock::now();
    auto generator = fw5::TimeSeededGenerator(std::time(nullptr), path);
    const auto schedule = fw5::kModeSchedules[static_cast<std::size_t>(mode)];
    const auto run_passes = [&](fw5::File& file) {
        int32_t result = FW5_OK;
        for (int32_t pass = 0; pass < passes && result == FW5_OK; ++pass) {
            result = fw5::RunSchedule(schedule, file, pad != 0, blockSize, generator,
                                      fw5::DrawSeedOfThree);
        }
        return result;
    };
    int32_t result = FW5_OK;
    if (passes > 0) {
        result = fw5::PurgeOpenedOnce(path, del != 0, run_passes);
    } else if (del != 0) {
        result = fw5::DeletionCode(fw5::RemoveFile(path));
    }
    if (elapsed != nullptr) {
        *elapsed = fw5::WholeSecondsSince(start);
    }
    return result;
}

}  // extern "C"
