// Sorting a 100,000-QSO log by each of its sixteen keys, and the awkward logs: without
// times, with one call worked 5,000 times, with one entity only.

#include "benchlog.h"
#include "core/sorting.h"
#include "figures.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using tsl::bench::awkward;

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

constexpr std::array<const char*, 4> lognames = {"", "no times", "one call 5000 times",
                                                 "one entity"};

// Each run sorts the log as generated, never the order the previous run left.
void BM_Sort100000(benchmark::State& st) {
    tsl::bench::BenchLog log;
    const auto kind = static_cast<awkward>(st.range(0));
    const auto& [name, sort] = sorts[static_cast<std::size_t>(st.range(1))];
    st.SetLabel(std::string(name) + (kind == awkward::none ? "" : ", ") +
                lognames[static_cast<std::size_t>(kind)]);
    log.filllikereal(100000, kind);
    const std::vector<tsl::qsorecord> generated(log.s->qsos.begin(), log.s->qsos.begin() + 100001);
    tsl::bench::Figures f;
    for (auto _ : st) {
        std::copy(generated.begin(), generated.end(), log.s->qsos.begin());
        f.ours([&] { sort(*log.s, 1, log.s->qsocount); });
        st.SetIterationTime(f.last());
    }
    f.report(st, 0.1);
}
BENCHMARK(BM_Sort100000)
    ->ArgsProduct({{0}, benchmark::CreateDenseRange(0, 15, 1)})
    ->Args({1, 2}) // DXCC, no times
    ->Args({1, 7}) // comment, no times
    ->Args({2, 1}) // call, one call 5000 times
    ->Args({3, 2}) // DXCC, one entity
    ->Args({1, 9}) // CQ zone, no times
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
