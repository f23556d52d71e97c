#include "win1010.h"

#include "core/dxcclookup.h"
#include "core/fieldchecks.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "countryname.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <array>

namespace tsl {

namespace {

constexpr std::size_t win1010items = 16;

// "930" and "0930" are 09:30; a time that is no time keeps the Part's form of its digits.
std::string timeof(const std::string& item) {
    if (const auto t = checkedtime(item)) return *t;
    const std::string padded = item.size() >= 4 ? item : std::string(4 - item.size(), '0') + item;
    return midtext(padded, 0, 2) + ":" + midtext(padded, 2, 2);
}

// The band of a length in metres; 0, empty or no number gives no band.
int16_t bandofmetres(const AppState& s, const std::string& item) {
    const double metres = numberoftext(item);
    if (metres == 0) return 0;
    int16_t band = 0;
    for (int b = 0; b < s.bandcount; ++b)
        if (metres == s.bandtable[static_cast<std::size_t>(b)].metres)
            band = static_cast<int16_t>(b);
    return band;
}

// The items of one line: separated by commas, leading blanks skipped, a quoted item to its
// closing quote (commas included) without the quotes, an unquoted one without trailing
// blanks. A comma at the line's end is followed by an empty item.
std::vector<std::string> lineitems(std::string_view line) {
    std::vector<std::string> items;
    std::size_t pos = 0;
    for (;;) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        std::size_t comma;
        if (pos < line.size() && line[pos] == '"') {
            const auto close = line.find('"', pos + 1);
            const auto end = close == std::string_view::npos ? line.size() : close;
            items.emplace_back(line.substr(pos + 1, end - pos - 1));
            comma = line.find(',', end);
        } else {
            comma = line.find(',', pos);
            items.push_back(trimblanks(line.substr(pos, comma - pos)));
        }
        if (comma == std::string_view::npos) return items;
        pos = comma + 1;
    }
}

} // namespace

win1010read readwin1010(const AppState& s, std::string_view bytes, int currentyear) {
    win1010read result;
    CountryNames countries(s);
    // The items of every non-blank line, one after the other.
    std::vector<std::string> items;
    for (const std::string_view line : textlines(bytes))
        if (!trimblanks(line).empty())
            for (std::string& item : lineitems(line))
                items.push_back(importedtext(item));
    int32_t n = 0;
    for (std::size_t first = 0; first < items.size(); first += win1010items) {
        if (first + win1010items > items.size()) {
            result.unfinished = true;
            break;
        }
        const auto item = [&](std::size_t k) -> const std::string& { return items[first + k - 1]; };
        ++n;
        qsorecord q;
        const std::string call = importedcall(trimblanks(item(2)));
        const int16_t entity = countries.find(item(11));
        putcall(s, call, q, entity == 0);
        if (entity != 0) putentity(s, entity, q);
        q.comments = item(1) + " " + item(3) + " " + item(4) + " " + item(8) + " " + item(9) + " " +
                     item(11);
        q.time = timeof(trimblanks(item(5)));
        const std::string mode = uppercased(item(6));
        q.mode = mode == "S"   ? s.ssbmodeindex
                 : mode == "C" ? s.cwmodeindex
                 : mode == "R" ? s.rttymodeindex
                 : mode == "D" ? s.pskmodeindex
                               : int16_t{0};
        const std::string date = item(7);
        const int yy = static_cast<int>(std::clamp(numberoftext(midtext(date, 6, 2)), 0.0, 99.0));
        q.date = std::to_string(fourdigityear(yy, currentyear)).substr(0, 2) + midtext(date, 6, 2) +
                 midtext(date, 0, 2) + midtext(date, 3, 2);
        q.qsls = item(10) == "1" || item(10) == "2" ? 1 : 0;
        q.qslr = item(10) == "2" ? 1 : 0;
        q.rstr = item(12);
        q.rsts = item(13);
        const std::array<std::pair<int16_t, std::size_t>, 2> numbers = {
            {{s.tentenaward, 14}, {s.tentenvpaward, 15}}};
        bool toolarge = false;
        for (std::size_t slot = 0; slot < numbers.size(); ++slot) {
            const auto [award, k] = numbers[slot];
            const double number = numberoftext(item(k));
            if (!(number > 0) || award < 1) continue;
            const auto whole = toint32(number);
            if (!whole) toolarge = true;
            q.awards[slot] = award;
            q.entries[slot] = whole.value_or(0);
        }
        if (toolarge) {
            result.skipped.push_back("QSO " + std::to_string(n) + " (" + q.call.trimmedright() +
                                     "): a Ten-Ten number is too large");
            continue;
        }
        q.band = bandofmetres(s, item(16));
        q.prop = s.defaultprop;
        q.power = 100.0f;
        result.add(q, "QSO " + std::to_string(n));
    }
    return result;
}

importoutcome importwin1010(AppState& s, StatusLine& status, Dialogs& dialogs) {
    std::string reason;
    const auto file = readimportfile(s.chosenfile, reason);
    if (!file)
        return importfailed(s, dialogs, status,
                            "WIN 1010 CSV file, " + s.chosenfile +
                                ", not found or it is corrupted.\r\n" + reason,
                            "0 No records imported from WIN 1010 CSV file.");
    const win1010read read = readwin1010(s, *file, s.localnow().date().year());
    importending ending;
    ending.text = [](int32_t imported, const std::string& more) {
        return "WIN 1010 CSV " + std::to_string(imported) + " records imported." + more;
    };
    if (read.unfinished) ending.before = " The file ends inside its last QSO, which was left out.";
    return finishimport(s, status, read, ending);
}

} // namespace tsl
