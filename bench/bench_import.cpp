// Importing a generated ADIF file of 100,000 QSOs.

#include "benchlog.h"
#include "importexport/adifimport.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

namespace {

std::string generatedadif(const tsl::bench::BenchLog& log, int n) {
    std::string text = "generated\r\n<EOH>\r\n";
    const auto calls = log.calls(n);
    for (int i = 0; i < n; ++i) {
        const std::string& call = calls[static_cast<std::size_t>(i)];
        text += "<CALL:" + std::to_string(call.size()) + ">" + call +
                "<QSO_DATE:8>20240825<TIME_ON:6>143059<BAND:3>20m<MODE:2>CW<RST_SENT:3>599"
                "<RST_RCVD:3>579<QSL_RCVD:1>N<STATE:2>MA<COMMENT:9>generated<EOR>\r\n";
    }
    return text;
}

void BM_ImportAdif100000(benchmark::State& st) {
    tsl::bench::BenchLog log;
    log.s->chosenfile = log.s->apppath + "big.adi";
    tsl::writefilesafely(log.s->chosenfile, generatedadif(log, 100000));
    for (auto _ : st) {
        log.s->qsocount = 0;
        const auto r = tsl::importadif(*log.s, log.status, log.dialogs);
        if (r.imported != 100000) st.SkipWithError("not every QSO was imported");
    }
}
BENCHMARK(BM_ImportAdif100000)->Unit(benchmark::kMillisecond);

} // namespace
