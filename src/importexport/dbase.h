#pragma once
// The dBase III tables that DXLog and Brisca keep their logs in: the header's record count
// and lengths, and the walk over the records at fixed places, deleted records skipped.

#include "core/parsed.h"
#include "core/qsorecord.h"
#include "importframe.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tsl {

struct AppState;

// The header values as dBase keeps them: little-endian, unsigned.
struct dbaseheader {
    uint32_t recordcount = 0;  // bytes 4-7
    uint16_t headerlength = 0; // bytes 8-9
    uint16_t recordlength = 0; // bytes 10-11
};

// The header values; nothing when the file is too short to hold them.
std::optional<dbaseheader> dbaseheaderof(std::string_view bytes);

// What a reader of a dBase log made of the file.
struct dbaseread : importread {
    uint32_t promised = 0; // the records the header counts
    uint32_t present = 0;  // of those, the whole records the file holds
};

// Fills a cleared QSO from one record (its bytes as they stand in the file); empty when it
// could, else why the record cannot be stored.
using dbasebuild = std::function<std::string(std::string_view record, qsorecord& q)>;

// Reads the records of length bytes each from offset start on: as many as the header counts
// and the file holds whole. A record marked deleted ("*" in its first byte) is skipped, and
// so is one that build cannot store; each is named by its number and its call (the callwidth
// bytes after the deletion mark).
void readdbaserecords(std::string_view bytes, std::size_t start, std::size_t length,
                      std::size_t callwidth, dbaseread& result, const dbasebuild& build);

// Writes the import log of a dBase file that was refused: its title and why. Returns the
// sentence that says it could not be written, if so.
std::string writerefusedlog(const AppState& state, const std::string& reason,
                            const std::string& title, const std::string& name);

// The sentence of a result text about records the header counts and the file lacks; empty
// when it holds them all.
std::string promisedsentence(const dbaseread& read);

} // namespace tsl
