#include "logeqf.h"

#include "core/dxcclookup.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "countryname.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

namespace tsl {

namespace {

constexpr std::size_t recordbytes = 292;
// A last piece this long reaches the end of the net number, the last field read.
constexpr std::size_t shortestrecord = 268;
constexpr int16_t extraband = 4; // "75 Extra", the band of the nets

// Every place where the word begins in the text, its last places included.
std::vector<std::size_t> placesof(const std::string& text, const std::string& word) {
    std::vector<std::size_t> places;
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        places.push_back(at);
    return places;
}

// The number written after a keyword: the digits and blanks that follow it, blanks ignored.
double numberafter(const std::string& text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && (text[end] == ' ' || (text[end] >= '0' && text[end] <= '9')))
        ++end;
    return numberoftext(text.substr(from, end - from));
}

// What a QSO of one record needs beyond its fields.
struct recordstate {
    std::string statecode; // the record's state code in capitals
    bool isus = false;     // the QSO's entity has US states
    bool iscanada = false; // or Canadian provinces
    std::string prefix;    // "IC " once the keyword IC is found
};

// The net number and the keywords of the remarks of a "75 Extra" QSO; empty when they went
// into the QSO, else why they cannot.
std::string netkeywords(const AppState& s, const std::string& remarks, const std::string& net,
                        recordstate& r, SlotFiller& filler, qsorecord& q) {
    const double netnumber = numberoftext(net);
    if (netnumber > 0 && s.geratolaward >= 1) {
        const auto number = toint32(netnumber);
        if (!number) return "the net number is too large";
        filler.put(s.geratolaward, *number);
    }
    const std::string k = uppercased(trimblanks(remarks));
    if (k.find("YL") != std::string::npos) q.gender = 1;
    if (k.find("IC") != std::string::npos) r.prefix = "IC ";
    if (k.find("MOB") != std::string::npos) q.qth = 1;
    if (filler.room())
        for (std::size_t found = placesof(k, "CAP").size(); found > 0; --found) {
            for (std::size_t st = 0; st < s.statetable.size() && r.isus; ++st)
                if (s.statetable[st].code == r.statecode)
                    filler.put(s.statecapitalsaward, static_cast<int32_t>(st));
            for (std::size_t p = 0; p < s.provincecodes.size() && r.iscanada; ++p)
                if (s.provincecodes[p].code == r.statecode)
                    filler.put(s.provincesaward, static_cast<int32_t>(p));
        }
    for (const auto& [word, award, what] :
         {std::tuple{"D#", s.geratoldirectoraward, "Director"}, {"Q#", s.qcwaaward, "QCWA"}})
        for (const std::size_t at : placesof(k, word)) {
            if (!filler.room()) continue;
            const double value = numberafter(k, at + 2);
            if (!(value > 0) || award < 1) continue;
            const auto number = toint32(value);
            if (!number) return std::string("the ") + what + " number is too large";
            filler.put(award, *number);
        }
    return "";
}

// Fills a cleared QSO from one record of 292 bytes; empty when it could, else why not.
std::string buildrecord(const AppState& s, std::string_view record, CountryNames& countries,
                        EntryIndex& iota, qsorecord& q) {
    const auto field = [&](std::size_t at, std::size_t width) {
        return importedtext(midtext(record, at, width));
    };
    const auto piece = [](const std::string& text) {
        const std::string t = trimblanks(text);
        return t.empty() ? t : t + " ";
    };
    // The date and time are taken byte by byte, as they stand: read as UTF-8, a character of
    // several bytes would shift the digits behind it.
    q.date = safetext(midtext(record, 0, 8));
    const std::string time = safetext(midtext(record, 8, 4));
    q.time = midtext(time, 0, 2) + ":" + midtext(time, 2, 2);
    const std::string call = importedcall(trimblanks(field(20, 12)));
    recordstate r;
    // The name is the 24 bytes before the IOTA reference: with the reference behind it, a
    // name could never equal an entity's whole name.
    const int16_t entity = countries.find(field(95, 24));
    putcall(s, call, q, false);
    if (entity != 0) {
        putentity(s, entity, q);
        const auto& status = s.dxcctable[static_cast<std::size_t>(entity)].status;
        r.isus = status == "X";
        r.iscanada = status == "C";
    } else if (!call.empty()) {
        const dxccmatch match = putdxcc(s, q.call.str(), q);
        r.isus = match.isus;
        r.iscanada = match.iscanada;
    }
    std::string comment = piece(field(32, 25)) + piece(field(57, 25));
    r.statecode = uppercased(field(82, 2));
    SlotFiller filler(q, s.awardslots);
    for (std::size_t st = 0; st < s.statetable.size(); ++st)
        if (s.statetable[st].code == r.statecode) filler.put(s.wasaward, static_cast<int32_t>(st));
    const std::string reference = uppercased(field(119, 6));
    const int16_t iotaward = iotaaward(s, reference);
    if (const auto* entries = iota.find(iotaward, reference))
        for (const int32_t e : *entries)
            filler.put(iotaward, e);
    q.grid = field(125, 6);
    // The record's own zone; the entity's ITU zone is not kept.
    q.cqz = field(131, 2);
    q.ituz = "";
    comment += piece(field(136, 20));
    const double member = numberoftext(field(156, 6));
    if (member != 0 && s.tentenaward >= 1) {
        const auto number = toint32(member);
        if (!number) return "the Ten-Ten number is too large";
        filler.put(s.tentenaward, *number);
    }
    q.rsts = field(166, 3);
    q.rstr = field(176, 3);
    const auto mhz = tosingle(numberoftext(field(186, 6)));
    if (!mhz) return "the frequency is too large";
    q.band = bandoffrequency(s, *mhz);
    const std::string mode = field(195, 4);
    q.mode = modebyname(s, mode);
    const std::string modename = uppercased(trimblanks(mode));
    if (modename == "LSB" || modename == "USB") q.mode = s.ssbmodeindex;
    const auto watts = tosingle(numberoftext(field(199, 4)));
    if (!watts) return "the power is too large";
    // No power, or 0 W, is the usual 100 W: 0 W would count as QRP.
    q.power = *watts == 0 ? 100.0f : *watts;
    q.qsls = uppercased(field(203, 1)) == "Y" ? 1 : 0;
    q.qslr = uppercased(field(204, 1)) == "Y" ? 1 : 0;
    q.qslvia = field(205, 10);
    const std::string remarks = field(220, 36);
    comment += piece(remarks);
    q.gender = 0;
    q.qth = 0;
    const std::string net = field(256, 12);
    if (q.band == extraband)
        if (std::string why = netkeywords(s, remarks, net, r, filler, q); !why.empty()) return why;
    q.comments = r.prefix + comment + trimblanks(net);
    q.prop = s.defaultprop;
    return "";
}

} // namespace

logeqfread readlogeqf(const AppState& s, std::string_view bytes) {
    logeqfread result;
    CountryNames countries(s);
    EntryIndex iota(s, 6);
    std::size_t count = bytes.size() / recordbytes;
    const std::size_t rest = bytes.size() % recordbytes;
    if (rest >= shortestrecord)
        ++count;
    else
        result.trailing = rest;
    for (std::size_t r = 0; r < count; ++r) {
        std::string record(bytes.substr(r * recordbytes, recordbytes));
        record.resize(recordbytes, ' ');
        qsorecord q;
        if (const std::string why = buildrecord(s, record, countries, iota, q); !why.empty()) {
            result.skipped.push_back("record " + std::to_string(r + 1) + " (" +
                                     q.call.trimmedright() + "): " + why);
            continue;
        }
        result.netnumbers.push_back(importedtext(record.substr(256, 12)));
        result.add(q, "record " + std::to_string(r + 1));
    }
    return result;
}

importoutcome importlogeqf(AppState& s, StatusLine& status, Dialogs& dialogs) {
    const auto file = readwholefile(s.chosenfile);
    if (!file)
        return importfailed(s, dialogs, status,
                            "LogEQF file, " + s.chosenfile + " not found or it is corrupted.\r\n" +
                                unreadablereason(s.chosenfile),
                            "No records imported from " + s.chosenfile + ".");
    const logeqfread read = readlogeqf(s, *file);
    importending ending;
    ending.logname = "logeqfimport.log";
    ending.logtitle = "Log of Log-EQF import";
    ending.logtail = [&read](std::size_t k) { return " " + read.netnumbers[k]; };
    ending.text = [](int32_t imported, const std::string& more) {
        return std::to_string(imported) + " records imported from LogEQF." + more;
    };
    if (read.trailing != 0)
        ending.before = " The last " + std::to_string(read.trailing) +
                        " bytes, too few for a record, were left out.";
    return finishimport(s, status, read, ending);
}

} // namespace tsl
