// Calls from several threads at once, each on its own files, give the same
// results as calls one after another.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "fileworks5.h"
#include "test_files.h"

namespace {

constexpr int kThreads = 4;
constexpr int kRounds = 5;

struct ThreadFiles {
    fw5test::Bytes bytes;
    std::string data;
    std::string copy;
    std::string victim;
};

struct Results {
    double buffer_figure = 0;
    double file_figure = 0;
    int32_t comparison = 0;
    int32_t purge = 0;
    bool operator==(const Results&) const = default;
};

Results Measure(const ThreadFiles& files) {
    Results results;
    results.buffer_figure =
        randomness_measure(files.bytes.data(), static_cast<int32_t>(files.bytes.size()), 0);
    results.file_figure = file_randomness(files.data.c_str(), 0);
    results.comparison = compare_files(files.data.c_str(), files.copy.c_str());
    fw5test::WriteFile(files.victim, fw5test::Bytes(3 * fw5test::kBlock, 0));
    results.purge = dd_purge_file(files.victim.c_str(), FW5_MODE_MIXED, 1, 1, 0, -1, nullptr);
    return results;
}

TEST(Concurrency, ThreadsOnDifferentFilesGetSequentialResults) {
    const fw5test::TempDir dir;
    std::vector<ThreadFiles> files(kThreads);
    std::vector<Results> expected(kThreads);
    for (int t = 0; t < kThreads; ++t) {
        auto& f = files[static_cast<std::size_t>(t)];
        const std::string name = std::to_string(t);
        f.bytes = fw5test::RandomBytes(4 * fw5test::kBlock + static_cast<std::size_t>(t),
                                       static_cast<uint32_t>(t));
        f.data = dir.Path("data" + name);
        f.copy = dir.Path("copy" + name);
        f.victim = dir.Path("victim" + name);
        fw5test::WriteFile(f.data, f.bytes);
        auto changed = f.bytes;
        changed[fw5test::kBlock + static_cast<std::size_t>(t)] ^= 1;
        fw5test::WriteFile(f.copy, changed);
        expected[static_cast<std::size_t>(t)] = Measure(f);
    }

    std::vector<Results> seen(kThreads * kRounds);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                seen[static_cast<std::size_t>(t * kRounds + round)] =
                    Measure(files[static_cast<std::size_t>(t)]);
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    for (int t = 0; t < kThreads; ++t) {
        for (int round = 0; round < kRounds; ++round) {
            EXPECT_EQ(seen[static_cast<std::size_t>(t * kRounds + round)],
                      expected[static_cast<std::size_t>(t)])
                << "thread " << t << " round " << round;
        }
    }
}

}  // namespace
