// Today's local date: the system's clock, or a source installed by tests.
#include <ctime>
#include <utility>

#include "datelib/date_values.h"

namespace datelib {

namespace {

constexpr int32_t kTmYearBase = 1900;

TodaySource& CurrentSource() {
    static TodaySource source;
    return source;
}

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

void SetTodaySource(TodaySource source) {
    CurrentSource() = std::move(source);
}

LocalDate Today() {
    const TodaySource& source = CurrentSource();
    return source ? source() : SystemLocalDate();
}

}  // namespace datelib
