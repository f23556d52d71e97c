#include "callbook/labels.h"
#include "core/state.h"
#include "platform/fileio.h"
#include "platform/qtdialogs.h"
#include "support/logfixture.h"
#include "support/tempfolder.h"

#include <QPrinter>

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

using namespace tsl;
using namespace tsl::test;

namespace {

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}
// A label line as the page holds it: 40 characters.
std::string line40(const std::string& text) {
    return text + blanks(40 - text.size());
}
const std::string blank3 = " " + blanks(40) + " " + blanks(40) + " " + blanks(40) + "\n";
const std::string blank2 = " " + blanks(40) + "  \n";

struct Labels : ::testing::Test {
    ScriptedDialogs dialogs;
    RecordedStatus status;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    labelpanel panel{"W1AW", "08/25/2004", "14:30", "20 Mtrs ", "CW  ", "599", "59"};

    Labels() {
        setstartvalues(*s, "/tmp/", 1000);
        s->apptitle = "Tessalog ";
        s->mycall = "K1ABC";
        s->labelmessage = "Tnx QSO 73";
        s->nocallbook = false;
        s->callbookfound = true;
        s->callbookresult = {"John Smith", "12 Main St", "Boston, MA 02101", "USA", "MA", ""};
    }
    void stock(int k, const std::string& start) {
        chooselabelstock(*s, k);
        ASSERT_EQ(checkstartinglabel(*s, start), std::nullopt);
    }
    std::string cell(int row, int column) const {
        return s->labels.labelpage[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    std::pair<int, int> place() const {
        return {s->labels.labelstartrow, s->labels.labelcolumnslot};
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& b : dialogs.shown)
            t.push_back(b.text);
        return t;
    }
};

} // namespace

TEST_F(Labels, StockOneAddressThenQsoLabel) {
    stock(1, "1");
    EXPECT_TRUE(makeaddresslabel(*s, panel, dialogs, status));
    EXPECT_TRUE(makeqsolabel(*s, panel, dialogs, status));
    std::vector<std::string> expected(62, blank3);
    expected[4] = " John Smith, W1AW" + blanks(24) + " K1ABC Confirm QSO with: W1AW" + blanks(12) +
                  " " + blanks(40) + "\n";
    expected[5] = " 12 Main St" + blanks(30) + " Date       UTC   Band    Mode Snt Rec" +
                  blanks(3) + " " + blanks(40) + "\n";
    expected[6] = " Boston, MA 02101" + blanks(24) + " 08/25/2004 14:30 20 Mtr CW   599  59" +
                  blanks(4) + " " + blanks(40) + "\n";
    expected[7] = " USA" + blanks(37) + " Tnx QSO 73" + blanks(30) + " " + blanks(40) + "\n";
    EXPECT_EQ(labelpagerows(*s), expected);
    EXPECT_EQ(blank3.size(), 124u);
    EXPECT_EQ(place(), std::make_pair(4, 5));
    EXPECT_EQ(s->pendinglabels, 2);
    EXPECT_EQ(status.last(), "28 labels left on page");
}

TEST_F(Labels, StockTwoSpacersEmptySecondCellAndUntrimmedOwnCall) {
    stock(2, "1");
    s->mycall = "W\xd8XY";
    panel.call = "G\xd8"
                 "ABC";
    ASSERT_TRUE(makeqsolabel(*s, panel, dialogs, status));
    auto rows = labelpagerows(*s);
    EXPECT_EQ(rows[0], blank2);
    EXPECT_EQ(rows[4], " W\xd8XY   Confirm QSO with: G\xd8"
                       "ABC" +
                           blanks(10) + "  \n");
    EXPECT_EQ(rows[5], " Date       UTC   Band     Mode Snt Rec" + blanks(2) + "  \n");
    EXPECT_EQ(place(), std::make_pair(4, 3));
}

TEST_F(Labels, LongTextsAreCutAndControlCharactersPrintAsBlanks) {
    stock(1, "1");
    s->callbookresult.name = "Bartholomew Fitzgerald-Worthington, III"; // 39 characters
    s->callbookresult.street = "1\t2\x01"
                               "Elm\r\n" +
                               std::string(60, 'x');
    s->labelmessage = std::string(45, 'm');
    panel.band = "160 Mtrs";
    panel.mode = "PSK31";
    panel.rsts = "5999";
    ASSERT_TRUE(makeaddresslabel(*s, panel, dialogs, status));
    ASSERT_TRUE(makeqsolabel(*s, panel, dialogs, status));
    EXPECT_EQ(cell(4, 1), "Bartholomew Fitzgerald-Worthington, III,");
    EXPECT_EQ(cell(5, 1), "1 2 Elm  " + std::string(31, 'x'));
    EXPECT_EQ(cell(6, 3), line40("08/25/2004 14:30 160 Mt PSK3 599  59"));
    EXPECT_EQ(cell(7, 3), std::string(40, 'm'));
}

TEST_F(Labels, StartingLabelsPlaceTheFirstLabel) {
    chooselabelstock(*s, 3);
    EXPECT_EQ(checkstartinglabel(*s, "5"), std::nullopt);
    EXPECT_EQ(place(), std::make_pair(22, 1));
    EXPECT_EQ(s->labels.labelsleft, 10);
    EXPECT_EQ(checkstartinglabel(*s, "6"), std::nullopt);
    EXPECT_EQ(place(), std::make_pair(22, 3));
    EXPECT_EQ(checkstartinglabel(*s, ""), "Starting label must be 1 or greater");
    EXPECT_EQ(checkstartinglabel(*s, "123456789012345678901234567890"),
              " Starting label must be less than or equal 14");
    EXPECT_EQ(s->labels.startinglabel, 32767);
    EXPECT_EQ(place(), std::make_pair(22, 3)); // a refusal keeps the place
    chooselabelstock(*s, 5);                   // a sheet of 33, of which 30 are used
    EXPECT_EQ(checkstartinglabel(*s, "31"), " Starting label must be less than or equal 30");
}

TEST_F(Labels, TheLastLabelPrintsTheSheetAndTheNextStartsAFreshOne) {
    stock(1, "30");
    EXPECT_EQ(place(), std::make_pair(58, 5));
    ASSERT_TRUE(makeaddresslabel(*s, panel, dialogs, status));
    EXPECT_EQ(status.last(), "0 labels left on page");
    ASSERT_EQ(dialogs.pages.size(), 1u);
    EXPECT_EQ(dialogs.pages[0].fontsize, 8);
    // The bottom labels' fourth line lies in row 61, and is printed.
    EXPECT_EQ(dialogs.pages[0].rows[61], " " + blanks(81) + " " + line40("USA") + "\n");
    ASSERT_TRUE(makeqsolabel(*s, panel, dialogs, status));
    EXPECT_EQ(status.last(), "29 labels left on page");
    EXPECT_EQ(cell(4, 1), line40("K1ABC Confirm QSO with: W1AW"));
    for (int k = 2; k <= 30; ++k)
        ASSERT_TRUE(makeqsolabel(*s, panel, dialogs, status));
    // The second sheet has the first one's spacers and places.
    ASSERT_EQ(dialogs.pages.size(), 2u);
    const std::string first = " " + line40("K1ABC Confirm QSO with: W1AW");
    for (int row : {4, 58})
        EXPECT_EQ(dialogs.pages[1].rows[static_cast<std::size_t>(row)],
                  first + first + first + "\n");
    EXPECT_EQ(labelpagerows(*s), std::vector<std::string>(62, blank3));
}

TEST_F(Labels, AFullSheetThatDidNotPrintIsPrintedFirstOrTheLabelIsRefused) {
    stock(4, "10");
    dialogs.printanswer = printresult::failed;
    ASSERT_TRUE(makeaddresslabel(*s, panel, dialogs, status));
    EXPECT_EQ(texts(), std::vector<std::string>{"No Printer"});
    EXPECT_EQ(place(), std::make_pair(64, 1));
    const auto before = s->labels.labelpage;
    dialogs.printanswer = printresult::cancelled; // silent
    EXPECT_FALSE(makeqsolabel(*s, panel, dialogs, status));
    EXPECT_EQ(texts().back(), "The page of labels is full and has not been printed. Print it "
                              "with \"Print Current Labels\" before you ask for more labels.");
    EXPECT_EQ(texts().size(), 2u);
    EXPECT_EQ(s->labels.labelpage, before);
    EXPECT_EQ(s->pendinglabels, 1);
    dialogs.printanswer = printresult::printed;
    ASSERT_TRUE(makeqsolabel(*s, panel, dialogs, status));
    ASSERT_EQ(dialogs.pages.size(), 1u);
    EXPECT_EQ(dialogs.pages[0].rows[52],
              " " + blanks(40) + "  " + line40("John Smith, W1AW") + "\n");
    EXPECT_EQ(place(), std::make_pair(4, 3));
    EXPECT_EQ(s->labels.labelsleft, 9);
    EXPECT_EQ(s->pendinglabels, 1);
}

TEST_F(Labels, RequestsCheckBeforeTheyWrite) {
    EXPECT_FALSE(requestqsolabel(*s, panel, dialogs, status));
    EXPECT_FALSE(requestaddresslabel(*s, panel, dialogs, status));
    printcurrentlabels(*s, dialogs);
    EXPECT_EQ(dialogs.pagerequests, 0);
    stock(1, "1");
    labelpanel nocall = panel;
    nocall.call = "";
    s->nocallbook = true;
    EXPECT_FALSE(requestaddresslabel(*s, nocall, dialogs, status));
    EXPECT_FALSE(requestaddresslabel(*s, panel, dialogs, status));
    EXPECT_TRUE(requestqsolabel(*s, panel, dialogs, status));
    s->nocallbook = false;
    s->callbookfound = false;
    EXPECT_FALSE(requestaddresslabel(*s, panel, dialogs, status));
    const char* nostock = "Select label type before requesting labels";
    EXPECT_EQ(texts(),
              (std::vector<std::string>{nostock, nostock, nostock, "No call for label",
                                        "No Source for QSL data", "No address for this call"}));
    // A call of blanks is a call, and prints as blanks.
    s->callbookfound = true;
    nocall.call = "  ";
    EXPECT_TRUE(requestaddresslabel(*s, nocall, dialogs, status));
    EXPECT_EQ(cell(4, 3), line40("John Smith,   "));
}

namespace {
// Width and height in points of the first page of a PDF file.
std::pair<double, double> pagesize(const std::string& pdf) {
    const auto at = pdf.find("/MediaBox [");
    if (at == std::string::npos) return {0, 0};
    std::istringstream box(pdf.substr(at + 11, 80));
    double left = 0, bottom = 0, right = 0, top = 0;
    box >> left >> bottom >> right >> top;
    return {right - left, top - bottom};
}
} // namespace

TEST_F(Labels, TheSheetPrintsOnItsStocksPaper) {
    TempFolder folder;
    QtDialogs printer;
    std::string pdf;
    // The operator takes the printer the dialog offers, as a PDF file.
    printer.setprinterchoice([&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(pdf));
        return true;
    });
    // US Letter is 8.5 x 11 inches, A4 210 x 297 mm.
    for (const auto& [k, width, height] :
         {std::tuple{3, 612.0, 792.0}, std::tuple{5, 595.3, 841.9}, std::tuple{1, 612.0, 792.0}}) {
        pdf = folder.path() + "stock" + std::to_string(k) + ".pdf";
        stock(k, "1");
        ASSERT_TRUE(makeqsolabel(*s, panel, printer, status));
        printcurrentlabels(*s, printer);
        EXPECT_EQ(s->pendinglabels, 0) << k;
        const auto [w, h] = pagesize(readwholefile(pdf).value_or(""));
        EXPECT_NEAR(w, width, 1.0) << k;
        EXPECT_NEAR(h, height, 1.0) << k;
    }
}
