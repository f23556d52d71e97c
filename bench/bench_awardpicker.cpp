// The award picker's reports over a 100,000-QSO log: DXCC have/need, QSOs with one entity,
// the entry-award report and the numbered-award report (the Ten-Ten slot holds 100,000
// distinct numbers).

#include "benchlog.h"
#include "reports/entryaward.h"
#include "reports/haveneed.h"
#include "reports/numberaward.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using tsl::bench::BenchLog;

// The bench log with every third QSO confirmed.
BenchLog& log100000() {
    static const std::unique_ptr<BenchLog> log = [] {
        auto l = std::make_unique<BenchLog>();
        l->fill(100000);
        for (int32_t i = 1; i <= l->s->qsocount; i += 3)
            l->s->qsos[static_cast<std::size_t>(i)].qslr = 1;
        return l;
    }();
    return *log;
}

template <class Run> void runreport(benchmark::State& st, Run run) {
    BenchLog& log = log100000();
    for (auto _ : st) {
        const auto lines = run(*log.s);
        benchmark::DoNotOptimize(lines);
    }
}

void BM_DxccHaveNeedAll100000(benchmark::State& st) {
    runreport(st, [](tsl::AppState& s) { return tsl::dxcchaveneedall(s, 0, 0, 0, false).lines; });
}
BENCHMARK(BM_DxccHaveNeedAll100000)->Unit(benchmark::kMillisecond);

void BM_DxccHaveNeedOne100000(benchmark::State& st) {
    runreport(st, [](tsl::AppState& s) { return tsl::dxcchaveneedone(s, 1, false)->lines; });
}
BENCHMARK(BM_DxccHaveNeedOne100000)->Unit(benchmark::kMillisecond);

void BM_DxccNeeded100000(benchmark::State& st) {
    runreport(st, [](tsl::AppState& s) { return tsl::dxccneeded(s, false).lines; });
}
BENCHMARK(BM_DxccNeeded100000)->Unit(benchmark::kMillisecond);

void BM_CountryQsoList100000(benchmark::State& st) {
    runreport(st,
              [](tsl::AppState& s) { return tsl::countryqsolist(s, 1, 0, 0, 0, 0, false)->lines; });
}
BENCHMARK(BM_CountryQsoList100000)->Unit(benchmark::kMillisecond);

void BM_EntryAwardWas100000(benchmark::State& st) {
    runreport(st, [](tsl::AppState& s) {
        return tsl::entryawardreport(s, s.wasaward, 0, 0, 0, 0, false)->lines;
    });
}
BENCHMARK(BM_EntryAwardWas100000)->Unit(benchmark::kMillisecond);

void BM_EntryAwardTenTenNumbers100000(benchmark::State& st) {
    runreport(st, [](tsl::AppState& s) { return tsl::tentennumbersreport(s, s.wasaward)->lines; });
}
BENCHMARK(BM_EntryAwardTenTenNumbers100000)->Unit(benchmark::kMillisecond);

void BM_NumberedAwardTenTen100000(benchmark::State& st) {
    runreport(st, [](tsl::AppState& s) {
        return tsl::numberedawardreport(s, s.tentenaward, 0, 0, 0, 0, false)->lines;
    });
}
BENCHMARK(BM_NumberedAwardTenTen100000)->Unit(benchmark::kMillisecond);

void BM_NumberedAwardTenTenCw100000(benchmark::State& st) {
    runreport(st, [](tsl::AppState& s) { return tsl::tentencwreport(s, s.tentenaward)->lines; });
}
BENCHMARK(BM_NumberedAwardTenTenCw100000)->Unit(benchmark::kMillisecond);

} // namespace
