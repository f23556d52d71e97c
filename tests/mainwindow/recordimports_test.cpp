#include "mainwindow/windowtest.h"
#include "support/recordfiles.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct RecordImports : WindowTest {
    // Writes the file into the program folder and lets the next file dialog choose it.
    void choose(const std::string& name, const std::string& bytes) {
        folder.write(name, bytes);
        dialogs.files = {folder.path() + name};
    }
};

} // namespace

TEST_F(RecordImports, TheTwoDxlogItemsGiveTheirHintFirst) {
    begin(2);
    // One 119-byte record laid out for "DXLog Format 1": its key one byte after the call's.
    choose("k1abcqso.dbf", dbasebytes(1, 641, 119, 641) +
                               fixedrecord(119, {{1, "DL1ABC"}, {14, "DL"}, {26, "20040825"}}));
    dialogs.answers = {msganswer::cancel};
    trigger("pubdodxlog0");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Import Files");
    EXPECT_EQ(dialogs.shown[0].buttons, msgbuttons::okcancel);
    EXPECT_EQ(dialogs.shown[0].text,
              "The file you want to import is the file with the suffix of your call and "
              "qso.dbf.\r\n\r\nIt appears that there is more than 1 format for the DXLog "
              "file.\r\nIf the import for format 1 does not work, try the import for format "
              "2.\r\nBefore you try importing again, delete the QSOs of the failed import; do not "
              "delete qsodata.dat, which holds your whole log.\r\nPlease let me know if you have "
              "problems importing your DXLog file.\r\nIf all else fails you may attach your data "
              "file to an email to me and I will import it.");
    EXPECT_TRUE(statuses.isEmpty());
    EXPECT_EQ(s->qsocount, 2);
    trigger("pubdodxlog0");
    EXPECT_EQ(statuses.first(),
              "Importing DXLog file k1abcqso.dbf. This may take a while, please be patient.");
    EXPECT_EQ(statuses.last(), QString::fromStdString("1 records imported from " + s->chosenfile));
    EXPECT_EQ(gridcall(3), "DL1ABC");
    EXPECT_EQ(s->qsos[3].dxcc, entity("Germany"));
    EXPECT_EQ(s->qsos[3].date, "20040825");
    dialogs.files = {s->chosenfile};
    trigger("pubdodxlog1");
    // Read one byte earlier, the date is no day: the record is named, not stored.
    EXPECT_EQ(s->qsocount, 3);
    EXPECT_EQ(statuses.last(),
              QString::fromStdString("0 records imported from " + s->chosenfile +
                                     ". 1 skipped: record 1 (DL1ABC): the date \"2004082\" is no "
                                     "day of the calendar."));
}

TEST_F(RecordImports, TheLogEqfBriscaAndValtroItems) {
    begin(2);
    choose("new_log.log", fixedrecord(292, {{0, "20040825"}, {20, "W1AW"}}));
    trigger("publogeqf");
    EXPECT_EQ(statuses.first(),
              "Importing Log-EQF file new_log.log. This may take a while, please be patient.");
    EXPECT_EQ(statuses.last(), "1 records imported from LogEQF.");
    EXPECT_EQ(gridcall(3), "W1AW");
    choose("log.dbf",
           dbasebytes(1, 33, 111, 33) + fixedrecord(111, {{1, "DL1ABC"}, {12, "20040825"}}));
    trigger("gobrisca");
    EXPECT_EQ(statuses[2],
              "Importing Brisca file log.dbf. This may take a while, please be patient.");
    EXPECT_EQ(statuses.last(), "1 records imported from Brisca.");
    EXPECT_EQ(gridcall(4), "DL1ABC");
    choose("valtro.dat",
           std::string(128, 'h') + fixedrecord(128, {{0, "K2ABC"}, {12, "08/25/"}, {18, "04"}}));
    trigger("govaltro");
    EXPECT_EQ(statuses[4],
              "Importing Valtro file valtro.dat. This may take a while, please be patient.");
    EXPECT_EQ(statuses.last(), "1 records imported from Valtro.log");
    EXPECT_EQ(gridcall(5), "K2ABC");
    EXPECT_TRUE(dialogs.shown.empty());
}
