// awards.dat: the award definitions, number awards first, then list awards.
#pragma once

#include "text.h"

#include <filesystem>
#include <ostream>

namespace gendata {

// Builds awards.dat; the county lists come from us-counties.csv and the IOTA lists
// from iota.csv in `sourceDir`. Writes counts to `log`.
DataWriter buildAwards(const std::filesystem::path& sourceDir, std::ostream& log);

} // namespace gendata
