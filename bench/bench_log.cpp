// The log at its largest: 100,000 QSOs written to and read from "qsodata.dat", and the
// DXCC lookup of every call as an import does it.

#include "benchlog.h"
#include "core/dxcclookup.h"
#include "core/qsofile.h"

#include <benchmark/benchmark.h>

namespace {

using tsl::bench::BenchLog;

void BM_WriteQsoFile100000(benchmark::State& st) {
    BenchLog log;
    log.fill(100000);
    for (auto _ : st) {
        if (tsl::writeqsofile(*log.s, log.status, log.dialogs) != tsl::writeresult::written)
            st.SkipWithError("not written");
    }
}
BENCHMARK(BM_WriteQsoFile100000)->Unit(benchmark::kMillisecond);

void BM_ReadQsoFile100000(benchmark::State& st) {
    BenchLog log;
    log.fill(100000);
    tsl::writeqsofile(*log.s, log.status, log.dialogs);
    for (auto _ : st) {
        if (!tsl::readqsofile(*log.s, log.status, log.dialogs)) st.SkipWithError("not read");
        benchmark::DoNotOptimize(log.s->qsocount);
    }
}
BENCHMARK(BM_ReadQsoFile100000)->Unit(benchmark::kMillisecond);

void BM_DxccLookupOf100000Calls(benchmark::State& st) {
    BenchLog log;
    const auto calls = log.calls(100000);
    for (auto _ : st) {
        for (std::size_t i = 0; i < calls.size(); ++i)
            tsl::dxcclookuprecord(*log.s, calls[i], static_cast<int32_t>(i + 1));
        benchmark::DoNotOptimize(log.s->qsos[1].dxcc);
    }
}
BENCHMARK(BM_DxccLookupOf100000Calls)->Unit(benchmark::kMillisecond);

} // namespace
