// The BARTG awards over a 100,000-QSO log, two in five QSOs on RTTY or PSK: the Quarter
// Century Award and the Africa Award over all bands.

#include "benchlog.h"
#include "reports/bartg.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Bartg100000(benchmark::State& st) {
    tsl::bench::BenchLog log;
    log.addchapters(200);
    log.fill(100000);
    log.addchapterslotsanddatamodes(200);
    const auto award = static_cast<int>(st.range(0));
    st.SetLabel(award == 0 ? "Quarter Century Award" : "Africa Award, all bands");
    for (auto _ : st) {
        const tsl::Report r = tsl::bartgreport(*log.s, award, 2, 1, award == 2);
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(BM_Bartg100000)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
