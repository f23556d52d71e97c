#include "importframe.h"

#include "core/listfile.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "platform/codepage.h"
#include "platform/fileio.h"

#include <algorithm>
#include <array>

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

void ImportLog::reserve(std::size_t qsos) {
    bytes_.reserve(bytes_.size() + qsos * 64);
}

void ImportLog::line(std::string_view text) {
    bytes_ += '"';
    ListWriter::appendquotable(bytes_, text);
    bytes_ += "\"\r\n";
}

void ImportLog::add(const AppState& s, const qsorecord& q) {
    std::array<char, 8 + 1 + 5 + 1 + 12 + 1> fixed{};
    auto at = std::copy(q.date.view().begin(), q.date.view().end(), fixed.begin());
    *at++ = ' ';
    at = std::copy(q.time.view().begin(), q.time.view().end(), at);
    *at++ = ' ';
    at = std::copy(q.call.view().begin(), q.call.view().end(), at);
    *at = ' ';
    bytes_ += '"';
    ListWriter::appendquotable(bytes_, std::string_view(fixed.data(), fixed.size()));
    bytes_ += countryend(s, q.dxcc >= 0 && q.dxcc <= s.dxcccount ? q.dxcc : int16_t{0});
}

// The end of a line for the QSOs of an entity: its name made quotable once, the closing
// quote and the line end.
const std::string& ImportLog::countryend(const AppState& s, int16_t dxcc) {
    if (countries_.size() <= static_cast<std::size_t>(dxcc))
        countries_.resize(static_cast<std::size_t>(dxcc) + 1);
    std::string& end = countries_[static_cast<std::size_t>(dxcc)];
    if (end.empty()) {
        ListWriter::appendquotable(end, s.dxcctable[static_cast<std::size_t>(dxcc)].country);
        end += "\"\r\n";
    }
    return end;
}

std::string ImportLog::write(const AppState& s, const std::string& name) const {
    return writefilesafely(s.apppath + name, bytes_);
}

} // namespace tsl
