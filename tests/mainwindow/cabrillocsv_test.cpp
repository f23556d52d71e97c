#include "importexport/customimport.h"
#include "mainwindow/windowtest.h"

#include <QLineEdit>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct ImportForm : WindowTest {
    std::unique_ptr<customimport> form;

    // The form as the menu item makes it: the counts to the main window's status line, the
    // grid redrawn at the end of the log.
    void open() {
        form = std::make_unique<customimport>(
            *s, dialogs, *window,
            [this] {
                window->showqsopage();
                window->showqsorows();
            },
            window.get());
    }
    QComboBox* box(const QString& name) const { return form->findChild<QComboBox*>(name); }
    void type(const char* name, const char* text) const {
        form->findChild<QLineEdit*>(name)->setText(text);
    }
    // Items 1, 2, ... hold these choices, by their captions.
    void choose(const QStringList& fields) const {
        for (int k = 0; k < fields.size(); ++k)
            box("myfield" + QString::number(k))->setCurrentText(fields[k]);
    }
    void importfile(const std::string& name, const std::string& text) {
        folder.write(name, text);
        dialogs.files = {folder.path() + name};
        form->findChild<QPushButton*>("doit")->click();
    }
    std::string status() const { return fromqt(form->statustext()); }
};

} // namespace

TEST_F(ImportForm, OpensWithItsInitialChoices) {
    begin(0);
    open();
    EXPECT_EQ(fromqt(form->windowTitle()), "User defined data import " + s->mycall.str());
    for (int k = 0; k < customimport::fieldcombos; ++k)
        EXPECT_EQ(box("myfield" + QString::number(k))->currentText(), "Ignore") << k;
    EXPECT_EQ(box("myfield20")->count(), 21);
    EXPECT_EQ(box("dateformatcombo")->currentText(), "YYYYMMDD");
    EXPECT_EQ(box("timecombo")->currentText(), "HH:MM");
    EXPECT_EQ(box("bandcombo")->currentText(), "Use Frequency");
    EXPECT_EQ(box("defaultqth")->currentText(), "Home");
    EXPECT_EQ(box("defaultprop")->currentText(), "Terrestrial");
    EXPECT_EQ(box("Defaultmode")->currentText(), "CW  ");
    EXPECT_EQ(box("Defaultmode")->count(), s->modecount + 1);
    EXPECT_EQ(form->findChild<QLineEdit*>("defaultpower")->text(), "100");
    EXPECT_EQ(form->findChild<QLineEdit*>("numfields")->text(), "");
    EXPECT_EQ(form->fieldcount(), 0);
}

TEST_F(ImportForm, AFieldCountOutsideItsRangeIsRefusedOnTheForm) {
    begin(0);
    open();
    dialogs.shown.clear();
    const std::pair<const char*, const char*> cases[] = {
        {"", "Error: must have  at least 1 fields in your records"},
        {"0", "Error: must have  at least 1 fields in your records"},
        {"abc", "Error: must have  at least 1 fields in your records"},
        {"0.5", "Error: must have  at least 1 fields in your records"},
        {"40 000", "Error: must have at most 32767 fields in your records"}};
    for (const auto& [count, error] : cases) {
        type("numfields", count);
        importfile("x.csv", "W1AW\r\n");
        EXPECT_EQ(status(), error) << count;
        EXPECT_EQ(dialogs.files.size(), 1u) << "no file dialog for " << count;
    }
    EXPECT_EQ(s->qsocount, 0);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ImportForm, AnImportAddsTheRecordsShowsThemAndClosesTheForm) {
    begin(2);
    open();
    type("numfields", "5");
    choose({"Call", "Date", "Time", "Band", "Mode"});
    box("defaultqth")->setCurrentText("Portable");
    type("defaultpower", "5");
    dialogs.files = {testdata("csv/spanning.csv")};
    form->findChild<QPushButton*>("doit")->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(status(), "Importing CSV type file spanning.csv. This may take a while, please be "
                        "patient.");
    EXPECT_EQ(window->statustext(), "3 records imported from CSV file.");
    ASSERT_EQ(s->qsocount, 5);
    EXPECT_EQ(s->chosenfile, testdata("csv/spanning.csv"));
    EXPECT_EQ(gridcall(5), "N3ABC");
    EXPECT_EQ(s->qsos[3].qth, 2);
    EXPECT_EQ(s->qsos[3].power, 5);
    EXPECT_EQ(s->qsos[4].mode, 2);
}

TEST_F(ImportForm, ChoicesOfTheFormApplyToEveryRecord) {
    begin(0);
    open();
    type("numfields", "25");
    choose({"Call", "Time", "Band", "Mode", "Power", "QSL Sent", "RST Sent", "State", "Comment",
            "Date"});
    box("timecombo")->setCurrentText("HHMM");
    box("bandcombo")->setCurrentText("Use Meters");
    box("defaultqth")->setCurrentText("Mobile");
    box("defaultprop")->setCurrentText("EME");
    type("defaultpower", "50");
    const std::string dropped = ",20240101,x,x,x,x,x,x,x,x,x,x,x,x,x,x,x\r\n"; // items 10 to 25
    importfile("choices.csv", "w1aw,930,20,CW,0,y,5NN,TX,\"Smith, John\"" + dropped +
                                  ",1430,75,cw,12 5,YES,59+,ZZ,plain" + dropped);
    ASSERT_EQ(s->qsocount, 2);
    const qsorecord &a = s->qsos[1], &b = s->qsos[2];
    EXPECT_EQ(a.time, "09:30");
    EXPECT_EQ(a.band, 8);
    EXPECT_EQ(a.power, 50);
    EXPECT_EQ(a.comments.trimmedright(), "TX Smith, John");
    EXPECT_EQ(a.qth, 1);
    EXPECT_EQ(a.prop, 2);
    EXPECT_EQ(b.call.trimmedright(), "NoCall");
    EXPECT_EQ(b.band, 4);
    EXPECT_EQ(b.mode, 0);
    EXPECT_EQ(b.power, 125);
    EXPECT_EQ(b.comments.trimmedright(), "plain");
}

TEST_F(ImportForm, EachDateFormatThroughTheForm) {
    begin(0);
    const std::pair<const char*, const char*> dates[] = {
        {"20040825", "20040825"},   {"08252004", "20040825"},    {"08-25-2004", "20040825"},
        {"25-08-2004", "20040825"}, {"Aug-25-2004", "20040825"}, {"25-aug-2004", "20040825"},
        {"31-DEC-95", "19951231"},  {"12-31-15", "20151231"}};
    for (int format = 0; format < 8; ++format) {
        open();
        type("numfields", "2");
        choose({"Call", "Date"});
        box("dateformatcombo")->setCurrentIndex(format);
        importfile("dates.csv", "W1AW," + std::string(dates[format].first) + "\r\n");
        ASSERT_EQ(s->qsocount, format + 1);
        EXPECT_EQ(s->qsos[static_cast<std::size_t>(format + 1)].date, dates[format].second)
            << dates[format].first;
    }
}

TEST_F(ImportForm, AShortLastRecordKeepsTheOthersAndTheFormOpen) {
    begin(1);
    open();
    type("numfields", "3");
    choose({"Call", "10 -10 #", "Date"});
    importfile("short.csv", "A1A,1,20240101\r\nB1B,99999999999,20240101\r\nC1C,3,20240101\r\nD1D");
    EXPECT_TRUE(form->importfailed());
    EXPECT_EQ(status(), "Error processing Record: 4, Field: 2");
    EXPECT_EQ(s->qsocount, 3);
    EXPECT_EQ(window->statustext(),
              "2 records imported from CSV file. The file ends inside record 4, which was left "
              "out. 1 records were skipped. Skipped record 2, item 2: the number is too large "
              "for its field.");
    EXPECT_EQ(gridcall(3), "C1C");
    EXPECT_NE(form->result(), QDialog::Accepted);

    // The next import of this opening starts afresh and closes the form when it succeeds.
    importfile("good.csv", "E1E,5,20240101\r\n");
    EXPECT_FALSE(form->importfailed());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(gridcall(4), "E1E");
}

TEST_F(ImportForm, AMissingFileLeavesTheLogAsItWas) {
    begin(1);
    open();
    type("numfields", "1");
    choose({"Call"});
    dialogs.files = {folder.path() + "nothere.csv"};
    form->findChild<QPushButton*>("doit")->click();
    EXPECT_EQ(status(), "Error processing Record: 0, Field: 0. The file does not exist.");
    EXPECT_EQ(s->qsocount, 1);
    dialogs.files = {std::nullopt};
    form->customimport_doit_Click();
    EXPECT_EQ(status(), "Error processing Record: 0, Field: 0. The file does not exist.");
}

TEST_F(ImportForm, TheMenuItemShowsTheFormModallyUnderTheGuard) {
    begin(0);
    bool guarded = false;
    QString shown;
    whenmodal([&](QWidget* w) {
        guarded = window->modalformopen;
        shown = w->objectName();
        w->findChild<QPushButton*>("goback")->click();
    });
    trigger("gomyimport");
    EXPECT_TRUE(guarded);
    EXPECT_EQ(shown, "customimport");
    EXPECT_FALSE(window->modalformopen);

    // The form the item opens imports into the log, says so on the main status line and
    // shows the imported QSOs in the grid.
    folder.write("calls.csv", "W1AW,20240101\r\nK2ABC,20240102\r\n");
    dialogs.files = {folder.path() + "calls.csv"};
    whenmodal([](QWidget* w) {
        w->findChild<QLineEdit*>("numfields")->setText("2");
        w->findChild<QComboBox*>("myfield0")->setCurrentText("Call");
        w->findChild<QComboBox*>("myfield1")->setCurrentText("Date");
        w->findChild<QPushButton*>("doit")->click();
    });
    trigger("gomyimport");
    EXPECT_EQ(s->qsocount, 2);
    EXPECT_EQ(statuses.last(), "2 records imported from CSV file.");
    EXPECT_EQ(gridcall(2), "K2ABC");
}

TEST_F(ImportForm, EachCabrilloItemImportsItsContestKind) {
    begin(1);
    const std::string iaru = testdata("cabrillo/iaru.log");
    dialogs.files = {iaru};
    trigger("gocabrillo2");
    EXPECT_EQ(statuses.first(),
              "Importing Cabrillo file iaru.log. This may take a while, please be patient.");
    EXPECT_EQ(statuses.last(), "1 records imported from Cabrillo file.");
    EXPECT_EQ(gridcall(2), "EI0HQ");
    // Too short for the Sprint columns, the IARU line is read field by field.
    dialogs.files = {iaru};
    trigger("gocabrillo4");
    EXPECT_EQ(s->qsocount, 3);
    EXPECT_EQ(s->qsos[3].comments.trimmedright(), "Info Rcvd: EI0HQ 599 IRTS");
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(window->findChild<QAction*>("gocabrillo" + QString::number(i))->isEnabled());
}
