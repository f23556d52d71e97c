#include "eqslupload.h"

#include "core/fixedtext.h"
#include "core/helpers.h"
#include "core/state.h"
#include "core/text.h"
#include "platform/dialogs.h"
#include "platform/internet.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace tsl {

namespace {

// An ADIF tag as it stands in the query: "<", ">", ":" and "_" escaped.
std::string tag(std::string_view name) {
    std::string out = "%3C";
    for (const char c : name)
        out += c == '_' ? std::string("%5F") : std::string(1, c);
    return out + "%3E";
}

std::string tag(std::string_view name, std::size_t length) {
    std::string out = tag(name);
    out.insert(out.size() - 3, "%3A" + std::to_string(length));
    return out;
}

// The length counts the value's characters before it is escaped.
std::string field(std::string_view name, const std::string& value) {
    return tag(name, value.size()) + queryvalue(value);
}

// The comment's letters and digits as they are, every other character as "%20".
std::string commentvalue(const std::string& comment) {
    std::string out;
    for (const char c : comment) {
        const bool alnum =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        out += alnum ? std::string(1, c) : std::string("%20");
    }
    return out;
}

// The control characters of the code page: C0, DEL, and the five C1 positions it leaves
// unassigned, which a reply may bring as their Unicode controls.
bool iscontrol(unsigned char c) {
    return c < 32 || c == 127 || c == 0x81 || c == 0x8d || c == 0x8f || c == 0x90 || c == 0x9d;
}

template <class Table> std::string tablename(const Table& table, int16_t index, auto member) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return {};
    return table[static_cast<std::size_t>(index)].*member;
}

void showfailure(const AppState& state, Dialogs& dialogs) {
    dialogs.msgbox("eQSO Internet access timed out.\r\n"
                   "You may not be connected to the internet\r\n"
                   "or the eQSL Server is busy.",
                   msgbuttons::ok, msgicon::none, state.apptitle);
}

} // namespace

std::string eqslrequest(const AppState& state, int32_t qso) {
    const qsorecord& q = state.qsos[static_cast<std::size_t>(qso)];
    // 75 m Extra is the 80 m band to the service.
    const int16_t band = q.band == 4 ? int16_t{3} : q.band;
    std::string time = q.time.str();
    std::erase(time, ':');
    const std::string comment = trimblanks(q.comments.view());

    std::string out = "/qslcard/importADIF.cfm?ADIFData=Test%20upload";
    out += field("EQSL_USER", state.eqsluser);
    out += field("EQSL_PSWD", state.eqslpassword);
    out += tag("EOH");
    out += field("BAND", tablename(state.bandtable, band, &bandrecord::shortname));
    out += field("CALL", normalizecall(q.call.str()));
    out += field("MODE", trimblanks(tablename(state.modetable, q.mode, &moderecord::name)));
    out += field("QSO_DATE", q.date.str());
    out += field("TIME_ON", FixedText<4>(time).str());
    out += field("RST_SENT", q.rsts.str());
    out += field("RST_RCVD", q.rstr.str());
    out += tag("QSLMSG", comment.size()) + commentvalue(comment);
    out += tag("EOR");
    return out;
}

EqslAnswer readeqslreply(const std::string& reply) {
    EqslAnswer answer;
    if (reply.find("Result: 1 out of 1") != std::string::npos) {
        answer.added = true;
        return answer;
    }
    auto at = reply.rfind("Error:");
    if (at == std::string::npos) at = reply.rfind("Warning:");
    if (at == std::string::npos) return answer;
    auto end = reply.find_first_of("\r\n", at);
    if (end == std::string::npos) end = reply.size();
    // The stretch always holds its marker, so it is longer than the five characters cut.
    std::string text = reply.substr(at, std::min(end - at - 5, maxshowntext));
    for (char& c : text)
        if (iscontrol(static_cast<unsigned char>(c))) c = ' ';
    answer.message = std::move(text);
    return answer;
}

void sendeqsl(AppState& state, Dialogs& dialogs, InternetAccess& internet, int32_t qso) {
    if (qso < 1 || qso > state.qsocount || static_cast<std::size_t>(qso) >= state.qsos.size()) {
        showfailure(state, dialogs);
        return;
    }
    const UrlReply reply = internet.OpenURL(internet.urls.eqsl + eqslrequest(state, qso));
    if (!reply.ok()) {
        showfailure(state, dialogs);
        return;
    }
    const EqslAnswer answer = readeqslreply(reply.body);
    if (answer.added) {
        state.eqslstatus = " QSO added to eQSL Log";
        qsorecord& q = state.qsos[static_cast<std::size_t>(qso)];
        q.qsls = 1;
        q.qslvia = "eQSL";
    } else if (answer.message) {
        dialogs.msgbox("Message from eQSL server:\r\n" + *answer.message, msgbuttons::ok,
                       msgicon::none, state.apptitle);
    }
}

} // namespace tsl
