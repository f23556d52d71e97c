#include "exports.h"

#include "adifnames.h"
#include "core/helpers.h"
#include "core/numbers.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "core/text.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <algorithm>
#include <array>

namespace tsl {

namespace {

// Text beyond ASCII goes out as UTF-8, as other programs read it.
std::string utf8(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return toqt(text).toUtf8().toStdString();
    return text;
}

// A tag's length counts the bytes of its value.
std::string tag(const std::string& name, const std::string& value) {
    const std::string bytes = utf8(value);
    return "<" + name + ":" + std::to_string(bytes.size()) + ">" + bytes;
}

// A zone that is not a number ("??" for several) is no value a reader takes: no tag.
std::string zonetag(const std::string& name, const std::string& zone) {
    const std::string value = trimblanks(zone);
    if (!isalldigits(value)) return {};
    return tag(name, value);
}

std::string trimmedtag(const std::string& name, const std::string& value) {
    return tag(name, trimblanks(value));
}

// The entry text of a slot, empty when the slot's award or entry lies outside its table.
std::string slotentry(const AppState& s, int award, int32_t entry) {
    return entryname(s, award, entry).value_or("");
}

bool isiotaaward(const AppState& s, int award) {
    const std::array<int16_t, 7> iota = {
        s.iotaafricaaward,       s.iotaantarcticaaward, s.iotaasiaaward,        s.iotaeuropeaward,
        s.iotanorthamericaaward, s.iotaoceaniaaward,    s.iotasouthamericaaward};
    for (int16_t a : iota)
        if (a >= 1 && a == award) return true;
    return false;
}

std::string adifline(const AppState& s, const qsorecord& q) {
    const auto usedslots = static_cast<std::size_t>(std::min(s.awardslots, int16_t{4}) + 1);
    std::string line;
    // Band 0 has no ADIF name: no tag rather than a value no reader takes.
    if (const std::string_view band = adifbandname(s, q.band); !band.empty())
        line += tag("BAND", std::string(band));
    line += trimmedtag("CALL", normalizecall(q.call.str()));
    if (s.uscountiesaward >= 1)
        for (std::size_t k = 0; k < usedslots; ++k) {
            const int award = q.awards[k];
            if (award < s.uscountiesaward || award > s.uscountiesaward + 49) continue;
            const std::string county = slotentry(s, award, q.entries[k]);
            line +=
                tag("CNTY",
                    s.statetable[static_cast<std::size_t>(award - s.uscountiesaward)].code.str() +
                        "," + county);
        }
    line += trimmedtag("COMMENT", q.comments.str());
    line += trimmedtag("CONT", continentcode(s, q.continent).value_or(""));
    line += zonetag("CQZ", q.cqz.str());
    const int16_t entity = countryname(s, q.dxcc) ? q.dxcc : int16_t{0};
    line += tag("DXCC", std::to_string(s.dxcctable[static_cast<std::size_t>(entity)].dxccnum));
    line += trimmedtag("GRIDSQUARE", q.grid.str());
    for (std::size_t k = 0; k < usedslots; ++k)
        if (isiotaaward(s, q.awards[k]))
            line += tag("IOTA", slotentry(s, q.awards[k], q.entries[k]).substr(0, 6));
    line += zonetag("ITUZ", q.ituz.str());
    line += trimmedtag("MODE", adifmodename(s, q.mode));
    line += trimmedtag("OPERATOR", normalizecall(s.mycall.str()));
    line += trimmedtag("PROP_MODE", propname(s, q.prop)
                                        ? s.proptable[static_cast<std::size_t>(q.prop)].code
                                        : std::string());
    line += tag("QSL_RCVD", q.qslr != 0 ? "Y" : "N");
    line += tag("QSL_SENT", q.qsls != 0 ? "Y" : "N");
    line += trimmedtag("QSL_VIA", q.qslvia.str());
    line += tag("QSO_DATE", q.date.str());
    static constexpr std::array<const char*, 4> qths = {"HOME", "MOBILE", "PORTABLE", "OTHER"};
    line += tag("QTH", qths[static_cast<std::size_t>(q.qth >= 0 && q.qth <= 3 ? q.qth : 3)]);
    line += trimmedtag("RST_RCVD", q.rstr.str());
    line += trimmedtag("RST_SENT", q.rsts.str());
    std::string state, tenten, province;
    for (std::size_t k = 0; k < usedslots; ++k) {
        const int award = q.awards[k];
        const int32_t entry = q.entries[k];
        if (s.wasaward >= 1 && award == s.wasaward && entry >= 0 && entry < 50)
            state = s.statetable[static_cast<std::size_t>(entry)].code.str();
        if (s.tentenaward >= 1 && award == s.tentenaward) tenten = std::to_string(entry);
        if (s.provincesaward >= 1 && award == s.provincesaward && entry >= 0 && entry < 13)
            province = s.provincecodes[static_cast<std::size_t>(entry)].code.str();
    }
    line += tag("STATE", state);
    line += tag("TEN_TEN", tenten);
    std::string time;
    for (char c : q.time.view())
        if (c >= '0' && c <= '9') time.push_back(c);
    if (time.size() < 4) time.insert(0, 4 - time.size(), '0');
    line += tag("TIME_OFF", time);
    line += tag("TIME_ON", time);
    line += tag("TX_PWR", singletext(q.power));
    line += tag("VE_PROV", province);
    return line + "<EOR>\r\n";
}

bool writeexport(AppState& s, StatusLine& status, Dialogs& dialogs, const exporttext& text,
                 const std::string& what, const std::string& result) {
    const std::string problem = writefilesafely(s.chosenfile, text.bytes);
    if (!problem.empty()) {
        status.setstatus(what + " was not written.");
        dialogs.msgbox(what + ", " + s.chosenfile + ", could not be written: " + problem,
                       msgbuttons::ok, msgicon::critical, s.apptitle);
        return false;
    }
    status.setstatus(std::to_string(text.count) + result);
    return true;
}

} // namespace

exporttext adiftext(const AppState& s, bool inrange, const std::string& start,
                    const std::string& end) {
    exporttext out;
    const QDateTime now = s.localnow();
    std::string mycall = s.mycall.str();
    std::replace(mycall.begin(), mycall.end(), slashedzero, '0');
    out.bytes = "ADIF file from Tessalog " + utf8(mycall) + " " +
                now.toString("yyyy/MM/dd").toStdString() + " " +
                now.toString("HH:mm").toStdString() + "<EOH>\r\n";
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (q.deleted == "D") continue;
        if (inrange && !(start <= q.date.str() && q.date.str() <= end)) continue;
        out.bytes += adifline(s, q);
        ++out.count;
    }
    return out;
}

exporttext iotatext(const AppState& s) {
    exporttext out;
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (q.deleted == "D") continue;
        std::string line;
        for (int k = 0; k <= s.awardslots && k < 5; ++k) {
            const auto slot = static_cast<std::size_t>(k);
            if (!isiotaaward(s, q.awards[slot])) continue;
            const std::string entry = slotentry(s, q.awards[slot], q.entries[slot]);
            line = entry.substr(0, 6) + " " + trimblanks(q.call.view()) + " " +
                   (entry.size() > 7 ? entry.substr(7) : std::string());
        }
        if (line.empty()) continue;
        out.bytes += line + "\r\n";
        ++out.count;
    }
    return out;
}

bool exportadif(AppState& s, StatusLine& status, Dialogs& dialogs, bool inrange,
                const std::string& start, const std::string& end) {
    status.setstatus("Exporting ADIF file " + s.chosentitle +
                     ". This may take a while, please be patient.");
    const exporttext text = adiftext(s, inrange, start, end);
    std::string result = " records written to ADIF file.";
    if (inrange && start > end) result += " The beginning date lies after the ending date.";
    return writeexport(s, status, dialogs, text, "The ADIF file", result);
}

bool exportiota(AppState& s, StatusLine& status, Dialogs& dialogs) {
    status.setstatus("Exporting IOTA Award File " + s.chosentitle +
                     ". This may take a while, please be patient.");
    return writeexport(s, status, dialogs, iotatext(s), "The IOTA file",
                       " records written to IOTA file.");
}

} // namespace tsl
