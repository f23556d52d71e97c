#pragma once
// What every import shares: QSOs built after the last one in use and made part of the log
// only at the end, text made safe for the log file, the import log.

#include "core/qsorecord.h"
#include "core/text.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tsl {

struct AppState;
struct qsorecord;
class Dialogs;
class StatusLine;

// Text from a foreign file as the log may hold it: UTF-8 turned into the code page, double
// quotes and control characters (CR, LF, TAB, NUL ...) turned into blanks.
std::string importedtext(const std::string& value);
// The same for text already in the code page: only the quotes and control characters.
std::string safetext(std::string text);

// A call as the log holds it: safe text in capitals.
std::string importedcall(const std::string& value);

// What an import did, for the menu item and the tests.
struct importoutcome {
    bool ok = false;      // the file was read; false when the failure message was shown
    int32_t imported = 0; // QSOs added to the log
    int32_t leftout = 0;  // QSOs the full log could not take
    int32_t skipped = 0;  // records that could not be read
};

// Up to count characters of the text from position from (0-based); empty past its end.
inline std::string midtext(std::string_view text, std::size_t from, std::size_t count) {
    return std::string(text.substr(std::min(from, text.size()), count));
}

// The message box of an import that failed, titled with the program and the own call.
void showimportfailure(const AppState& state, Dialogs& dialogs, const std::string& text);

// A failed import: its message box, then its status text; nothing was imported.
importoutcome importfailed(const AppState& state, Dialogs& dialogs, StatusLine& status,
                           const std::string& message, const std::string& statustext);

// Why a file to import could not be read: it does not exist, or it cannot be read.
std::string unreadablereason(const std::string& path);

// The bytes of a file to import; nothing, with the reason, when the file cannot be read or
// holds a line too long for a log file.
std::optional<std::string> readimportfile(const std::string& path, std::string& reason);

// Stores the call of an imported QSO: "NoCall" for an empty one, which has no entity;
// otherwise the call, its entity, continent and zones looked up when lookup is asked.
void putcall(const AppState& state, const std::string& call, qsorecord& q, bool lookup = true);

// What a reader made of a file's bytes: every QSO it could read, in file order, and the
// records it could not.
struct importread {
    std::vector<qsorecord> records;
    // Where each QSO stands in the file ("line 12"), to name it when the check refuses it;
    // empty when the QSOs are named by their number alone ("QSO 12").
    std::vector<std::string> where;
    std::vector<std::string> skipped; // "where: why", for records that cannot be stored
    bool unfinished = false;          // the file ended inside a QSO, which was left out
    void add(const qsorecord& q, std::string at) {
        records.push_back(q);
        where.push_back(std::move(at));
    }
};

// Why a QSO read from a file cannot be stored; empty when it can. The date is "yyyymmdd"
// naming a day of the calendar; the time "HH:MM" within the day, or one without any digit
// where the file gave none; the call one word without blanks, quotes or control characters.
std::string importcheck(const qsorecord& q);

// The QSOs of a read the log takes: those that pass the check, while it has room.
struct checkedread {
    std::vector<std::size_t> kept;    // positions in the read's records, in file order
    int32_t leftout = 0;              // QSOs that passed the check but found no room
    std::vector<std::string> skipped; // the reader's, then those the check refused
};
checkedread checkread(const importread& read, int32_t room);

// How an import ends once its reader has read the file.
struct importending {
    // The import log in the program folder, and its title; none when the name is empty.
    std::string logname;
    std::string logtitle;
    // Text an import adds at the end of a QSO's log line, by the QSO's position in the read.
    std::function<std::string(std::size_t)> logtail;
    // The result text from the count and the sentences that follow it.
    std::function<std::string(int32_t imported, const std::string& more)> text;
    std::string before; // the reader's own sentences, before the skipped records
    std::string after;  // and after them
    // The sentence naming the skipped records; skippedsentence when unset.
    std::function<std::string(const std::vector<std::string>&)> skippedtext;
};

// The steps every import shares after its reader: each QSO checked, the good ones appended
// as far as the log has room, the import log written, the result text on the status line:
// the count, the reader's sentences, the skipped records, the QSOs left out, the import log
// that could not be written.
importoutcome finishimport(AppState& state, StatusLine& status, const importread& read,
                           const importending& ending);

// How many more QSOs the log can take.
int32_t roomleft(const AppState& state);

// The sentence of a result text about QSOs the full log could not take; empty for none.
std::string leftouttext(int32_t leftout);

// The first few of the records an import skipped, each "where: why", joined for a result
// text; "..." ends the list when there are more.
std::string namedskips(const std::vector<std::string>& skips);

// The sentence of a result text about records that were skipped, naming the first few;
// empty for none.
std::string skippedsentence(const std::vector<std::string>& skips);

// The band whose edges hold the frequency in MHz (compared in single precision, as the
// edges are kept); the last of overlapping bands wins; 0 when none holds it.
int16_t bandoffrequency(const AppState& state, double mhz);

// The mode whose name, without blanks around it, equals the text without blanks around it
// in any case; the last of equal names wins; 0 ("None") when none does.
int16_t modebyname(const AppState& state, std::string_view text);

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

// The award slots of one QSO, filled in order as far as the log keeps them (slots 0 to
// awardslots); an award that is not tracked (below 1) fills none.
class SlotFiller {
  public:
    SlotFiller(qsorecord& q, int16_t awardslots) : q_(q), last_(awardslots) {}
    void put(int16_t award, int32_t entry);
    // True while a slot is free.
    bool room() const { return next_ <= last_; }
    // Award values that found no free slot.
    int32_t leftout() const { return leftout_; }

  private:
    qsorecord& q_;
    int last_;
    int next_ = 0;
    int32_t leftout_ = 0;
};

// Lines of a text file: CR LF, a lone CR and a lone LF each end a line; a last line without
// a line end is a line too.
std::vector<std::string_view> textlines(std::string_view bytes);

// True when the lines from position first on are all blank (or there are none): no QSO
// has begun there.
bool blanklinesfrom(const std::vector<std::string_view>& lines, std::size_t first);

// The longest line an import reads; a longer one is not a line of a log file.
inline constexpr std::size_t longestimportline = 10000;

// The number (from 1) of the first line longer than longestimportline; nothing when none is.
std::optional<int32_t> overlongline(std::string_view bytes);
// The reason a file with such a line is refused.
std::string overlongreason(int32_t line);

// The import log: a title, the column heading, then one line per QSO imported, each written
// as one quoted text.
class ImportLog {
  public:
    explicit ImportLog(const std::string& title);
    // Room for the lines of that many QSOs.
    void reserve(std::size_t qsos);
    // The QSO's line; an import may end it with text of its own.
    void add(const AppState& state, const qsorecord& q, std::string_view tail = {});
    // A line of its own, such as a QSO that was skipped and why.
    void note(const std::string& text);
    // Writes the file in the program folder; empty on success, else the reason.
    std::string write(const AppState& state, const std::string& name) const;
    // Writes the file as write() does; empty on success, else the sentence of a result text
    // that says the log was not written and why.
    std::string writeandtell(const AppState& state, const std::string& name) const;

  private:
    void line(std::string_view text);
    const std::string& countryend(const AppState& state, int16_t dxcc);
    std::string bytes_;
    std::vector<std::string> countries_;
};

} // namespace tsl
