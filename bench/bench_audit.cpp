// The QSO audit, the missing cards, the full listing, the US counties and the island reports
// over a 100,000-QSO log with county and island slots.

#include "benchlog.h"
#include "reports/audit.h"
#include "reports/counties.h"
#include "reports/islands.h"
#include "reports/listing.h"

#include <benchmark/benchmark.h>

namespace {

template <class Generator> void run(benchmark::State& st, Generator generate) {
    tsl::bench::BenchLog log;
    log.fill(100000);
    log.addcountiesandislands();
    std::size_t lines = 0;
    for (auto _ : st) {
        const tsl::Report r = generate(*log.s);
        lines = r.lines.size();
        benchmark::DoNotOptimize(lines);
    }
    st.counters["lines"] = static_cast<double>(lines);
}

void BM_QsoAudit100000(benchmark::State& st) {
    run(st, [](const tsl::AppState& s) { return tsl::qsoaudit(s); });
}
BENCHMARK(BM_QsoAudit100000)->Unit(benchmark::kMillisecond);

void BM_MissingQsl100000(benchmark::State& st) {
    run(st, [](const tsl::AppState& s) { return tsl::missingqsl(s); });
}
BENCHMARK(BM_MissingQsl100000)->Unit(benchmark::kMillisecond);

void BM_AllQsoListing100000(benchmark::State& st) {
    run(st, [](const tsl::AppState& s) { return tsl::allqsolisting(s); });
}
BENCHMARK(BM_AllQsoListing100000)->Unit(benchmark::kMillisecond);

void BM_CountiesReport100000(benchmark::State& st) {
    run(st, [](const tsl::AppState& s) { return tsl::countiesreport(s, 4, 0, false); });
}
BENCHMARK(BM_CountiesReport100000)->Unit(benchmark::kMillisecond);

void BM_IslandSummary100000(benchmark::State& st) {
    run(st, [](const tsl::AppState& s) { return tsl::islandsummary(s, false); });
}
BENCHMARK(BM_IslandSummary100000)->Unit(benchmark::kMillisecond);

void BM_WasIslands100000(benchmark::State& st) {
    run(st, [](const tsl::AppState& s) { return tsl::wasislands(s, false); });
}
BENCHMARK(BM_WasIslands100000)->Unit(benchmark::kMillisecond);

} // namespace
