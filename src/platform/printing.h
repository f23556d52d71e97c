#pragma once
// Printing text on a printer (or into a PDF file): "Courier New" where it exists, else the
// fixed-pitch font that stands in for it. Report lines flow onto as many pages as they
// need; a page of rows puts each row at a fixed place on one page.

#include <string>
#include <vector>

class QPaintDevice;
class QPrinter;

namespace tsl {

// False when the printer cannot be written to.
bool printonto(QPrinter& printer, const std::vector<std::string>& lines, int fontsize);

// One page: row r lies in the band from r to r + 1 sixths of an inch below the top of the
// device's printable area, drawn from its left edge; a line feed ends the row and is not
// drawn. On a printer the page is sent when done. False when the device cannot be painted.
bool printpageonto(QPaintDevice& device, const std::vector<std::string>& rows, int fontsize);

} // namespace tsl
