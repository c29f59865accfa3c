// Runs one fileworks5 call from the command line, for the side-by-side
// timing in fileworks5_vs_peers.sh:
//   fileworks5_driver compare FILE1 FILE2     compare_files
//   fileworks5_driver randomness FILE         file_randomness
//   fileworks5_driver fixed-passes FILE       dd_purge_file, fixed mode, one pass, file kept
//   fileworks5_driver random-pass FILE        dd_purge_file, random mode, one pass, file kept
// Prints the result; exits 1 when the call reports a failure.
#include <cstdio>
#include <cstring>

#include "fileworks5.h"

namespace {

constexpr int kKeepFile = 0;
constexpr int kNoPad = 0;

int Usage() {
    std::fputs(
        "usage: fileworks5_driver compare FILE1 FILE2 | randomness FILE | fixed-passes FILE | "
        "random-pass FILE\n",
        stderr);
    return 2;
}

int Purge(const char* path, int mode) {
    const int32_t result =
        dd_purge_file(path, mode, 1, kKeepFile, kNoPad, FW5_NO_BLOCK_ROUNDING, nullptr);
    std::printf("%d\n", result);
    return result == FW5_OK ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "compare") == 0) {
        const int32_t result = compare_files(argv[2], argv[3]);
        std::printf("%d\n", result);
        return result == FW5_IDENTICAL || result >= 0 ? 0 : 1;
    }
    if (argc != 3) {
        return Usage();
    }
    if (std::strcmp(argv[1], "randomness") == 0) {
        const double figure = file_randomness(argv[2], 0);
        std::printf("%.4f\n", figure);
        return figure >= 0 ? 0 : 1;
    }
    if (std::strcmp(argv[1], "fixed-passes") == 0) {
        return Purge(argv[2], FW5_MODE_FIXED);
    }
    if (std::strcmp(argv[1], "random-pass") == 0) {
        return Purge(argv[2], FW5_MODE_RANDOM);
    }
    return Usage();
}
