// QRZ online replies: a key is at most 200 bytes and stands in the reply behind "<Key>";
// the texts of a Callsign element hold no control character and at most 200 characters, and
// laid out again as XML (escaped, in UTF-8) they read the same; the locator is a Maidenhead
// locator or empty. A reply refused holds no "<Callsign>".

#include "callbook/qrzonline.h"
#include "check.h"
#include "platform/codepage.h"

#include <array>
#include <utility>

using namespace tsl;
using namespace tsl::fuzz;

namespace {

using field = std::string qrzrecord::*;
// In the order the service writes them; url ends the reading, so it comes last.
const std::array<std::pair<const char*, field>, 14> elements = {{
    {"call", &qrzrecord::call},
    {"fname", &qrzrecord::fname},
    {"name", &qrzrecord::name},
    {"addr1", &qrzrecord::addr1},
    {"addr2", &qrzrecord::addr2},
    {"state", &qrzrecord::state},
    {"zip", &qrzrecord::zip},
    {"country", &qrzrecord::country},
    {"county", &qrzrecord::county},
    {"email", &qrzrecord::email},
    {"grid", &qrzrecord::grid},
    {"lond", &qrzrecord::lond},
    {"latd", &qrzrecord::latd},
    {"url", &qrzrecord::url},
}};

std::string asxml(const std::string& text) {
    QString escaped = toqt(text);
    escaped.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
    return escaped.toUtf8().toStdString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = bytesof(data, size);
    if (const auto key = readqrzkey(bytes)) {
        check(key->size() <= 200 && key->find('<') == std::string::npos, "a key");
        check(bytes.find("<Key>" + *key) != std::string::npos, "the key stands in the reply");
    } else {
        check(bytes.find("<Key>") == std::string::npos, "a reply with a key gives it");
    }
    const auto first = readqrzreply(bytes);
    if (refused(first)) {
        check(bytes.find("<Callsign>") == std::string::npos, "a Callsign element is read");
        return 0;
    }
    check(first->grid.empty() || maidenhead(first->grid), "a locator or none");
    std::string again = "<QRZDatabase><Callsign>";
    for (const auto& [name, member] : elements) {
        const std::string& text = (*first).*member;
        check(text.size() <= 200, "a text holds at most 200 characters");
        for (const char c : text)
            check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f, "no control character");
        again += std::string("<") + name + ">" + asxml(text) + "</" + name + ">";
    }
    again += "</Callsign>" + std::string(60, ' ') + "</QRZDatabase>";
    const auto second = readqrzreply(again);
    check(static_cast<bool>(second), "the laid-out reply reads");
    for (const auto& [name, member] : elements)
        check((*second).*member == (*first).*member, name);
    return 0;
}
