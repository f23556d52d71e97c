// The Geratol, OMISS and HHH Net reports over a 100,000-QSO log: every report of each net.

#include "benchlog.h"
#include "nets/geratol.h"
#include "nets/hhh.h"
#include "nets/omiss.h"

#include <benchmark/benchmark.h>

namespace {

struct NetBenchLog : tsl::bench::BenchLog {
    NetBenchLog() {
        fill(100000);
        addnetslots();
    }
};

void BM_GeratolReports100000(benchmark::State& st) {
    NetBenchLog log;
    for (auto _ : st) {
        std::size_t lines = tsl::allgeratolqsos(*log.s).lines.size();
        for (int e = 0; e < 36; ++e)
            lines += tsl::geratolendorsement(*log.s, e).lines.size();
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_GeratolReports100000)->Unit(benchmark::kMillisecond);

// Every kind on 20 m and over all bands, and each kind over all bands alone.
void BM_OmissReports100000(benchmark::State& st) {
    NetBenchLog log;
    for (auto _ : st) {
        std::size_t lines = 0;
        for (int kind = 0; kind <= 14; ++kind) {
            lines += tsl::buildomissreport(*log.s, 8, kind, kind == 13).lines.size();
            lines += tsl::buildomissreport(*log.s, 0, kind, true).lines.size();
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_OmissReports100000)->Unit(benchmark::kMillisecond);

void BM_OmissKind100000(benchmark::State& st) {
    NetBenchLog log;
    const int kind = static_cast<int>(st.range(0));
    for (auto _ : st)
        benchmark::DoNotOptimize(tsl::buildomissreport(*log.s, 0, kind, true).lines.size());
}
BENCHMARK(BM_OmissKind100000)->DenseRange(0, 14)->Unit(benchmark::kMillisecond);

void BM_HhhReports100000(benchmark::State& st) {
    NetBenchLog log;
    for (auto _ : st) {
        std::size_t lines = 0;
        for (int kind = 0; kind <= 10; ++kind)
            lines += tsl::buildhhhreport(*log.s, kind).lines.size();
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_HhhReports100000)->Unit(benchmark::kMillisecond);

} // namespace
