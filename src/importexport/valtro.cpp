#include "valtro.h"

#include "core/fieldchecks.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <algorithm>

namespace tsl {

namespace {

constexpr std::size_t recordbytes = 128;

// The mode whose name, without blanks around it, is the text exactly (case counts); 0 for
// none.
int16_t modeofexactname(const AppState& s, const std::string& name) {
    int16_t mode = 0;
    for (int m = 1; m <= s.modecount; ++m)
        if (trimblanks(s.modetable[static_cast<std::size_t>(m)].name) == name)
            mode = static_cast<int16_t>(m);
    return mode;
}

// Fills a cleared QSO from one record; empty when it could, else why not.
std::string buildrecord(const AppState& s, std::string_view record, int currentyear, qsorecord& q) {
    // Columns are counted from 1.
    const auto columns = [&](std::size_t first, std::size_t last) {
        return importedtext(midtext(record, first - 1, last - first + 1));
    };
    putcall(s, importedcall(trimblanks(columns(1, 12))), q);
    const std::string year = columns(19, 20);
    const int yy = static_cast<int>(std::clamp(numberoftext(year), 0.0, 99.0));
    q.date = std::to_string(fourdigityear(yy, currentyear)).substr(0, 2) + year + columns(13, 14) +
             columns(16, 17);
    q.time = columns(21, 25);
    q.band = bandoffrequency(s, numberoftext(columns(26, 29)));
    q.rsts = trimblanks(columns(30, 32));
    q.rstr = trimblanks(columns(42, 44));
    const std::string town = columns(66, 85);
    q.comments =
        trimblanks(columns(54, 65)) + " " + trimblanks(town) + " " + trimblanks(columns(96, 98));
    q.qsls = uppercased(columns(86, 86)) == "Y" ? 1 : 0;
    q.qslr = uppercased(columns(87, 87)) == "Y" ? 1 : 0;
    q.mode = modeofexactname(s, trimblanks(columns(88, 91)));
    const auto watts = tosingle(numberoftext(columns(92, 95)));
    if (!watts) return "the power is too large";
    // No power, or 0 W, is the usual 100 W: 0 W would count as QRP.
    q.power = *watts == 0 ? 100.0f : *watts;
    // The state code is the last two characters of columns 66-85, looked for from column 85
    // back to column 67.
    const auto last = town.find_last_not_of(' ');
    if (last != std::string::npos && last >= 1) {
        const std::string code = uppercased(town.substr(last - 1, 2));
        SlotFiller filler(q, s.awardslots);
        for (std::size_t st = 0; st < s.statetable.size(); ++st)
            if (s.statetable[st].code == code && s.wasaward > 0)
                filler.put(s.wasaward, static_cast<int32_t>(st));
    }
    q.prop = s.defaultprop;
    q.gender = 0;
    return "";
}

} // namespace

valtroread readvaltro(const AppState& s, std::string_view bytes, int currentyear) {
    valtroread result;
    // The end-of-file mark of old programs after the last record is no piece of one.
    if (bytes.size() % recordbytes == 1 && bytes.back() == '\x1A') bytes.remove_suffix(1);
    if (bytes.size() < recordbytes) {
        result.noheader = true;
        result.trailing = bytes.size();
        return result;
    }
    const std::size_t count = bytes.size() / recordbytes - 1;
    result.trailing = bytes.size() % recordbytes;
    for (std::size_t r = 1; r <= count; ++r) {
        qsorecord q;
        const std::string_view record = bytes.substr(r * recordbytes, recordbytes);
        if (const std::string why = buildrecord(s, record, currentyear, q); !why.empty()) {
            result.skipped.push_back("record " + std::to_string(r) + " (" + q.call.trimmedright() +
                                     "): " + why);
            continue;
        }
        result.add(q, "record " + std::to_string(r));
    }
    return result;
}

importoutcome importvaltro(AppState& s, StatusLine& status, Dialogs& dialogs) {
    const auto file = readwholefile(s.chosenfile);
    if (!file)
        return importfailed(s, dialogs, status,
                            s.chosenfile + " not found or it is corrupted.\r\n" +
                                unreadablereason(s.chosenfile),
                            "0 No records imported from " + s.chosenfile + ".");
    const valtroread read = readvaltro(s, *file, s.localnow().date().year());
    importending ending;
    // The usual text has no full stop; one parts it from what follows.
    ending.text = [](int32_t imported, const std::string& more) {
        return std::to_string(imported) + " records imported from Valtro.log" +
               (more.empty() ? "" : "." + more);
    };
    if (read.noheader)
        ending.before = " The file of " + std::to_string(read.trailing) +
                        " bytes is shorter than its header record.";
    else if (read.trailing > 0)
        ending.before = " The last " + std::to_string(read.trailing) +
                        " bytes, too few for a record, were left out.";
    return finishimport(s, status, read, ending);
}

} // namespace tsl
