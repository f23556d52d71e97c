// The report of one Ten-Ten chapter over a 100,000-QSO log in which every QSO credits one
// of 200 chapters (500 QSOs each).

#include "benchlog.h"
#include "reports/tenten.h"

#include <benchmark/benchmark.h>

namespace {

void BM_TenTenChapter100000(benchmark::State& st) {
    tsl::bench::BenchLog log;
    log.addchapters(200);
    log.fill(100000);
    log.addchapterslotsanddatamodes(200);
    for (auto _ : st) {
        const auto r = tsl::tentenchapterreport(*log.s, 7);
        benchmark::DoNotOptimize(r->lines.size());
    }
}
BENCHMARK(BM_TenTenChapter100000)->Unit(benchmark::kMillisecond);

} // namespace
