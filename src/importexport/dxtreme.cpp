#include "dxtreme.h"

#include "core/dxcclookup.h"
#include "core/fieldchecks.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "countryname.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <cmath>
#include <limits>

namespace tsl {

namespace {

constexpr std::size_t dxtremelines = 30;

// A month, day, year, hour or minute line as two digits: one digit gets a leading "0".
std::string twodigits(const std::string& line) {
    const std::string t = trimblanks(line);
    return t.size() >= 2 ? t.substr(0, 2) : std::string(2 - t.size(), '0') + t;
}

} // namespace

dxtremeread readdxtreme(const AppState& s, std::string_view bytes, int currentyear) {
    dxtremeread result;
    CountryNames countries(s);
    EntryIndex iota(s, 6);
    const auto lines = textlines(bytes);
    int32_t n = 0;
    std::size_t first = 0;
    while (first < lines.size()) {
        if (first + dxtremelines > lines.size()) {
            // Blank lines after the last QSO are no QSO of their own.
            result.unfinished = !blanklinesfrom(lines, first);
            break;
        }
        const auto line = [&](std::size_t k) {
            return importedtext(std::string(lines[first + k - 1]));
        };
        ++n;
        qsorecord q;
        const std::string call = importedcall(trimblanks(line(1)));
        const int16_t entity = countries.find(line(4));
        putcall(s, call, q, entity == 0);
        if (entity != 0) {
            putentity(s, entity, q);
            const std::string cont = uppercased(trimblanks(line(5)));
            for (int c = 0; c < s.continentcount; ++c)
                if (s.continenttable[static_cast<std::size_t>(c)].code == cont)
                    q.continent = static_cast<int16_t>(c);
        }
        const std::string year = twodigits(line(9));
        const int yy = static_cast<int>(std::clamp(numberoftext(year), 0.0, 99.0));
        q.date = std::to_string(fourdigityear(yy, currentyear)).substr(0, 2) + year +
                 twodigits(line(7)) + twodigits(line(8));
        q.time = twodigits(line(10)) + ":" + twodigits(line(12));
        q.band = bandoffrequency(s, numberoftext(line(14)));
        const std::string mode = uppercased(trimblanks(line(15)));
        if (mode == "P") q.mode = s.ssbmodeindex;
        if (mode == "C") q.mode = s.cwmodeindex;
        if (mode == "R") q.mode = s.rttymodeindex;
        q.rsts = line(16);
        q.rstr = line(17);
        q.qsls = 1;
        q.qslr = uppercased(trimblanks(line(21))) == "R" ? 1 : 0;
        q.qslvia = line(22);
        std::string comment = line(23) + "-" + line(24);
        const std::string power = line(25);
        const std::string kind = uppercased(trimblanks(power));
        const double watts = kind == "KW" ? 1000.0 : kind == "QRP" ? 5.0 : numberoftext(power);
        if (!(std::fabs(watts) <= std::numeric_limits<float>::max())) {
            result.skipped.push_back("QSO " + std::to_string(n) + " (" + q.call.trimmedright() +
                                     "): the power is too large");
            first += dxtremelines + (line(30).size() < 20 ? 1 : 0);
            continue;
        }
        // No power, or 0 W, is the usual 100 W: 0 W would count as QRP.
        q.power = watts == 0 ? 100.0f : static_cast<float>(watts);
        comment += "-" + power;
        const std::string reference = line(26);
        SlotFiller filler(q, s.awardslots);
        if (reference.size() == 6 && filler.room()) {
            const int16_t award = iotaaward(s, reference);
            const std::string key =
                uppercased(midtext(reference, 0, 2)) + "-" + uppercased(midtext(reference, 3, 3));
            if (const auto* entries = iota.find(award, key))
                for (const int32_t e : *entries)
                    filler.put(award, e);
        }
        comment += "-" + reference;
        for (std::size_t k = 27; k <= 29; ++k)
            comment += "-" + line(k);
        q.comments = comment;
        q.prop = s.defaultprop;
        result.add(q, "QSO " + std::to_string(n));
        // A line 30 shorter than 20 characters is followed by one more line of the QSO.
        first += dxtremelines + (line(30).size() < 20 ? 1 : 0);
    }
    return result;
}

importoutcome importdxtreme(AppState& s, StatusLine& status, Dialogs& dialogs) {
    const int currentyear = s.localnow().date().year();
    // The QSOs of every station log, each named with its file.
    importread all;
    std::string missing;
    std::string notes;
    int found = 0;
    for (int k = 1; k <= 9; ++k) {
        const std::string name = "dxsl_" + std::to_string(k) + ".dat";
        const std::string path = s.apppath + name;
        if (!fileexists(path)) {
            missing += (missing.empty() ? " Not found: " : ", ") + name;
            continue;
        }
        ++found;
        std::string reason;
        const auto file = readimportfile(path, reason);
        if (!file) {
            notes += " " + name + " was left out: " + reason;
            continue;
        }
        const dxtremeread read = readdxtreme(s, *file, currentyear);
        for (std::size_t r = 0; r < read.records.size(); ++r)
            all.add(read.records[r], name + " " + read.where[r]);
        for (const std::string& skip : read.skipped)
            all.skipped.push_back(name + " " + skip);
        if (read.unfinished) notes += " " + name + " ends inside a QSO, which was left out.";
    }
    if (found == 0)
        return importfailed(s, dialogs, status,
                            "No DXtreme station log, dxsl_1.dat thru dxsl_9.dat, was found in " +
                                s.apppath,
                            "No records imported from DXtreme.");
    importending ending;
    ending.text = [](int32_t imported, const std::string& more) {
        return std::to_string(imported) + " records imported from DXtreme." + more;
    };
    ending.before = (missing.empty() ? "" : missing + ".") + notes;
    return finishimport(s, status, all, ending);
}

} // namespace tsl
