#pragma once
// The QRZ online call book: a log-in gives a session key, and each lookup sends the key
// and the call and reads the one Callsign element of the XML reply.

#include "core/parsed.h"

#include <string>
#include <string_view>

namespace tsl {

struct AppState;
struct callbooklookup;
struct callbookservices;
class InternetAccess;

// The child elements of a Callsign element that the lookup uses, as texts in the program's
// code page: character references decoded, what the code page cannot hold as "?", control
// characters as blanks, each cut to its first 200 characters. The locator is kept only when
// it is a Maidenhead locator (without blanks around it), else it is empty.
struct qrzrecord {
    std::string call, fname, name, addr1, addr2, state, zip, country, county, email, grid, lond,
        latd, url;
};

// The session key of a log-in reply: the text after "<Key>" up to the next "<" or the end
// of the reply, at most 200 bytes. Refused when the reply holds no "<Key>".
Parsed<std::string> readqrzkey(std::string_view reply);

// The Callsign element of a lookup reply (UTF-8 XML). Its children are read in order until
// the element ends, the reply ends, an element Key, Session or DST begins, after url, or
// after the element that begins less than 50 bytes before the end of the reply. Refused
// when the reply holds no "<Callsign>".
Parsed<qrzrecord> readqrzreply(std::string_view reply);

// An element's text as the program shows it: UTF-8 into the code page, references decoded.
std::string qrzelementtext(std::string_view utf8);

// Logs in with the user and password: the key of the reply, or no key when the reply holds
// none. False, with no key, when the request failed.
bool qrzlogin(AppState& state, InternetAccess& internet, const std::string& user,
              const std::string& password);

// Source 4: the call looked up with the key of the last log-in. Without a key, or for a call
// the service does not know, a line says so; a failed request gives the time-out message.
void lookupqrzonline(AppState& state, const callbookservices& services, const std::string& call,
                     callbooklookup& result);

// The message of a failed QRZ online request.
void showqrzfailure(const AppState& state, class Dialogs& dialogs);

} // namespace tsl
