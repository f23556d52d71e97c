#include "quarnlog.h"

#include "core/dxcclookup.h"
#include "core/fieldchecks.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <initializer_list>

namespace tsl {

namespace {

constexpr std::size_t quarnlines = 10;

// True when one of the markers stands at position p of the text.
bool markerat(const std::string& text, std::size_t p,
              std::initializer_list<std::string_view> marks) {
    for (const std::string_view m : marks)
        if (text.compare(p, m.size(), m) == 0) return true;
    return false;
}

} // namespace

quarnread readquarnlog(const AppState& s, std::string_view bytes, const quarnchoice& choice) {
    quarnread result;
    const auto lines = textlines(bytes);
    static constexpr std::array<int16_t, 4> bands = {2, 3, 6, 8};
    const std::array<int16_t, 4> modes = {s.ssbmodeindex, s.cwmodeindex, s.rttymodeindex,
                                          s.pskmodeindex};
    const auto pick = static_cast<std::size_t>(std::clamp(choice.bandmode, 0, 15));
    for (std::size_t first = 0; first < lines.size(); first += quarnlines) {
        if (first + quarnlines > lines.size()) {
            // Blank lines after the last QSO are no QSO of their own.
            result.unfinished = !blanklinesfrom(lines, first);
            break;
        }
        const auto line = [&](std::size_t k) {
            return importedtext(std::string(lines[first + k - 1]));
        };
        qsorecord q;
        SlotFiller filler(q, s.awardslots);
        const std::string c = importedcall(trimblanks(line(1)));
        putcall(s, c, q);
        const std::string code = uppercased(trimblanks(line(2)));
        int stateindex = -1;
        for (std::size_t k = 0; k < s.statetable.size(); ++k)
            if (s.statetable[k].code == code && s.wasaward > 0) {
                filler.put(s.wasaward, static_cast<int32_t>(k));
                stateindex = static_cast<int>(k);
            }
        const std::string info = trimblanks(line(3));
        const std::string marks = uppercased(info);
        bool mobile = false;
        for (std::size_t p = 0; p < marks.size(); ++p) {
            mobile = mobile || markerat(marks, p, {"/M/", " M "});
            if (markerat(marks, p, {"/Y/", " Y ", "/YL/", " YL ", "/XYL/", " XYL "})) q.gender = 1;
            if (markerat(marks, p, {"/C/", " C "}) && stateindex >= 0 && s.statecapitalsaward > 0)
                filler.put(s.statecapitalsaward, stateindex);
        }
        if (mobile && (c.size() < 2 || c.substr(c.size() - 2) != "/M"))
            q.call = trimblanks(q.call.str()) + "/M";
        const std::string date = line(4);
        const int yy = static_cast<int>(std::clamp(numberoftext(midtext(date, 6, 2)), 0.0, 99.0));
        q.date = std::to_string(fourdigityear(yy, choice.currentyear)).substr(0, 2) +
                 midtext(date, 6, 2) + midtext(date, 0, 2) + midtext(date, 3, 2);
        q.time = line(5);
        q.rsts = trimblanks(line(6));
        q.rstr = trimblanks(line(7));
        q.qsls = uppercased(line(8)) == "Y" ? 1 : 0;
        q.qslr = uppercased(line(9)) == "Y" ? 1 : 0;
        const std::string checkin = line(10);
        q.comments = info + " " + checkin + (checkin == "3" || checkin == "4" ? " (NO)" : "");
        q.band = bands[pick / 4];
        q.mode = modes[pick % 4];
        if (s.ccnaward > 0) filler.put(s.ccnaward, 0);
        q.prop = s.defaultprop;
        q.power = choice.power == 0 ? 100.0f : 5.0f;
        q.qth = static_cast<int16_t>(choice.qth);
        result.awardsleftout += filler.leftout();
        result.add(q, "QSO " + std::to_string(first / quarnlines + 1));
    }
    return result;
}

importoutcome importquarn(AppState& s, StatusLine& status, Dialogs& dialogs,
                          const quarnchoice& choice) {
    std::string reason;
    const auto file = readimportfile(s.chosenfile, reason);
    if (!file)
        return importfailed(s, dialogs, status,
                            "File, " + s.chosenfile + ", not found or it is corrupted.\r\n" +
                                reason,
                            "0 No records imported from CCN / QUARNLOG.");
    const quarnread read = readquarnlog(s, *file, choice);
    importending ending;
    ending.text = [](int32_t imported, const std::string& more) {
        return std::to_string(imported) + " records imported from CCN / QUARNLOG" +
               (more.empty() ? "" : "." + more);
    };
    if (read.unfinished) ending.before = " The file ends inside its last QSO, which was left out.";
    if (read.awardsleftout > 0)
        ending.after = " " + std::to_string(read.awardsleftout) +
                       " award values past the five slots of their QSOs were left out.";
    return finishimport(s, status, read, ending);
}

} // namespace tsl
