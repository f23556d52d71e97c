#pragma once
// What every import shares: QSOs built after the last one in use and made part of the log
// only at the end, text made safe for the log file, the import log.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tsl {

struct AppState;
struct qsorecord;

// Text from a foreign file as the log may hold it: UTF-8 turned into the code page, double
// quotes and control characters (CR, LF, TAB, NUL ...) turned into blanks.
std::string importedtext(const std::string& value);
// The same for text already in the code page: only the quotes and control characters.
std::string safetext(std::string text);

// A call as the log holds it: safe text in capitals.
std::string importedcall(const std::string& value);

// The import log: a title, the column heading, then one line per QSO imported, each written
// as one quoted text.
class ImportLog {
  public:
    explicit ImportLog(const std::string& title);
    // Room for the lines of that many QSOs.
    void reserve(std::size_t qsos);
    void add(const AppState& state, const qsorecord& q);
    // Writes the file in the program folder; empty on success, else the reason.
    std::string write(const AppState& state, const std::string& name) const;

  private:
    void line(std::string_view text);
    const std::string& countryend(const AppState& state, int16_t dxcc);
    std::string bytes_;
    std::vector<std::string> countries_;
};

} // namespace tsl
