// The net logger's prior-QSO summary of one call over a 100,000-QSO log.

#include "benchlog.h"
#include "nets/netsummary.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PriorQsoSummary100000(benchmark::State& st) {
    tsl::bench::BenchLog log;
    log.fill(100000);
    // The call checks in with a hundred earlier QSOs spread over the log.
    const std::string call = log.s->qsos[1].call.trimmedright();
    for (int i = 1000; i <= 100000; i += 1000)
        log.s->qsos[static_cast<std::size_t>(i)].call = call;
    log.s->netflags[tsl::centuryclubnet] = true;
    log.s->netband = 8;
    log.s->netmode = 1;
    std::size_t length = 0;
    for (auto _ : st) {
        const std::string summary = tsl::priorqsosummary(*log.s, call);
        length = summary.size();
        benchmark::DoNotOptimize(length);
    }
    st.counters["length"] = static_cast<double>(length);
}
BENCHMARK(BM_PriorQsoSummary100000)->Unit(benchmark::kMillisecond);

} // namespace
