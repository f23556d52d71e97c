#include "platform/internet.h"
#include "platform/qtinternet.h"
#include "support/localserver.h"

#include <QFile>
#include <QPushButton>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>

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

    // A connection reset before the answer ends the request: it is not sent again.
    server.reset();
    EXPECT_EQ(get("/x").failure, urlfailure::noconnection);
    EXPECT_EQ(server.requests.size(), 3u);
}

TEST_F(Internet, AHeadBeyond64KilobytesIsAFailureAsALongBodyIs) {
    internet.settimeout(20s); // a head cut short ends well before this
    server.answerlonghead("Result: 1 out of 1", 60'000);
    const UrlReply whole = get("/x");
    ASSERT_TRUE(whole.ok());
    EXPECT_EQ(whole.body, "Result: 1 out of 1");

    // 50 MB of one header line: the request fails without the client taking the head in.
    for (const std::size_t size : {std::size_t{70'000}, std::size_t{50'000'000}}) {
        const std::size_t before = server.bodysent();
        server.answerlonghead("Result: 1 out of 1", size);
        const UrlReply huge = get("/x");
        EXPECT_EQ(huge.failure, urlfailure::toolong) << size;
        EXPECT_TRUE(huge.body.empty()) << size;
        EXPECT_LT(server.bodysent() - before, 5'000'000u) << size;
    }
}

TEST_F(Internet, AnHttpsRequestIsNeverSentInClearText) {
    // The server waits for a request in clear text; the client waits for its TLS handshake.
    server.answer("ok");
    const std::string url = "https" + server.url().substr(4) + "/x?password=secret";
    const UrlReply r = internet.OpenURL(url);
    EXPECT_EQ(r.failure, urlfailure::timedout);
    EXPECT_TRUE(r.body.empty());
    // Nothing but http and https is asked for.
    EXPECT_EQ(internet.OpenURL("ftp" + server.url().substr(4) + "/x").failure,
              urlfailure::noconnection);
    EXPECT_TRUE(server.requests.empty());
}

TEST_F(Internet, AServerWhoseCertificateIsNotTrustedIsAskedNothing) {
    // A server of 127.0.0.1 with a certificate it signed itself, which no one trusts.
    const auto bytes = [](const char* name) {
        QFile f(QString(TESSALOG_TESTDATA_DIR) + "/tls/" + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setLocalCertificate(QSslCertificate(bytes("untrusted.crt")));
    config.setPrivateKey(QSslKey(bytes("untrusted.key"), QSsl::Rsa));
    ASSERT_FALSE(config.localCertificate().isNull());
    ASSERT_FALSE(config.privateKey().isNull());
    QSslServer tls;
    tls.setSslConfiguration(config);
    ASSERT_TRUE(tls.listen(QHostAddress::LocalHost));
    int handshakes = 0;
    QByteArray received;
    QObject::connect(&tls, &QSslServer::startedEncryptionHandshake, [&] { ++handshakes; });
    // A connection is handed over once its handshake has succeeded.
    QObject::connect(&tls, &QSslServer::pendingConnectionAvailable, [&] {
        while (QTcpSocket* socket = tls.nextPendingConnection())
            QObject::connect(socket, &QIODevice::readyRead,
                             [socket, &received] { received += socket->readAll(); });
    });
    const UrlReply r = internet.OpenURL("https://127.0.0.1:" + std::to_string(tls.serverPort()) +
                                        "/x?password=secret");
    EXPECT_EQ(r.failure, urlfailure::noconnection);
    EXPECT_EQ(handshakes, 1);
    EXPECT_TRUE(received.isEmpty());
}
