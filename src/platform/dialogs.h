#pragma once
// The dialogs service: every message box of the program goes through one object of this
// interface, handed to the code that needs it. The program uses the Qt implementation;
// tests use a scripted one that answers without a window and records what was shown.
// Texts are bytes in the program's single-byte code page.

#include <string>

namespace tsl {

enum class msgbuttons { ok, okcancel, yesno, yesnocancel };
enum class msgicon { none, critical, question, exclamation, information };
// The numbering follows the answer codes the program's logic compares against.
enum class msganswer { ok = 1, cancel = 2, yes = 6, no = 7 };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual msganswer msgbox(const std::string& text, msgbuttons buttons, msgicon icon,
                             const std::string& title) = 0;
};

} // namespace tsl
