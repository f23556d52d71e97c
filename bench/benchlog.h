#pragma once
// A program folder with the default data loaded and generated 100,000-QSO logs, shared by
// the benchmarks. `fill` makes the plain log of the report benchmarks. `filllikereal`
// makes one that looks like a real log, for the log's own hot paths: calls from the
// entities' own prefixes, many of them worked again and again, most QSOs with the big
// entities; ten bands, five modes; nine comments in ten and nineteen QSL routes in twenty
// empty; the QSOs of a day at scattered times. Three awkward logs come from it: without
// times, with one call worked 5,000 times, and with one entity only.

#include "core/awards.h"
#include "core/dxcc.h"
#include "core/dxcclookup.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <QDate>
#include <QDialog>
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
    printresult printpage(const std::vector<std::string>&, int, papersize) override {
        return printresult::cancelled;
    }
    std::optional<std::string> inputbox(const std::string&, const std::string&, const std::string&,
                                        inputecho = inputecho::normal) override {
        return std::nullopt;
    }
    // A form is closed at once, as if cancelled (0 is a rejected dialog's result).
    int showform(QDialog&) override { return 0; }
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

    // Calls made of the entities' own prefixes, a digit and a suffix, in a fixed order.
    std::vector<std::string> calls(int n) const {
        std::mt19937 random(12345);
        std::vector<std::string> prefixes;
        for (int i = 0; i < s->prefix2table.count; ++i)
            prefixes.push_back(s->prefix2table.entries[static_cast<std::size_t>(i)].prefix.str());
        for (int i = 0; i < s->prefix1table.count; ++i)
            for (int k = 0; k < 20; ++k)
                prefixes.push_back(
                    s->prefix1table.entries[static_cast<std::size_t>(i)].prefix.str());
        std::vector<std::string> out;
        out.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            std::string call = prefixes[random() % prefixes.size()];
            call += static_cast<char>('0' + random() % 10);
            for (int k = 0; k < 3; ++k)
                call += static_cast<char>('A' + random() % 26);
            if (random() % 20 == 0) call += "/P";
            out.push_back(call);
        }
        return out;
    }

    // Fills the log with n QSOs to generated calls, every award slot kind used.
    // Fills the log with n QSOs as a log grows: about forty a day over the years, at
    // scattered times, with every kind of field and award slot in use.
    void fill(int n) {
        const auto list = calls(n);
        for (int i = 1; i <= n; ++i) {
            qsorecord& q = s->qsos[static_cast<std::size_t>(i)];
            q = qsorecord{};
            q.date = QDate(2000, 1, 1).addDays(i / 40).toString("yyyyMMdd").toStdString();
            const int minute = (i * 37) % 1440;
            q.time = QTime(minute / 60, minute % 60).toString("HH:mm").toStdString();
            q.band = static_cast<int16_t>(2 + i % 12);
            q.mode = static_cast<int16_t>(1 + i % 5);
            q.prop = static_cast<int16_t>(i % 3);
            q.power = 100;
            q.rsts = "599";
            q.rstr = "579";
            q.call = list[static_cast<std::size_t>(i - 1)];
            q.qslvia = i % 5 == 0 ? "W1AW" : "";
            q.dxcc = static_cast<int16_t>(1 + i % s->dxcccount);
            q.ituz = std::to_string(1 + i % 75);
            q.cqz = std::to_string(1 + i % 40);
            q.grid = i % 3 == 0 ? "FN42" : "JO01ab";
            q.continent = static_cast<int16_t>(i % 8);
            q.comments = "generated " + std::to_string(i % 97);
            q.qth = static_cast<int16_t>(i % 4);
            q.gender = static_cast<int16_t>(i % 2);
            q.awards[0] = static_cast<int16_t>(i % 7 == 0 ? 0 : s->wasaward);
            q.entries[0] = i % 50;
            q.awards[1] = s->tentenaward;
            q.entries[1] = i;
        }
        s->qsocount = n;
    }

    // Calls as a real log has them: made of the entities' own prefixes, a digit and a
    // suffix, in a fixed order; half of them from the prefixes of the United States, a fifth
    // from a few big European and Asian entities.
    std::vector<std::string> realcalls(int n, unsigned seed = 12345) const {
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

    // Fills the log with n QSOs as a real log grows (see the top of this file): about forty
    // a day over the years; or one of the awkward logs.
    void filllikereal(int n, awkward kind = awkward::none) {
        std::mt19937 random(777);
        // A pool of stations, the first ones worked far more often than the rest.
        const auto pool = realcalls(n / 3);
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

    // Adds to the filled log a county slot, an IOTA slot and a US island slot (slots 2 to 4),
    // cards sent for a third of the QSOs and received for a quarter, and the award "US
    // Islands Awards Program" of one island per state after the default awards.
    void addcountiesandislands() {
        const int award = s->awardcount + 1;
        const int first = s->awardtable[static_cast<std::size_t>(s->awardcount)].last + 1;
        for (std::size_t k = 0; k < s->statetable.size(); ++k)
            s->awardentries[first + k] = s->statetable[k].code.str() + "-001 Island";
        s->awardtable[static_cast<std::size_t>(award)] = {static_cast<int16_t>(first),
                                                          static_cast<int16_t>(first + 49),
                                                          "US Islands Awards Program"};
        s->awardcount = static_cast<int16_t>(award);
        ++s->listawards;
        s->usislandsaward = static_cast<int16_t>(award);
        const int16_t iota[] = {s->iotaafricaaward,       s->iotaantarcticaaward,
                                s->iotaasiaaward,         s->iotaeuropeaward,
                                s->iotanorthamericaaward, s->iotaoceaniaaward,
                                s->iotasouthamericaaward};
        const auto entries = [this](int a) {
            const awardrecord& r = s->awardtable[static_cast<std::size_t>(a)];
            return std::max(1, r.last - r.first + 1);
        };
        for (int i = 1; i <= s->qsocount; ++i) {
            qsorecord& q = s->qsos[static_cast<std::size_t>(i)];
            const int county = s->uscountiesaward + i % 50;
            q.awards[2] = static_cast<int16_t>(county);
            q.entries[2] = (i / 50) % entries(county);
            q.awards[3] = iota[i % 7];
            q.entries[3] = i % entries(q.awards[3]);
            q.awards[4] = static_cast<int16_t>(award);
            q.entries[4] = i % 50;
            q.qsls = static_cast<int16_t>(i % 3 == 0);
            q.qslr = static_cast<int16_t>(i % 4 == 0);
        }
    }

    // Spreads the award squares as a real log has them: grid squares over some ten thousand
    // squares (half as 6-character locators, three QSOs in ten confirmed), a WAB square on
    // one QSO in four, and a lighthouse of the ARLHS list (see addlighthouses) in slot 2 of
    // one QSO in ten.
    void spreadsquares(int lighthouses) {
        std::mt19937 random(4242);
        const std::string parts = "EEEEEESSIWMC";
        for (int i = 1; i <= s->qsocount; ++i) {
            qsorecord& q = s->qsos[static_cast<std::size_t>(i)];
            std::string grid{
                static_cast<char>('E' + random() % 10), static_cast<char>('K' + random() % 10),
                static_cast<char>('0' + random() % 10), static_cast<char>('0' + random() % 10)};
            if (random() % 2 == 0) grid += "ab";
            q.grid = grid;
            q.qslr = static_cast<int16_t>(random() % 10 < 3 ? 1 : 0);
            q.wab = "";
            if (random() % 4 == 0)
                q.wab = std::string{
                    static_cast<char>('N' + random() % 10), static_cast<char>('A' + random() % 10),
                    static_cast<char>('0' + random() % 10), static_cast<char>('0' + random() % 10),
                    parts[random() % parts.size()]};
            if (lighthouses > 0 && random() % 10 == 0) {
                q.awards[2] = s->arlhsaward;
                q.entries[2] = static_cast<int32_t>(random() % static_cast<unsigned>(lighthouses));
            }
        }
    }

    // Puts six QSOs in ten into one grid square and one WAB square: long runs of equal keys.
    void crowdsquares() {
        for (int i = 1; i <= s->qsocount; ++i) {
            if (i % 10 >= 6) continue;
            qsorecord& q = s->qsos[static_cast<std::size_t>(i)];
            q.grid = "FN42";
            q.qslr = 0;
            q.wab = "TL27E";
        }
    }

    // Tracks an "ARLHS" entry award of count generated lighthouses after the default awards.
    void addlighthouses(int count) {
        std::string awards = *readwholefile(std::string(TESSALOG_DATA_DIR) + "/awards.dat");
        awards += std::to_string(count) + ",\"ARLHS\"\r\n";
        const char* countries[] = {"USA", "CAN", "ENG", "GER", "AUS", "JPN", "NOR", "ITA"};
        for (int k = 0; k < count; ++k)
            awards +=
                "\"" + std::string(countries[k % 8]) + std::to_string(100 + k / 8) + " Light\"\r\n";
        writefilesafely(s->apppath + "awards.dat", awards);
        loadawards(*s, dialogs);
    }
    // Tracks a "Ten Ten Chapters" entry award of count generated chapters after the default
    // awards; fill the log after it.
    void addchapters(int count) {
        std::string awards = *readwholefile(std::string(TESSALOG_DATA_DIR) + "/awards.dat");
        awards += std::to_string(count) + ",\"Ten Ten Chapters\"\r\n";
        for (int k = 0; k < count; ++k)
            awards += "\"Chapter " + std::to_string(k + 1) + "\"\r\n";
        writefilesafely(s->apppath + "awards.dat", awards);
        loadawards(*s, dialogs);
    }
    // Puts a chapter of the chapters award (see addchapters) in slot 2 of every QSO, a VP
    // number in slot 3 of one QSO in three, and PSK on one QSO in five (RTTY is on another
    // fifth already), with a card received for a quarter of the QSOs.
    void addchapterslotsanddatamodes(int chapters) {
        for (int i = 1; i <= s->qsocount; ++i) {
            qsorecord& q = s->qsos[static_cast<std::size_t>(i)];
            q.awards[2] = s->tentenchaptersaward;
            q.entries[2] = i % chapters;
            q.awards[3] = static_cast<int16_t>(i % 3 == 0 ? s->tentenvpaward : 0);
            q.entries[3] = i / 3;
            if (i % 5 == 2) q.mode = s->pskmodeindex;
            q.qslr = static_cast<int16_t>(i % 4 == 0);
        }
    }
    // Gives the generated QSOs the slots the net reports read, in slots 2 to 4: a Geratol,
    // OMISS or HHH Net member number, a state capital or a province, and a QCWA number or an
    // IOTA entry.
    void addnetslots() {
        for (int i = 1; i <= s->qsocount; ++i) {
            qsorecord& q = s->qsos[static_cast<std::size_t>(i)];
            const std::array<int16_t, 3> nets = {s->geratolaward, s->omissaward, s->hhhaward};
            q.awards[2] = nets[static_cast<std::size_t>(i % 3)];
            q.entries[2] = 1 + i % 5000;
            q.awards[3] = i % 2 == 0 ? s->statecapitalsaward : s->provincesaward;
            q.entries[3] = i % 2 == 0 ? i % 50 : i % 13;
            q.awards[4] = i % 4 == 0 ? s->iotaeuropeaward : s->qcwaaward;
            q.entries[4] = i % 100;
        }
    }
};

} // namespace tsl::bench
