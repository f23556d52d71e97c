// The Century Club Net reports over 100,000 net QSOs: every kind, the Poker Player award on
// the generated log, on 100,000 distinct calls and on one call worked 100,000 times.

#include "benchlog.h"
#include "nets/ccn.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The generated log, every QSO a net QSO on 80 m CW; some carry a province or two combos.
struct NetLog : tsl::bench::BenchLog {
    explicit NetLog(int n) {
        fill(n);
        for (int i = 1; i <= n; ++i) {
            tsl::qsorecord& q = s->qsos[static_cast<std::size_t>(i)];
            q.band = 3;
            q.mode = 1;
            q.awards[2] = s->ccnaward;
            q.entries[2] = i;
            if (i % 5 == 0) {
                q.awards[3] = s->provincesaward;
                q.entries[3] = i % 13;
            }
            if (i % 10 == 0) q.comments = "COMBO with combo";
        }
    }
    void setcalls(const std::function<std::string(int)>& call) {
        for (int i = 1; i <= s->qsocount; ++i)
            s->qsos[static_cast<std::size_t>(i)].call = call(i);
    }
};

char letter(int k) {
    return static_cast<char>('A' + k % 26);
}
char digit(int k) {
    return static_cast<char>('0' + k % 10);
}

// Distinct calls of three shapes: two prefix letters and two suffix letters, one prefix
// letter and three suffix letters, two prefix letters and one suffix letter.
std::string distinctcall(int i) {
    const int j = i / 3;
    switch (i % 3) {
    case 0:
        return std::string{'K', letter(j), digit(j / 26), letter(j / 260), letter(j / 6760)};
    case 1:
        return std::string{'W', digit(j), letter(j / 10), letter(j / 260), letter(j / 6760)};
    default:
        return std::string{letter(j), letter(j / 26), digit(j / 676), letter(j / 6760)};
    }
}

void BM_CcnReportKind100000(benchmark::State& st) {
    NetLog log(100000);
    const auto kind = static_cast<int16_t>(st.range(0));
    for (auto _ : st) {
        const tsl::Report r = tsl::ccnreport(*log.s, 1, 3, kind);
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(BM_CcnReportKind100000)->DenseRange(0, 13)->Unit(benchmark::kMillisecond);

void BM_CcnPoker100000(benchmark::State& st) {
    NetLog log(100000);
    for (auto _ : st) {
        const tsl::Report r = tsl::ccnpokerreport(*log.s, 1, 3);
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(BM_CcnPoker100000)->Unit(benchmark::kMillisecond);

void BM_CcnPokerDistinctCalls100000(benchmark::State& st) {
    NetLog log(100000);
    log.setcalls(distinctcall);
    for (auto _ : st) {
        const tsl::Report r = tsl::ccnpokerreport(*log.s, 1, 3);
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(BM_CcnPokerDistinctCalls100000)->Unit(benchmark::kMillisecond);

// One call on every QSO: the All QSOs list (0) and the Poker Player award (14).
void BM_CcnOneCall100000(benchmark::State& st) {
    NetLog log(100000);
    log.setcalls([](int) { return std::string("W1AW"); });
    const auto kind = static_cast<int16_t>(st.range(0));
    for (auto _ : st) {
        const tsl::Report r =
            kind == 14 ? tsl::ccnpokerreport(*log.s, 1, 3) : tsl::ccnreport(*log.s, 1, 3, kind);
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(BM_CcnOneCall100000)->Arg(0)->Arg(14)->Unit(benchmark::kMillisecond);

} // namespace
