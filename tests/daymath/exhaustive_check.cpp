// Round-trips every 32-bit day number through one calendar and checks that
// consecutive day numbers give consecutive dates. Usage: daymath_exhaustive G|J|A
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "calendar_oracle.h"
#include "daymath.h"
#include "test_dates.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: daymath_exhaustive G|J|A\n");
    return 2;
}

int Mismatch(int64_t jdn, const char* what, const CalendarDate& d) {
    std::printf("FAIL at day number %lld: %s (%d-%d-%d)\n", static_cast<long long>(jdn), what,
                d.year, d.month, d.day);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::strlen(argv[1]) != 1 || std::strchr("GJA", argv[1][0]) == nullptr) {
        return Usage();
    }
    const int32_t calendar = argv[1][0];
    const auto start = std::chrono::steady_clock::now();
    CalendarDate previous = DateOfJdn(INT32_MIN, calendar);
    for (int64_t n = INT32_MIN; n <= INT32_MAX; ++n) {
        const auto jdn = static_cast<int32_t>(n);
        const CalendarDate d = DateOfJdn(jdn, calendar);
        if (d.month < 1 || d.month > oracle::MonthsInYear(calendar, d.year) || d.day < 1 ||
            d.day > oracle::MonthLength(calendar, d.year, d.month)) {
            return Mismatch(n, "no such date", d);
        }
        if (n > INT32_MIN && !SameDay(d, oracle::NextDay(previous))) {
            return Mismatch(n, "does not follow the day before", d);
        }
        if (n != DAYMATH_NO_JDN && JdnOfDate(d) != jdn) {
            return Mismatch(n, "does not convert back", d);
        }
        previous = d;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("calendar %c: all %lld day numbers round-trip (%.1f s)\n", calendar,
                static_cast<long long>(INT32_MAX) - INT32_MIN + 1, elapsed.count());
    return 0;
}
