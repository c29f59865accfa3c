// The date library's text procedures: reading a typed date and writing one.
// Both run on every Compute command and every clock tick of the program.
#include <benchmark/benchmark.h>

#include <string>

#include "datelib/date_text.h"
#include "datelib/engine.h"

namespace {

using datelib::CalendarKind;
using datelib::DateOrder;

void BM_ParseDateTextCommonEra(benchmark::State& state) {
    datelib::Engine();
    CalendarDate date{};
    for (auto _ : state) {
        const datelib::ParseStatus status =
            datelib::ParseDateText("2012-12-31", "-", CalendarKind::CE, DateOrder::YMD, date);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(date);
    }
}
BENCHMARK(BM_ParseDateTextCommonEra);

CalendarDate Gregorian(int32_t year, int32_t month, int32_t day) {
    CalendarDate date{};
    date.year = year;
    date.month = month;
    date.day = day;
    date.calendar = DAYMATH_GREGORIAN;
    return date;
}

// Each date is written into a text of its own, as a caller without a
// buffer to reuse writes it.
void BM_AppendDate(benchmark::State& state) {
    const CalendarDate date = Gregorian(2012, 12, 31);
    for (auto _ : state) {
        std::string text;
        datelib::AppendDate(text, date, DateOrder::DMY, "/", ",");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_AppendDate);

// A year beyond four digits goes through the engine for its grouping.
void BM_AppendDateGroupedYear(benchmark::State& state) {
    datelib::Engine();
    const CalendarDate date = Gregorian(-1234567, 12, 31);
    for (auto _ : state) {
        std::string text;
        datelib::AppendDate(text, date, DateOrder::DMY, "/", ",");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_AppendDateGroupedYear);

}  // namespace

BENCHMARK_MAIN();
