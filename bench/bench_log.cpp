// The log at its largest: 100,000 QSOs written to and read from "qsodata.dat", start-up
// with that log, and the DXCC lookup of every call as an import does it.

#include "benchlog.h"
#include "core/dxcclookup.h"
#include "core/qsofile.h"
#include "figures.h"
#include "limits.h"
#include "mainwindow/logbook.h"
#include "mainwindow/startup.h"
#include "platform/fileio.h"
#include "platform/hamcallcd.h"
#include "platform/internet.h"
#include "platform/qrzcd.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {

using tsl::bench::BenchLog;
using tsl::bench::Figures;

// Start-up asks nothing of the internet with the call book of local files.
class Offline : public tsl::InternetAccess {
  public:
    tsl::UrlReply OpenURL(const std::string&) override {
        return {tsl::urlfailure::noconnection, 0, {}, {}};
    }
};

std::string qsodatapath(const BenchLog& log) {
    return log.s->apppath + "qsodata.dat";
}

// The limit of a reader or a writer of "qsodata.dat": reading it and counting its lines.
void countfilelines(const std::string& path) {
    const auto bytes = tsl::readwholefile(path);
    benchmark::DoNotOptimize(tsl::bench::countlines(*bytes));
}

void BM_WriteQsoFile100000(benchmark::State& st) {
    BenchLog log;
    log.filllikereal(100000);
    Figures f(Figures::flush::apart);
    for (auto _ : st) {
        f.ours([&] {
            if (tsl::writeqsofile(*log.s, log.status, log.dialogs) != tsl::writeresult::written)
                st.SkipWithError("not written");
        });
        f.limit([&] { countfilelines(qsodatapath(log)); });
        st.SetIterationTime(f.last());
    }
    f.report(st);
}
BENCHMARK(BM_WriteQsoFile100000)->MinTime(2)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ReadQsoFile100000(benchmark::State& st) {
    BenchLog log;
    log.filllikereal(100000);
    tsl::writeqsofile(*log.s, log.status, log.dialogs);
    Figures f;
    for (auto _ : st) {
        f.ours([&] {
            if (!tsl::loadqsofile(*log.s, log.status, log.dialogs)) st.SkipWithError("not read");
        });
        f.limit([&] { countfilelines(qsodatapath(log)); });
        st.SetIterationTime(f.last());
    }
    f.report(st);
}
BENCHMARK(BM_ReadQsoFile100000)->MinTime(2)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StartUpWith100000Qsos(benchmark::State& st) {
    BenchLog log;
    log.filllikereal(100000);
    tsl::writeqsofile(*log.s, log.status, log.dialogs);
    for (const char* name : {"tsl.ini", "dxcc.dat", "awards.dat"})
        QFile::copy(QString(TESSALOG_DATA_DIR) + "/" + name,
                    QString::fromStdString(log.s->apppath) + name);
    tsl::writefilesafely(log.s->apppath + "qsldata.ini", "1,\"\"\r\n");
    Offline offline;
    tsl::AbsentQrzCd qrzcd;
    tsl::AbsentHamCallCd hamcallcd;
    Figures f;
    for (auto _ : st) {
        auto state = std::make_unique<tsl::AppState>();
        std::unique_ptr<tsl::logbook> window;
        f.ours([&] {
            window = tsl::Main(*state, log.dialogs, offline, qrzcd, hamcallcd, log.s->apppath);
        });
        if (!window || state->qsocount != 100000) st.SkipWithError("not started");
        st.SetIterationTime(f.last());
    }
    f.report(st, 0.2);
}
BENCHMARK(BM_StartUpWith100000Qsos)->MinTime(2)->UseManualTime()->Unit(benchmark::kMillisecond);

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
