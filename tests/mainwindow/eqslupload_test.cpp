#include "platform/codepage.h"
#include "platform/fileio.h"
#include "support/localserver.h"
#include "support/startedlog.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace tsl;
using namespace tsl::test;
using namespace std::chrono_literals;

namespace {

// Two QSOs in the log and the upload on, the eQSL service at the local server.
struct EqslUpload : ::testing::Test, StartedLog {
    LocalServer server;

    void SetUp() override {
        folder.write("eqsl.ini", "\"k0abc\",\"pa&ss;wd\"\r\n");
        const std::string url = "\"" + server.url() + "\"";
        folder.write("services.ini", url + "," + url + "," + url + "\r\n");
        start(2);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(s->eqslenabled);
        internet.settimeout(300ms);
    }
    void enter(const std::string& call, int band = 8, int mode = 1, const char* sent = "599",
               const char* comment = "") {
        edit("incall")->setText(toqt(call));
        window->incall_LostFocus();
        combo("bandsel")->setCurrentIndex(band);
        combo("modesel")->setCurrentIndex(mode);
        edit("showdate")->setText("08/25/2024");
        edit("showtime")->setText("14:30");
        edit("rsts")->setText(sent);
        edit("rstr")->setText("579");
        edit("comments")->setText(comment);
    }
    // A plain QSO saved; true when the log grew by it.
    bool save(const std::string& call = "W1AW") {
        const int32_t before = s->qsocount;
        enter(call);
        window->saveqso_Click();
        return s->qsocount == before + 1;
    }
};

} // namespace

TEST_F(EqslUpload, EachSaveSendsOneGetOfTheQsoAsAdif) {
    server.answer("<HTML>nothing to see</HTML>");
    enter("K\xd8"
          "ABC",
          4, 10, "59", "Tnx Bob 73!");
    window->saveqso_Click();
    enter("W1AW", 8, 18, "599", "   ");
    window->saveqso_Click();

    ASSERT_EQ(server.requests.size(), 2u);
    EXPECT_EQ(server.requests[0].path, "/qslcard/importADIF.cfm");
    EXPECT_EQ(server.requests[0].decodedquery(),
              "ADIFData=Test upload<EQSL_USER:5>k0abc<EQSL_PSWD:8>pa&ss;wd<EOH>"
              "<BAND:3>80m<CALL:5>K0ABC<MODE:3>PSK<QSO_DATE:8>20240825<TIME_ON:4>1430"
              "<RST_SENT:3>59 <RST_RCVD:3>579<QSLMSG:11>Tnx Bob 73 <EOR>");
    EXPECT_EQ(server.requests[1].decodedquery(),
              "ADIFData=Test upload<EQSL_USER:5>k0abc<EQSL_PSWD:8>pa&ss;wd<EOH>"
              "<BAND:3>20m<CALL:4>W1AW<MODE:4>PSK3<QSO_DATE:8>20240825<TIME_ON:4>1430"
              "<RST_SENT:3>599<RST_RCVD:3>579<QSLMSG:0><EOR>");
    // Nothing in a value can cut the query: the password's marks travel escaped.
    EXPECT_EQ(server.requests[0].query.find_first_of("&;# <>"), std::string::npos);
    // No marker in the reply: nothing shown, the QSO unmarked.
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(s->qsos[3].qsls, 0);
}

TEST_F(EqslUpload, TheResultLineMarksTheQsoSentByEqsl) {
    server.answer("<HTML><BODY>Result: 1 out of 1 records added<BR>\r\nThank you</BODY>");
    ASSERT_TRUE(save());
    EXPECT_EQ(s->qsos[3].qsls, 1);
    EXPECT_EQ(s->qsos[3].qslvia, "eQSL      ");
    EXPECT_EQ(window->statustext(), "QSO added. 3 QSOs QSO added to eQSL Log");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(EqslUpload, OnlyTheLastErrorLineIsShownLessFiveCharacters) {
    server.answer("Warning: Y=2024 is in the future <BR>\r\n"
                  "Error: No match on eQSL_User <BR>\r\n"
                  "Error: Bad call for the caf\xc3\xa9 <BR>\r\n"
                  "Warning: one more <BR>\r\n");
    ASSERT_TRUE(save());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "Message from eQSL server:\r\nError: Bad call for the caf\xe9");
    EXPECT_EQ(dialogs.shown[0].title, "Tessalog ");
    EXPECT_EQ(s->qsos[3].qsls, 0);
    EXPECT_EQ(window->statustext(), "QSO added. 3 QSOs");
}

TEST_F(EqslUpload, AFailedTransferSaysSoAndTheQsoStaysSavedAndUnmarked) {
    server.answer("Error: this page is an error page <BR>", 503);
    ASSERT_TRUE(save("W1AW"));
    server.answernothing();
    ASSERT_TRUE(save("W2AW"));
    server.refuse();
    ASSERT_TRUE(save("W3AW"));

    ASSERT_EQ(dialogs.shown.size(), 3u);
    for (const auto& box : dialogs.shown)
        EXPECT_EQ(box.text, "eQSO Internet access timed out.\r\n"
                            "You may not be connected to the internet\r\n"
                            "or the eQSL Server is busy.");
    for (std::size_t i = 3; i <= 5; ++i)
        EXPECT_EQ(s->qsos[i].qslvia.trimmedright(), "");
    EXPECT_EQ(s->qsos[4].call.trimmedright(), "W2AW");
    EXPECT_EQ(window->statustext(), "QSO added. 5 QSOs");
    EXPECT_EQ(edit("incall")->text(), ""); // the window is back, ready for the next QSO
}

TEST_F(EqslUpload, NoSecondSaveWhileARequestWaits) {
    auto* button = window->findChild<QPushButton*>("qsosaver");
    bool clicked = false; // once: a second save would send a request of its own
    server.onrequest = [&](const LocalServer::Request&) {
        if (clicked) return;
        clicked = true;
        postclick(button);
        QCoreApplication::processEvents();
    };
    server.answer("Result: 1 out of 1");
    ASSERT_TRUE(save());
    QCoreApplication::processEvents();
    EXPECT_EQ(server.requests.size(), 1u);

    // The same click once nothing waits saves the next QSO.
    enter("W9XYZ");
    postclick(button);
    QCoreApplication::processEvents();
    EXPECT_EQ(s->qsocount, 4);
}

TEST_F(EqslUpload, TheServersTextIsCutToItsFirst200CharactersAndCleaned) {
    server.answer("Error: \x01"
                  "caf\xff" +
                  std::string(300, 'y') + " <BR>\r\nmore");
    ASSERT_TRUE(save());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "Message from eQSL server:\r\nError:  caf?" + std::string(188, 'y'));
}

TEST_F(EqslUpload, HostileServersEndEachSaveWithTheFailureAndQuitWritesTheLog) {
    LocalServer elsewhere; // where a redirection points: it must hear nothing
    elsewhere.answer("Result: 1 out of 1");
    const std::vector<std::function<void()>> hostile = {
        [&] { server.answerlong("Error: ", 50'000'000, false); },
        [&] { server.answerendlessly(); },
        [&] { server.redirect(elsewhere.url() + "/qslcard/importADIF.cfm"); },
        [&] { server.answer("Result: 1 out of 1", 500); },
        [&] { server.reset(); },
    };
    for (std::size_t i = 0; i < hostile.size(); ++i) {
        hostile[i]();
        ASSERT_TRUE(save("W" + std::to_string(i + 1) + "AW")) << i;
    }
    ASSERT_EQ(dialogs.shown.size(), hostile.size());
    for (const auto& box : dialogs.shown)
        EXPECT_EQ(box.text, "eQSO Internet access timed out.\r\n"
                            "You may not be connected to the internet\r\n"
                            "or the eQSL Server is busy.");
    EXPECT_TRUE(elsewhere.requests.empty());
    for (std::size_t q = 3; q <= 7; ++q)
        EXPECT_EQ(s->qsos[q].qsls, 0) << q;

    // The program goes on: the next upload is marked, and Quit writes every QSO.
    server.answer("Result: 1 out of 1");
    ASSERT_TRUE(save("W6AW"));
    EXPECT_EQ(s->qsos[8].qsls, 1);
    window->quit_Click();
    EXPECT_TRUE(window->quitting());
    const std::string log = readwholefile(folder.path() + "qsodata.dat").value_or("");
    for (int i = 1; i <= 6; ++i)
        EXPECT_NE(log.find("W" + std::to_string(i) + "AW"), std::string::npos) << i;
}
