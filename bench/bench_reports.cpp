// Award reports over a 100,000-QSO log.

#include "benchlog.h"
#include "reports/dxccsummary.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DxccSummary100000(benchmark::State& st) {
    tsl::bench::BenchLog log;
    log.fill(100000);
    for (auto _ : st) {
        const tsl::Report r = tsl::dxccsummary(*log.s, 0, false);
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(BM_DxccSummary100000)->Unit(benchmark::kMillisecond);

} // namespace
