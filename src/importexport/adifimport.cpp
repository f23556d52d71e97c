#include "adifimport.h"

#include "adifnames.h"
#include "core/dxcclookup.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "importframe.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <algorithm>
#include <cctype>

namespace tsl {

namespace {

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string digitsof(const std::string& s) {
    std::string d;
    for (char c : s)
        if (c >= '0' && c <= '9') d.push_back(c);
    return d;
}

// The length of the UTF-8 character that byte c begins (0 for a byte that begins none).
std::size_t utf8length(unsigned char c) {
    if (c >= 0xC2 && c <= 0xDF) return 2;
    if (c >= 0xE0 && c <= 0xEF) return 3;
    if (c >= 0xF0 && c <= 0xF4) return 4;
    return 0;
}

bool iscontinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool isutf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = static_cast<unsigned char>(text[i]) < 0x80
                                  ? 1
                                  : utf8length(static_cast<unsigned char>(text[i]));
        if (n == 0 || i + n > text.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if (!iscontinuation(text[i + k])) return false;
        i += n;
    }
    return true;
}

// A value as the log keeps it. A value whose length ends inside a UTF-8 character that
// the bytes after it complete was counted in characters by its writer: its complete
// characters are kept and the cut one becomes "?".
std::string adifvalue(std::string_view raw, std::string_view after) {
    std::string value;
    value.reserve(raw.size());
    for (char c : raw)
        if (c != '"') value.push_back(c);
    std::size_t start = value.size();
    while (start > 0 && iscontinuation(value[start - 1]) && value.size() - start < 3)
        --start;
    if (start > 0) {
        const std::size_t lead = start - 1;
        const std::size_t need = utf8length(static_cast<unsigned char>(value[lead]));
        const std::size_t have = value.size() - lead;
        if (need > have && after.size() >= need - have) {
            bool completed = true;
            for (std::size_t k = 0; k < need - have; ++k)
                completed = completed && iscontinuation(after[k]);
            if (completed && isutf8(std::string_view(value).substr(0, lead)))
                return safetext(fromutf8ifvalid(value.substr(0, lead)) + "?");
        }
    }
    return importedtext(value);
}

// The QSO being built and its per-QSO state.
struct building {
    qsorecord* q = nullptr;
    int32_t index = 0; // its place in the log; 0 once the log is full
    int slot = 0;
    bool statedone = false;
    bool continentgiven = false;
    bool cqzgiven = false; // a CQZ tag of the QSO wins over the DXCC look-ups
    bool timeon = false;   // TIME_ON is the QSO's time; TIME_OFF only stands in for it
    bool timeoff = false;
    bool touched = false; // a tag was applied since the last <EOR>
    std::string comment;
    std::string mode, submode;
};

class AdifImport {
  public:
    AdifImport(AppState& s) : s_(s) {}

    void startqso(int32_t i) {
        b_ = building{};
        const int32_t index = s_.qsocount + i;
        if (index <= maxqsos) {
            b_.index = index;
            b_.q = &s_.qsos[static_cast<std::size_t>(index)];
        } else {
            b_.q = &scratch_;
        }
        // Nothing of an earlier QSO or an earlier import stays in the record.
        *b_.q = qsorecord{};
        b_.q->prop = s_.defaultprop;
        b_.q->power = 100.0f;
    }

    building& current() { return b_; }

    void putslot(int16_t award, int32_t entry) {
        if (award < 1 || b_.slot > s_.awardslots) return;
        b_.q->awards[static_cast<std::size_t>(b_.slot)] = award;
        b_.q->entries[static_cast<std::size_t>(b_.slot)] = entry;
        ++b_.slot;
    }

    // Every entry of the award whose text matches fills a slot.
    void putentries(int16_t award, const std::string& value, std::size_t compared) {
        if (award < 1 || award > s_.awardcount) return;
        const awardrecord& a = s_.awardtable[static_cast<std::size_t>(award)];
        const std::string key = upper(value.substr(0, compared));
        for (int e = a.first; e <= a.last; ++e) {
            const std::string& entry = s_.awardentries[static_cast<std::size_t>(e)];
            if (upper(entry.substr(0, compared)) == key) putslot(award, e - a.first);
        }
    }

    void apply(const std::string& name, const std::string& raw);

  private:
    AppState& s_;
    building b_;
    qsorecord scratch_; // QSOs past the log's capacity are read here and counted only
};

void AdifImport::apply(const std::string& name, const std::string& value) {
    qsorecord& q = *b_.q;
    const std::string trimmed = trimblanks(value);
    const double number = leadingnumber(value);
    b_.touched = true;
    if (name == "COMMENT" || name == "CONTEST_ID" || name == "NAME" || name == "NOTES" ||
        name == "SAT_NAME") {
        b_.comment += trimmed + " ";
    } else if (name == "ARLHS #") {
        putslot(s_.arlhsnumberaward, toint32(number).value_or(0));
    } else if (name == "ARLHS") {
        putentries(s_.arlhsaward, value, std::string::npos);
    } else if (name == "BAND") {
        q.band = adifband(s_, trimmed);
    } else if (name == "FREQ") {
        const auto mhz = static_cast<float>(number);
        for (int b = 0; b <= s_.bandcount; ++b) {
            const bandrecord& band = s_.bandtable[static_cast<std::size_t>(b)];
            if (band.lower <= mhz && mhz <= band.upper) q.band = static_cast<int16_t>(b);
        }
    } else if (name == "CALL") {
        const std::string call = importedcall(trimmed);
        if (call.empty()) {
            q.call = "NoCall";
        } else {
            q.call = call;
            const auto cqz = q.cqz;
            if (b_.index > 0) dxcclookuprecord(s_, q.call.str(), b_.index);
            if (b_.cqzgiven) q.cqz = cqz;
        }
    } else if (name == "CNTY") {
        if (value.size() < 5) return;
        b_.comment += trimmed + " ";
        const std::string county = trimmed.size() > 3 ? trimmed.substr(3) : "";
        const std::string code = upper(trimmed.substr(0, 2));
        int state = -1;
        for (int k = 0; k < 50; ++k)
            if (s_.statetable[static_cast<std::size_t>(k)].code == code) state = k;
        if (state < 0) return;
        if (s_.uscountiesaward > 0 && s_.uscountiesaward + state <= s_.awardcount)
            putentries(static_cast<int16_t>(s_.uscountiesaward + state), county, std::string::npos);
        if (!b_.statedone) {
            putslot(s_.wasaward, state);
            b_.statedone = true;
        }
    } else if (name == "CONT") {
        q.continent = 0;
        for (int c = 0; c < s_.continentcount; ++c)
            if (upper(value) == s_.continenttable[static_cast<std::size_t>(c)].code.str()) {
                q.continent = static_cast<int16_t>(c);
                b_.continentgiven = true;
            }
    } else if (name == "CQZ") {
        q.cqz = value.substr(0, 2);
        b_.cqzgiven = true;
    } else if (name == "DXCC") {
        q.dxcc = 0;
        if (!b_.cqzgiven) q.cqz = "";
        if (!b_.continentgiven) q.continent = 0;
        if (value.empty()) return;
        for (int d = 1; d <= s_.dxcccount; ++d) {
            const dxccrecord& e = s_.dxcctable[static_cast<std::size_t>(d)];
            if (number != e.dxccnum) continue;
            q.dxcc = static_cast<int16_t>(d);
            if (!b_.cqzgiven) q.cqz = zonetext(e.cqzones);
            if (!b_.continentgiven) q.continent = continentindex(s_, static_cast<int16_t>(d));
        }
    } else if (name == "GRIDSQUARE") {
        q.grid = value;
    } else if (name == "IOTA") {
        if (value.size() < 6 || b_.slot > s_.awardslots) return;
        const std::string continent = upper(value.substr(0, 2));
        const int16_t award = continent == "AF"   ? s_.iotaafricaaward
                              : continent == "AN" ? s_.iotaantarcticaaward
                              : continent == "AS" ? s_.iotaasiaaward
                              : continent == "EU" ? s_.iotaeuropeaward
                              : continent == "NA" ? s_.iotanorthamericaaward
                              : continent == "OC" ? s_.iotaoceaniaaward
                              : continent == "SA" ? s_.iotasouthamericaaward
                                                  : int16_t{0};
        putentries(award, value.substr(0, 6), 6);
    } else if (name == "ITUZ") {
        q.ituz = value.substr(0, 2);
    } else if (name == "MODE") {
        b_.mode = trimmed;
    } else if (name == "SUBMODE") {
        b_.submode = trimmed;
    } else if (name == "QSL_RCVD") {
        q.qslr = upper(value) == "Y" ? 1 : 0;
    } else if (name == "QSL_SENT") {
        const std::string v = upper(value);
        q.qsls = v == "Y" || v == "S" || v == "B" ? 1 : 0;
    } else if (name == "QSL_VIA") {
        q.qslvia = value;
    } else if (name == "QSO_DATE") {
        q.date = value;
    } else if (name == "QTH") {
        const std::string v = upper(trimmed);
        for (std::size_t k = 0; k < qthnames.size(); ++k)
            if (v == upper(qthnames[k])) q.qth = static_cast<int16_t>(k);
        if (b_.slot > s_.awardslots) return;
        for (int k = 0; k < 50; ++k)
            if (v == upper(trimblanks(s_.statetable[static_cast<std::size_t>(k)].name)) &&
                s_.wasaward >= 1) {
                putslot(s_.wasaward, k);
                b_.statedone = true;
            }
    } else if (name == "RST_RCVD") {
        q.rstr = digitsof(value);
    } else if (name == "RST_SENT") {
        q.rsts = digitsof(value);
    } else if (name == "STATE") {
        if (b_.statedone) return;
        for (int k = 0; k < 50; ++k)
            if (upper(trimmed) == s_.statetable[static_cast<std::size_t>(k)].code.str()) {
                putslot(s_.wasaward, k);
                b_.statedone = true;
            }
    } else if (name == "TEN_TEN") {
        if (number > 0) putslot(s_.tentenaward, toint32(number).value_or(0));
    } else if (name == "TIME_ON" || name == "TIME_OFF") {
        if (name == "TIME_ON") {
            if (b_.timeon) return;
            b_.timeon = true;
        } else {
            if (b_.timeon || b_.timeoff) return;
            b_.timeoff = true;
        }
        const std::string v = value + "    ";
        q.time = v.substr(0, 2) + ":" + v.substr(2, 2);
    } else if (name == "TX_PWR") {
        q.power = static_cast<float>(std::clamp(number, -3.0e38, 3.0e38));
    } else if (name == "VE_PROV") {
        for (int p = 0; p < 13; ++p)
            if (upper(trimmed) == s_.provincecodes[static_cast<std::size_t>(p)].code.str())
                putslot(s_.provincesaward, p);
    }
}

std::string resulttext(const importresult& r) {
    std::string text = std::to_string(r.imported) + " records imported from ADIF file.";
    if (r.unfinished) text += " The last QSO had no <EOR> and was left out.";
    if (r.nomode > 0) text += " " + std::to_string(r.nomode) + " QSOs came in without a mode.";
    if (r.malformed > 0)
        text += " " + std::to_string(r.malformed) + " unreadable tags were skipped.";
    if (r.leftout > 0)
        text += " The log is full at " + std::to_string(maxqsos) +
                " QSOs: " + std::to_string(r.leftout) + " QSOs were left out.";
    return text;
}

} // namespace

importresult importadif(AppState& s, StatusLine& status, Dialogs& dialogs) {
    importresult result;
    ImportLog log("General ADIF import");
    auto fail = [&](const std::string& reason) {
        log.write(s, "adif.log");
        dialogs.msgbox("ADIF file, " + s.chosenfile + ", not found or it is corrupted.\r\n" +
                           reason,
                       msgbuttons::ok, msgicon::none, s.apptitle + " " + s.mycall.str());
        status.setstatus("No records imported from " + s.chosenfile);
        return result;
    };

    const auto file = readwholefile(s.chosenfile);
    if (!file) return fail("The file cannot be opened.");
    const std::string& bytes = *file;
    std::size_t pos = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;

    // The header ends at "<EOH>", in any case, from the sixth character on.
    const std::size_t start = pos;
    bool header = false;
    for (; pos < bytes.size(); ++pos) {
        if (pos + 1 - start >= 6 && pos >= 4 && upper(bytes.substr(pos - 4, 5)) == "<EOH>") {
            header = true;
            ++pos;
            break;
        }
    }
    if (!header) return fail("It has no <EOH> at the end of its header.");

    AdifImport run(s);
    int32_t i = 1;
    run.startqso(i);
    auto closeqso = [&] {
        building& b = run.current();
        b.q->comments = b.comment;
        const int16_t submode = adifmode(s, b.submode);
        b.q->mode = submode != 0 ? submode : adifmode(s, b.mode);
        if (b.q->mode == 0 && b.index > 0) ++result.nomode;
        if (b.index > 0) {
            log.add(s, *b.q);
            ++result.imported;
        } else {
            ++result.leftout;
        }
        ++i;
        run.startqso(i);
    };

    while (pos < bytes.size()) {
        // The tag text, up to ">", without commas, line ends, quotes and NULs.
        std::string tag;
        bool closed = false;
        for (; pos < bytes.size(); ++pos) {
            const char c = bytes[pos];
            if (c == '>') {
                tag.push_back(c);
                closed = true;
                ++pos;
                break;
            }
            if (c != ',' && c != '\r' && c != '\n' && c != '"' && c != '\0') tag.push_back(c);
        }
        if (!closed) break;
        // Text between tags that is not part of a value is not part of the next tag either.
        const auto open = tag.rfind('<');
        if (open != std::string::npos) tag = tag.substr(open);
        tag = trimblanks(tag);
        if (upper(tag) == "<EOR>") {
            closeqso();
            continue;
        }
        const auto colon = tag.find(':');
        if (colon == std::string::npos || tag.empty() || tag[0] != '<') {
            // A tag without a length is skipped; as the file's last tag it is an end mark
            // (such as <APP_LoTW_EOF>), not a fault.
            if (bytes.find('<', pos) != std::string::npos) ++result.malformed;
            continue;
        }
        const std::string name = trimblanks(upper(tag.substr(1, colon - 1)));
        const std::string lengthpart = tag.substr(colon + 1, tag.size() - colon - 2);
        const auto length =
            static_cast<std::size_t>(std::min(leadingnumber(digitsof(lengthpart)), 1e9));
        if (pos + length > bytes.size()) {
            pos = bytes.size(); // the file ends inside the value
            break;
        }
        run.apply(name, adifvalue(std::string_view(bytes).substr(pos, length),
                                  std::string_view(bytes).substr(pos + length)));
        pos += length;
        pos = bytes.find('<', pos);
        if (pos == std::string::npos) pos = bytes.size();
    }
    result.unfinished = run.current().touched;

    s.qsocount += result.imported;
    result.ok = true;
    log.write(s, "adif.log");
    status.setstatus(resulttext(result));
    return result;
}

} // namespace tsl
