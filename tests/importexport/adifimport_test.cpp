#include "core/qsofile.h"
#include "importexport/adifimport.h"
#include "importexport/importframe.h"
#include "platform/fileio.h"
#include "support/logfixture.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct AdifImport : ::testing::Test, LoadedLog {
    importresult import(const std::string& contents) {
        folder.write("in.adi", contents);
        s->chosenfile = folder.path() + "in.adi";
        dialogs.shown.clear();
        return importadif(*s, status, dialogs);
    }
    importresult importsample(const std::string& name) {
        s->chosenfile = std::string(TESSALOG_TESTDATA_DIR) + "/adif/" + name;
        return importadif(*s, status, dialogs);
    }
    std::string adiflog() const { return readwholefile(s->apppath + "adif.log").value_or(""); }
};

// A QSO of the tags, on a day of its own when they name none: a QSO without a date is not
// stored.
std::string adifqso(const std::string& tags) {
    const bool dated = tags.find("QSO_DATE") != std::string::npos;
    return tags + (dated ? "" : "<QSO_DATE:8>20240101") + "<EOR>\r\n";
}
const std::string head = "made by hand\r\n<EOH>\r\n";

} // namespace

TEST_F(AdifImport, SampleFilesOfOtherProgramsImportWhole) {
    const std::pair<const char*, int> samples[] = {
        {"skcc-logger.adi", 15}, {"lotwreport.adi", 438}, {"Log4OM.adi", 122}};
    int32_t total = 0;
    for (const auto& [name, count] : samples) {
        const importresult r = importsample(name);
        EXPECT_TRUE(r.ok) << name;
        EXPECT_EQ(r.imported, count) << name;
        EXPECT_EQ(r.malformed, 0) << name;
        total += count;
        EXPECT_EQ(s->qsocount, total);
        EXPECT_EQ(status.last(), std::to_string(count) + " records imported from ADIF file.");
        const std::string log = adiflog();
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), count + 2) << name;
    }
    EXPECT_TRUE(dialogs.shown.empty());
    // The first QSO of the first file, tag by tag.
    const qsorecord& q = s->qsos[1];
    EXPECT_EQ(q.call.trimmedright(), "N2KPJ");
    EXPECT_EQ(q.date, "20220109");
    EXPECT_EQ(q.time, "20:03"); // TIME_ON, though TIME_OFF comes first in this file
    EXPECT_EQ(q.band, 8);
    EXPECT_EQ(q.mode, 1);
    EXPECT_EQ(q.rstr, "599");
    EXPECT_EQ(q.awards[0], s->wasaward);
    EXPECT_EQ(q.entries[0], 31); // NY
    EXPECT_EQ(q.dxcc, entity("United States of America"));
    EXPECT_EQ(adiflog().substr(0, 57),
              "\"General ADIF import\"\r\n\"Date     Time  Call       DXCC\"\r\n");
}

TEST_F(AdifImport, TagsLandInTheirFields) {
    const importresult r = import(
        head + adifqso("<call:6>k1abc <qso_date:8:D>20240825<TIME_ON:6>143059<FREQ:6>14.025"
                       "<MODE:3>USB<RST_SENT:5>5 9 9<RST_RCVD:2>57<QSL_RCVD:1>y<QSL_SENT:1>B"
                       "<GRIDSQUARE:6>FN42ab<CQZ:2>05<ITUZ:2>08<STATE:2>MA<CNTY:12>MA,Middlesex"
                       "<COMMENT:12>say \"hi\" now<NAME:3>Bob<TX_PWR:3>5.5<QTH:6>Mobile"
                       "<IOTA:6>EU-005<TEN_TEN:5>12345<MYTAG:4>skip"));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.imported, 1);
    const qsorecord& q = s->qsos[1];
    EXPECT_EQ(q.call.trimmedright(), "K1ABC");
    EXPECT_EQ(q.time, "14:30");
    EXPECT_EQ(q.band, 8);
    EXPECT_EQ(q.mode, 2);
    EXPECT_EQ(q.rsts, "599");
    EXPECT_EQ(q.qslr, 1);
    EXPECT_EQ(q.qsls, 1);
    EXPECT_EQ(q.grid, "FN42ab");
    EXPECT_EQ(q.cqz, "05");
    EXPECT_EQ(q.qth, 1);
    EXPECT_EQ(q.power, 5.5f);
    EXPECT_EQ(q.comments.trimmedright(), "MA,Middlesex say hi now Bob");
    EXPECT_EQ(q.awards[0], s->wasaward);
    EXPECT_EQ(q.awards[1], s->uscountiesaward + 20);
    EXPECT_EQ(s->awardentries[static_cast<std::size_t>(
                  s->awardtable[static_cast<std::size_t>(q.awards[1])].first + q.entries[1])],
              "Middlesex");
    EXPECT_EQ(q.awards[2], s->iotaeuropeaward);
    EXPECT_EQ(q.awards[3], s->tentenaward);
    EXPECT_EQ(q.entries[3], 12345);
}

TEST_F(AdifImport, AFileWithoutHeaderEndChangesNothing) {
    s->qsocount = 3;
    const importresult r = import("<CALL:4>W1AW<EOR>");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(s->qsocount, 3);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text.substr(0, 11), "ADIF file, ");
    EXPECT_NE(dialogs.shown[0].text.find("<EOH>"), std::string::npos);
    EXPECT_EQ(status.last(), "No records imported from " + s->chosenfile);
    s->chosenfile = folder.path() + "nothere.adi";
    EXPECT_FALSE(importadif(*s, status, dialogs).ok);
}

TEST_F(AdifImport, AnImportLogThatCannotBeWrittenIsToldInTheResult) {
    // A folder in the log's place: the import goes on, and its result says the log is missing.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(s->apppath + "adif.log")));
    const importresult r = import(head + adifqso("<CALL:4>W1AW<QSO_DATE:8>20240101<MODE:2>CW"));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(s->qsocount, 1);
    EXPECT_EQ(status.last().rfind("1 records imported from ADIF file. The import log adif.log was "
                                  "not written: ",
                                  0),
              0u)
        << status.last();
}

TEST_F(AdifImport, AnUnfinishedLastQsoAndBadTagsAreLeftOutAndCounted) {
    const importresult r = import(head + adifqso("<CALL:4>W1AW") + "<BROKEN>" +
                                  adifqso("<CALL:4>W2AW") + "<CALL:4>W3AW<BAND:3>20m");
    EXPECT_EQ(r.imported, 2);
    EXPECT_TRUE(r.unfinished);
    EXPECT_EQ(r.malformed, 1);
    EXPECT_EQ(s->qsocount, 2);
    EXPECT_EQ(status.last(), "2 records imported from ADIF file. The last QSO had no <EOR> and "
                             "was left out. 2 QSOs came in without a mode. 1 unreadable tags "
                             "were skipped.");
    // A file cut inside a value keeps the QSOs before it as well.
    EXPECT_EQ(import(head + adifqso("<CALL:4>W4AW") + "<CALL:9>W5").imported, 1);
}

TEST_F(AdifImport, TextIsMadeSafeForTheLogFile) {
    s->qsos[1].comments = "left over from before";
    s->qsos[1].wab = "SU12";
    const importresult r =
        import("\xEF\xBB\xBF" + head +
               adifqso("<CALL:4>w1aw<NAME:7>M\xC3\xBCller<NOTES:6>\xE4\xB8\xAD ok"
                       "<QSL_VIA:6>a\r\nb\tc"));
    ASSERT_EQ(r.imported, 1);
    const qsorecord& q = s->qsos[1];
    EXPECT_EQ(q.comments.trimmedright(), "M\xFCller ? ok");
    EXPECT_EQ(q.qslvia.trimmedright(), "a  b c");
    EXPECT_EQ(q.wab, "          ");
    ASSERT_EQ(writeqsofile(*s, status, dialogs), writeresult::written);
    s->qsocount = 0;
    EXPECT_TRUE(readqsofile(*s, status, dialogs));
    EXPECT_EQ(s->qsocount, 1);
}

TEST_F(AdifImport, TheLogNeverGrowsPastItsCapacity) {
    s->qsocount = maxqsos - 1;
    const importresult r =
        import(head + adifqso("<CALL:4>W1AW") + adifqso("<CALL:4>W2AW") + adifqso("<CALL:4>W3AW"));
    EXPECT_EQ(r.imported, 1);
    EXPECT_EQ(r.leftout, 2);
    EXPECT_EQ(s->qsocount, maxqsos);
    EXPECT_EQ(s->qsos[maxqsos].call.trimmedright(), "W1AW");
    EXPECT_NE(status.last().find("2 QSOs were left out"), std::string::npos);
}

TEST_F(AdifImport, TheTimeIsTimeOnWhereverTimeOffStands) {
    const importresult r = import(head + adifqso("<CALL:4>W1AW<TIME_OFF:4>2006<TIME_ON:6>200306") +
                                  adifqso("<CALL:4>W2AW<TIME_ON:4>1010<TIME_OFF:4>1111") +
                                  adifqso("<CALL:4>W3AW<TIME_OFF:4>0930"));
    ASSERT_EQ(r.imported, 3);
    EXPECT_EQ(s->qsos[1].time, "20:03");
    EXPECT_EQ(s->qsos[2].time, "10:10");
    EXPECT_EQ(s->qsos[3].time, "09:30"); // no TIME_ON: the end time stands in
    EXPECT_NE(adiflog().find("\r\n\"20240101 20:03 W1AW         United States of America\"\r\n"),
              std::string::npos);
}

TEST_F(AdifImport, ACqZoneTagWinsWhereverItStands) {
    // W1AW is in the United States (DXCC 291, CQ zones 3, 4 and 5); DXCC 230 is Germany,
    // CQ zone 14.
    const importresult r =
        import(head + adifqso("<CALL:4>W1AW<CQZ:1>5<DXCC:3>291") +
               adifqso("<CALL:4>W1AW<DXCC:3>291<CQZ:1>5") + adifqso("<CQZ:1>5<CALL:4>W1AW") +
               adifqso("<CALL:4>DL1A<DXCC:3>291") + adifqso("<CALL:4>W1AW<DXCC:3>230"));
    ASSERT_EQ(r.imported, 5);
    EXPECT_EQ(s->qsos[1].cqz, "5 ");
    EXPECT_EQ(s->qsos[2].cqz, "5 ");
    EXPECT_EQ(s->qsos[3].cqz, "5 ");
    EXPECT_EQ(s->qsos[4].cqz, "??"); // an entity of several zones, as the call look-up says
    EXPECT_EQ(s->qsos[4].dxcc, entity("United States of America"));
    EXPECT_EQ(s->qsos[5].cqz, "14");
}

TEST_F(AdifImport, ModesOfTodaysProgramsAreKept) {
    const importresult r = import(
        head + adifqso("<CALL:4>W1AW<MODE:3>FT8") +
        adifqso("<CALL:4>W1AW<SUBMODE:3>FT4<MODE:4>MFSK") +
        adifqso("<CALL:4>W1AW<MODE:3>PSK<SUBMODE:5>PSK63") + adifqso("<CALL:4>W1AW<MODE:6>OLIVIA") +
        adifqso("<CALL:4>W1AW<MODE:3>SSB<SUBMODE:3>LSB") + adifqso("<CALL:4>W1AW<MODE:5>PSK31") +
        adifqso("<CALL:4>W1AW<MODE:7>UNHEARD"));
    ASSERT_EQ(r.imported, 7);
    const std::vector<std::string> names = {"MGM ", "MGM ", "PSK6", "MFSK", "SSB ", "PSK ", "None"};
    for (std::size_t k = 0; k < names.size(); ++k)
        EXPECT_EQ(s->modetable[static_cast<std::size_t>(s->qsos[k + 1].mode)].name, names[k]) << k;
    EXPECT_EQ(r.nomode, 1);
    EXPECT_EQ(status.last(), "7 records imported from ADIF file. 1 QSOs came in without a mode.");
}

TEST_F(AdifImport, AValueCutInsideAUtf8CharacterKeepsTheWholeOnes) {
    // "René" counted in characters: the length ends inside the é. Code-page values that end
    // in é or ß, with no continuation bytes after them, stay as they are.
    const importresult r = import(head + adifqso("<CALL:4>W1AW<NAME:4>Ren\xC3\xA9") +
                                  adifqso("<CALL:4>W1AW<NAME:5>Ren\xC3\xA9") +
                                  adifqso("<CALL:4>W1AW<NAME:4>Caf\xE9<NOTES:4>Gro\xDF"));
    ASSERT_EQ(r.imported, 3);
    EXPECT_EQ(s->qsos[1].comments.trimmedright(), "Ren?");
    EXPECT_EQ(s->qsos[2].comments.trimmedright(), "Ren\xE9");
    EXPECT_EQ(s->qsos[3].comments.trimmedright(), "Caf\xE9 Gro\xDF");
}

TEST_F(AdifImport, BandNamesOldAndNew) {
    const importresult r =
        import(head + adifqso("<CALL:4>W1AW<BAND:4>33cm") + adifqso("<CALL:4>W1AW<BAND:4>35CM") +
               adifqso("<CALL:4>W1AW<BAND:5>2190m") + adifqso("<CALL:4>W1AW<BAND:4>None"));
    ASSERT_EQ(r.imported, 4);
    EXPECT_EQ(s->qsos[1].band, 18);
    EXPECT_EQ(s->qsos[2].band, 18);
    EXPECT_EQ(s->qsos[3].band, 1);
    EXPECT_EQ(s->qsos[4].band, 0);
}

TEST_F(AdifImport, TheParserTakesBytesAndLeavesTheLogAlone) {
    s->qsocount = 7;
    const adifcontents two =
        parseadif(*s, head + adifqso("<CALL:4>W1AW<MODE:2>CW") + adifqso("<CALL:4>W2AW<MODE:2>CW"));
    EXPECT_TRUE(two.header);
    ASSERT_EQ(two.records.size(), 2u);
    EXPECT_EQ(two.records[0].call.trimmedright(), "W1AW");
    // Room for one: the frame keeps the first and counts the second as left out.
    importread read;
    read.records = two.records;
    const checkedread room = checkread(read, 1);
    EXPECT_EQ(room.kept, std::vector<std::size_t>{0});
    EXPECT_EQ(room.leftout, 1);
    EXPECT_EQ(s->qsocount, 7);
    EXPECT_FALSE(parseadif(*s, "<EOH><CALL:4>W1AW<EOR>").header); // <EOH> at the start
    // Tags written in other ways than the plain one read the same.
    const adifcontents odd =
        parseadif(*s, head + "junk\r\n<call:4>W1AW < BAND :3:S>20m<,MODE\r\n:2>CW<eor>");
    ASSERT_EQ(odd.records.size(), 1u);
    EXPECT_EQ(odd.records[0].band, 8);
    EXPECT_EQ(odd.records[0].mode, 1);
}

TEST_F(AdifImport, ABadDateABadTimeAndACallOfTwoWordsAreNamedNotStored) {
    const importresult r =
        import(head + adifqso("<CALL:3>K1A<TIME_ON:4>1200") +
               adifqso("<CALL:3>K2A<QSO_DATE:8>NOTADATE") + adifqso("<CALL:3>K3A<TIME_ON:4>9x70") +
               adifqso(std::string("<CALL:4>K4\0A", 12)) + adifqso("<CALL:3>K5A"));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.imported, 2);
    EXPECT_EQ(r.skipped, 3);
    EXPECT_EQ(s->qsos[2].call.trimmedright(), "K5A"); // no time in the file
    // Of the QSOs without a mode only those the log took are counted.
    EXPECT_EQ(status.last(),
              "2 records imported from ADIF file. 2 QSOs came in without a mode. 3 skipped: QSO 2 "
              "(K2A): the date \"NOTADATE\" is no day of the calendar; QSO 3 (K3A): the time "
              "\"9x:70\" is no time of day; QSO 4 (K4 A): the call \"K4 A\" is not one word.");
    EXPECT_NE(adiflog().find("\"Skipped QSO 2 (K2A): the date 'NOTADATE' is no day of the "
                             "calendar\"\r\n"),
              std::string::npos);
}
