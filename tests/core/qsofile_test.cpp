#include "core/qsofile.h"
#include "platform/fileio.h"
#include "support/logfixture.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct QsoFile : ::testing::Test, LoadedLog {
    std::string file() const {
        return readwholefile(s->apppath + "qsodata.dat").value_or("<none>");
    }
    bool read() {
        dialogs.shown.clear();
        return readqsofile(*s, status, dialogs);
    }
    // Files of the folder whose names start with "qsodata-kept".
    QStringList kept() const {
        return QDir(QString::fromStdString(folder.path())).entryList({"qsodata-kept*"});
    }
    qsorecord massachusetts() const {
        qsorecord q = qso("K\xd8"
                          "ABC");
        q.qsls = 1;
        q.ituz = "8";
        q.cqz = "5";
        q.grid = "FN42";
        q.continent = 5;
        q.dxcc = static_cast<int16_t>(entity("United States of America"));
        q.comments = "hello";
        q.awards[0] = s->wasaward;
        q.entries[0] = 20;
        return q;
    }
};

const std::string expectedline =
    "\"20040825\",\"14:30\",\"20 Mtrs \",\"CW  \",\"Terrestrial\",100,\"599\",\"579\",\"YES\","
    "\"NO\",\"          \",\"K\xd8"
    "ABC       \",\"8 \",\"5 \",\"FN42  \",\"NA\",\"United States "
    "of America\",\"hello\",\"M\",\"Home\",\"Worked All States\",\"None\",\"None\",\"None\","
    "\"None\",\"MA Massachusetts\",\"0\",\"0\",\"0\",\"0\",\"          \"\r\n";

} // namespace

TEST_F(QsoFile, WritesTheThirtyOneItemLineByteForByte) {
    append(massachusetts());
    EXPECT_EQ(writeqsofile(*s, status, dialogs), writeresult::written);
    EXPECT_EQ(file(), expectedline);
    EXPECT_EQ(std::count(expectedline.begin(), expectedline.end(), '"'), 60);
    EXPECT_EQ(status.texts.front(), "Writing 1 QSOs to qsodata.dat.");
    EXPECT_EQ(status.last(), "1 records written to qsodata.dat");
}

TEST_F(QsoFile, WhatIsWrittenReadsBackFieldForField) {
    qsorecord a = massachusetts();
    a.comments = "   leading blanks";
    a.qsls = -1;
    a.gender = 7;
    a.qth = 2;
    a.power = 2.5f;
    a.wab = "SU12";
    a.awards[1] = s->tentenaward;
    a.entries[1] = 123456;
    a.awards[4] = s->iotaeuropeaward;
    a.entries[4] = 4;
    append(a);
    qsorecord gone = qso("W1DEL");
    gone.deleted = "D";
    append(gone);
    append(qso("G4XYZ", "20240101"));
    ASSERT_EQ(writeqsofile(*s, status, dialogs), writeresult::written);
    EXPECT_EQ(status.last(), "3 records written to qsodata.dat"); // the deleted one counted

    auto before = s->qsos;
    s->qsocount = 0;
    ASSERT_TRUE(read());
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(s->qsocount, 2);
    EXPECT_EQ(status.last(), "2 records read from qsodata.dat.");
    const qsorecord& b = s->qsos[1];
    EXPECT_EQ(b.comments.trimmedright(), "leading blanks");
    EXPECT_EQ(b.qsls, 1);
    EXPECT_EQ(b.gender, 1);
    EXPECT_EQ(b.qth, 2);
    EXPECT_EQ(b.power, 2.5f);
    EXPECT_EQ(b.call, a.call);
    EXPECT_EQ(b.dxcc, a.dxcc);
    EXPECT_EQ(b.continent, 5);
    EXPECT_EQ(b.wab, a.wab);
    EXPECT_EQ(b.awards, a.awards);
    EXPECT_EQ(b.entries, a.entries);
    EXPECT_EQ(s->qsos[2].call, before[3].call);
    EXPECT_EQ(s->qsos[2].date, "20240101");
}

TEST_F(QsoFile, ReadsTheOlderLayoutsAndCopiesTheFileToTheBackup) {
    const std::string head =
        "\"20040825\",\"14:30\",\"20 Mtrs \",\"CW  \",\"Terrestrial\",100,\"599\",\"579\","
        "\"NO\",\"NO\",\"\",\"W1AW\",\"8\",\"5\",\"\",\"NA\",\"United States of America\","
        "\"\",\"M\",\"Mobile\",";
    const std::string line29 = head + "\"Worked All States\",\"None\",\"None\",\"Ten-Ten #\","
                                      "\"AZ Arizona\",\"0\",\"0\",\"77\",\"SU12\"\r\n";
    const std::string line28 =
        head + "\"None\",\"None\",\"None\",\"None\",\"0\",\"0\",\"0\",\"0\"\r\n";
    folder.write("qsodata.dat", line29 + line29);
    ASSERT_TRUE(read());
    EXPECT_EQ(s->qsocount, 2);
    EXPECT_EQ(s->qsos[1].awards[0], s->wasaward);
    EXPECT_EQ(s->qsos[1].entries[0], 2);
    EXPECT_EQ(s->qsos[1].awards[3], s->tentenaward);
    EXPECT_EQ(s->qsos[1].entries[3], 77);
    EXPECT_EQ(s->qsos[1].awards[4], 0);
    EXPECT_EQ(s->qsos[1].wab.trimmedright(), "SU12");
    EXPECT_EQ(s->qsos[1].qth, 1);
    EXPECT_EQ(readwholefile(s->apppath + "qsodata.bak"), line29 + line29);

    folder.write("qsodata.dat", line28);
    ASSERT_TRUE(read());
    EXPECT_EQ(s->qsocount, 1);
    EXPECT_EQ(s->qsos[1].wab, "          ");
    EXPECT_EQ(readwholefile(s->apppath + "qsodata.bak"), line28);
}

TEST_F(QsoFile, AwardSlotsAreMatchedByNameAndEntry) {
    std::string line = expectedline;
    auto with = [&](const std::string& award, const std::string& entry) {
        std::string l = expectedline;
        l.replace(l.find("\"Worked All States\""), 19, "\"" + award + "\"");
        l.replace(l.find("\"MA Massachusetts\""), 18, "\"" + entry + "\"");
        return l;
    };
    folder.write("qsodata.dat", with("Worked All States", "LS Louisiana") +
                                    with("US State Capitals", "LA Baton Rouge") +
                                    with("No Such Award", "MA Massachusetts") + with("None", "0") +
                                    with("Worked All States", "XX Nowhere") +
                                    with("Ten-Ten #", "") + with("Worked All States", "123"));
    ASSERT_TRUE(read());
    ASSERT_EQ(s->qsocount, 7);
    EXPECT_EQ(s->qsos[1].awards[0], s->wasaward);
    EXPECT_EQ(s->qsos[1].entries[0], 17);
    EXPECT_EQ(s->qsos[2].awards[0], s->statecapitalsaward);
    EXPECT_EQ(s->qsos[2].entries[0], 17);
    for (int i = 3; i <= 5; ++i) {
        EXPECT_EQ(s->qsos[static_cast<std::size_t>(i)].awards[0], 0) << i;
        EXPECT_EQ(s->qsos[static_cast<std::size_t>(i)].entries[0], 0) << i;
    }
    EXPECT_EQ(s->qsos[6].awards[0], s->tentenaward); // an empty entry is the number 0
    EXPECT_EQ(s->qsos[7].awards[0], 0);              // digits are looked for among numbers
}

TEST_F(QsoFile, NothingIsWrittenForAnEmptyLogAndAnAllDeletedLogWritesAnEmptyFile) {
    folder.write("qsodata.dat", "old contents");
    EXPECT_EQ(writeqsofile(*s, status, dialogs), writeresult::nothingtowrite);
    EXPECT_EQ(file(), "old contents");
    EXPECT_TRUE(status.texts.empty());

    qsorecord q = qso("W1AW");
    q.deleted = "D";
    append(q);
    ASSERT_EQ(writeqsofile(*s, status, dialogs), writeresult::written);
    EXPECT_EQ(file(), "");
    EXPECT_FALSE(read());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "QSO data file, qsodata.dat not found.\r\n"
                                     "This is normal when you first run the program.");
    EXPECT_EQ(s->qsocount, 0);
    EXPECT_EQ(status.last(), "No Records read from qsodata.dat.");
    EXPECT_TRUE(kept().empty()); // nothing to keep
}

TEST_F(QsoFile, AnUnreadableFileIsKeptAndTheMessageSaysWhereItFails) {
    const std::string good = expectedline;
    std::string badquotes = good;
    badquotes.erase(badquotes.find("\"hello\""), 1);
    std::string badpower = good;
    badpower.replace(badpower.find(",100,"), 5, ",abc,");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {good + good + badquotes, "line 3 holds 59 double quotes where 60 are expected"},
        {good + badpower, "line 2 the power \"abc\" is not a number"},
        {good + good.substr(0, 100), "line 2 holds"},
        {std::string("\x01\x02\xff") + "\r\n", "line 1 holds 0 double quotes"},
    };
    for (const auto& [contents, what] : cases) {
        QDir(QString::fromStdString(folder.path())).removeRecursively();
        QDir().mkpath(QString::fromStdString(folder.path()));
        folder.write("qsodata.dat", contents);
        s->qsocount = 5;
        EXPECT_FALSE(read());
        EXPECT_EQ(s->qsocount, 0);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_NE(dialogs.shown[0].text.find(what), std::string::npos) << dialogs.shown[0].text;
        ASSERT_EQ(kept().size(), 1) << what;
        EXPECT_NE(dialogs.shown[0].text.find(kept()[0].toStdString()), std::string::npos);
        EXPECT_EQ(readwholefile(s->apppath + kept()[0].toStdString()), contents);
        EXPECT_FALSE(fileexists(s->apppath + "qsodata.bak"));
    }
}

TEST_F(QsoFile, NoMoreThanAHundredThousandQsosAreReadAndTheFileIsKept) {
    std::string contents;
    contents.reserve(100001 * expectedline.size());
    for (int i = 0; i < 100001; ++i)
        contents += expectedline;
    folder.write("qsodata.dat", contents);
    ASSERT_TRUE(read());
    EXPECT_EQ(s->qsocount, 100000);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("1 more are not in the log"), std::string::npos);
    ASSERT_EQ(kept().size(), 1);
    EXPECT_EQ(readwholefile(s->apppath + kept()[0].toStdString())->size(), contents.size());
}

TEST_F(QsoFile, AFailedWriteIsReportedAndLeavesNoFile) {
    append(qso("W1AW"));
    s->apppath = folder.path() + "missing/";
    EXPECT_EQ(writeqsofile(*s, status, dialogs), writeresult::failed);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("could not be written"), std::string::npos);
    EXPECT_EQ(status.last(), "qsodata.dat was not written.");
}

TEST_F(QsoFile, IndexesOutsideTheirTablesAreWrittenAsEntryZero) {
    qsorecord q = massachusetts();
    q.band = 99;
    q.mode = -1;
    q.dxcc = 4000;
    q.continent = 12;
    q.qth = 9;
    q.entries[0] = 5000; // past the award's 50 entries
    q.awards[1] = 900;
    q.comments = "say \"hi\"";
    append(q);
    ASSERT_EQ(writeqsofile(*s, status, dialogs), writeresult::written);
    const std::string line = file();
    EXPECT_NE(line.find("\"None    \",\"None\",\"Terrestrial\""), std::string::npos) << line;
    EXPECT_NE(line.find("\"  \",\"None\",\"say 'hi'\",\"M\",\"Home\",\"None\",\"None\""),
              std::string::npos)
        << line;
    EXPECT_EQ(std::count(line.begin(), line.end(), '"'), 60);
}

TEST_F(QsoFile, TheParserTakesBytesAndLeavesTheLogAlone) {
    s->qsocount = 3;
    const std::string lf = expectedline.substr(0, expectedline.size() - 2) + "\n";
    std::vector<qsorecord> room(2);
    const qsofilecontents file =
        parseqsofile(*s, "\r\n" + expectedline + "  \t\r\n" + lf + expectedline + "\x1a", room);
    EXPECT_EQ(s->qsocount, 3);
    EXPECT_EQ(file.qsos, 2); // the room holds two; the third line is only counted
    EXPECT_EQ(file.qsolines, 3);
    EXPECT_EQ(file.problemline, 0);
    EXPECT_EQ(room[0].call, massachusetts().call);
    EXPECT_EQ(room[1].entries[0], 20);

    std::string badslot = expectedline;
    badslot.replace(badslot.find("\"0\",\"0\",\"0\",\"0\""), 3, "\"99999999999\"");
    const qsofilecontents bad =
        parseqsofile(*s, "\r\n" + expectedline + badslot + expectedline, room);
    EXPECT_EQ(bad.problemline, 3); // the blank first line counts
    EXPECT_EQ(bad.problem, "the award number \"99999999999\" is too large");
    EXPECT_EQ(bad.qsolines, 3);
}

TEST_F(QsoFile, ACommentWithATabAtItsEndsReadsBackAsItWasWritten) {
    qsorecord q = massachusetts();
    q.comments = "\t note\t";
    append(q);
    const std::string line = qsodataline(*s, q);
    EXPECT_NE(line.find(",\"note\","), std::string::npos) << line;
    std::vector<qsorecord> room(1);
    ASSERT_EQ(parseqsofile(*s, line, room).qsos, 1);
    EXPECT_EQ(qsodataline(*s, room[0]), line);
}
