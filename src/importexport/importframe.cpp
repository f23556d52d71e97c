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
    line(title);
    line("Date     Time  Call       DXCC");
}

void ImportLog::line(std::string_view text) {
    add(text);
    bytes_ += "\"\r\n";
}

void ImportLog::add(std::string_view text) {
    if (bytes_.empty() || bytes_.back() == '\n') bytes_ += '"';
    ListWriter::appendquotable(bytes_, text);
}

void ImportLog::add(const AppState& s, const qsorecord& q) {
    add(q.date.view());
    add(" ");
    add(q.time.view());
    add(" ");
    add(q.call.view());
    add(" ");
    line(q.dxcc >= 0 && q.dxcc <= s.dxcccount
             ? s.dxcctable[static_cast<std::size_t>(q.dxcc)].country
             : s.dxcctable[0].country);
}

std::string ImportLog::write(const AppState& s, const std::string& name) const {
    return writefilesafely(s.apppath + name, bytes_);
}

} // namespace tsl
