#include "callbook/lookup.h"
#include "callbook/qrzcd.h"
#include "callbook/qrzonline.h"
#include "callbook/setupfiles.h"
#include "support/localserver.h"
#include "support/logfixture.h"
#include "support/scriptedhamcallcd.h"
#include "support/scriptedqrzcd.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

using Lines = std::vector<std::string>;

const std::string session = "<Session><Key>f00d</Key><Count>7</Count>"
                            "<GMTime>Sun Aug 25 14:30:00 2024</GMTime></Session>";

std::string reply(const std::string& callsign) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<QRZDatabase version=\"1.34\">\n"
           "<Callsign>\n" +
           callsign + "</Callsign>\n" + session + "\n</QRZDatabase>\n";
}

const std::string w1aw = "<call>W1AW</call><fname>Hiram P</fname><name>Maxim</name>"
                         "<addr1>225 Main St</addr1><addr2>Newington</addr2><state>CT</state>"
                         "<zip>06111</zip><country>USA</country><lat>41.7</lat>"
                         "<lon>-72.7</lon><grid>FN31pr</grid><county>Hartford</county>"
                         "<latd>41.71</latd><lond>-72.73</lond><email>w1aw@arrl.example</email>"
                         "<url>http://w1aw.example</url><bio>1234</bio>";

// Default awards and QRZ online at a local server, logged in.
struct Qrz : ::testing::Test, LoadedLog {
    LocalServer server;
    LocalInternet internet;
    ScriptedQrzCd qrzcd;
    ScriptedHamCallCd hamcallcd;
    callbookservices services{dialogs, internet, qrzcd, hamcallcd};

    Qrz() {
        internet.pointat(server);
        s->callbooksource = 4;
        s->qrzkey = "f00d";
        s->qrzkeyvalid = true;
    }
    callbooklookup look(const std::string& call) {
        s->usecountryposition = true;
        return lookupcall(*s, services, call);
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const shownbox& box : dialogs.shown) {
            EXPECT_EQ(box.title, "Tessalog ");
            texts.push_back(box.text);
        }
        return texts;
    }
};

const char* timedout = "QRZ Internet access timed out.\r\nYou may not be connected to the "
                       "internet\r\nor the QRZ Server is busy.";

} // namespace

TEST_F(Qrz, TheLoginsKeyGoesIntoEveryLookup) {
    server.answer("<QRZDatabase><Session><Key>2331uf894c4bd29f3923f3bacf02c532d7bd9</Key>"
                  "</Session></QRZDatabase>");
    EXPECT_TRUE(qrzlogin(*s, internet, "me", "p&ss;w#rd"));
    EXPECT_TRUE(s->qrzkeyvalid);
    EXPECT_EQ(s->qrzkey, "2331uf894c4bd29f3923f3bacf02c532d7bd9");
    server.answer(reply(w1aw));
    look(" w1aw ");
    ASSERT_EQ(server.requests.size(), 2u);
    EXPECT_EQ(server.requests[0].path, "/bin/xml");
    EXPECT_EQ(server.requests[0].query, "username=me;password=p%26ss%3Bw%23rd");
    EXPECT_EQ(server.requests[1].path, "/bin/xml");
    EXPECT_EQ(server.requests[1].query, "s=2331uf894c4bd29f3923f3bacf02c532d7bd9;callsign=w1aw");
}

TEST_F(Qrz, WithoutAKeyTheLookupSaysSoAndSendsNothing) {
    server.answer("<QRZDatabase><Session><Error>Username/password incorrect</Error>"
                  "</Session></QRZDatabase>");
    EXPECT_TRUE(qrzlogin(*s, internet, "me", "wrong"));
    EXPECT_FALSE(s->qrzkeyvalid);
    EXPECT_EQ(s->qrzkey, "");
    const auto r = look("W1AW");
    EXPECT_EQ(r.lines, Lines{"Invalid QRZ username / password"});
    EXPECT_EQ(server.requests.size(), 1u);
    EXPECT_TRUE(dialogs.shown.empty());
    // A failed log-in leaves no key either.
    s->qrzkeyvalid = true;
    server.refuse();
    EXPECT_FALSE(qrzlogin(*s, internet, "me", "pw"));
    EXPECT_FALSE(s->qrzkeyvalid);
}

TEST_F(Qrz, ARecordGivesFourLinesTheMailAndWebLinesAndTheResult) {
    server.answer(reply(w1aw));
    const auto r = look("W1AW");
    EXPECT_EQ(r.lines, (Lines{"Hiram P Maxim, W1AW", "225 Main St", "Newington CT, 06111",
                              "Hartford 72.73W 41.71N FN31pr", "Email: w1aw@arrl.example",
                              "Web Page: http://w1aw.example"}));
    EXPECT_EQ(r.address.name, "Hiram P Maxim");
    EXPECT_EQ(r.address.street, "225 Main St");
    EXPECT_EQ(r.address.cityline, "Newington CT, 06111");
    EXPECT_EQ(r.address.state, "CT");
    EXPECT_EQ(r.address.country, "USA");
    EXPECT_EQ(r.address.county, "Hartford");
    EXPECT_EQ(r.gs, "FN31pr");
    EXPECT_EQ(s->gridsquare, "      "); // the locator goes to the box only
    EXPECT_FLOAT_EQ(s->dxlat, 41.71f);
    EXPECT_FLOAT_EQ(s->dxlon, -72.73f);
    EXPECT_FALSE(s->usecountryposition);
    EXPECT_TRUE(s->callbookusa && s->lookuphit && r.callbookfound);
    EXPECT_EQ(r.slot0, (awardchoice{s->wasaward, 6}));
    EXPECT_EQ(r.slot1, (awardchoice{static_cast<int16_t>(s->uscountiesaward + 6), 1}));
}

TEST_F(Qrz, WithoutAPositionTheFourthLineHoldsCountyAndLocator) {
    server.answer(reply("<call>VE3ABC</call><fname>Jean</fname><name>Tremblay</name>"
                        "<addr2>Toronto</addr2><state>ON</state><country>Canada</country>"
                        "<latd>43.65</latd><lond>0</lond><grid>FN03</grid>"));
    auto r = look("VE3ABC");
    EXPECT_EQ(r.lines, (Lines{"Jean Tremblay, VE3ABC", "", "Toronto ON, ", " FN03"}));
    EXPECT_TRUE(s->usecountryposition);
    EXPECT_FALSE(s->callbookusa);
    EXPECT_EQ(r.slot0, (awardchoice{s->provincesaward, 3}));

    // South and east, and a country that is not written "USA".
    server.answer(reply("<call>VK2AB</call><country>United States</country><county>C</county>"
                        "<latd>-33.5</latd><lond>151.25</lond>"));
    r = look("VK2AB");
    EXPECT_EQ(r.lines[3], "C 151.25E 33.5S ");
    EXPECT_FALSE(s->callbookusa);
    EXPECT_EQ(r.gs, "");
}

TEST_F(Qrz, ALocatorIsTakenWithoutBlanksAndOnlyWhenItIsOne) {
    const auto withgrid = [](const std::string& grid) {
        return reply("<call>W1AW</call><county>Hartford</county><grid>" + grid +
                     "</grid><latd>41.71</latd><lond>-72.73</lond>");
    };
    // A NUL or blanks around a locator: the locator, and no trailing blank in the line.
    for (const std::string& sent : {std::string("FN31pr\0", 7), std::string(" FN31pr "),
                                    std::string("FN31pr&#0;"), std::string("\tFN31pr\r\n")}) {
        server.answer(withgrid(sent));
        const auto r = look("W1AW");
        EXPECT_EQ(r.gs, "FN31pr") << sent;
        EXPECT_EQ(r.lines.at(3), "Hartford 72.73W 41.71N FN31pr") << sent;
    }
    // Anything else is a record without a locator.
    for (const std::string& sent : {std::string("FN\0"
                                                "32",
                                                5),
                                    std::string("FN31p"), std::string("ZZ99"),
                                    std::string("<b>FN31</b>"), std::string("unknown")}) {
        server.answer(withgrid(sent));
        const auto r = look("W1AW");
        EXPECT_EQ(r.gs, "") << sent;
        EXPECT_EQ(r.lines.at(3), "Hartford 72.73W 41.71N ") << sent;
        EXPECT_TRUE(r.callbookfound) << sent;
    }
}

TEST_F(Qrz, TextsAreDecodedIntoTheCodePage) {
    server.answer(reply("<call>DL1ABC</call><fname>J&#252;rgen &amp; Co</fname>"
                        "<name>M\xc3\xbcller &lt;&#x4E2D;&gt;</name><addr1>\xe4\xb8\xad"
                        "\tStra\xc3\x9f"
                        "e</addr1><addr2>&bogus; &#1114112; \xff</addr2>"));
    const auto r = look("DL1ABC");
    EXPECT_EQ(r.lines[0], "J\xfcrgen & Co M\xfcller <?>, DL1ABC");
    EXPECT_EQ(r.lines[1], "? Stra\xdf"
                          "e");
    EXPECT_EQ(r.lines[2], "&bogus; ? ? , ");
}

TEST_F(Qrz, RepliesCutShortOrOfJunkUseWhatWasRead) {
    struct answer {
        std::string reply;
        Lines lines;
    };
    const answer answers[] = {
        {"<QRZDatabase><Session><Error>Not found: W1XYZ</Error></Session></QRZDatabase>",
         {"Call not found on QRZ Online Server"}},
        {"", {"Call not found on QRZ Online Server"}},
        {"\x01\xff<callsign>", {"Call not found on QRZ Online Server"}},
        // Cut inside an element: what was read is used.
        {"<Callsign><call>W1AW</call><bio>" + std::string(60, 'b') + "</bio><fname>Hir",
         {"Hir , W1AW", "", " , ", " "}},
        {"<Callsign><call>W1AW</call><name", {" , W1AW", "", " , ", " "}},
        // Reading ends at the end of the element, at Key, Session or DST, and after url.
        {"<Callsign><call>A</call></Callsign><name>no</name>" + std::string(60, ' '),
         {" , A", "", " , ", " "}},
        {"<Callsign><call>B</call><Key>k</Key><name>no</name>" + std::string(60, ' '),
         {" , B", "", " , ", " "}},
        {"<Callsign><call>C</call><url>u</url><name>no</name>" + std::string(60, ' '),
         {" , C", "", " , ", " ", "Web Page: u"}},
        // An element that begins less than 50 bytes before the end is the last one read.
        {"<Callsign><call>D</call><bio>" + std::string(40, 'b') +
             "</bio><name>N</name><email>e</email>",
         {" N, D", "", " , ", " "}},
        {"<Callsign><call>D</call><name>N</name><email>e</email>", {" , D", "", " , ", " "}},
        // Nested and stray tags are passed over.
        {"<Callsign><x><call>E</call></x></y><name>M</name></Callsign>" + std::string(60, ' '),
         {" M, E", "", " , ", " "}},
    };
    for (const answer& a : answers) {
        server.answer(a.reply);
        EXPECT_EQ(look("W1AW").lines, a.lines) << a.reply;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Qrz, AFailedRequestSaysSoAndFindsNothing) {
    server.answer(reply(w1aw), 500);
    auto r = look("W1AW");
    EXPECT_TRUE(r.lines.empty());
    EXPECT_FALSE(r.callbookfound || s->lookuphit);
    server.refuse();
    r = look("W1AW");
    EXPECT_EQ(messages(), (std::vector<std::string>{timedout, timedout}));
}

TEST_F(Qrz, WhileAStoredQsoIsEditedTheLocatorBoxKeepsItsSquare) {
    s->editingqso = true;
    server.answer(reply(w1aw));
    const auto r = look("W1AW");
    EXPECT_EQ(r.lines.size(), 6u);
    EXPECT_FALSE(r.gs || r.slot0);
}

TEST_F(Qrz, AtStartUpOnlyQrzOnlineLogsInAndOnlyWithItsFile) {
    server.answer("<Key>k1</Key>");
    s->callbooksource = 4;
    s->qrzkeyvalid = false;
    loadcallbooklogin(*s, internet);
    EXPECT_TRUE(server.requests.empty());
    EXPECT_FALSE(s->qrzkeyvalid);
    folder.write("qrz.ini", "\"me\",\"pw\"\r\n");
    loadcallbooklogin(*s, internet);
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].query, "username=me;password=pw");
    EXPECT_EQ(s->qrzkey, "k1");
    s->callbooksource = 5;
    loadcallbooklogin(*s, internet);
    EXPECT_EQ(server.requests.size(), 1u);
    // A failed log-in at start-up is silent.
    s->callbooksource = 4;
    server.refuse();
    loadcallbooklogin(*s, internet);
    EXPECT_FALSE(s->qrzkeyvalid);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(QrzReplies, TheKeyRunsToTheNextTagOrTheEnd) {
    EXPECT_EQ(*readqrzkey("<Key>abc</Key>"), "abc");
    EXPECT_EQ(*readqrzkey("x<Key>abc"), "abc");
    EXPECT_EQ(*readqrzkey("<Key><"), "");
    EXPECT_EQ(readqrzkey("<Key>" + std::string(500, 'k'))->size(), 200u);
    EXPECT_FALSE(readqrzkey("<key>abc</key>"));
}

namespace {

// QRZ CD records: quoted fields, separated by quote, comma, quote.
std::string cdrecord(const std::vector<std::string>& fields) {
    std::string r = "\"";
    for (const std::string& f : fields)
        r += f + "\",\"";
    return r;
}

const std::vector<std::string> w1awfields = {"W1AW", "Maxim", "x", "Hiram P",     "5",
                                             "6",    "7",     "8", "225 Main St", "Newington",
                                             "CT",   "06111", "13"};

struct QrzCd : Qrz {
    QrzCd() {
        s->callbooksource = 3;
        s->qrzcdready = true;
        qrzcd.drive = 68;
        qrzcd.searchanswer = 1;
        qrzcd.record = cdrecord(w1awfields);
    }
};

} // namespace

TEST_F(QrzCd, AFullRecordGivesThreeLinesAndTheAddress) {
    const auto r = look(" W\xd8"
                        "AW ");
    ASSERT_EQ(qrzcd.searches.size(), 1u);
    const auto& asked = qrzcd.searches[0];
    EXPECT_EQ(asked.kind, 1);
    EXPECT_EQ(asked.call, "W0AW");
    EXPECT_EQ(asked.first, "");
    EXPECT_EQ(asked.second, "");
    EXPECT_EQ(asked.room, 256u);
    EXPECT_EQ(asked.fields, 5);
    EXPECT_EQ(r.lines, Lines{"Call not found on QRZ CD"}); // W1AW is another call than W0AW

    qrzcd.record = cdrecord({"W0AW", "Maxim", "x", "Hiram P", "5", "6", "7", "8", "225 Main St",
                             "Newington", "CT", "06111", "13"});
    const auto found = look("W0AW");
    EXPECT_EQ(found.lines, (Lines{"Hiram P Maxim", "225 Main St", "Newington CT 06111"}));
    EXPECT_EQ(found.address.name, "Hiram P Maxim");
    EXPECT_EQ(found.address.street, "225 Main St");
    EXPECT_EQ(found.address.cityline, "Newington CT 06111");
    EXPECT_TRUE(found.callbookfound);
    // The CD gives no country and no position.
    EXPECT_FALSE(s->callbookusa);
    EXPECT_TRUE(s->usecountryposition);
    EXPECT_FALSE(found.gs || found.slot0);
}

TEST_F(QrzCd, AnotherCallOrNoRecordIsNotFound) {
    for (const char* call : {"W1XYZ", "w1aw"}) { // the typed call is not upper-cased
        const auto r = look(call);
        EXPECT_EQ(r.lines, Lines{"Call not found on QRZ CD"}) << call;
        EXPECT_FALSE(r.callbookfound) << call;
    }
    qrzcd.searchanswer = 0;
    EXPECT_EQ(look("W1AW").lines, Lines{"Call not found on QRZ CD"});
    // A record whose call field never ends cannot be the call's.
    qrzcd.searchanswer = 1;
    qrzcd.record = "\"W1AW";
    EXPECT_EQ(look("W1AW").lines, Lines{"Call not found on QRZ CD"});
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(QrzCd, ARecordOfFewerFieldsEndsAtTheEndOfItsBuffer) {
    qrzcd.record = cdrecord({"W1AW", "Maxim", "x", "Hiram"}) + std::string(400, 'z');
    const auto r = look("W1AW");
    EXPECT_EQ(r.lines, Lines{"Hiram Maxim"});
    EXPECT_TRUE(r.callbookfound);
    EXPECT_EQ(readqrzcdrecord(std::string(300, '"')).size(), 0u);
    EXPECT_EQ(readqrzcdrecord("\"a\",\"b\x01\",\"c").size(), 2u);
    EXPECT_EQ(readqrzcdrecord("\"a\",\"b\x01\",\"c")[1], "b ");
}

TEST_F(QrzCd, TheCdInUseMissingOrItsLibraryAbsentIsToldAndFindsNothing) {
    qrzcd.drive = -1;
    EXPECT_TRUE(look("W1AW").lines.empty());
    qrzcd.drive = 0;
    EXPECT_TRUE(look("W1AW").lines.empty());
    qrzcd.drive = std::nullopt;
    look("W1AW");
    look("W1AW");
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"QRZ CD is in use by another application.",
                                        "QRZ Databases not found.", "QRZ Databases not found."}));
    // Without the check's drive the CD is not asked.
    s->qrzcdready = false;
    qrzcd.drive = 68;
    const int inits = qrzcd.inits;
    EXPECT_TRUE(look("W1AW").lines.empty());
    EXPECT_EQ(qrzcd.inits, inits);
}
