#include "dbase.h"

#include "core/text.h"

#include <algorithm>

namespace tsl {

namespace {

uint32_t byteat(std::string_view bytes, std::size_t k) {
    return static_cast<unsigned char>(bytes[k]);
}

} // namespace

std::optional<dbaseheader> dbaseheaderof(std::string_view bytes) {
    if (bytes.size() < 12) return std::nullopt;
    dbaseheader h;
    h.recordcount =
        byteat(bytes, 4) | byteat(bytes, 5) << 8 | byteat(bytes, 6) << 16 | byteat(bytes, 7) << 24;
    h.headerlength = static_cast<uint16_t>(byteat(bytes, 8) | byteat(bytes, 9) << 8);
    h.recordlength = static_cast<uint16_t>(byteat(bytes, 10) | byteat(bytes, 11) << 8);
    return h;
}

void readdbaserecords(std::string_view bytes, std::size_t start, std::size_t length,
                      std::size_t callwidth, dbaseread& result, const dbasebuild& build) {
    const auto header = dbaseheaderof(bytes);
    result.promised = header ? header->recordcount : 0;
    const std::size_t whole =
        length == 0 || start > bytes.size() ? 0 : (bytes.size() - start) / length;
    result.present = static_cast<uint32_t>(std::min<std::size_t>(result.promised, whole));
    for (uint32_t r = 1; r <= result.present; ++r) {
        const std::string_view record = bytes.substr(start + (r - 1) * length, length);
        const std::string call = importedcall(trimblanks(midtext(record, 1, callwidth)));
        const auto skip = [&](const std::string& why) {
            result.skipped.push_back("record " + std::to_string(r) +
                                     (call.empty() ? "" : " (" + call + ")") + ": " + why);
        };
        if (record[0] == '*') {
            skip("marked deleted");
            continue;
        }
        qsorecord q;
        if (const std::string why = build(record, q); !why.empty()) {
            skip(why);
            continue;
        }
        result.add(q, "record " + std::to_string(r));
    }
}

std::string writerefusedlog(const AppState& s, const std::string& reason, const std::string& title,
                            const std::string& name) {
    ImportLog log(title);
    log.note(reason);
    return log.writeandtell(s, name);
}

std::string promisedsentence(const dbaseread& read) {
    if (read.present >= read.promised) return "";
    return " The header counts " + std::to_string(read.promised) + " records; the file holds " +
           std::to_string(read.present) + ".";
}

} // namespace tsl
