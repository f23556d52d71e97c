#include "dxlog.h"

#include "core/dxcclookup.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "countryname.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <algorithm>
#include <cmath>

namespace tsl {

namespace {

constexpr std::size_t dxlogheader = 641;

// Where the fields of a record begin (the call always at byte 1, 12 bytes).
struct dxloglayout {
    std::size_t key, state, cqzone, date, time, frequency, frequencywidth, mode, rsts, rstr, qslr,
        qsls, qslvia, texta, textb;
};

constexpr dxloglayout short119 = {13, 18, 23, 25, 33, 37, 6, 43, 47, 50, 53, 55, 56, 66, 91};
constexpr dxloglayout long133 = {13, 18, 23, 25, 33, 37, 20, 57, 61, 64, 67, 69, 70, 80, 105};

// "DXLog Format 1" reads a 119-byte record with every field after the call a byte later.
dxloglayout shifted(dxloglayout l) {
    for (std::size_t* p : {&l.key, &l.state, &l.cqzone, &l.date, &l.time, &l.frequency, &l.mode,
                           &l.rsts, &l.rstr, &l.qslr, &l.qsls, &l.qslvia, &l.texta, &l.textb})
        ++*p;
    return l;
}

std::string keytext(std::string_view key) {
    return uppercased(trimblanks(key));
}

// Keeps the text's entity as the table scan would: the last one, US states if any had them.
void note(std::unordered_map<std::string, DxlogCountries::found>& map, const std::string& text,
          int16_t entity, bool isus) {
    if (text.empty()) return;
    auto& f = map[text];
    f.entity = entity;
    f.isus = f.isus || isus;
}

} // namespace

DxlogCountries::DxlogCountries(const AppState& s) {
    for (int d = 1; d <= s.dxcccount && static_cast<std::size_t>(d) < s.dxcctable.size(); ++d) {
        const dxccrecord& e = s.dxcctable[static_cast<std::size_t>(d)];
        const auto entity = static_cast<int16_t>(d);
        const bool deleted = e.status == "D";
        const bool isus = e.status == "X";
        note(keys_, keytext(e.dxcckey.view()), entity, isus);
        for (int p = 0; p < filledprefixslots; ++p)
            note(deleted ? deletedprefixes_ : liveprefixes_,
                 keytext(e.prefix[static_cast<std::size_t>(p)].view()), entity, !deleted && isus);
    }
}

DxlogCountries::found DxlogCountries::find(const std::string& key) const {
    const auto lookup = [](const keymap& map, const std::string& text) {
        const auto it = text.empty() ? map.end() : map.find(text);
        return it == map.end() ? found{} : it->second;
    };
    const std::string plain = keytext(key);
    std::string unslashed = key;
    std::erase(unslashed, '/');
    const found a = lookup(keys_, plain);
    const found b = lookup(keys_, keytext(unslashed));
    if (a.entity != 0 || b.entity != 0) return {std::max(a.entity, b.entity), a.isus || b.isus};
    if (const found live = lookup(liveprefixes_, plain); live.entity != 0) return live;
    // Deleted entities have no US states.
    return {lookup(deletedprefixes_, plain).entity, false};
}

Parsed<dxlogread> readdxlog(const AppState& s, std::string_view bytes, int format) {
    if (bytes.size() < dxlogheader)
        return parseerror{
            "The file is shorter than a DXLog header: " + std::to_string(bytes.size()) +
            " bytes of " + std::to_string(dxlogheader) + "."};
    dxlogread result;
    const dbaseheader header = *dbaseheaderof(bytes);
    result.recordlength = header.recordlength;
    if (header.recordlength != 119 && header.recordlength != 133) {
        result.unknownlayout = true;
        return result;
    }
    const dxloglayout l = header.recordlength == 133 ? long133
                          : format == 0              ? shifted(short119)
                                                     : short119;
    const DxlogCountries countries(s);
    readdbaserecords(
        bytes, dxlogheader, header.recordlength, 12, result,
        [&](std::string_view record, qsorecord& q) -> std::string {
            const auto field = [&](std::size_t at, std::size_t width) {
                return importedtext(midtext(record, at, width));
            };
            const auto flag = [&](std::size_t at) { return uppercased(field(at, 1)) == "T"; };
            const std::string call = importedcall(trimblanks(field(1, 12)));
            const DxlogCountries::found country = countries.find(field(l.key, 5));
            putcall(s, call, q, false);
            bool isus = country.isus;
            if (country.entity != 0)
                putentity(s, country.entity, q);
            else if (!call.empty())
                isus = putdxcc(s, q.call.str(), q).isus;
            const std::string state = uppercased(trimblanks(field(l.state, 5)));
            const FixedText<2> statecode(state);
            for (std::size_t k = 0; k < s.statetable.size() && isus && s.wasaward >= 1; ++k) {
                const std::string code = s.statetable[k].code.str();
                if (state == code || statecode == code) {
                    q.awards[0] = s.wasaward;
                    q.entries[0] = static_cast<int32_t>(k);
                }
            }
            // A blank or 0 zone keeps the zone of the entity.
            const double zone = numberoftext(field(l.cqzone, 2));
            if (zone >= 1 && zone == std::floor(zone))
                q.cqz = inttext(static_cast<long long>(zone));
            q.date = field(l.date, 8);
            const std::string time = field(l.time, 4);
            q.time = trimblanks(midtext(time, 0, 2) + ":" + midtext(time, 2, 2));
            const auto mhz = tosingle(numberoftext(field(l.frequency, l.frequencywidth)));
            if (!mhz) return "the frequency is too large";
            q.band = bandoffrequency(s, *mhz);
            q.mode = modebyname(s, field(l.mode, 4));
            q.prop = s.defaultprop;
            q.rsts = trimblanks(field(l.rsts, 3));
            q.rstr = trimblanks(field(l.rstr, 3));
            q.qslr = flag(l.qslr) ? 1 : 0;
            q.qsls = flag(l.qsls) ? 1 : 0;
            q.qslvia = trimblanks(field(l.qslvia, 10));
            q.comments = trimblanks(trimblanks(field(l.texta, 25)) + " " + field(l.textb, 25));
            q.power = 100.0f;
            return "";
        });
    return result;
}

importoutcome importdxlog(AppState& s, StatusLine& status, Dialogs& dialogs, int format) {
    const auto fail = [&](const std::string& reason) {
        return importfailed(s, dialogs, status,
                            "DXLog file, " + s.chosenfile + ", not found or it is corrupted.\r\n" +
                                reason,
                            "No records imported from DXLog.");
    };
    const auto file = readwholefile(s.chosenfile);
    if (!file) return fail(unreadablereason(s.chosenfile));
    const Parsed<dxlogread> parsed = readdxlog(s, *file, format);
    if (!parsed) {
        writerefusedlog(s, parsed.error(), "Log of DXLog import", "dxlogimport.log");
        return fail(parsed.error());
    }
    const dxlogread& read = *parsed;
    if (read.unknownlayout) {
        ImportLog("Log of DXLog import").write(s, "dxlogimport.log");
        dialogs.msgbox("You have an unknown DXLOg file format\r\nPlease contact me.\r\n"
                       "Its records are " +
                           std::to_string(read.recordlength) + " bytes long.",
                       msgbuttons::ok, msgicon::none, s.apptitle);
        status.setstatus("0 records imported from " + s.chosenfile);
        return importoutcome{};
    }
    importending ending;
    ending.logname = "dxlogimport.log";
    ending.logtitle = "Log of DXLog import";
    // The path ends the usual text; a full stop parts it from what follows.
    ending.text = [&s](int32_t imported, const std::string& more) {
        return std::to_string(imported) + " records imported from " + s.chosenfile +
               (more.empty() ? "" : "." + more);
    };
    ending.before = promisedsentence(read);
    return finishimport(s, status, read, ending);
}

} // namespace tsl
