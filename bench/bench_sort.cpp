// Sorting a 100,000-QSO log by each of its sixteen keys.

#include "benchlog.h"
#include "core/sorting.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using Sort = void (*)(tsl::AppState&, int32_t, int32_t);
constexpr std::array<std::pair<const char*, Sort>, 16> sorts = {{
    {"date", tsl::sortbydate},
    {"call", tsl::sortbycall},
    {"dxcc", tsl::sortbydxcc},
    {"via", tsl::sortbyvia},
    {"band", tsl::sortbyband},
    {"mode", tsl::sortbymode},
    {"prop", tsl::sortbyprop},
    {"comment", tsl::sortbycomment},
    {"itu", tsl::sortbyitu},
    {"cq", tsl::sortbycq},
    {"grid", tsl::sortbygrid},
    {"wab", tsl::sortbywab},
    {"continent", tsl::sortbycontinent},
    {"firstaward", tsl::sortbyfirstaward},
    {"qth", tsl::sortbyqth},
    {"gender", tsl::sortbygender},
}};

void BM_Sort100000(benchmark::State& st) {
    tsl::bench::BenchLog log;
    const auto& [name, sort] = sorts[static_cast<std::size_t>(st.range(0))];
    st.SetLabel(name);
    for (auto _ : st) {
        st.PauseTiming();
        log.fill(100000);
        st.ResumeTiming();
        sort(*log.s, 1, log.s->qsocount);
    }
}
BENCHMARK(BM_Sort100000)->DenseRange(0, 15)->Unit(benchmark::kMillisecond);

} // namespace
