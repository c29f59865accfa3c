// Times the engine's conversions, called through function pointers bound from
// the library loaded by name, against a baseline compiled into this program:
// the 64-bit form of C. Neri and L. Schneider's calendar algorithms
// ("Euclidean affine functions and their application to calendar algorithms",
// 2022). Prints engine time / baseline time for each conversion.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "datelib/engine.h"

namespace {

constexpr std::size_t kSampleCount = 4096;

// Whole 400-year cycles that keep every 32-bit year positive.
constexpr uint64_t kCycles = 5'400'000;
constexpr uint64_t kYearShift = 400 * kCycles;
constexpr uint64_t kGregorianDays = 146'097 * kCycles;
constexpr uint64_t kJulianDays = 1'461 * (kYearShift / 4);
constexpr int64_t kGregorianMarch0 = 1'721'120;
constexpr int64_t kJulianMarch0 = 1'721'118;

struct Date {
    int32_t year, month, day;
};

Date BaselineMonthDay(uint64_t shiftedYear, uint32_t dayOfYear) {
    const uint32_t n3 = 2'141 * dayOfYear + 197'913;
    const uint32_t m = n3 >> 16;
    const uint32_t d = (n3 & 0xFFFF) / 2'141;
    const bool j = dayOfYear >= 306;
    return {static_cast<int32_t>(static_cast<int64_t>(shiftedYear + j) - int64_t{kYearShift}),
            static_cast<int32_t>(j ? m - 12 : m), static_cast<int32_t>(d + 1)};
}

Date BaselineGregorianFromJdn(int32_t jdn) {
    const uint64_t n = static_cast<uint64_t>(jdn - kGregorianMarch0) + kGregorianDays;
    const uint64_t n1 = 4 * n + 3;
    const uint64_t c = n1 / 146'097;
    const uint32_t nc = static_cast<uint32_t>(n1 % 146'097) / 4;
    const uint64_t p2 = 2'939'745ULL * (4 * nc + 3);
    const uint32_t z = static_cast<uint32_t>(p2 >> 32);
    const uint32_t ny = static_cast<uint32_t>(p2) / 2'939'745 / 4;
    return BaselineMonthDay(100 * c + z, ny);
}

// No algorithm for the Annus Novus calendar is published. Its year, like the
// computational year above, ends with its leap day, so the baseline splits
// the days since Annus Novus 8520-01-01 (Gregorian 0001-01-01) with the same
// Euclidean affine functions, and finds month and day with one more:
// 1795 d + 1064 = 65536 (month - 1) + 1795 (day - 1) + r for every day d of the year.
struct AnnusNovusDate {
    Date date;
    int32_t weekDay;
};

AnnusNovusDate BaselineAnnusNovusFromJdn(int32_t jdn) {
    constexpr int64_t kAnnusNovus8520 = 1'721'426;
    const uint64_t n1 = 4 * (static_cast<uint64_t>(jdn - kAnnusNovus8520) + kGregorianDays) + 3;
    const uint64_t c = n1 / 146'097;
    const uint32_t nc = static_cast<uint32_t>(n1 % 146'097) / 4;
    const uint64_t p2 = 2'939'745ULL * (4 * nc + 3);
    const uint32_t z = static_cast<uint32_t>(p2 >> 32);
    const uint32_t ny = static_cast<uint32_t>(p2) / 2'939'745 / 4;
    const uint32_t n3 = 1'795 * ny + 1'064;
    const uint32_t m = n3 >> 16;
    const uint32_t d = (n3 & 0xFFFF) / 1'795;
    const int64_t year = static_cast<int64_t>(100 * c + z) - int64_t{kYearShift} + 8'520;
    return {{static_cast<int32_t>(year), static_cast<int32_t>(m + 1), static_cast<int32_t>(d + 1)},
            m == 10 ? 0 : static_cast<int32_t>(ny % 5) + 1};
}

Date BaselineJulianFromJdn(int32_t jdn) {
    const uint64_t n1 = 4 * (static_cast<uint64_t>(jdn - kJulianMarch0) + kJulianDays) + 3;
    return BaselineMonthDay(n1 / 1'461, static_cast<uint32_t>(n1 % 1'461) / 4);
}

int64_t BaselineGregorianToJdn(Date date) {
    const bool j = date.month <= 2;
    const uint64_t y = static_cast<uint64_t>(date.year + int64_t{kYearShift}) - j;
    const auto m = static_cast<uint32_t>(j ? date.month + 12 : date.month);
    const uint64_t c = y / 100;
    const uint64_t yStar = 1'461 * y / 4 - c + c / 4;
    const uint32_t mStar = (979 * m - 2'919) / 32;
    return static_cast<int64_t>(yStar + mStar) - int64_t{kGregorianDays} + kGregorianMarch0 +
           date.day - 1;
}

int64_t BaselineJulianToJdn(Date date) {
    const bool j = date.month <= 2;
    const uint64_t y = static_cast<uint64_t>(date.year + int64_t{kYearShift}) - j;
    const auto m = static_cast<uint32_t>(j ? date.month + 12 : date.month);
    const uint32_t mStar = (979 * m - 2'919) / 32;
    return static_cast<int64_t>(1'461 * y / 4 + mStar) - int64_t{kJulianDays} + kJulianMarch0 +
           date.day - 1;
}

const std::vector<int32_t>& RandomJdns() {
    static const std::vector<int32_t> jdns = [] {
        std::mt19937 random(42);
        std::uniform_int_distribution<int32_t> anyDay(DAYMATH_MIN_JDN, DAYMATH_MAX_JDN);
        std::vector<int32_t> v(kSampleCount);
        for (int32_t& jdn : v) {
            jdn = anyDay(random);
        }
        return v;
    }();
    return jdns;
}

std::vector<CalendarDate> RandomDates(int32_t calendar) {
    std::vector<CalendarDate> dates;
    for (const int32_t jdn : RandomJdns()) {
        CalendarDate d{};
        d.jdn = jdn;
        d.calendar = calendar;
        datelib::Engine().jdnToEuroDate(&d);
        dates.push_back(d);
    }
    return dates;
}

template <typename Convert>
void RunOverJdns(benchmark::State& state, Convert convert) {
    const std::vector<int32_t>& jdns = RandomJdns();
    for (auto _ : state) {
        for (const int32_t jdn : jdns) {
            convert(jdn);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(jdns.size()));
}

template <typename Convert>
void RunOverDates(benchmark::State& state, int32_t calendar, Convert convert) {
    std::vector<CalendarDate> dates = RandomDates(calendar);
    for (auto _ : state) {
        for (CalendarDate& d : dates) {
            convert(d);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(dates.size()));
}

void EngineJdnToDate(benchmark::State& state, int32_t calendar) {
    const auto convert = datelib::Engine().jdnToEuroDate;
    CalendarDate d{};
    d.calendar = calendar;
    RunOverJdns(state, [convert, &d](int32_t jdn) {
        d.jdn = jdn;
        convert(&d);
        benchmark::DoNotOptimize(d);
    });
}

void EngineDateToJdn(benchmark::State& state, int32_t calendar) {
    const auto convert = datelib::Engine().euroDateToJdn;
    RunOverDates(state, calendar,
                 [convert](CalendarDate& d) { benchmark::DoNotOptimize(convert(&d)); });
}

void BM_Engine_GregorianFromJdn(benchmark::State& s) {
    EngineJdnToDate(s, DAYMATH_GREGORIAN);
}
void BM_Engine_JulianFromJdn(benchmark::State& s) {
    EngineJdnToDate(s, DAYMATH_JULIAN);
}
void BM_Engine_GregorianToJdn(benchmark::State& s) {
    EngineDateToJdn(s, DAYMATH_GREGORIAN);
}
void BM_Engine_JulianToJdn(benchmark::State& s) {
    EngineDateToJdn(s, DAYMATH_JULIAN);
}

void BM_Engine_AnnusNovusFromJdn(benchmark::State& state) {
    const auto convert = datelib::Engine().jdnToAnnusNovusDate;
    CalendarDate d{};
    RunOverJdns(state, [convert, &d](int32_t jdn) {
        d.jdn = jdn;
        benchmark::DoNotOptimize(convert(&d));
        benchmark::DoNotOptimize(d);
    });
}

template <Date (*Convert)(int32_t)>
void BaselineFromJdn(benchmark::State& state) {
    RunOverJdns(state, [](int32_t jdn) {
        Date d = Convert(jdn);
        benchmark::DoNotOptimize(d);
    });
}

// Like the engine, the baseline leaves its result in the record.
template <int64_t (*Convert)(Date)>
void BaselineToJdn(benchmark::State& state, int32_t calendar) {
    RunOverDates(state, calendar, [](CalendarDate& d) {
        d.jdn = static_cast<int32_t>(Convert({d.year, d.month, d.day}));
        benchmark::DoNotOptimize(d.jdn);
    });
}

void BM_Baseline_GregorianFromJdn(benchmark::State& s) {
    BaselineFromJdn<BaselineGregorianFromJdn>(s);
}
void BM_Baseline_JulianFromJdn(benchmark::State& s) {
    BaselineFromJdn<BaselineJulianFromJdn>(s);
}
void BM_Baseline_GregorianToJdn(benchmark::State& s) {
    BaselineToJdn<BaselineGregorianToJdn>(s, DAYMATH_GREGORIAN);
}
void BM_Baseline_JulianToJdn(benchmark::State& s) {
    BaselineToJdn<BaselineJulianToJdn>(s, DAYMATH_JULIAN);
}
void BM_Baseline_AnnusNovusFromJdn(benchmark::State& state) {
    RunOverJdns(state, [](int32_t jdn) {
        AnnusNovusDate d = BaselineAnnusNovusFromJdn(jdn);
        benchmark::DoNotOptimize(d);
    });
}

BENCHMARK(BM_Baseline_GregorianFromJdn);
BENCHMARK(BM_Engine_GregorianFromJdn);
BENCHMARK(BM_Baseline_GregorianToJdn);
BENCHMARK(BM_Engine_GregorianToJdn);
BENCHMARK(BM_Baseline_JulianFromJdn);
BENCHMARK(BM_Engine_JulianFromJdn);
BENCHMARK(BM_Baseline_JulianToJdn);
BENCHMARK(BM_Engine_JulianToJdn);
BENCHMARK(BM_Baseline_AnnusNovusFromJdn);
BENCHMARK(BM_Engine_AnnusNovusFromJdn);

// Prints the usual table, then each engine time over its baseline time.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const double perCall = run.GetAdjustedRealTime() / kSampleCount;
            nanosecondsPerCall_[run.benchmark_name()] = perCall;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-22s %12s %12s %8s\n", "conversion", "engine ns", "baseline ns", "ratio");
        const std::string engine = "BM_Engine_";
        for (const auto& [name, engineTime] : nanosecondsPerCall_) {
            if (name.rfind(engine, 0) != 0) {
                continue;
            }
            const std::string what = name.substr(engine.size());
            const double baselineTime = nanosecondsPerCall_["BM_Baseline_" + what];
            std::printf("%-22s %12.2f %12.2f %8.2f\n", what.c_str(), engineTime, baselineTime,
                        engineTime / baselineTime);
        }
    }

  private:
    std::map<std::string, double> nanosecondsPerCall_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    try {
        datelib::Engine();
    } catch (const datelib::EngineLoadError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
