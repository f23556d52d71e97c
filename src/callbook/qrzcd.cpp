#include "qrzcd.h"

#include "core/helpers.h"
#include "core/state.h"
#include "core/text.h"
#include "lookup.h"
#include "platform/dialogs.h"
#include "platform/qrzcd.h"

namespace tsl {

namespace {

constexpr const char* notfoundline = "Call not found on QRZ CD";

void tell(const AppState& s, Dialogs& dialogs, const char* text) {
    dialogs.msgbox(text, msgbuttons::ok, msgicon::none, s.apptitle);
}

} // namespace

bool qrzcdcheck(AppState& state, Dialogs& dialogs, QrzCdLibrary& qrzcd) {
    state.qrzcdready = false;
    const auto drive = qrzcd.QRZInit("");
    if (!drive) return false;
    state.qrzdrive = *drive;
    if (*drive == qrzcdinuse) {
        tell(state, dialogs, "QRZ is in use by another application.");
        return true;
    }
    if (*drive == qrzcdnotfound) {
        tell(state, dialogs, "The QRZ Databases could not be found.");
        return true;
    }
    const bool letter = (*drive >= 'A' && *drive <= 'Z') || (*drive >= 'a' && *drive <= 'z');
    if (!letter) return false;
    state.callbooksourcestatus =
        std::string("Using QRZ Databases in drive ") + static_cast<char>(*drive) + ":";
    state.qrzcdready = true;
    return true;
}

std::vector<std::string> readqrzcdrecord(std::string_view record) {
    constexpr std::string_view separator = "\",\"";
    record = record.substr(0, qrzrecordsize);
    std::vector<std::string> fields;
    std::size_t from = 1;
    while (fields.size() < 12 && from < record.size()) {
        const auto end = record.find(separator, from);
        if (end == std::string_view::npos) break;
        fields.push_back(showntext(record.substr(from, end - from), qrzrecordsize));
        from = end + separator.size();
    }
    return fields;
}

void lookupqrzcd(AppState& s, const callbookservices& services, const std::string& call,
                 callbooklookup& out) {
    s.callbookfound = false;
    const auto failed = [&] {
        if (!s.qrzcdfailuretold) tell(s, services.dialogs, "QRZ Databases not found.");
        s.qrzcdfailuretold = true;
    };
    const auto drive = services.qrzcd.QRZInit("");
    if (!drive) return failed();
    if (*drive == qrzcdinuse)
        return tell(s, services.dialogs, "QRZ CD is in use by another application.");
    if (*drive == qrzcdnotfound) return tell(s, services.dialogs, "QRZ Databases not found.");
    const std::string cleaned = normalizecall(call);
    std::string record(qrzrecordsize, ' ');
    const auto n = services.qrzcd.QRZSearch(1, cleaned, "", "", record, 5);
    if (!n) return failed();
    const auto fields = readqrzcdrecord(record);
    // A record whose call cannot be read is no record of the call.
    if (*n <= 0 || fields.empty() || uppercased(fields[0]) != cleaned) {
        out.lines.push_back(notfoundline);
        return;
    }
    callbookaddress& a = s.callbookresult;
    std::string nameline;
    std::string cityline;
    for (std::size_t k = 1; k <= fields.size(); ++k) {
        const std::string& field = fields[k - 1];
        switch (k) {
        case 2:
            nameline = field;
            break;
        case 4:
            a.name = field + " " + nameline;
            out.lines.push_back(a.name);
            break;
        case 9:
            a.street = field;
            out.lines.push_back(a.street);
            break;
        case 10:
            cityline = field;
            break;
        case 11:
            cityline += " " + field;
            break;
        case 12:
            a.cityline = cityline + " " + field;
            out.lines.push_back(a.cityline);
            break;
        default:
            break;
        }
    }
    s.callbookfound = true;
}

} // namespace tsl
