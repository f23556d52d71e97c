#pragma once
// A program folder with the default data loaded and generated 100,000-QSO logs, shared by
// the benchmarks. The logs look like real ones: calls from the entities' own prefixes,
// many of them worked again and again, most QSOs with the big entities; ten bands, five
// modes; nine comments in ten and nineteen QSL routes in twenty empty; the QSOs of a day
// at scattered times. Three awkward logs come from the same log: without times, with one
// call worked 5,000 times, and with one entity only.

#include "core/awards.h"
#include "core/dxcc.h"
#include "core/dxcclookup.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/dialogs.h"
#include "platform/statusline.h"

#include <QDate>
#include <QTemporaryDir>
#include <QTime>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace tsl::bench {

class SilentDialogs : public Dialogs {
  public:
    msganswer msgbox(const std::string&, msgbuttons, msgicon, const std::string&) override {
        return msganswer::ok;
    }
    std::optional<std::string> choosefile(const std::string&, const std::string&, bool) override {
        return std::nullopt;
    }
    printresult printlines(const std::vector<std::string>&, int) override {
        return printresult::cancelled;
    }
};

class SilentStatus : public StatusLine {
  public:
    void setstatus(const std::string&) override {}
};

enum class awkward { none, notimes, onecall, oneentity };

struct BenchLog {
    QTemporaryDir dir;
    SilentDialogs dialogs;
    SilentStatus status;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();

    BenchLog() {
        setstartvalues(*s, std::string(TESSALOG_DATA_DIR) + "/", 1000);
        loadtables(*s);
        loadawards(*s, dialogs);
        loaddxcc(*s, dialogs);
        s->apppath = dir.path().toStdString() + "/";
    }

    // Calls made of the entities' own prefixes, a digit and a suffix, in a fixed order;
    // half of them from the prefixes of the United States, a fifth from a few big
    // European and Asian entities.
    std::vector<std::string> calls(int n, unsigned seed = 12345) const {
        std::mt19937 random(seed);
        std::vector<std::string> prefixes;
        for (int i = 0; i < s->prefix2table.count; ++i)
            prefixes.push_back(s->prefix2table.entries[static_cast<std::size_t>(i)].prefix.str());
        for (int i = 0; i < s->prefix1table.count; ++i)
            prefixes.push_back(s->prefix1table.entries[static_cast<std::size_t>(i)].prefix.str());
        const std::array<const char*, 16> big = {"K", "W", "N", "AA", "KD", "WB", "DL", "DJ",
                                                 "G", "F", "I", "EA", "JA", "VE", "UA", "SP"};
        std::vector<std::string> out;
        out.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            const unsigned r = random() % 100;
            std::string call = r < 50   ? big[random() % 6]
                               : r < 70 ? big[6 + random() % 10]
                                        : prefixes[random() % prefixes.size()];
            while (!call.empty() && call.back() == ' ')
                call.pop_back();
            call += static_cast<char>('0' + random() % 10);
            for (int k = 0; k < 1 + static_cast<int>(random() % 3); ++k)
                call += static_cast<char>('A' + random() % 26);
            if (random() % 40 == 0) call += "/P";
            out.push_back(call);
        }
        return out;
    }

    // The table index of the entity with that DXCC number.
    int16_t entitynumbered(int number) const {
        for (int i = 1; i <= s->dxcccount; ++i)
            if (s->dxcctable[static_cast<std::size_t>(i)].dxccnum == number)
                return static_cast<int16_t>(i);
        return 0;
    }

    // Fills the log with n QSOs as a log grows: about forty a day over the years.
    void fill(int n, awkward kind = awkward::none) {
        std::mt19937 random(777);
        // A pool of stations, the first ones worked far more often than the rest.
        const auto pool = calls(n / 3);
        std::vector<int16_t> dxccofcall;
        for (const std::string& call : pool) {
            const dxccmatch m = finddxcc(*s, call);
            dxccofcall.push_back(m.entities.empty() ? int16_t{0} : m.entities.back());
        }
        static constexpr std::array<int16_t, 10> bands = {2, 3, 6, 7, 8, 9, 10, 11, 12, 13};
        static constexpr std::array<int16_t, 5> modes = {1, 2, 4, 5, 11};
        static constexpr std::array<float, 4> powers = {100, 100, 5, 1000};
        std::vector<int> onecall;
        if (kind == awkward::onecall)
            for (int k = 0; k < 5000; ++k)
                onecall.push_back(1 + static_cast<int>(random() % static_cast<unsigned>(n)));
        std::sort(onecall.begin(), onecall.end());
        for (int i = 1; i <= n; ++i) {
            qsorecord& q = s->qsos[static_cast<std::size_t>(i)];
            q = qsorecord{};
            q.date = QDate(2000, 1, 1).addDays(i / 40).toString("yyyyMMdd").toStdString();
            const int minute = (i % 40) * 30 + static_cast<int>(random() % 30);
            if (kind != awkward::notimes)
                q.time = QTime(minute / 60, minute % 60).toString("HH:mm").toStdString();
            // Skewed picks: a squared uniform number favours the pool's first stations.
            const double u = std::uniform_real_distribution<double>(0, 1)(random);
            const auto c = static_cast<std::size_t>(u * u * static_cast<double>(pool.size()));
            q.call = pool[c];
            q.dxcc = dxccofcall[c];
            if (std::binary_search(onecall.begin(), onecall.end(), i)) q.call = "W1AW";
            if (kind == awkward::oneentity) q.dxcc = entitynumbered(291);
            const dxccrecord& e = s->dxcctable[static_cast<std::size_t>(q.dxcc)];
            q.band = bands[random() % bands.size()];
            q.mode = modes[random() % 10 < 6 ? random() % 2 : random() % modes.size()];
            q.prop = random() % 50 == 0 ? 7 : 1;
            q.power = powers[random() % powers.size()];
            q.rsts = q.mode == 1 ? "599" : "59";
            q.rstr = q.mode == 1 ? (random() % 2 ? "579" : "599") : "57";
            q.qslvia = random() % 20 == 0 ? "W3HNK" : "";
            q.qsls = static_cast<int16_t>(random() % 3 == 0);
            q.qslr = static_cast<int16_t>(random() % 4 == 0);
            q.ituz = zonetext(e.ituzones);
            q.cqz = zonetext(e.cqzones);
            q.grid = random() % 10 < 6 ? (random() % 2 ? "FN42" : "JO31lk") : "";
            q.continent = continentindex(*s, q.dxcc);
            q.comments = random() % 10 == 0 ? "POTA K-" + std::to_string(random() % 9000) : "";
            q.qth = static_cast<int16_t>(random() % 10 == 0 ? 2 : 0);
            q.gender = static_cast<int16_t>(random() % 10 == 0);
            if (e.status == "X" && s->wasaward > 0) {
                q.awards[0] = s->wasaward;
                q.entries[0] = static_cast<int32_t>(random() % 50);
            }
            if (random() % 10 == 0 && s->tentenaward > 0) {
                q.awards[1] = s->tentenaward;
                q.entries[1] = static_cast<int32_t>(random() % 70000);
            }
            q.wab = random() % 50 == 0 ? "SU12" : "";
        }
        s->qsocount = n;
    }
};

} // namespace tsl::bench
