// Importing a generated user-defined CSV file of 100,000 records.

#include "benchlog.h"
#include "importexport/csvimport.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

std::string generatedcsv(const tsl::bench::BenchLog& log, int n) {
    std::string text;
    const auto calls = log.calls(n);
    char line[192];
    for (int i = 0; i < n; ++i) {
        std::snprintf(line, sizeof line,
                      "%s,%02d-AUG-24,%02d%02d,14.025,CW,100,,Y,N,599,579,EU-%03d,MA,%d,"
                      "\"Smith, John\",FN42ab\r\n",
                      calls[static_cast<std::size_t>(i)].c_str(), 1 + i % 28, (i / 60) % 24, i % 60,
                      1 + i % 180, i);
        text += line;
    }
    return text;
}

void BM_ImportCsv100000(benchmark::State& st) {
    using namespace tsl;
    bench::BenchLog log;
    log.s->chosenfile = log.s->apppath + "big.csv";
    writefilesafely(log.s->chosenfile, generatedcsv(log, 100000));
    csvlayout layout;
    layout.fieldcount = 16;
    layout.fields = {csvcall,   csvdate,    csvtime,        csvband,      csvmode,        csvpower,
                     csvqslvia, csvqslsent, csvqslreceived, csvrstsent,   csvrstreceived, csviota,
                     csvstate,  csvtenten,  csvcomment,     csvgridsquare};
    layout.dateformat = csvdd_mmm_yy;
    layout.hhmm = true;
    layout.currentyear = 2024;
    for (auto _ : st) {
        log.s->qsocount = 0;
        const csvresult r = importcsv(*log.s, log.status, layout);
        if (r.imported != 100000) st.SkipWithError("not every record was imported");
    }
}
BENCHMARK(BM_ImportCsv100000)->Unit(benchmark::kMillisecond);

} // namespace
