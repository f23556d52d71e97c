#pragma once
// Panel 1 of the main window's status bar, where long operations of every part of the
// program write their progress and result texts. One message at a time: each text
// replaces the one before.

#include <string>

namespace tsl {

class StatusLine {
  public:
    virtual ~StatusLine() = default;
    virtual void setstatus(const std::string& text) = 0;
};

} // namespace tsl
