#include "brisca.h"

#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

namespace tsl {

namespace {

// The smallest header of a dBase table (its 32 bytes and the end mark) and the record
// length that reaches the last field read.
constexpr std::size_t smallestheader = 33;
constexpr std::size_t shortestrecord = 111;

// The band of a length in metres among the bands that have one; 75 m is counted as 80 m.
int16_t bandofmetres(const AppState& s, int16_t metres) {
    if (metres == 75) return 3;
    int16_t band = 0;
    // No length (0) is no band, not the last band of 0 metres.
    for (int b = 0; b < s.metrebandlimit && metres != 0; ++b)
        if (s.bandtable[static_cast<std::size_t>(b)].metres == metres)
            band = static_cast<int16_t>(b);
    return band;
}

} // namespace

Parsed<briscaread> readbrisca(const AppState& s, std::string_view bytes) {
    const auto header = dbaseheaderof(bytes);
    if (!header)
        return parseerror{"The file is too short for a dBase header: " +
                          std::to_string(bytes.size()) + " bytes."};
    if (header->headerlength < smallestheader)
        return parseerror{"The header length, " + std::to_string(header->headerlength) +
                          ", is below " + std::to_string(smallestheader) + "."};
    if (header->headerlength > bytes.size())
        return parseerror{"The header length, " + std::to_string(header->headerlength) +
                          ", passes the end of the file of " + std::to_string(bytes.size()) +
                          " bytes."};
    if (header->recordlength < shortestrecord)
        return parseerror{"The record length, " + std::to_string(header->recordlength) +
                          ", is below " + std::to_string(shortestrecord) + "."};
    briscaread result;
    readdbaserecords(bytes, header->headerlength, header->recordlength, 11, result,
                     [&](std::string_view record, qsorecord& q) -> std::string {
                         const auto field = [&](std::size_t at, std::size_t width) {
                             return importedtext(midtext(record, at, width));
                         };
                         const auto flag = [&](std::size_t at) {
                             return uppercased(field(at, 1)) == "T";
                         };
                         putcall(s, importedcall(trimblanks(field(1, 11))), q);
                         q.date = field(12, 8);
                         q.time = field(20, 5);
                         const auto metres = toint16(numberoftext(field(25, 5)));
                         if (!metres) return "the band is too large";
                         q.band = bandofmetres(s, *metres);
                         q.rstr = trimblanks(field(30, 7));
                         q.rsts = trimblanks(field(37, 7));
                         q.mode = modebyname(s, field(44, 4));
                         q.comments = field(48, 55);
                         q.qsls = flag(103) ? 1 : 0;
                         q.qslr = flag(104) ? 1 : 0;
                         const double member = numberoftext(field(105, 6));
                         if (member > 0 && s.tentenaward >= 1) {
                             const auto number = toint32(member);
                             if (!number) return "the Ten-Ten number is too large";
                             q.awards[0] = s.tentenaward;
                             q.entries[0] = *number;
                         }
                         q.prop = s.defaultprop;
                         q.power = 100.0f;
                         return "";
                     });
    return result;
}

importoutcome importbrisca(AppState& s, StatusLine& status, Dialogs& dialogs) {
    const auto fail = [&](const std::string& reason) {
        return importfailed(s, dialogs, status,
                            "Brisca file, " + s.chosenfile + " not found or it is corrupted.\r\n" +
                                reason,
                            "No records imported from Brisca.");
    };
    const auto file = readwholefile(s.chosenfile);
    if (!file) return fail(unreadablereason(s.chosenfile));
    const Parsed<briscaread> parsed = readbrisca(s, *file);
    if (!parsed) {
        writerefusedlog(s, parsed.error(), "Log of Brisca import", "briscaimport.log");
        return fail(parsed.error());
    }
    importending ending;
    ending.logname = "briscaimport.log";
    ending.logtitle = "Log of Brisca import";
    ending.text = [](int32_t imported, const std::string& more) {
        return std::to_string(imported) + " records imported from Brisca." + more;
    };
    ending.before = promisedsentence(*parsed);
    return finishimport(s, status, *parsed, ending);
}

} // namespace tsl
