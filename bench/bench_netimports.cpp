// 100,000 QSOs through each of the NetLogger, QUARNLOG, DXtreme, DigiPan and WIN 1010
// imports, from generated files.

#include "importbench.h"
#include "importexport/digipan.h"
#include "importexport/dxtreme.h"
#include "importexport/netlogger.h"
#include "importexport/quarnlog.h"
#include "importexport/win1010.h"
#include "platform/fileio.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int qsos = 100000;
const char* const countries[] = {"United States", "Germany", "England", "Japan", ""};

std::string tag(const std::string& name, const std::string& value) {
    return "<" + name + ":" + std::to_string(value.size()) + ">" + value;
}

std::string netloggerfile(const std::vector<std::string>& calls) {
    std::string text = "<ADIF_VER:4>1.00 <EOH>\r\n";
    for (const std::string& call : calls)
        text += tag("QSO_DATE", "20240825") + tag("TIME_ON", "143059") + tag("CALL", call) +
                tag("NAME", "Bob") + tag("RST_SENT", "59") + tag("RST_RCVD", "57") +
                tag("MODE", "USB") + tag("BAND", "20m") + tag("SUBMODE", "") +
                tag("FREQ", "14.250") + tag("QTH", "Boston") + tag("STATE", "MA") +
                tag("CNTY", "Middlesex") + tag("GRIDSQUARE", "FN42ab") + tag("QSL_SENT", "S") +
                tag("QSL_RCVD", "N") + tag("QSL_VIA", "") + tag("COMMENT", "generated") +
                tag("OPERATOR", "W1AW") + tag("NET", "OMISS") + tag("MEMBER", "1234") +
                tag("X", "") + "<eor>\r\n";
    return text;
}

std::string quarnfile(const std::vector<std::string>& calls) {
    std::string text;
    for (const std::string& call : calls)
        text +=
            call + "\r\nMA\r\nop Bob /C/ /M/\r\n08/25/05\r\n14:30\r\n59\r\n57\r\nY\r\nN\r\n3\r\n";
    return text;
}

std::string dxtremefile(const std::vector<std::string>& calls) {
    std::string text;
    int i = 0;
    for (const std::string& call : calls)
        text += call + "\r\nx\r\nx\r\n" + countries[i++ % 5] +
                "\r\nEU\r\nx\r\n5\r\n7\r\n3\r\n9\r\nx\r\n5\r\nx\r\n14.025\r\nC\r\n599\r\n579\r\n"
                "x\r\nx\r\nx\r\nR\r\nBURO\r\nc1\r\nc2\r\n100\r\nEU-005\r\nc5\r\nc6\r\nc7\r\n"
                "a line thirty of twenty or more\r\n";
    return text;
}

std::string digipanfile(const std::vector<std::string>& calls) {
    std::string text;
    for (const std::string& call : calls)
        text += "a;" + call + ";200408251430;x;x;x;x;14070150;x;;599;579;x;x;Bob;Boston;hi;\r\n";
    return text;
}

std::string win1010file(const std::vector<std::string>& calls) {
    std::string text;
    int i = 0;
    for (const std::string& call : calls)
        text += "\"a\",\"" + call + "\",\"b\",\"c\",930,S,12/31/99,\"d\",\"e\",2,\"" +
                countries[i++ % 5] + "\",\"57\",\"59\",1234,0,20\r\n";
    return text;
}

void BM_ImportNetLogger100000(benchmark::State& st) {
    tsl::bench::runimport(st, "big.adi", qsos, netloggerfile, [](tsl::bench::BenchLog& l) {
        return tsl::importnetlogger(*l.s, l.status, l.dialogs);
    });
}
BENCHMARK(BM_ImportNetLogger100000)->Unit(benchmark::kMillisecond);

void BM_ImportQuarnlog100000(benchmark::State& st) {
    tsl::bench::runimport(st, "export.inf", qsos, quarnfile, [](tsl::bench::BenchLog& l) {
        return tsl::importquarn(*l.s, l.status, l.dialogs, tsl::quarnchoice{13, 0, 0, 2024});
    });
}
BENCHMARK(BM_ImportQuarnlog100000)->Unit(benchmark::kMillisecond);

void BM_ImportDxtreme100000(benchmark::State& st) {
    tsl::bench::runimport(st, "dxsl_1.dat", qsos, dxtremefile, [](tsl::bench::BenchLog& l) {
        return tsl::importdxtreme(*l.s, l.status, l.dialogs);
    });
}
BENCHMARK(BM_ImportDxtreme100000)->Unit(benchmark::kMillisecond);

void BM_ImportDigiPan100000(benchmark::State& st) {
    tsl::bench::runimport(st, "big.log", qsos, digipanfile, [](tsl::bench::BenchLog& l) {
        return tsl::importdigipan(*l.s, l.status, l.dialogs);
    });
}
BENCHMARK(BM_ImportDigiPan100000)->Unit(benchmark::kMillisecond);

void BM_ImportWin1010100000(benchmark::State& st) {
    tsl::bench::runimport(st, "log.asc", qsos, win1010file, [](tsl::bench::BenchLog& l) {
        return tsl::importwin1010(*l.s, l.status, l.dialogs);
    });
}
BENCHMARK(BM_ImportWin1010100000)->Unit(benchmark::kMillisecond);

} // namespace
