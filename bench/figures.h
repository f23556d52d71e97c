#pragma once
// How the benchmarks of the log's hot paths report: our figure as the benchmark's time,
// and beside it the figure of the practical limit on the same bytes (or the target where
// there is no limit) and the ratio of the two. Time spent flushing files to disk is
// counted apart.

#include <benchmark/benchmark.h>

#include <chrono>

namespace tsl::bench {

// Seconds spent in fdatasync and fsync since the program started.
double flushseconds();

class Figures {
  public:
    // The writer's figure leaves out its flush to disk; the others include theirs.
    enum class flush { included, apart };
    explicit Figures(flush f = flush::included) : apart_(f == flush::apart) {}

    // Times one run of ours; the time spent flushing to disk is counted apart as well.
    template <class F> void ours(F f) {
        const double flushed = flushseconds();
        const double t = timed(f);
        const double flushing = flushseconds() - flushed;
        last_ = apart_ ? t - flushing : t;
        ours_ += last_;
        flush_ += flushing;
    }
    template <class F> void limit(F f) { limit_ += timed(f); }
    double last() const { return last_; }

    // The counters of the benchmark's line; the run's time is set by SetIterationTime.
    void report(benchmark::State& st, double targetseconds = 0) const {
        const auto n = static_cast<double>(st.iterations());
        if (limit_ > 0) {
            st.counters["limit_ms"] = 1000 * limit_ / n;
            st.counters["ratio"] = ours_ / limit_;
        }
        if (targetseconds > 0) {
            st.counters["target_ms"] = 1000 * targetseconds;
            st.counters["of_target"] = ours_ / n / targetseconds;
        }
        if (flush_ > 0) st.counters["flush_ms"] = 1000 * flush_ / n;
    }

  private:
    template <class F> static double timed(F f) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    bool apart_;
    double ours_ = 0, limit_ = 0, flush_ = 0, last_ = 0;
};

} // namespace tsl::bench
