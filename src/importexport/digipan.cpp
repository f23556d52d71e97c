#include "digipan.h"

#include "core/dxcclookup.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace tsl {

namespace {

// Field k of a line is the text between its (k - 1)-th and k-th ";"; the fields 2 to 17
// are used, so a QSO line holds at least 17 ";".
constexpr std::size_t lastfield = 17;

} // namespace

digipanread readdigipan(const AppState& s, std::string_view bytes) {
    digipanread result;
    int32_t n = 0;
    for (const std::string_view raw : textlines(bytes)) {
        ++n;
        if (raw.empty()) continue;
        const auto semicolons = static_cast<std::size_t>(std::count(raw.begin(), raw.end(), ';'));
        if (semicolons == 0) {
            ++result.withoutfields;
            continue;
        }
        if (semicolons < lastfield) {
            result.skipped.push_back("line " + std::to_string(n) + ": " +
                                     std::to_string(semicolons) + " \";\" instead of 17");
            continue;
        }
        const std::string line = importedtext(std::string(raw));
        std::array<std::string, lastfield + 1> field;
        std::size_t start = line.find(';') + 1;
        for (std::size_t k = 2; k <= lastfield; ++k) {
            const std::size_t end = line.find(';', start);
            field[k] = line.substr(start, end - start);
            start = end + 1;
        }
        qsorecord q;
        const std::string call = importedcall(trimblanks(field[2]));
        putcall(s, call, q);
        q.prop = s.defaultprop;
        q.power = 100.0f;
        q.date = trimblanks(midtext(field[3], 0, 8));
        q.time = midtext(field[3], 8, 2) + ":" + midtext(field[3], 10, 2);
        const double mhz = numberoftext(field[8]) / 1e6;
        if (!(std::abs(mhz) <= std::numeric_limits<float>::max())) {
            result.skipped.push_back("line " + std::to_string(n) + " (" + call +
                                     "): the frequency is too large");
            continue;
        }
        q.band = bandoffrequency(s, mhz);
        q.mode = s.pskmodeindex;
        q.rsts = trimblanks(field[11]);
        q.rstr = trimblanks(field[12]);
        q.comments =
            trimblanks(field[15]) + " " + trimblanks(field[16]) + " " + trimblanks(field[17]);
        result.add(q, "line " + std::to_string(n));
    }
    return result;
}

importoutcome importdigipan(AppState& s, StatusLine& status, Dialogs& dialogs) {
    std::string reason;
    const auto file = readimportfile(s.chosenfile, reason);
    if (!file)
        return importfailed(s, dialogs, status,
                            "DigiPan file, " + s.chosenfile + ", not found\r\n" + reason,
                            "No Records imported from DigiPan.");
    const digipanread read = readdigipan(s, *file);
    importending ending;
    ending.text = [](int32_t imported, const std::string& more) {
        return std::to_string(imported) + " records imported from DigiPan." + more;
    };
    if (read.withoutfields > 0)
        ending.before =
            " " + std::to_string(read.withoutfields) + " lines without \";\" were skipped.";
    importoutcome outcome = finishimport(s, status, read, ending);
    outcome.skipped += read.withoutfields;
    return outcome;
}

} // namespace tsl
