#pragma once
// What every import shares: QSOs built after the last one in use and made part of the log
// only at the end, text made safe for the log file, the import log.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tsl {

struct AppState;
struct qsorecord;

// Text from a foreign file as the log may hold it: UTF-8 turned into the code page, double
// quotes and control characters (CR, LF, TAB, NUL ...) turned into blanks.
std::string importedtext(const std::string& value);

// A call as the log holds it: safe text in capitals.
std::string importedcall(const std::string& value);

// The text with a-z in capitals, every other byte as it is (whatever the machine's locale).
std::string uppercased(std::string text);

// Why a file to import could not be read: it does not exist, or it cannot be read.
std::string unreadablereason(const std::string& path);

// How many more QSOs the log can take.
int32_t roomleft(const AppState& state);

// Appends the QSOs built apart to the log and raises qsocount by their number; the caller
// built no more than roomleft() of them.
void appendtolog(AppState& state, const std::vector<qsorecord>& records);

// The sentence of a result text about QSOs the full log could not take; empty for none.
std::string leftouttext(int32_t leftout);

// The first few of the records an import skipped, each "where: why", joined for a result
// text; "..." ends the list when there are more.
std::string namedskips(const std::vector<std::string>& skips);

// The band whose edges hold the frequency in MHz (compared in single precision, as the
// edges are kept); the last of overlapping bands wins; 0 when none holds it.
int16_t bandoffrequency(const AppState& state, double mhz);

// The IOTA award of a reference's continent code ("EU-005" gives "IOTA Europe"); 0 for
// another code and for an award that is not tracked.
int16_t iotaaward(const AppState& state, std::string_view reference);

// The entries of the list awards by the first characters of their texts, built for one
// award when first asked: an import looks every QSO's reference up here instead of
// scanning the award's entries.
class EntryIndex {
  public:
    EntryIndex(const AppState& state, std::size_t keylength);
    // The entry positions (from the award's first entry) whose texts begin with key, in
    // entry order; nullptr for none.
    const std::vector<int32_t>* find(int16_t award, const std::string& key);

  private:
    const AppState& s_;
    std::size_t keylength_;
    std::unordered_map<int16_t, std::unordered_map<std::string, std::vector<int32_t>>> awards_;
};

// The import log: a title, the column heading, then one line per QSO imported, each written
// as one quoted text.
class ImportLog {
  public:
    explicit ImportLog(const std::string& title);
    void add(const AppState& state, const qsorecord& q);
    // Writes the file in the program folder; empty on success, else the reason.
    std::string write(const AppState& state, const std::string& name) const;

  private:
    std::vector<std::string> lines_;
};

} // namespace tsl
