#include "mainwindow/finder.h"
#include "platform/codepage.h"
#include "platform/flexgrid.h"
#include "support/callbookfiles.h"
#include "support/startedlog.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// The local call book as source 1, the default awards (states, provinces and counties).
struct CallBook : ::testing::Test, StartedLog {
    CallBook() {
        folder.write("calls.dat", handmadecalls());
        folder.write("zip.dat", generatedzip());
    }
    void leavecall(const std::string& call) {
        edit("incall")->setText(toqt(call));
        window->incall_LostFocus();
    }
    QComboBox* slot(const char* kind, int k) const {
        return combo(qPrintable(kind + QString::number(k)));
    }
};

} // namespace

TEST_F(CallBook, AUsCallFillsTheLocatorAndBothSlotsWithoutMovingTheFocus) {
    start();
    ASSERT_NE(window, nullptr);
    window->show();
    window->activateWindow();
    combo("bandsel")->setFocus();
    QApplication::processEvents();
    leavecall("W1AW");
    QApplication::processEvents();
    EXPECT_EQ(lines().mid(0, 4),
              (QStringList{"Hiram Maxim Memorial Station, Club", "225 Main St",
                           "Newington, CT 06111", "HARTFORD,  FN31  ,  72.73W  41.69N"}));
    EXPECT_EQ(edit("gs")->text(), "FN31  ");
    EXPECT_EQ(slot("pickaward", 0)->currentIndex(), s->wasaward);
    EXPECT_EQ(slot("awardentry", 0)->currentText(), "CT Connecticut");
    EXPECT_EQ(slot("pickaward", 1)->currentIndex(), s->uscountiesaward + 6);
    EXPECT_EQ(slot("awardentry", 1)->currentText(), "Hartford");
    EXPECT_EQ(QApplication::focusWidget(), combo("bandsel"));

    // A DX call not in the call book then takes its distance from its entity.
    leavecall("G4ABC");
    EXPECT_FALSE(lines().contains("225 Main St"));
    EXPECT_NE(window->statustext(), "No Longitude or latitude for Call");
    EXPECT_FALSE(edit("distance")->text().isEmpty());
}

TEST_F(CallBook, AHamCallHitKeepsTheSquareAndRouteOfAStoredQsoBeingEdited) {
    LocalServer server;
    qsorecord q = qso("W1AW");
    q.grid = "FN42";
    q.qslvia = "K1VIA";
    append(q);
    start();
    ASSERT_NE(window, nullptr);
    internet.pointat(server);
    s->callbooksource = 5;
    const auto tag = [](int field) { return std::string(1, static_cast<char>(field)); };
    server.answer("W1AW" + tag(184) + "Hiram" + tag(192) + "CT" + tag(202) + "FN31pr" + tag(208) +
                  "N1ABC" + "\n");

    window->showqsorow(1, 1);
    auto* grid = window->grid();
    emit grid->clicked(grid->model()->index(0, 0));
    ASSERT_TRUE(s->editingqso);
    leavecall("W1AW");
    EXPECT_TRUE(lines().contains("Hiram  "));
    EXPECT_EQ(edit("gs")->text().trimmed(), "FN42");
    EXPECT_EQ(edit("via")->text().trimmed(), "K1VIA");
    EXPECT_EQ(server.requests.size(), 2u); // the click and the call box

    // A new QSO (of a call not logged before) takes both from the call book.
    window->logbook_ignore_Click();
    leavecall("W1XYZ");
    EXPECT_EQ(edit("gs")->text(), "FN31pr");
    EXPECT_EQ(edit("via")->text(), "N1ABC");
}

TEST_F(CallBook, AFoundCallWithoutAPositionTakesItsEntitysForALoadedQso) {
    // VE3ABC is in the call book, which knows no position for it; VE3ZZZ is not.
    for (const char* call : {"VE3ABC", "VE3ZZZ"}) {
        qsorecord q = qso(call);
        q.dxcc = static_cast<int16_t>(entity("Canada"));
        append(q);
    }
    start();
    ASSERT_NE(window, nullptr);
    auto* grid = window->grid();
    const auto click = [&](int row) {
        window->showqsorow(row, row);
        grid->setCurrentIndex(grid->model()->index(row - 1, 0));
        emit grid->clicked(grid->model()->index(row - 1, 0));
        return edit("distance")->text() + " " + edit("direction")->text();
    };
    const QString unknown = click(2);
    ASSERT_NE(unknown, "0 0");
    EXPECT_EQ(click(1), unknown) << "from the grid";
    EXPECT_TRUE(lines().contains("Jean Tremblay, Advanced"));

    edit("incall")->setText("VE3");
    trigger("gofindprefix");
    auto* found = window->findwindow()->grid();
    ASSERT_EQ(found->text(1, 0).trimmed(), "VE3ABC");
    window->logbook_ignore_Click();
    found->setCurrentIndex(found->model()->index(0, 0));
    emit found->clicked(found->model()->index(0, 0));
    EXPECT_EQ(edit("incall")->text().trimmed(), "VE3ABC");
    EXPECT_EQ(edit("distance")->text() + " " + edit("direction")->text(), unknown)
        << "from the finder";
}

TEST_F(CallBook, ASaveFromTheCallBoxLooksTheCallUpOnce) {
    LocalServer server;
    start();
    ASSERT_NE(window, nullptr);
    internet.pointat(server);
    s->callbooksource = 5;
    server.answer("W1XYZ" + std::string(1, static_cast<char>(184)) + "Hiram\n");
    window->show();
    window->activateWindow();
    QLineEdit* call = edit("incall");
    call->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(call, "W1XYZ");
    window->saveqso_Click();
    QApplication::processEvents();
    EXPECT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(s->qsocount, 1);
    EXPECT_EQ(QApplication::focusWidget(), edit("showdate"));

    // A call changed after a command ran the check is looked up again when the box is left.
    call->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(call, "W1ABC");
    window->flushvalidations();
    EXPECT_EQ(server.requests.size(), 2u);
    QTest::keyClicks(call, "D");
    edit("showdate")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(server.requests.size(), 3u);
}

TEST_F(CallBook, AHamCallReplyThatIsNoRecordLeavesTheTypedSquareAndShowsNoAddress) {
    LocalServer server;
    start();
    ASSERT_NE(window, nullptr);
    internet.pointat(server);
    s->callbooksource = 5;
    const auto tag = [](int field) { return std::string(1, static_cast<char>(field)); };
    // A hotel network's sign-in page, status 200, with UTF-8 "—" and "©" in it.
    server.answer("<html><title>Guest Wi-Fi \xe2\x80\x94 Sign in</title><p>\xc2\xa9 Hotel "
                  "<a href=\"/go\">Continue</a></p></html>\n");
    // The route typed before the call stays; a new call clears the square before the lookup.
    edit("via")->setText("K1VIA");
    dialogs.shown.clear();
    leavecall("W1AW");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Internet access timed out.\r\nYou may not be connected to "
                                     "the internet\r\nor the HamCall Server is busy.");
    EXPECT_EQ(edit("via")->text(), "K1VIA");
    EXPECT_EQ(edit("gs")->text(), "");
    for (const QString& line : lines())
        EXPECT_FALSE(line.contains("Guest") || line.contains("Hotel") || line.trimmed() == ",")
            << line.toStdString();

    // A record whose locator is "FN" NUL "32": the name line, and no square at all.
    dialogs.shown.clear();
    server.answer("W1AW" + tag(184) + "Hiram" + tag(185) + "P" + tag(186) + "Maxim" + tag(202) +
                  std::string("FN\0"
                              "32",
                              5) +
                  "\n");
    leavecall("W1AW");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(lines().contains("Hiram P Maxim"));
    EXPECT_EQ(edit("gs")->text(), "");
}
