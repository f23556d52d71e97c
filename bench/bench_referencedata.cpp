// Reading the reference data files at start-up, and the list-file reader on a file the
// size of a 100,000-QSO log.

#include "benchlog.h"
#include "core/awards.h"
#include "core/dxcc.h"
#include "core/listfile.h"
#include "core/state.h"
#include "platform/dialogs.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using tsl::bench::SilentDialogs;

void BM_LoadDefaultDxccAndAwards(benchmark::State& st) {
    auto s = std::make_unique<tsl::AppState>();
    tsl::setstartvalues(*s, std::string(TESSALOG_DATA_DIR) + "/", 1000);
    SilentDialogs dialogs;
    for (auto _ : st) {
        const bool ok = tsl::loaddxcc(*s, dialogs) && tsl::loadawards(*s, dialogs);
        if (!ok) st.SkipWithError("default data did not load");
        benchmark::DoNotOptimize(s->dxcccount);
    }
}
BENCHMARK(BM_LoadDefaultDxccAndAwards)->Unit(benchmark::kMillisecond);

void BM_ReadListFileOf100000Lines(benchmark::State& st) {
    tsl::ListWriter w;
    for (int i = 0; i < 100000; ++i) {
        for (int k = 0; k < 30; ++k)
            w.text("item text");
        w.single(100.0f).endline();
    }
    const std::string bytes = w.bytes();
    for (auto _ : st) {
        tsl::ListReader in(bytes);
        long items = 0;
        while (!in.atend() && in.item())
            ++items;
        benchmark::DoNotOptimize(items);
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) *
                         static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadListFileOf100000Lines)->Unit(benchmark::kMillisecond);

} // namespace
