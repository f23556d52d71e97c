// The DXCC detail, prefix, continent and zone reports over a 100,000-QSO log.

#include "benchlog.h"
#include "reports/continentszones.h"
#include "reports/dxccdetail.h"
#include "reports/prefixes.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace {

void runreport(benchmark::State& st, const std::function<tsl::Report(const tsl::AppState&)>& make,
               int sharedprefix = 0) {
    tsl::bench::BenchLog log;
    log.fill(100000);
    // sharedprefix QSOs in every hundred get calls of the one prefix "W1".
    for (int i = 1; i <= 100000; ++i)
        if (i % 100 < sharedprefix)
            log.s->qsos[static_cast<std::size_t>(i)].call =
                std::string("W1") + static_cast<char>('A' + i % 26) +
                static_cast<char>('A' + i / 26 % 26) + static_cast<char>('A' + i / 676 % 26);
    for (auto _ : st) {
        const tsl::Report r = make(*log.s);
        benchmark::DoNotOptimize(r.lines.size());
    }
}

void BM_DxccDetail100000(benchmark::State& st) {
    runreport(st, [](const tsl::AppState& s) { return tsl::dxccdetail(s, false); });
}
BENCHMARK(BM_DxccDetail100000)->Unit(benchmark::kMillisecond);

void BM_DxccPrefixList(benchmark::State& st) {
    runreport(st, [](const tsl::AppState& s) { return tsl::dxccprefixlist(s); });
}
BENCHMARK(BM_DxccPrefixList)->Unit(benchmark::kMillisecond);

void BM_Prefixes100000(benchmark::State& st) {
    runreport(st, [](const tsl::AppState& s) { return tsl::prefixreport(s, 0, false); });
}
BENCHMARK(BM_Prefixes100000)->Unit(benchmark::kMillisecond);

// 90,000 of the QSOs under one prefix: a long run of equal keys for the sort.
void BM_Prefixes100000OnePrefix(benchmark::State& st) {
    runreport(
        st, [](const tsl::AppState& s) { return tsl::prefixreport(s, 0, false); }, 90);
}
BENCHMARK(BM_Prefixes100000OnePrefix)->Unit(benchmark::kMillisecond);

void BM_Continents100000(benchmark::State& st) {
    runreport(st, [](const tsl::AppState& s) { return tsl::wacreport(s, 0, false); });
}
BENCHMARK(BM_Continents100000)->Unit(benchmark::kMillisecond);

void BM_CqZones100000(benchmark::State& st) {
    runreport(st, [](const tsl::AppState& s) { return tsl::cqzonereport(s, false); });
}
BENCHMARK(BM_CqZones100000)->Unit(benchmark::kMillisecond);

void BM_ItuZones100000(benchmark::State& st) {
    runreport(st, [](const tsl::AppState& s) { return tsl::ituzonereport(s, false); });
}
BENCHMARK(BM_ItuZones100000)->Unit(benchmark::kMillisecond);

} // namespace
