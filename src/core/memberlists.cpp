#include "memberlists.h"

#include "helpers.h"
#include "listfile.h"
#include "platform/fileio.h"
#include "state.h"
#include "text.h"

namespace tsl {

std::optional<int32_t> callsdatcount(const std::string& record1) {
    // The first item of record 1: what follows it there (blanks, a text) plays no part.
    ListReader in(record1.substr(0, callsrecordlength));
    const auto count = in.int32();
    if (!count || *count < 0) return std::nullopt;
    return count;
}

void readrefdatafiles(AppState& s) {
    s.zipcount = 42171;
    s.callsfile.reset();
    s.zipfile.reset();
    // The file can be hundreds of megabytes: only its first record is read here.
    const auto head = readfilehead(s.apppath + "calls.dat", callsrecordlength);
    const auto count = head ? callsdatcount(*head) : std::nullopt;
    auto calls = std::make_unique<QFile>(QString::fromLocal8Bit(s.apppath + "calls.dat"));
    auto zip = std::make_unique<QFile>(QString::fromLocal8Bit(s.apppath + "zip.dat"));
    // Unbuffered: the searches read single records far apart.
    const auto mode = QIODevice::ReadOnly | QIODevice::Unbuffered;
    if (!count || !calls->open(mode) || !zip->open(mode)) {
        s.nocallsdat = true;
        return;
    }
    s.callscount = *count;
    s.callsfile = std::move(calls);
    s.zipfile = std::move(zip);
    s.nocallbook = false;
    s.nozipfile = false;
}

Parsed<std::vector<std::string>> readtentenbytes(const std::string& bytes) {
    std::vector<std::string> calls;
    // Fields of six characters, one after the other; a short last field (a line end
    // after the list, say) counts when it holds a call. Line ends are never part of a call.
    for (std::size_t at = 0; at < bytes.size(); at += 6) {
        std::string field = bytes.substr(at, 6);
        while (!field.empty() &&
               (field.back() == ' ' || field.back() == '\r' || field.back() == '\n'))
            field.pop_back();
        std::string call = trimblanks(field);
        if (at + 6 > bytes.size() && call.empty()) break;
        if (calls.size() == maxtentenmembers)
            return parseerror{"More than " + std::to_string(maxtentenmembers) + " members."};
        calls.push_back(call);
    }
    return calls;
}

namespace {
// Items of a list file, each cut or padded to its width.
template <std::size_t W>
Parsed<std::vector<std::string>> readlistitems(const std::string& bytes, std::size_t most) {
    std::vector<std::string> items;
    ListReader in(bytes);
    while (!in.atend()) {
        auto item = in.text();
        if (!item)
            return parseerror{"Item " + std::to_string(items.size() + 1) + " cannot be read."};
        if (items.size() == most)
            return parseerror{"More than " + std::to_string(most) + " items."};
        items.push_back(FixedText<W>(*item).str());
    }
    return items;
}
} // namespace

Parsed<std::vector<std::string>> readarlhsbytes(const std::string& bytes) {
    return readlistitems<6>(bytes, maxarlhsmembers);
}

Parsed<std::vector<std::string>> readwabbytes(const std::string& bytes) {
    return readlistitems<10>(bytes, maxwabsquares);
}

void loadtenten(AppState& s) {
    const auto bytes = readwholefile(s.apppath + "tenten.dat");
    auto calls = readtentenbytes(bytes.value_or(""));
    s.tentenready = bytes && calls;
    s.tentencalls = s.tentenready ? std::move(*calls) : std::vector<std::string>{};
}

void loadarlhs(AppState& s) {
    const auto bytes = readwholefile(s.apppath + "arlhs.dat");
    auto calls = readarlhsbytes(bytes.value_or(""));
    s.arlhsready = bytes && calls;
    s.arlhscalls = s.arlhsready ? std::move(*calls) : std::vector<std::string>{};
}

void loadwab(AppState& s) {
    const auto bytes = readwholefile(s.apppath + "wab.dat");
    auto squares = readwabbytes(bytes.value_or(""));
    s.wabloaded = bytes && squares;
    s.wabtable.assign(1, std::string(10, ' '));
    if (s.wabloaded) s.wabtable.insert(s.wabtable.end(), squares->begin(), squares->end());
}

std::optional<int32_t> tentenlookup(const AppState& s, const std::string& call) {
    const std::string c = normalizecall(call);
    for (std::size_t k = 0; k < s.tentencalls.size(); ++k)
        if (s.tentencalls[k] == c) return static_cast<int32_t>(k + 1);
    return std::nullopt;
}

std::optional<int32_t> arlhslookup(const AppState& s, const std::string& call) {
    const std::string c = trimblanks(FixedText<6>(normalizecall(call)).view());
    for (std::size_t k = 0; k < s.arlhscalls.size(); ++k)
        if (trimblanks(s.arlhscalls[k]) == c) return static_cast<int32_t>(k + 1);
    return std::nullopt;
}

} // namespace tsl
