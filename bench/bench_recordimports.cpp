// 100,000 QSOs through each of the DXLog, Brisca, Log-EQF and Valtro imports, from
// generated record files.

#include "importbench.h"
#include "importexport/brisca.h"
#include "importexport/dxlog.h"
#include "importexport/logeqf.h"
#include "importexport/valtro.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int qsos = 100000;
const char* const keys[] = {"K", "DL", "G", "JA", "", "KH/6", "PK2", "ZZZ"};
const char* const countries[] = {"United States", "Germany", "England", "Japan", ""};

// A record of length blanks with the texts at their byte positions.
std::string record(std::size_t length,
                   std::initializer_list<std::pair<std::size_t, std::string>> texts) {
    std::string r(length, ' ');
    for (const auto& [at, text] : texts)
        r.replace(at, text.size(), text);
    return r;
}

std::string dbase(uint32_t count, uint16_t headerlength, uint16_t recordlength) {
    std::string h(headerlength, '\0');
    h[0] = 3;
    for (int k = 0; k < 4; ++k)
        h[4 + k] = static_cast<char>((count >> (8 * k)) & 0xFF);
    h[8] = static_cast<char>(headerlength & 0xFF);
    h[9] = static_cast<char>(headerlength >> 8);
    h[10] = static_cast<char>(recordlength & 0xFF);
    h[11] = static_cast<char>(recordlength >> 8);
    h[headerlength - 1] = '\x0D';
    return h;
}

std::string dxlogfile(const std::vector<std::string>& calls) {
    std::string file = dbase(qsos, 641, 133);
    int i = 0;
    for (const std::string& call : calls)
        file += record(133, {{1, call},
                             {13, keys[i++ % 8]},
                             {18, "CA"},
                             {23, i % 3 ? "05" : ""},
                             {25, "20240825"},
                             {33, "1430"},
                             {37, "14.025"},
                             {57, "CW"},
                             {61, "599"},
                             {64, "579"},
                             {67, "T"},
                             {69, "F"},
                             {70, "W1QSL"},
                             {80, "first text"},
                             {105, "second text"}});
    return file + "\x1A";
}

std::string briscafile(const std::vector<std::string>& calls) {
    std::string file = dbase(qsos, 65, 120);
    for (const std::string& call : calls)
        file += record(120, {{1, call},
                             {12, "20240825"},
                             {20, "14:30"},
                             {25, "20"},
                             {30, "579"},
                             {37, "599"},
                             {44, "SSB"},
                             {48, "  a comment"},
                             {103, "T"},
                             {104, "F"},
                             {105, "01234"}});
    return file + "\x1A";
}

std::string logeqffile(const std::vector<std::string>& calls) {
    std::string file;
    int i = 0;
    for (const std::string& call : calls) {
        const bool net = i % 10 == 0;
        file += record(292, {{0, "20240825"},
                             {8, "1430"},
                             {20, call},
                             {32, "text one"},
                             {82, "TX"},
                             {95, countries[i++ % 5]},
                             {119, "EU-005"},
                             {125, "FN42ab"},
                             {131, "05"},
                             {156, "1234"},
                             {166, "599"},
                             {176, "579"},
                             {186, net ? "3.760" : "14.025"},
                             {195, "LSB"},
                             {199, "100"},
                             {203, "YN"},
                             {220, "GUEST YL D# 123 Q# 45 CAP"},
                             {256, "  1234"}});
    }
    return file;
}

std::string valtrofile(const std::vector<std::string>& calls) {
    std::string file(128, 'h');
    for (const std::string& call : calls)
        file += record(128, {{0, call},
                             {12, "08/25/09"},
                             {20, "14:30"},
                             {25, "14.0"},
                             {29, "599"},
                             {41, "579"},
                             {53, "Bob"},
                             {65, "           AUSTIN TX"},
                             {85, "YN"},
                             {87, "CW"},
                             {91, "100"},
                             {95, "xyz"}});
    return file;
}

void BM_ImportDxlog100000(benchmark::State& st) {
    tsl::bench::runimport(st, "k1abcqso.dbf", qsos, dxlogfile, [](tsl::bench::BenchLog& l) {
        return tsl::importdxlog(*l.s, l.status, l.dialogs, 1);
    });
}
BENCHMARK(BM_ImportDxlog100000)->Unit(benchmark::kMillisecond);

void BM_ImportBrisca100000(benchmark::State& st) {
    tsl::bench::runimport(st, "brisca.dbf", qsos, briscafile, [](tsl::bench::BenchLog& l) {
        return tsl::importbrisca(*l.s, l.status, l.dialogs);
    });
}
BENCHMARK(BM_ImportBrisca100000)->Unit(benchmark::kMillisecond);

void BM_ImportLogeqf100000(benchmark::State& st) {
    tsl::bench::runimport(st, "new_log.log", qsos, logeqffile, [](tsl::bench::BenchLog& l) {
        return tsl::importlogeqf(*l.s, l.status, l.dialogs);
    });
}
BENCHMARK(BM_ImportLogeqf100000)->Unit(benchmark::kMillisecond);

void BM_ImportValtro100000(benchmark::State& st) {
    tsl::bench::runimport(st, "valtro.dat", qsos, valtrofile, [](tsl::bench::BenchLog& l) {
        return tsl::importvaltro(*l.s, l.status, l.dialogs);
    });
}
BENCHMARK(BM_ImportValtro100000)->Unit(benchmark::kMillisecond);

} // namespace
