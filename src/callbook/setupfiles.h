#pragma once
// Start-up readers of the call-book and eQSL set-up files: "qsldata.ini" (the call-book
// source and the CD path), "hamcall.ini" and "qrz.ini" (online log-ins) and "eqsl.ini"
// (the eQSL log-in, whose presence turns the upload on); the writer of the log-in files; and
// "services.ini", which may point the online services at other addresses.

#include "core/parsed.h"
#include "platform/internet.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tsl {

struct AppState;
class Dialogs;
class QrzCdLibrary;

// Call-book sources.
inline constexpr int callbooknone = 0;
inline constexpr int callbookfiles = 1;
inline constexpr int callbookhamcallcd = 2;
inline constexpr int callbookqrzcd = 3;
inline constexpr int callbookqrzonline = 4;
inline constexpr int callbookhamcallonline = 5;

// "qsldata.ini": the source number and the CD path.
struct qsldatafile {
    int16_t source = 0;
    std::string path;
};
Parsed<qsldatafile> readqsldatabytes(const std::string& bytes);

// "hamcall.ini", "qrz.ini" and "eqsl.ini": a user and a password.
struct loginfile {
    std::string user;
    std::string password;
};
Parsed<loginfile> readloginbytes(const std::string& bytes);

// Reads "qsldata.ini". Without a usable source it says so in a message box; a missing or
// unreadable file means no source. For the QRZ CD it runs the QRZ CD check, and a failing
// library means no source too. Start-up goes on in every case.
void loadqsldata(AppState& state, Dialogs& dialogs, QrzCdLibrary& qrzcd);

// Reads the log-in of the chosen online service ("hamcall.ini" for HamCall online,
// "qrz.ini" for QRZ online, which then logs in); silent when the file is missing or the
// log-in fails, and without "qrz.ini" nothing is sent.
void loadcallbooklogin(AppState& state, InternetAccess& internet);

// Reads "eqsl.ini" and turns the eQSL upload on; silent when the file is missing.
void loadeqsllogin(AppState& state);

// True when the value can stand in a quoted item of a log-in file: no double quote and no
// control character, either of which would cut the item or the line.
bool fitsquoteditem(const std::string& value);

// Writes a log-in file (user name and password as two quoted items) readable and writable
// by the owner only. Empty on success, else why (the old file is then untouched).
std::string writelogin(const std::string& path, const std::string& user,
                       const std::string& password);

// Writes "qsldata.ini": the source as a number and the path as a quoted item. Empty on
// success, else why (the old file is then untouched).
std::string writeqsldata(const std::string& path, int16_t source, const std::string& cdpath);

// The base URLs of "services.ini": three quoted items, HamCall, QRZ and eQSL in that order,
// each an http or https address. Nothing when the file holds anything else.
std::optional<ServiceUrls> parseservices(const std::string& bytes);

} // namespace tsl
