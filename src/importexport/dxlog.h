#pragma once
// Importing the QSO table of DXLog ("<call>qso.dbf"), a dBase III file of 119- or 133-byte
// records after a header of 641 bytes; the country of a QSO comes from its country key.

#include "core/qsorecord.h"
#include "dbase.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tsl {

struct AppState;
class Dialogs;
class StatusLine;

// The entity of a DXLog country key, from maps built once per import that give what the
// scans of the entity table give, the last match winning: first the entities' keys (a key
// written with "/" also as the same text without it), then the prefixes of the live
// entities, then those of the deleted ones. An empty key names no entity.
class DxlogCountries {
  public:
    explicit DxlogCountries(const AppState& state);
    struct found {
        int16_t entity = 0; // 0 when no entity has the key
        bool isus = false;  // found among the keys or live prefixes of a US-states entity
    };
    found find(const std::string& key) const;

  private:
    using keymap = std::unordered_map<std::string, found>;
    keymap keys_, liveprefixes_, deletedprefixes_;
};

struct dxlogread : dbaseread {
    bool unknownlayout = false; // the records are neither 119 nor 133 bytes long
    uint16_t recordlength = 0;
};

// The QSOs of the file's bytes. format is the menu item's index: 0 ("DXLog Format 1") reads
// the fields of a 119-byte record after the call one byte later than 1 does.
// Refused when the file is shorter than a DXLog header.
Parsed<dxlogread> readdxlog(const AppState& state, std::string_view bytes, int format);

// Appends the QSOs of the file `chosenfile` to the log and writes "dxlogimport.log"; a file
// that cannot be read changes nothing and says why.
importoutcome importdxlog(AppState& state, StatusLine& status, Dialogs& dialogs, int format);

} // namespace tsl
