// The ARLHS reports over a 100,000-QSO log with a lighthouse on one QSO in ten: the list of
// all lighthouse QSOs (sorted) and the DXCC table.

#include "benchlog.h"
#include "reports/arlhs.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Arlhs100000(benchmark::State& st) {
    tsl::bench::BenchLog log;
    log.addlighthouses(1500);
    log.fill(100000);
    log.spreadsquares(1500);
    const auto report = static_cast<int16_t>(st.range(0));
    st.SetLabel(report == 0 ? "all lighthouses" : "DXCC");
    for (auto _ : st) {
        const tsl::Report r = tsl::arlhsreport(*log.s, report, 1);
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(BM_Arlhs100000)->Arg(0)->Arg(11)->Unit(benchmark::kMillisecond);

} // namespace
