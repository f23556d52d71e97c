#pragma once
// Opening the program's help file with the desktop's viewer.

#include <string>

namespace tsl {

enum class helpresult { opened, nofile, noviewer };

// Opens the file at path with the viewer the desktop has for it.
helpresult openhelpfile(const std::string& path);

} // namespace tsl
