// Cost of the iCalendar export of a long range. Goal on the 2-core reference machine: 500 years
// (1600-01-01 to 2099-12-31) in under a second, with the anniversaries too.
//   build/bench/ics_bench
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "cli/ics_writer.h"

namespace {

// Counts what is written and keeps none of it.
class CountingBuffer : public std::streambuf {
public:
    std::int64_t bytes = 0;

protected:
    int_type overflow(int_type c) override {
        ++bytes;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        bytes += n;
        return n;
    }
};

void export_500_years(benchmark::State& state, bool anniversaries) {
    std::int64_t bytes = 0;
    for (auto _ : state) {
        CountingBuffer buffer;
        std::ostream out(&buffer);
        const bool ok = tarnvel::cli::write_ics(out, {{1600, 1, 1}, {2099, 12, 31}, anniversaries, 1796472000});
        benchmark::DoNotOptimize(ok);
        bytes += buffer.bytes;
    }
    state.SetBytesProcessed(bytes);
}

void BM_Ics500Years(benchmark::State& state) { export_500_years(state, false); }
BENCHMARK(BM_Ics500Years)->Unit(benchmark::kMillisecond);

void BM_Ics500YearsWithAnniversaries(benchmark::State& state) { export_500_years(state, true); }
BENCHMARK(BM_Ics500YearsWithAnniversaries)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
