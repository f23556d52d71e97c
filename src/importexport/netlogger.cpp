#include "netlogger.h"

#include "core/dxcclookup.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

namespace tsl {

namespace {

constexpr std::size_t netloggeritems = 22;

// Where the first pass starts: after the first tag that follows "<EOH>", or without one
// after the file's second ">". Nothing when the file ends first; the end of the file when
// nothing follows "<EOH>".
std::optional<std::size_t> firstvalue(std::string_view b) {
    const std::string upper = uppercased(std::string(b));
    const auto eoh = upper.find("<EOH>");
    std::size_t pos = eoh == std::string::npos ? 0 : eoh + 5;
    const int marks = eoh == std::string::npos ? 2 : 1;
    for (int k = 0; k < marks; ++k) {
        const auto gt = b.find('>', pos);
        if (gt == std::string_view::npos)
            return eoh == std::string::npos ? std::nullopt : std::optional(b.size());
        pos = gt + 1;
    }
    return pos;
}

std::vector<std::string_view> splititems(std::string_view line) {
    std::vector<std::string_view> items;
    std::size_t start = 0;
    for (;;) {
        const auto comma = line.find(',', start);
        items.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) return items;
        start = comma + 1;
    }
}

int16_t modeofname(const AppState& s, const std::string& item) {
    std::string m = uppercased(trimblanks(item));
    if (m == "LSB" || m == "USB") m = "SSB";
    int16_t mode = 0;
    for (int k = 0; k <= s.modecount; ++k)
        if (uppercased(trimblanks(s.modetable[static_cast<std::size_t>(k)].name)) == m)
            mode = static_cast<int16_t>(k);
    return mode;
}

} // namespace

netloggerconversion convertnetlogger(std::string_view b) {
    netloggerconversion result;
    const auto start = firstvalue(b);
    if (!start) {
        result.error = "The file ends before its second \">\".";
        return result;
    }
    std::string& out = result.text;
    std::size_t pos = *start;
    int nuls = 0;
    bool atlinestart = false;
    for (;;) {
        // The value, up to the next tag; ten NULs end the file as its end does.
        bool finished = false;
        for (;;) {
            if (pos >= b.size()) {
                finished = true;
                break;
            }
            const char c = b[pos++];
            if (c == '<') break;
            if (c == '\0') {
                if (++nuls >= 10) {
                    finished = true;
                    break;
                }
                continue;
            }
            if (c == '>' || c == ',' || c == '\r' || c == '\n' || c == '"') continue;
            out.push_back(c);
            nuls = 0;
        }
        if (finished) break;
        const auto close = b.find('>', pos);
        if (close == std::string_view::npos) {
            result.error = "The file ends inside a tag.";
            result.text.clear();
            return result;
        }
        const std::string_view tag = b.substr(pos, close - pos);
        pos = close + 1;
        if (uppercased(trimblanks(tag.substr(0, tag.find(':')))) == "EOR") {
            out += "\r\n";
            atlinestart = true;
        } else if (!atlinestart) {
            out.push_back(',');
        } else {
            atlinestart = false;
        }
    }
    return result;
}

netloggerread readnetlogger(const AppState& s, std::string_view text) {
    netloggerread result;
    int32_t n = 0;
    for (const std::string_view raw : textlines(text)) {
        // Blanks after the last end of record, or the end-of-file mark of old programs, make
        // a line of their own that holds no QSO.
        const std::string_view rest = trimmedview(raw);
        if (rest.empty() || rest == "\x1A") continue;
        ++n;
        const std::string line = importedtext(std::string(raw));
        const auto items = splititems(line);
        // ADIF allows blanks after a value: every item is read without those at its ends.
        const auto trimmed = [&](std::size_t k) { return trimblanks(items[k - 1]); };
        const auto item = trimmed;
        const std::string call = items.size() >= 3 ? importedcall(trimmed(3)) : std::string();
        const std::string where =
            "QSO " + std::to_string(n) + (call.empty() ? "" : " (" + call + ")");
        if (items.size() != netloggeritems) {
            result.skipped.push_back(where + ": " + std::to_string(items.size()) +
                                     " items instead of 22");
            continue;
        }
        qsorecord q;
        q.date = item(1);
        q.time = midtext(item(2), 0, 2) + ":" + midtext(item(2), 2, 2);
        putcall(s, call, q);
        q.band = bandoffrequency(s, numberoftext(item(10)));
        q.mode = modeofname(s, item(7));
        q.rsts = trimmed(5);
        q.rstr = trimmed(6);
        SlotFiller filler(q, s.awardslots);
        const std::string state = uppercased(trimmed(12));
        for (std::size_t k = 0; k < s.statetable.size(); ++k)
            if (s.statetable[k].code == state && s.wasaward > 0)
                filler.put(s.wasaward, static_cast<int32_t>(k));
        q.grid = item(14);
        q.qsls = uppercased(item(15)) == "S" ? 1 : 0;
        q.qslr = uppercased(item(16)) == "R" ? 1 : 0;
        const std::string net = uppercased(trimmed(20));
        const int16_t award = net == "OMISS"                     ? s.omissaward
                              : net == "GERATOL"                 ? s.geratolaward
                              : net == "CCN" || net == "CENTURY" ? s.ccnaward
                                                                 : int16_t{0};
        if (award > 0) {
            const auto member = toint32(numberoftext(item(21)));
            if (!member) {
                result.skipped.push_back(where + ": the member number is too large");
                continue;
            }
            filler.put(award, *member);
        }
        q.qslvia = item(17);
        q.comments = trimmed(4) + " " + trimmed(11) + " " + trimmed(13) + " " + trimmed(18) + " " +
                     trimmed(21);
        q.prop = s.defaultprop;
        q.power = 100.0f;
        result.add(q, "QSO " + std::to_string(n));
    }
    return result;
}

importoutcome importnetlogger(AppState& s, StatusLine& status, Dialogs& dialogs) {
    auto fail = [&](const std::string& reason) {
        return importfailed(s, dialogs, status,
                            "NetLogger file, " + s.chosenfile +
                                ", not found or it is corrupted.\r\n" + reason,
                            "No records imported from NetLogger");
    };
    const auto file = readwholefile(s.chosenfile);
    if (!file) return fail(unreadablereason(s.chosenfile));
    const netloggerconversion converted = convertnetlogger(*file);
    if (!converted.error.empty()) return fail(converted.error);
    if (const auto line = overlongline(converted.text)) return fail(overlongreason(*line));
    if (const std::string why = writefilesafely(s.apppath + "netlogger.tmp", converted.text);
        !why.empty())
        return fail("netlogger.tmp cannot be written: " + why);

    importending ending;
    ending.logname = "lognetlogger.log";
    ending.logtitle = "Log of netlogger import";
    ending.text = [](int32_t imported, const std::string& more) {
        return std::to_string(imported) + " records imported from NetLogger." + more;
    };
    return finishimport(s, status, readnetlogger(s, converted.text), ending);
}

} // namespace tsl
