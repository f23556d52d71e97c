// The grid squares and WAB reports over a 100,000-QSO log: squares spread as in a real log
// (argument 0), and a log where one square holds most QSOs (argument 1).

#include "benchlog.h"
#include "reports/gridsquares.h"
#include "reports/wab.h"

#include <benchmark/benchmark.h>

namespace {

template <class Run> void squaresreport(benchmark::State& st, Run run) {
    tsl::bench::BenchLog log;
    log.fill(100000);
    log.spreadsquares(0);
    if (st.range(0) != 0) log.crowdsquares();
    st.SetLabel(st.range(0) != 0 ? "60% in one square" : "spread");
    for (auto _ : st) {
        const tsl::Report r = run(*log.s);
        benchmark::DoNotOptimize(r.lines.size());
    }
}

void BM_GridSquares100000(benchmark::State& st) {
    squaresreport(st, [](const tsl::AppState& s) { return tsl::gridsquarereport(s, 0, 0, 0, 0); });
}
BENCHMARK(BM_GridSquares100000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Wab100000(benchmark::State& st) {
    squaresreport(st, [](const tsl::AppState& s) { return tsl::wabreport(s, 0, 0, 0, 0, 0); });
}
BENCHMARK(BM_Wab100000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
