#include "importframe.h"

#include "core/listfile.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "platform/codepage.h"
#include "platform/fileio.h"

namespace tsl {

std::string safetext(std::string text) {
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || u < 32 || u == 127) c = ' ';
    }
    return text;
}

std::string importedtext(const std::string& value) {
    return safetext(fromutf8ifvalid(value));
}

std::string importedcall(const std::string& value) {
    std::string call = importedtext(value);
    for (char& c : call)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return call;
}

ImportLog::ImportLog(const std::string& title) {
    lines_.push_back(title);
    lines_.push_back("Date     Time  Call       DXCC");
}

void ImportLog::add(const AppState& s, const qsorecord& q) {
    lines_.push_back(q.date.str() + " " + q.time.str() + " " + q.call.str() + " " +
                     countryname(s, q.dxcc).value_or(s.dxcctable[0].country));
}

std::string ImportLog::write(const AppState& s, const std::string& name) const {
    ListWriter out;
    for (const std::string& line : lines_)
        out.text(line).endline();
    return writefilesafely(s.apppath + name, out.bytes());
}

} // namespace tsl
