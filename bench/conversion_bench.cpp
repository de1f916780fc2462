// Cost of one date conversion. Goals on the 2-core reference machine: the
// Nanakshahi day, month and year under 10 ns; the whole record with both display
// lines under 100 ns.
//   build/bench/conversion_bench
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "calendar/nanakshahi_date.h"

namespace {

// A year's worth of consecutive dates, so every branch of the table is taken.
std::vector<tarnvel::CivilDate> one_year_of_dates() {
    std::vector<tarnvel::CivilDate> v;
    for (auto d = tarnvel::CivilDate{2027, 1, 1}; d.year == 2027; d = tarnvel::next_day(d)) v.push_back(d);
    return v;
}

// Runs `convert` once an iteration, cycling through the year's dates.
template <typename Convert>
void over_dates(benchmark::State& state, Convert convert) {
    const auto dates = one_year_of_dates();
    std::size_t i = 0;
    for (auto _ : state) {
        convert(dates[i]);
        i = i + 1 == dates.size() ? 0 : i + 1;
    }
}

void BM_Fields(benchmark::State& state) {
    over_dates(state, [](const tarnvel::CivilDate& d) {
        benchmark::DoNotOptimize(tarnvel::nanakshahi_fields(d.year, d.month, d.day));
    });
}
BENCHMARK(BM_Fields);

// The record a running calendar rewrites: its strings keep their storage.
void BM_WholeRecord(benchmark::State& state) {
    tarnvel::DateRecord r;
    over_dates(state, [&r](const tarnvel::CivilDate& d) {
        tarnvel::convert_date(d.year, d.month, d.day, r);
        benchmark::DoNotOptimize(r.NanakshahiDate_Gurmukhi.data());
    });
}
BENCHMARK(BM_WholeRecord);

// A fresh record each time, allocations included.
void BM_FreshRecord(benchmark::State& state) {
    over_dates(state, [](const tarnvel::CivilDate& d) {
        benchmark::DoNotOptimize(tarnvel::convert_date(d.year, d.month, d.day));
    });
}
BENCHMARK(BM_FreshRecord);

}  // namespace

BENCHMARK_MAIN();
