#include "labels.h"

#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "platform/statusline.h"

#include <algorithm>
#include <array>

namespace tsl {

namespace {

struct labelstock {
    int16_t columns;
    int16_t perpage;
    int16_t rowstep;
    int16_t fontsize;
    int16_t firstrow;
    const char* text;
    papersize paper; // the sheet's paper: Letter for the stocks measured in inches
};

// The stocks 1 to 5 of the set-up's buttons. Stock 5's sheet has 33 labels; only 30 are used.
constexpr std::array<labelstock, 5> stocks = {{
    {3, 30, 6, 8, 4, "1 x 2 5/8, 30 labels per page", papersize::letter},
    {2, 20, 6, 12, 4, "1 x 4 inches , 20 labels per page", papersize::letter},
    {2, 14, 8, 12, 6, "1 1/3 x 4 inches, 14 labels per page", papersize::letter},
    {2, 10, 12, 12, 4, "2 x 4 inches, 10 labels per page", papersize::letter},
    {3, 30, 6, 8, 4, "70 x 25.4 mm, only 30 labels per page", papersize::a4},
}};

constexpr std::size_t labelwidth = 40;
constexpr int16_t largestinteger = 32767;

// The blank layout of the stock's columns in the printed rows: spacers, empty label
// cells (a 2-column stock's second one holds nothing yet) and the line feed.
void layoutlabelpage(labelstate& l) {
    const std::string blank(labelwidth, ' ');
    for (int r = 0; r < labelprintedrows; ++r) {
        auto& row = l.labelpage[static_cast<std::size_t>(r)];
        if (l.labelcolumns == 3)
            row = {" ", blank, " ", blank, " ", blank, "\n"};
        else if (l.labelcolumns == 2)
            row = {" ", blank, "  ", "", "\n", "", ""};
    }
}

// One line of a label: control characters print as blanks, and the line takes exactly the
// label's 40 characters.
std::string labelline(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    text.resize(labelwidth, ' ');
    return text;
}

// Leading blanks up to n characters; a longer text keeps its first n.
std::string rightaligned(const std::string& text, std::size_t n) {
    return text.size() >= n ? text.substr(0, n) : std::string(n - text.size(), ' ') + text;
}

// No room for a label: the sheet's labels are used up, or the place lies off the page image.
bool sheetfull(const labelstate& l) {
    return l.labelsleft <= 0 || l.labelstartrow < 0 || l.labelstartrow + 3 >= labelimagerows ||
           l.labelcolumnslot < 1 || l.labelcolumnslot > 2 * l.labelcolumns - 1;
}

bool refuse(const AppState& state, Dialogs& dialogs, const std::string& text) {
    dialogs.msgbox(text, msgbuttons::ok, msgicon::none, state.apptitle);
    return false;
}

bool writelabel(AppState& state, const std::array<std::string, 4>& lines, Dialogs& dialogs,
                StatusLine& status) {
    labelstate& l = state.labels;
    if (sheetfull(l) && (printlabelpage(state, dialogs) != printresult::printed || sheetfull(l)))
        return refuse(state, dialogs,
                      "The page of labels is full and has not been printed. Print it with "
                      "\"Print Current Labels\" before you ask for more labels.");
    // Only a stored QSO loaded for editing is this label's QSO; a QSO being typed takes the
    // panel's "YES" when it is saved.
    if (state.editingqso && state.editindex >= 1 && state.editindex <= state.qsocount)
        state.qsos[static_cast<std::size_t>(state.editindex)].qsls = 1;
    for (std::size_t i = 0; i < lines.size(); ++i)
        l.labelpage[static_cast<std::size_t>(l.labelstartrow) + i]
                   [static_cast<std::size_t>(l.labelcolumnslot)] = labelline(lines[i]);
    l.labelcolumnslot = static_cast<int16_t>(l.labelcolumnslot + 2);
    if (l.labelcolumnslot > 2 * l.labelcolumns - 1) {
        l.labelcolumnslot = 1;
        l.labelstartrow = static_cast<int16_t>(l.labelstartrow + l.labelrowstep);
    }
    ++state.pendinglabels;
    --l.labelsleft;
    status.setstatus(inttext(l.labelsleft) + " labels left on page");
    if (l.labelsleft == 0) printlabelpage(state, dialogs);
    return true;
}

} // namespace

void clearlabelpage(AppState& state) {
    for (auto& row : state.labels.labelpage)
        for (std::string& cell : row)
            cell.clear();
}

void chooselabelstock(AppState& state, int stock) {
    if (stock < 1 || stock > static_cast<int>(stocks.size())) return;
    const labelstock& k = stocks[static_cast<std::size_t>(stock - 1)];
    labelstate& l = state.labels;
    l.labelcolumns = k.columns;
    l.labelsperpage = k.perpage;
    l.labelrowstep = k.rowstep;
    l.labelfontsize = k.fontsize;
    l.labelstock = static_cast<int16_t>(stock);
    l.labelstocktext = k.text;
    l.firstlabelrow = k.firstrow;
    l.firstlabelcolumn = 1;
    clearlabelpage(state);
    layoutlabelpage(l);
    state.labeltypechosen = true;
    state.pendinglabels = 0;
}

std::optional<std::string> checkstartinglabel(AppState& state, std::string_view text) {
    labelstate& l = state.labels;
    int16_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        number = static_cast<int16_t>(std::min(number * 10 + (c - '0'), int{largestinteger}));
    }
    l.startinglabel = number;
    std::optional<std::string> refusal;
    if (number < 1) refusal = "Starting label must be 1 or greater";
    if (number > l.labelsperpage)
        refusal = " Starting label must be less than or equal " + inttext(l.labelsperpage);
    if (refusal) return refusal;
    const int before = number - 1;
    l.labelsleft = static_cast<int16_t>(l.labelsperpage + 1 - number);
    l.labelstartrow =
        static_cast<int16_t>(l.firstlabelrow + l.labelrowstep * (before / l.labelcolumns));
    l.labelcolumnslot = static_cast<int16_t>(1 + 2 * (before % l.labelcolumns));
    return std::nullopt;
}

std::vector<std::string> labelpagerows(const AppState& state) {
    const labelstate& l = state.labels;
    std::vector<std::string> rows;
    rows.reserve(labelprintedrows);
    for (int r = 0; r < labelprintedrows; ++r) {
        std::string row;
        for (int c = 0; c <= 2 * l.labelcolumns && c < labelimagecolumns; ++c)
            row += l.labelpage[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
        rows.push_back(std::move(row));
    }
    return rows;
}

printresult printlabelpage(AppState& state, Dialogs& dialogs) {
    labelstate& l = state.labels;
    // The sheet's own paper, so that no column falls off a page of another size.
    const papersize paper = l.labelstock >= 1 && l.labelstock <= static_cast<int>(stocks.size())
                                ? stocks[static_cast<std::size_t>(l.labelstock - 1)].paper
                                : papersize::letter;
    const printresult result = dialogs.printpage(labelpagerows(state), l.labelfontsize, paper);
    if (result == printresult::failed)
        dialogs.msgbox("No Printer", msgbuttons::ok, msgicon::none, state.apptitle);
    if (result != printresult::printed) return result;
    clearlabelpage(state);
    layoutlabelpage(l);
    state.pendinglabels = 0;
    l.labelsleft = l.labelsperpage;
    l.labelstartrow = l.firstlabelrow;
    l.labelcolumnslot = l.firstlabelcolumn;
    return result;
}

void printcurrentlabels(AppState& state, Dialogs& dialogs) {
    if (!state.labeltypechosen)
        refuse(state, dialogs, "Select label type before requesting labels");
    else
        printlabelpage(state, dialogs);
}

bool makeaddresslabel(AppState& state, const labelpanel& panel, Dialogs& dialogs,
                      StatusLine& status) {
    const auto& r = state.callbookresult;
    return writelabel(state, {r.name + ", " + panel.call, r.street, r.cityline, r.country}, dialogs,
                      status);
}

bool makeqsolabel(AppState& state, const labelpanel& panel, Dialogs& dialogs, StatusLine& status) {
    const bool threecolumns = state.labels.labelcolumns == 3;
    const std::string owncall = threecolumns ? trimblanks(state.mycall.view()) : state.mycall.str();
    const std::string header = threecolumns ? "Date       UTC   Band    Mode Snt Rec"
                                            : "Date       UTC   Band     Mode Snt Rec";
    const std::string data = panel.date + " " + panel.time + " " + rightaligned(panel.band, 6) +
                             " " + rightaligned(panel.mode, 4) + " " + rightaligned(panel.rsts, 3) +
                             " " + rightaligned(panel.rstr, 3);
    return writelabel(
        state, {owncall + " Confirm QSO with: " + panel.call, header, data, state.labelmessage},
        dialogs, status);
}

namespace {
// The checks of both requests: a stock chosen in this run and a call in the panel. A call
// of blanks passes and prints as blanks.
bool readyforlabel(const AppState& state, const labelpanel& panel, Dialogs& dialogs) {
    if (!state.labeltypechosen)
        return refuse(state, dialogs, "Select label type before requesting labels");
    if (panel.call.empty()) return refuse(state, dialogs, "No call for label");
    return true;
}
} // namespace

bool requestqsolabel(AppState& state, const labelpanel& panel, Dialogs& dialogs,
                     StatusLine& status) {
    return readyforlabel(state, panel, dialogs) && makeqsolabel(state, panel, dialogs, status);
}

bool requestaddresslabel(AppState& state, const labelpanel& panel, Dialogs& dialogs,
                         StatusLine& status) {
    if (!readyforlabel(state, panel, dialogs)) return false;
    if (state.nocallbook) return refuse(state, dialogs, "No Source for QSL data");
    if (!state.callbookfound) return refuse(state, dialogs, "No address for this call");
    return makeaddresslabel(state, panel, dialogs, status);
}

} // namespace tsl
