// Today's local date from the system's clock.
#include <ctime>

#include "datelib/date_values.h"

namespace datelib {

namespace {

constexpr int32_t kTmYearBase = 1900;

// The one platform branch: the thread-safe form of localtime.
std::tm LocalTime(std::time_t now) {
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

}  // namespace

LocalDate SystemLocalDate() {
    const std::tm local = LocalTime(std::time(nullptr));
    return {local.tm_year + kTmYearBase, local.tm_mon + 1, local.tm_mday};
}

}  // namespace datelib
