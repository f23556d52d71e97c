#pragma once
// Runs an import over a generated file of the default-data calls, the log emptied before
// each run, shared by the import benchmarks.

#include "benchlog.h"
#include "importexport/importframe.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

namespace tsl::bench {

inline void runimport(benchmark::State& st, const std::string& name, int qsos,
                      std::string (*generate)(const std::vector<std::string>&),
                      const std::function<importoutcome(BenchLog&)>& import) {
    BenchLog log;
    log.s->chosenfile = log.s->apppath + name;
    writefilesafely(log.s->chosenfile, generate(log.calls(qsos)));
    for (auto _ : st) {
        log.s->qsocount = 0;
        if (import(log).imported != qsos) st.SkipWithError("not every QSO was imported");
    }
}

} // namespace tsl::bench
