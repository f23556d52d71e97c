// The grid squares report over a 100,000-QSO log: squares spread as in a real log, and a
// log where one square holds most QSOs.

#include "benchlog.h"
#include "reports/gridsquares.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GridSquares100000(benchmark::State& st) {
    tsl::bench::BenchLog log;
    log.fill(100000);
    log.spreadsquares(0);
    if (st.range(0) != 0) log.crowdsquares();
    st.SetLabel(st.range(0) != 0 ? "60% in one square" : "spread");
    for (auto _ : st) {
        const tsl::Report r = tsl::gridsquarereport(*log.s, 0, 0, 0, 0);
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(BM_GridSquares100000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
