#include "callbook/eqslupload.h"
#include "core/state.h"
#include "core/tables.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;

TEST(EqslRequest, TagsAreEscapedAndValuesPercentEncoded) {
    auto s = std::make_unique<AppState>();
    loadtables(*s);
    s->qsocount = 1;
    qsorecord& q = s->qsos[1];
    q.date = "20040825";
    q.time = "09:05";
    q.band = 8;
    q.mode = 2;
    q.rsts = "59";
    q.rstr = "579";
    q.call = "  G4XYZ/P";
    q.comments = "  Caf\xe9 5/9  ";
    s->eqsluser = "me";
    s->eqslpassword = "a&b c";
    EXPECT_EQ(eqslrequest(*s, 1), "/qslcard/importADIF.cfm?ADIFData=Test%20upload"
                                  "%3CEQSL%5FUSER%3A2%3Eme"
                                  "%3CEQSL%5FPSWD%3A5%3Ea%26b%20c"
                                  "%3CEOH%3E"
                                  "%3CBAND%3A3%3E20m"
                                  "%3CCALL%3A7%3EG4XYZ%2FP"
                                  "%3CMODE%3A3%3ESSB"
                                  "%3CQSO%5FDATE%3A8%3E20040825"
                                  "%3CTIME%5FON%3A4%3E0905"
                                  "%3CRST%5FSENT%3A3%3E59%20"
                                  "%3CRST%5FRCVD%3A3%3E579"
                                  "%3CQSLMSG%3A8%3ECaf%20%205%209"
                                  "%3CEOR%3E");
}

TEST(EqslReply, TheResultLineOrElseTheLastErrorOrElseTheLastWarning) {
    const EqslAnswer added = readeqslreply("Result: 1 out of 1 records added<BR>\r\n"
                                           "Error: not this one <BR>\r\n");
    EXPECT_TRUE(added.added);
    EXPECT_FALSE(added.message);
    EXPECT_FALSE(readeqslreply("result: 1 out of 1").added); // exact case only

    EXPECT_EQ(readeqslreply("Error: first <BR>\r\nError: No match on eQSL_User <BR>\r\n"
                            "Warning: Bad date <BR>\n")
                  .message,
              "Error: No match on eQSL_User");
    EXPECT_EQ(readeqslreply("x\nWarning: one <BR>\nWarning: two <BR>\rmore").message,
              "Warning: two");
    EXPECT_FALSE(readeqslreply("").message);
    EXPECT_FALSE(readeqslreply("<html><body>503 Service Unavailable</body></html>").message);
    // A reply of any length is searched whole, and the last stretch may run to its end.
    EXPECT_EQ(readeqslreply(std::string(2'000'000, 'x') + "Error: late <BR>").message,
              "Error: late");
}

TEST(EqslReply, TheTextShownIsCutTo200CharactersWithControlCharactersAsBlanks) {
    // 195 characters after the marker and five to drop: exactly 200 are kept.
    const std::string fits = "Error:" + std::string(194, 'a');
    EXPECT_EQ(readeqslreply(fits + " <BR>").message, fits);
    EXPECT_EQ(readeqslreply(fits + "bcdefg <BR>").message, fits);
    EXPECT_EQ(readeqslreply("Warning:\ta\x01z\x7f\x81\x8d\x8f\x90\x9d\x80\xe9 <BR>\n").message,
              "Warning: a z      \x80\xe9");
    // A stretch shorter than its five characters' cut leaves part of the marker.
    EXPECT_EQ(readeqslreply("Error:\r\n").message, "E");
}
