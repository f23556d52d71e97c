// Importing generated Cabrillo files of 100,000 QSO lines.

#include "benchlog.h"
#include "importexport/cabrillo.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Lines in the columns of the other contests, every tenth one written with single blanks.
std::string generatedcontest(const tsl::bench::BenchLog& log, int n) {
    std::string text = "START-OF-LOG: 3.0\r\nCONTEST: CQ-WW-CW\r\nCALLSIGN: N0CALL\r\n";
    const auto calls = log.calls(n);
    char line[128];
    for (int i = 0; i < n; ++i) {
        const char* call = calls[static_cast<std::size_t>(i)].c_str();
        const int khz = i % 2 == 0 ? 14025 : 7012;
        if (i % 10 == 0)
            std::snprintf(line, sizeof line,
                          "QSO: %d CW 2024-08-25 %02d%02d N0CALL 599 5 %s 599 %d\r\n", khz,
                          (i / 60) % 24, i % 60, call, 1 + i % 40);
        else
            std::snprintf(
                line, sizeof line,
                "QSO: %5d CW 2024-08-25 %02d%02d N0CALL        599 5      %-13s 599 %-6s\r\n", khz,
                (i / 60) % 24, i % 60, call, i % 3 == 0 ? "MA" : "14");
        text += line;
    }
    return text + "END-OF-LOG:\r\n";
}

// RSGB IOTA lines written with single blanks, each with an island reference.
std::string generatediota(const tsl::bench::BenchLog& log, int n) {
    std::string text = "START-OF-LOG: 3.0\r\nCONTEST: RSGB-IOTA\r\n";
    const auto calls = log.calls(n);
    char line[128];
    for (int i = 0; i < n; ++i) {
        std::snprintf(line, sizeof line,
                      "QSO: 14040 CW 2024-07-27 %02d%02d G0ABC 59 %d EU-005 %s 59 %d EU-%03d\r\n",
                      (i / 60) % 24, i % 60, i, calls[static_cast<std::size_t>(i)].c_str(), i,
                      1 + i % 180);
        text += line;
    }
    return text;
}

void run(benchmark::State& st, const std::string& bytes, int kind) {
    tsl::bench::BenchLog log;
    log.s->chosenfile = log.s->apppath + "big.log";
    tsl::writefilesafely(log.s->chosenfile, bytes);
    for (auto _ : st) {
        log.s->qsocount = 0;
        const auto r = tsl::importcabrillo(*log.s, log.status, log.dialogs, kind);
        if (r.imported != 100000) st.SkipWithError("not every QSO was imported");
    }
}

void BM_ImportCabrillo100000(benchmark::State& st) {
    tsl::bench::BenchLog log;
    run(st, generatedcontest(log, 100000), 2);
}
BENCHMARK(BM_ImportCabrillo100000)->Unit(benchmark::kMillisecond);

void BM_ImportCabrilloIota100000(benchmark::State& st) {
    tsl::bench::BenchLog log;
    run(st, generatediota(log, 100000), 5);
}
BENCHMARK(BM_ImportCabrilloIota100000)->Unit(benchmark::kMillisecond);

} // namespace
