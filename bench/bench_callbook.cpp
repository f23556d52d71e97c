// The local call book: 100,000 lookups in a "calls.dat" of 200,000 records, three in four
// of them found, each hit followed by its zip code's search in a "zip.dat" of 42171.

#include "benchlog.h"
#include "callbook/lookup.h"
#include "core/memberlists.h"
#include "platform/hamcallcd.h"
#include "platform/internet.h"
#include "platform/qrzcd.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <random>
#include <string>
#include <vector>

namespace {

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string fivedigits(int n) {
    std::string d = std::to_string(n);
    return std::string(5 - d.size(), '0') + d;
}

void writefile(const std::string& path, const std::string& bytes) {
    QFile f(QString::fromStdString(path));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Keys W0AAAA, W0AAAB ... in order, every 22nd of them: 200,000 calls.
std::string callkey(int record) {
    int n = record * 22;
    std::string suffix(4, 'A');
    for (int k = 3; k >= 0; --k) {
        suffix[static_cast<std::size_t>(k)] = static_cast<char>('A' + n % 26);
        n /= 26;
    }
    return "W" + std::to_string(n % 10) + suffix;
}

// The local call book asks nothing of the internet or the CD libraries.
class Offline : public tsl::InternetAccess {
  public:
    tsl::UrlReply OpenURL(const std::string&) override {
        return {tsl::urlfailure::noconnection, 0, {}, {}};
    }
};

struct CallBookFiles : tsl::bench::BenchLog {
    std::vector<std::string> lookups;
    Offline internet;
    tsl::AbsentQrzCd qrzcd;
    tsl::AbsentHamCallCd hamcallcd;
    tsl::callbookservices services{dialogs, internet, qrzcd, hamcallcd};

    CallBookFiles() {
        std::string zip;
        for (int k = 0; k < 42171; ++k)
            zip += " " + fivedigits(k * 2) + padded("County", 25) + "41.69" + "72.73 " + " \r\n";
        writefile(s->apppath + "zip.dat", zip);
        std::string calls = padded("200000", 154) + "\r\n";
        for (int r = 0; r < 200000; ++r) {
            // A zip code whose key (digits complemented, reversed) is in "zip.dat".
            std::string key = fivedigits((r % 42171) * 2);
            std::string code(key.rbegin(), key.rend());
            for (char& c : code)
                c = static_cast<char>('9' - c + '0');
            calls += " " + callkey(r) + "E" + padded("Name " + std::to_string(r), 50) +
                     padded("1 Main St", 60) + padded("Town, CT " + code, 35) + " \r\n";
        }
        writefile(s->apppath + "calls.dat", calls);
        tsl::readrefdatafiles(*s);
        s->callbooksource = 1;
        std::mt19937 random(4711);
        for (int i = 0; i < 100000; ++i) {
            const int r = static_cast<int>(random() % 200000);
            // One in four is a call between two records.
            lookups.push_back(i % 4 == 0 ? callkey(r).substr(0, 5) + "B" : callkey(r));
        }
    }
};

void BM_LookUp100000CallsIn200000Records(benchmark::State& st) {
    CallBookFiles files;
    if (files.s->nocallsdat) st.SkipWithError("the call-book files did not open");
    for (auto _ : st) {
        long found = 0;
        for (const std::string& call : files.lookups)
            found += tsl::lookupcall(*files.s, files.services, call).callbookfound ? 1 : 0;
        if (found != 75000) st.SkipWithError("not three calls in four found");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_LookUp100000CallsIn200000Records)->Unit(benchmark::kMillisecond);

} // namespace
