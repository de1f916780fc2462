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

void BM_Fields(benchmark::State& state) {
    const auto dates = one_year_of_dates();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& d = dates[i];
        i = i + 1 == dates.size() ? 0 : i + 1;
        benchmark::DoNotOptimize(tarnvel::nanakshahi_fields(d.year, d.month, d.day));
    }
}
BENCHMARK(BM_Fields);

// The record a running calendar rewrites: its strings keep their storage.
void BM_WholeRecord(benchmark::State& state) {
    const auto dates = one_year_of_dates();
    tarnvel::DateRecord r;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& d = dates[i];
        i = i + 1 == dates.size() ? 0 : i + 1;
        tarnvel::convert_date(d.year, d.month, d.day, r);
        benchmark::DoNotOptimize(r.NanakshahiDate_Gurmukhi.data());
    }
}
BENCHMARK(BM_WholeRecord);

// A fresh record each time, allocations included.
void BM_FreshRecord(benchmark::State& state) {
    const auto dates = one_year_of_dates();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& d = dates[i];
        i = i + 1 == dates.size() ? 0 : i + 1;
        benchmark::DoNotOptimize(tarnvel::convert_date(d.year, d.month, d.day));
    }
}
BENCHMARK(BM_FreshRecord);

}  // namespace

BENCHMARK_MAIN();
