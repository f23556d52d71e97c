#include "memberlists.h"

#include "helpers.h"
#include "listfile.h"
#include "platform/fileio.h"
#include "state.h"
#include "text.h"

namespace tsl {

std::optional<int32_t> callsdatcount(const std::string& record1) {
    // The first line, or the whole record when no line ends inside it.
    const auto end = record1.find('\n');
    ListReader in(end == std::string::npos ? record1 : record1.substr(0, end + 1));
    const auto count = in.int32();
    if (!count || !in.text()) return std::nullopt;
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
    if (!count || !calls->open(QIODevice::ReadOnly)) {
        s.nocallsdat = true;
        return;
    }
    s.callscount = *count;
    s.callsfile = std::move(calls);
    s.nocallbook = false;
    if (!zip->open(QIODevice::ReadOnly)) {
        s.callsfile.reset();
        s.nocallsdat = true;
        return;
    }
    s.zipfile = std::move(zip);
    s.nozipfile = false;
}

void loadtenten(AppState& s) {
    s.tentencalls.clear();
    s.tentenready = false;
    const auto bytes = readwholefile(s.apppath + "tenten.dat");
    if (!bytes) return;
    // Fields of six characters, one after the other; a short last field (a line end
    // after the list, say) counts when it holds a call.
    for (std::size_t at = 0; at < bytes->size(); at += 6) {
        std::string call = trimblanks(bytes->substr(at, 6));
        while (!call.empty() && (call.back() == '\r' || call.back() == '\n'))
            call.pop_back();
        if (at + 6 > bytes->size() && call.empty()) break;
        if (s.tentencalls.size() == maxtentenmembers) {
            s.tentencalls.clear();
            return;
        }
        s.tentencalls.push_back(call);
    }
    s.tentenready = true;
}

void loadarlhs(AppState& s) {
    s.arlhscalls.clear();
    s.arlhsready = false;
    const auto bytes = readwholefile(s.apppath + "arlhs.dat");
    if (!bytes) return;
    ListReader in(*bytes);
    while (!in.atend()) {
        auto call = in.text();
        if (!call || s.arlhscalls.size() == maxarlhsmembers) {
            s.arlhscalls.clear();
            return;
        }
        s.arlhscalls.push_back(FixedText<6>(*call).str());
    }
    s.arlhsready = true;
}

void loadwab(AppState& s) {
    s.wabtable.assign(1, std::string(10, ' '));
    s.wabloaded = false;
    const auto bytes = readwholefile(s.apppath + "wab.dat");
    if (!bytes) return;
    ListReader in(*bytes);
    while (!in.atend()) {
        auto square = in.text();
        if (!square || s.wabtable.size() > maxwabsquares) {
            s.wabtable.assign(1, std::string(10, ' '));
            return;
        }
        s.wabtable.push_back(FixedText<10>(*square).str());
    }
    s.wabloaded = true;
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
