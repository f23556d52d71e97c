#pragma once
// Printing text lines on a printer (or into a PDF file): "Courier New" where it exists,
// else the fixed-pitch font that stands in for it, a new page whenever one is full.

#include <string>
#include <vector>

class QPrinter;

namespace tsl {

// False when the printer cannot be written to.
bool printonto(QPrinter& printer, const std::vector<std::string>& lines, int fontsize);

} // namespace tsl
