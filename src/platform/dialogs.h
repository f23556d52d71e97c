#pragma once
// The dialogs service: every message box and every modal form of the program goes through
// one object of this interface, handed to the code that needs it. The program uses the Qt
// implementation; tests use a scripted one that answers without waiting and records what
// was shown. Texts are bytes in the program's single-byte code page.

#include <optional>
#include <string>
#include <vector>

class QDialog;

namespace tsl {

enum class msgbuttons { ok, okcancel, yesno, yesnocancel };
enum class msgicon { none, critical, question, exclamation, information };
// The numbering follows the answer codes the program's logic compares against.
enum class msganswer { ok = 1, cancel = 2, yes = 6, no = 7 };

enum class printresult { printed, cancelled, failed };
// The paper a page is laid out for: US Letter or ISO A4.
enum class papersize { letter, a4 };

// How an input box shows what is typed: as it is, or as dots for a password.
enum class inputecho { normal, password };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual msganswer msgbox(const std::string& text, msgbuttons buttons, msgicon icon,
                             const std::string& title) = 0;
    // The file chosen in a file dialog that opens in folder with the name proposed; nothing
    // when it was cancelled. With forwriting a file that does not exist yet is accepted.
    virtual std::optional<std::string>
    choosefile(const std::string& folder, const std::string& proposedname, bool forwriting) = 0;
    // Asks for a printer (a PDF file will do) and prints the lines in a fixed-pitch font of
    // the size given, a new page whenever one is full.
    virtual printresult printlines(const std::vector<std::string>& lines, int fontsize) = 0;
    // Shows one of the program's own forms modally and returns once it is closed, with its
    // result (accepted or rejected).
    virtual int showform(QDialog& form) = 0;
    // Asks for a printer (a PDF file will do), the paper given preset, and prints one page of
    // rows in a fixed-pitch font of the size given: row r a sixth of an inch below row r - 1,
    // the first at the top of the printable area, each at its left edge; a line feed ends
    // its row.
    virtual printresult printpage(const std::vector<std::string>& rows, int fontsize,
                                  papersize paper) = 0;
    // An input box with its prompt, title and default answer: the answer as typed, or
    // nothing when it was cancelled (an empty answer is an empty text). A password box
    // shows dots for what is typed.
    virtual std::optional<std::string> inputbox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultanswer,
                                                inputecho echo = inputecho::normal) = 0;
};

} // namespace tsl
