// Importing an ADIF file of 100,000 QSOs as today's loggers write them: about twenty
// fields a QSO, one name in twenty in UTF-8.

#include "benchlog.h"
#include "figures.h"
#include "importexport/adifimport.h"
#include "limits.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

std::string tag(const char* name, const std::string& value) {
    return std::string("<") + name + ":" + std::to_string(value.size()) + ">" + value + " ";
}

std::string generatedadif(tsl::bench::BenchLog& log, int n) {
    log.filllikereal(n);
    const tsl::AppState& s = *log.s;
    static constexpr std::array<const char*, 12> names = {"John", "Mike",  "Bob",  "Dave",
                                                          "Tom",  "Steve", "Jim",  "Bill",
                                                          "Hans", "Yuki",  "Ivan", "Ann"};
    static constexpr std::array<const char*, 4> utf8names = {"Jos\xc3\xa9", "M\xc3\xbcller",
                                                             "S\xc3\xb8ren", "\xc5\x81ukasz"};
    static constexpr std::array<const char*, 6> towns = {"Wooster", "Clayton",  "Hopewell",
                                                         "Rome",    "La Plata", "Springfield"};
    static constexpr std::array<const char*, 5> modes = {"", "CW", "SSB", "", "FM"};
    std::string text =
        "ADIF export of a generated log\r\n<ADIF_VERS:5>3.1.0 <PROGRAMID:9>generator "
        "<EOH>\r\n";
    text.reserve(static_cast<std::size_t>(n) * 380);
    for (int i = 1; i <= n; ++i) {
        const tsl::qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        const tsl::dxccrecord& e = s.dxcctable[static_cast<std::size_t>(q.dxcc)];
        const std::string time = q.time.str().substr(0, 2) + q.time.str().substr(3, 2) + "00";
        text += tag("CALL", q.call.trimmedright());
        text += tag("BAND", s.bandtable[static_cast<std::size_t>(q.band)].shortname);
        if (q.mode == 2) {
            text += tag("MODE", "SSB") + tag("SUBMODE", i % 3 ? "USB" : "LSB");
        } else if (q.mode == 11) {
            text += tag("MODE", "FT8");
        } else if (q.mode == 5) {
            text += tag("MODE", "RTTY");
        } else {
            text += tag("MODE", modes[static_cast<std::size_t>(q.mode) % modes.size()]);
        }
        text += tag("QSO_DATE", q.date.str()) + tag("TIME_ON", time) + tag("TIME_OFF", time);
        text += tag("FREQ", std::to_string(s.bandtable[static_cast<std::size_t>(q.band)].lower));
        text += tag("RST_SENT", q.rsts.trimmedright()) + tag("RST_RCVD", q.rstr.trimmedright());
        text += tag("NAME", i % 20 == 0 ? utf8names[static_cast<std::size_t>(i / 20) % 4]
                                        : names[static_cast<std::size_t>(i) % names.size()]);
        text += tag("QTH", towns[static_cast<std::size_t>(i) % towns.size()]);
        if (e.status == "X") {
            text += tag("STATE", "MA");
            if (i % 4 == 0) text += tag("CNTY", "MA,Middlesex");
        }
        text += tag("COUNTRY", e.country) + tag("DXCC", std::to_string(e.dxccnum));
        text += tag("CQZ", q.cqz.trimmedright()) + tag("ITUZ", q.ituz.trimmedright());
        if (q.grid.trimmedright().size() > 0) text += tag("GRIDSQUARE", q.grid.trimmedright());
        text += tag("QSL_SENT", q.qsls ? "Y" : "N") + tag("QSL_RCVD", q.qslr ? "Y" : "N");
        text += tag("TX_PWR", "100") + tag("OPERATOR", "K9CTS");
        text += tag("STATION_CALLSIGN", "K9CTS") + tag("MY_GRIDSQUARE", "EN34qu");
        if (q.comments.trimmedright().size() > 0) text += tag("COMMENT", q.comments.trimmedright());
        text += "<EOR>\r\n";
    }
    return text;
}

void BM_ImportAdif100000(benchmark::State& st) {
    tsl::bench::BenchLog log;
    log.s->chosenfile = log.s->apppath + "big.adi";
    const std::string adif = generatedadif(log, 100000);
    tsl::writefilesafely(log.s->chosenfile, adif);
    st.SetLabel(std::to_string(adif.size() / 1000000) + " MB");
    tsl::bench::Figures f;
    for (auto _ : st) {
        log.s->qsocount = 0;
        f.ours([&] {
            if (tsl::importadif(*log.s, log.status, log.dialogs).imported != 100000)
                st.SkipWithError("not every QSO was imported");
        });
        f.limit([&] {
            const auto bytes = tsl::readwholefile(log.s->chosenfile);
            benchmark::DoNotOptimize(tsl::bench::tokenize(*bytes));
        });
        st.SetIterationTime(f.last());
    }
    f.report(st);
}
BENCHMARK(BM_ImportAdif100000)->MinTime(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
