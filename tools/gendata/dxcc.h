// dxcc.dat: one line per DXCC entity with its call prefixes, zones and position.
#pragma once

#include "text.h"

#include <filesystem>
#include <ostream>

namespace gendata {

// Builds dxcc.dat from dxcc-entities.csv and cty.csv in `sourceDir`. Writes a summary
// (counts, prefix clashes resolved) to `log`, with every detail when `verbose`.
// Throws std::runtime_error when the data break a limit of the file format.
DataWriter buildDxcc(const std::filesystem::path& sourceDir, std::ostream& log, bool verbose);

} // namespace gendata
