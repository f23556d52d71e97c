#include "platform/internet.h"
#include "platform/qtinternet.h"
#include "support/localserver.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;
using namespace std::chrono_literals;

namespace {

struct Internet : ::testing::Test {
    LocalServer server;
    QtInternet internet;
    Internet() { internet.settimeout(300ms); }
    UrlReply get(const std::string& pathandquery) {
        return internet.OpenURL(server.url() + pathandquery);
    }
};

} // namespace

TEST(QueryValue, KeepsOnlyLettersDigitsAndTheUnreservedMarks) {
    EXPECT_EQ(queryvalue("K0ABC-1.a_b~"), "K0ABC-1.a_b~");
    EXPECT_EQ(queryvalue("p&w;d #%+=\xd8/"), "p%26w%3Bd%20%23%25%2B%3D%D8%2F");
}

TEST_F(Internet, OneGetReturnsTheBodyReadAsUtf8IntoTheCodePage) {
    // e acute and the euro sign exist in the code page; the check mark does not.
    server.answer("caf\xc3\xa9 \xe2\x82\xac \xe2\x9c\x93 \xff");
    const UrlReply r = get("/call?username=a%26b&callsign=K0ABC");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.body, "caf\xe9 \x80 ? ?");
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].path, "/call");
    EXPECT_EQ(server.requests[0].decodedquery(), "username=a&b&callsign=K0ABC");
}

TEST_F(Internet, ErrorStatusSilenceAndAClosedPortAreFailures) {
    server.answer("<html>Error: not here</html>", 500);
    const UrlReply error = get("/x");
    EXPECT_EQ(error.failure, urlfailure::httpstatus);
    EXPECT_EQ(error.status, 500);
    EXPECT_EQ(error.body, "");
    server.answernothing();
    EXPECT_EQ(get("/x").failure, urlfailure::timedout);
    server.refuse();
    EXPECT_EQ(get("/x").failure, urlfailure::noconnection);
    EXPECT_EQ(server.requests.size(), 2u);
    EXPECT_EQ(QtInternet().timeout(), 30s);
}

TEST_F(Internet, UserInputWhileWaitingIsDropped) {
    QPushButton button("Save");
    button.show();
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
    auto click = [&] {
        postclick(&button);
        QCoreApplication::processEvents();
    };
    server.onrequest = [&](const LocalServer::Request&) { click(); };
    server.answer("ok");
    ASSERT_TRUE(get("/x").ok());
    EXPECT_EQ(clicks, 0);
    click(); // the same click once the wait is over
    EXPECT_EQ(clicks, 1);
}

TEST_F(Internet, AReplyIsTakenUpTo64KilobytesAndALongerOneIsAFailure) {
    internet.settimeout(20s); // a reply cut short ends well before this
    for (const bool announced : {true, false}) {
        server.answerlong("Error: ", maxreplybytes, announced);
        const UrlReply whole = get("/x");
        ASSERT_TRUE(whole.ok()) << announced;
        EXPECT_EQ(whole.body.size(), maxreplybytes);
        EXPECT_EQ(whole.body.substr(0, 9), "Error: xx");

        server.answerlong("Error: ", maxreplybytes + 1, announced);
        EXPECT_EQ(get("/x").failure, urlfailure::toolong) << announced;
    }
    // 50 MB of one line: the request fails without the client taking the reply in.
    const std::size_t before = server.bodysent();
    server.answerlong("Error: ", 50'000'000, false);
    const UrlReply huge = get("/x");
    EXPECT_EQ(huge.failure, urlfailure::toolong);
    EXPECT_TRUE(huge.body.empty());
    EXPECT_LT(server.bodysent() - before, 50'000'000u);
}

TEST_F(Internet, HostileAnswersAreFailures) {
    server.answerendlessly();
    EXPECT_EQ(get("/x").failure, urlfailure::timedout);

    // A redirection is never followed: the log-ins in the query stay here.
    LocalServer elsewhere;
    elsewhere.answer("Result: 1 out of 1");
    server.redirect(elsewhere.url() + "/qslcard/importADIF.cfm?password=secret");
    const UrlReply moved = get("/x?password=secret");
    EXPECT_EQ(moved.failure, urlfailure::httpstatus);
    EXPECT_EQ(moved.status, 302);
    EXPECT_TRUE(elsewhere.requests.empty());
    EXPECT_EQ(server.requests.size(), 2u);

    server.reset();
    EXPECT_EQ(get("/x").failure, urlfailure::noconnection);
}
