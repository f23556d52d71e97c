#pragma once
// Address and QSO labels: the page image of one sheet of labels, the label writers, the
// requests that check before a label is written, and the printing of the sheet.

#include "platform/dialogs.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tsl {

struct AppState;
class StatusLine;

// What a label reads of the entry panel at the moment it is written: the call as typed,
// and the date, time, band, mode and reports as the panel displays them.
struct labelpanel {
    std::string call, date, time, band, mode, rsts, rstr;
};

// Every cell of the page image empty.
void clearlabelpage(AppState& state);

// A stock button of the label set-up, stock 1 to 5: the page image cleared and laid out
// blank for the stock, its geometry taken and labeltypechosen set. Labels not printed are
// dropped. The place of the next label waits for the starting-label check.
void chooselabelstock(AppState& state, int stock);

// The starting-label check on the text of the set-up's box (its leading digits; an empty
// text is 0, a number past 32767 is 32767): nothing when the label is on the sheet, with
// labelsleft counted from it and the next label put on it; else the refusal, and the
// place and labelsleft stay.
std::optional<std::string> checkstartinglabel(AppState& state, std::string_view text);

// The printed rows 0 to 61: each row's cells of the stock's columns joined, line feed
// included.
std::vector<std::string> labelpagerows(const AppState& state);

// Prints the page as one sheet; once printed, a fresh sheet of the same stock starts at
// label 1. A failure says "No Printer"; failed or cancelled, the labels stay pending.
printresult printlabelpage(AppState& state, Dialogs& dialogs);
// "&Print Current Labels": the page, once a stock is chosen.
void printcurrentlabels(AppState& state, Dialogs& dialogs);

// The label writers: the label at the next place, the stored QSO marked as sent while it
// is loaded for editing, the labels left in the status line, and the sheet printed when
// it is full. A sheet still full from a print that did not happen is printed first; when
// it still does not print, the label is refused. True when the label was written.
bool makeaddresslabel(AppState& state, const labelpanel& panel, Dialogs& dialogs,
                      StatusLine& status);
bool makeqsolabel(AppState& state, const labelpanel& panel, Dialogs& dialogs, StatusLine& status);

// The label requests: each checks that its label can be written and says why not, or
// writes it. True when the label was written.
bool requestqsolabel(AppState& state, const labelpanel& panel, Dialogs& dialogs,
                     StatusLine& status);
bool requestaddresslabel(AppState& state, const labelpanel& panel, Dialogs& dialogs,
                         StatusLine& status);

} // namespace tsl
