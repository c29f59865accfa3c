// Walks every 32-bit day number through one calendar. Usage: daymath_exhaustive G|J|A
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>

#include "calendar_oracle.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::strlen(argv[1]) != 1 || std::strchr("GJA", argv[1][0]) == nullptr) {
        std::fprintf(stderr, "usage: daymath_exhaustive G|J|A\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::string fault = oracle::WalkFault(argv[1][0], INT32_MIN, INT32_MAX);
    if (!fault.empty()) {
        std::printf("FAIL at %s\n", fault.c_str());
        return 1;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("calendar %c: every 32-bit day number checked (%.1f s)\n", argv[1][0],
                elapsed.count());
    return 0;
}
