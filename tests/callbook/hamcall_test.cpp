#include "callbook/hamcall.h"
#include "callbook/lookup.h"
#include "support/localserver.h"
#include "support/logfixture.h"
#include "support/scriptedhamcallcd.h"
#include "support/scriptedqrzcd.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

using Lines = std::vector<std::string>;

std::string tag(int field) {
    return std::string(1, static_cast<char>(field));
}

// A record as the HamCall service lays it out: the call, then tagged fields; the last byte
// belongs to no field.
std::string w1awrecord() {
    return "W1AW" + tag(182) + "C" + tag(184) + "Hiram" + tag(185) + "P" + tag(186) + "Maxim" +
           tag(188) + "225 Main St" + tag(191) + "Newington" + tag(192) + "ct" + tag(193) +
           "06111" + tag(198) + "Hartford" + tag(200) + "41.71" + tag(201) + "-72.73" + tag(202) +
           "FN31pr" + tag(207) + "w1aw@arrl.example" + tag(208) + "N1ABC" + tag(209) + "USA" +
           tag(210) + "http://w1aw.example" + "\n";
}

// The lines the record gives, written from the rules: the name's three parts, the street,
// the city line with its comma, and the county line with longitude before latitude.
const Lines w1awlines = {"Hiram P Maxim",
                         "225 Main St",
                         "Newington ct, 06111",
                         "Hartford 72.73W 41.71N FN31pr",
                         "Email: w1aw@arrl.example",
                         "Web Page: http://w1aw.example"};

// The default awards and the HamCall sources, online at a local server.
struct HamCall : ::testing::Test, LoadedLog {
    LocalServer server;
    LocalInternet internet;
    ScriptedQrzCd qrzcd;
    ScriptedHamCallCd hamcallcd;
    callbookservices services{dialogs, internet, qrzcd, hamcallcd};

    HamCall() {
        internet.pointat(server);
        s->callbooksource = 5;
        s->hamcalluser = "me";
        s->hamcallpassword = "p&ss;w#rd";
        s->callbookpath = "/media/cdrom/Ham0";
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

const char* failure = "Internet access timed out.\r\nYou may not be connected to the internet\r\n"
                      "or the HamCall Server is busy.";

} // namespace

TEST(HamCallRecord, FieldsRunFromTagToTagAndTheLastByteBelongsToNone) {
    const auto r = readhamcallrecord("K1XX" + tag(184) + "Ann" + tag(188) + "first" + tag(188) +
                                     "later" + tag(209) + "USA!");
    ASSERT_TRUE(r);
    EXPECT_EQ((*r)[181], "K1XX");
    EXPECT_EQ((*r)[184], "Ann");
    EXPECT_EQ((*r)[188], "later"); // given twice: the later text
    EXPECT_EQ((*r)[209], "USA");   // the last byte is no field's
    EXPECT_EQ((*r)[185], "");
    // A tag as the last byte starts no field; a record of one tag is a record.
    EXPECT_EQ((*readhamcallrecord("K1XX" + tag(184) + "Ann" + tag(188)))[184], "Ann");
    EXPECT_TRUE(readhamcallrecord(tag(255)));
    // Control characters show as blanks, and a field is cut to 200 characters.
    const auto junk = readhamcallrecord(tag(207) + "a\tb\x01" + std::string(500, 'x') + tag(181));
    ASSERT_TRUE(junk);
    EXPECT_EQ((*junk)[207], "a b " + std::string(196, 'x'));
    for (const std::string& bad :
         {std::string(), std::string("W1AW"), std::string("W1AW\n\x7f\xb4")})
        EXPECT_FALSE(readhamcallrecord(bad)) << bad;
}

TEST(HamCallRecord, AReplyOfAnyLengthIsRead) {
    const std::string longfield(40000, 'w');
    const auto r = readhamcallrecord("W1AW" + tag(207) + longfield + tag(210) + "web" + "\n");
    ASSERT_TRUE(r);
    EXPECT_EQ((*r)[207], longfield.substr(0, 200));
    EXPECT_EQ((*r)[210], "web");
}

TEST_F(HamCall, OnlineTheServerIsAskedForTheCleanedCallWithTheLogin) {
    server.answer(w1awrecord());
    look(" W1AW ");
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].path, "/call");
    EXPECT_EQ(server.requests[0].query, "username=me&password=p%26ss%3Bw%23rd&rawlookup=1"
                                        "&callsign=W1AW&program=Tessalog");
    look("K\xd8XYZ");
    EXPECT_EQ(server.requests[1].decodedquery(), "username=me&password=p&ss;w#rd&rawlookup=1"
                                                 "&callsign=K0XYZ&program=Tessalog");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(HamCall, ARecordGivesItsLinesTheResultTheBoxesAndTheAwardSlots) {
    server.answer(w1awrecord());
    const auto r = look("W1AW");
    EXPECT_EQ(r.lines, w1awlines);
    EXPECT_EQ(r.gs, "FN31pr");
    EXPECT_EQ(r.via, "N1ABC");
    EXPECT_EQ(s->gridsquare, "FN31pr");
    EXPECT_EQ(r.address.name, "Hiram P Maxim");
    EXPECT_EQ(r.address.street, "225 Main St");
    EXPECT_EQ(r.address.cityline, "Newington ct, 06111");
    EXPECT_EQ(r.address.state, "CT");
    EXPECT_EQ(r.address.country, "USA");
    EXPECT_EQ(r.address.county, "Hartford");
    EXPECT_FLOAT_EQ(s->dxlat, 41.71f);
    EXPECT_FLOAT_EQ(s->dxlon, -72.73f);
    EXPECT_FALSE(s->usecountryposition);
    EXPECT_TRUE(s->callbookusa && s->lookuphit && r.callbookfound);
    // Connecticut is state 6; its county award lists Fairfield, then Hartford.
    const auto counties = static_cast<int16_t>(s->uscountiesaward + 6);
    EXPECT_EQ(r.slot0, (awardchoice{s->wasaward, 6}));
    EXPECT_EQ(r.slot1, (awardchoice{counties, 1}));
}

TEST_F(HamCall, MissingFieldsClearTheLocatorAndKeepTheCountrysPosition) {
    // No locator, no e-mail or web page, a DX call, one coordinate 0.
    server.answer("G4ABC" + tag(184) + "Al" + tag(188) + "1 High St" + tag(191) + "Leeds" +
                  tag(200) + "53.8" + tag(201) + "0" + tag(209) + "England" + "\n");
    const auto r = look("G4ABC");
    EXPECT_EQ(r.lines, (Lines{"Al  ", "1 High St", "Leeds , ", " 0E 53.8N       "}));
    EXPECT_EQ(r.gs, "");
    EXPECT_EQ(r.via, "");
    EXPECT_EQ(s->gridsquare, "      ");
    EXPECT_TRUE(s->usecountryposition);
    EXPECT_FALSE(s->callbookusa);
    EXPECT_EQ(r.address.country, "England");
    EXPECT_FALSE(r.slot0);

    // South and west; no coordinates at all read as 0 east and north.
    server.answer("VK2AB" + tag(200) + "-33.5" + tag(201) + "151.25" + tag(202) + "QF56" + "\n");
    EXPECT_EQ(look("VK2AB").lines[3], " 151.25E 33.5S QF56  ");
    EXPECT_FALSE(s->usecountryposition);
    server.answer("VK2AB" + tag(184) + "Bo" + "\n");
    EXPECT_EQ(look("VK2AB").lines[3], " 0E 0N       ");
}

TEST_F(HamCall, WhileAStoredQsoIsEditedTheBoxesAndSlotsKeepTheirValues) {
    s->editingqso = true;
    server.answer(w1awrecord());
    const auto r = look("W1AW");
    EXPECT_EQ(r.lines, w1awlines);
    EXPECT_EQ(s->gridsquare, "FN31pr");
    EXPECT_FALSE(r.gs || r.via || r.slot0 || r.slot1);
}

TEST_F(HamCall, ErrorAndNotFoundRepliesAndFailuresFindNothing) {
    struct answer {
        std::string reply;
        int status;
        Lines lines;
        std::vector<std::string> messages;
    };
    const answer answers[] = {
        // The error reply is shown as it came, control characters as blanks.
        {"ERROR: bad password\r\nfor user me",
         200,
         {"Call not found in HamCall Database"},
         {"ERROR: bad password  for user me"}},
        {"ERROR" + std::string(300, 'e'),
         200,
         {"Call not found in HamCall Database"},
         {"ERROR" + std::string(195, 'e')}},
        {"NOT FOUND W1AW", 200, {"Call not found in HamCall Database"}, {}},
        // Other letter case is no answer of the service: a reply without a tag fails.
        {"Not found", 200, {}, {failure}},
        {"", 200, {}, {failure}},
        {w1awrecord(), 500, {}, {failure}},
    };
    for (const answer& a : answers) {
        dialogs.shown.clear();
        server.answer(a.reply, a.status);
        const auto r = look("W1AW");
        EXPECT_EQ(r.lines, a.lines) << a.reply;
        EXPECT_EQ(messages(), a.messages) << a.reply;
        EXPECT_FALSE(s->lookuphit || r.callbookfound) << a.reply;
        EXPECT_EQ(r.address.name, "") << a.reply;
    }
    dialogs.shown.clear();
    server.refuse();
    EXPECT_TRUE(look("W1AW").lines.empty());
    EXPECT_EQ(messages(), std::vector<std::string>{failure});
}

TEST_F(HamCall, AReplyThatBeginsWithNoCallIsAFailedRequestThatSetsNothing) {
    // A hotel's sign-in page: status 200, UTF-8 bytes of 181 and above in "—" and "©".
    const std::string signin = "<!DOCTYPE html><html><head><title>Guest Wi-Fi \xe2\x80\x94 "
                               "Sign in</title></head><body><p>\xc2\xa9 2026 Hotel</p></body>"
                               "</html>\n";
    const std::string rest = tag(184) + "Hiram" + tag(202) + "FN31pr" + tag(208) + "N1ABC\n";
    for (const std::string& reply :
         {signin, rest, "W1" + rest, "W1AWXYZ/QRP/M" + rest, "W1 AW" + rest, " W1AW" + rest,
          "W1AW\r\n" + rest, "<p>" + tag(181) + "W1AW" + rest, "W1-AW" + rest, "K\xd8XYZ" + rest}) {
        dialogs.shown.clear();
        server.answer(reply);
        const auto r = look("W1AW");
        EXPECT_EQ(messages(), std::vector<std::string>{failure}) << reply;
        EXPECT_TRUE(r.lines.empty()) << reply;
        EXPECT_FALSE(r.gs || r.via || r.slot0 || r.slot1) << reply;
        EXPECT_FALSE(r.callbookfound || s->lookuphit) << reply;
        EXPECT_EQ(r.address.name, "") << reply;
    }
    // A call of 3 and of 12 characters, with "/" and either case, begins a record.
    for (const std::string call : {"K1X", "w1aw", "VP2V/W1AW/QR", "3D2AB"}) {
        server.answer(call + rest);
        EXPECT_TRUE(look(call).callbookfound) << call;
    }
}

TEST_F(HamCall, AHeadOfFiftyMegabytesIsAFailedRequest) {
    server.answerlonghead(w1awrecord(), 50'000'000);
    const auto r = look("W1AW");
    EXPECT_EQ(messages(), std::vector<std::string>{failure});
    EXPECT_TRUE(r.lines.empty());
    EXPECT_FALSE(r.callbookfound || s->lookuphit);
    // The client stopped taking the head long before its end.
    EXPECT_LT(server.bodysent(), 5'000'000u);
}

TEST_F(HamCall, ALocatorThatIsNoLocatorCountsAsNone) {
    // "FN" NUL "32" would show as "FN 32": the record is read as one without a locator.
    server.answer("W1AW" + tag(184) + "Hiram" + tag(185) + "P" + tag(186) + "Maxim" + tag(202) +
                  std::string("FN\0"
                              "32",
                              5) +
                  tag(208) + "N1ABC" + "\n");
    auto r = look("W1AW");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(r.lines.at(0), "Hiram P Maxim");
    EXPECT_EQ(r.lines.at(3), " 0E 0N       ");
    EXPECT_EQ(r.gs, "");
    EXPECT_EQ(s->gridsquare, "      ");
    EXPECT_EQ(r.via, "N1ABC");
    EXPECT_TRUE(r.callbookfound && s->lookuphit);

    // A locator sent with blanks or a control character around it is kept without them.
    server.answer("W1AW" + tag(202) + std::string("\tFN31pr\0", 8) + tag(209) + "USA\n");
    r = look("W1AW");
    EXPECT_EQ(r.gs, "FN31pr");
    EXPECT_EQ(s->gridsquare, "FN31pr");
    // The CD's records are read by the same rule.
    s->callbooksource = 2;
    const std::string record = "W1AW" + tag(202) + "FN31pr4" + tag(209) + "USA\n";
    hamcallcd.answer = static_cast<int16_t>(record.size());
    hamcallcd.record = record;
    r = look("W1AW");
    EXPECT_TRUE(r.callbookfound);
    EXPECT_EQ(r.gs, "");
    EXPECT_EQ(s->gridsquare, "      ");
}

TEST_F(HamCall, TheCdIsAskedWithItsFolderTheCleanedCallAndTheRoomOfTheRecord) {
    s->callbooksource = 2;
    hamcallcd.answer = static_cast<int16_t>(w1awrecord().size());
    hamcallcd.record = w1awrecord();
    const auto r = look(" W\xd8"
                        "AW ");
    ASSERT_EQ(hamcallcd.lookups.size(), 1u);
    EXPECT_EQ(hamcallcd.lookups[0].path, "/media/cdrom/Ham0/");
    EXPECT_EQ(hamcallcd.lookups[0].call, "W0AW");
    EXPECT_EQ(hamcallcd.lookups[0].size, 1500);
    EXPECT_EQ(hamcallcd.lookups[0].room, 1501u);
    EXPECT_EQ(r.lines, w1awlines);
    EXPECT_EQ(r.gs, "FN31pr");
    EXPECT_EQ(r.via, "N1ABC");
    EXPECT_TRUE(r.callbookfound && s->lookuphit);
    EXPECT_TRUE(server.requests.empty());
}

TEST_F(HamCall, TheCdsAnswersOtherThanARecord) {
    s->callbooksource = 2;
    struct answer {
        int16_t n;
        std::string record;
        Lines lines;
    };
    const answer answers[] = {
        {-2, "", {"Call not found in HamCall Database"}},
        {0, "", {}},
        {-1, "", {}},
        // Longer than the room offered, or without a tag: not found, nothing read past it.
        {1600, w1awrecord(), {"Call not found in HamCall Database"}},
        {4, "W1AW", {"Call not found in HamCall Database"}},
    };
    for (const answer& a : answers) {
        hamcallcd.answer = a.n;
        hamcallcd.record = a.record;
        const auto r = look("W1AW");
        EXPECT_EQ(r.lines, a.lines) << a.n;
        EXPECT_FALSE(r.callbookfound || s->lookuphit) << a.n;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(HamCall, AnAbsentCdLibraryIsToldOnceAndFindsNothing) {
    s->callbooksource = 2;
    for (int i = 0; i < 2; ++i) {
        const auto r = look("W1AW");
        EXPECT_TRUE(r.lines.empty());
        EXPECT_FALSE(r.callbookfound);
    }
    EXPECT_EQ(messages(), std::vector<std::string>{"The CD Drive for your HamCall CD is not "
                                                   "available.\r\nYou probably need to put the "
                                                   "CD in the drive."});
}
