#include "core/state.h"
#include "mainwindow/entryrules.h"
#include "mainwindow/logbook.h"
#include "support/localserver.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace tsl;
using namespace tsl::test;

namespace {

const QString slashed(QChar(0xD8));

struct EntryPanel : ::testing::Test {
    ScriptedDialogs dialogs;
    LocalInternet internet;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    std::unique_ptr<logbook> window;
    EntryRules* rules = nullptr;
    EntryPanel() {
        s->localnow = [] { return QDateTime(QDate(2024, 8, 25), QTime(14, 30)); };
        window = std::make_unique<logbook>(*s, dialogs, internet);
        window->show();
        window->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(window.get()));
        rules = &window->entryrules();
        // Start in a box without a check, so no flag is owed before a test begins.
        focus(edit("rsts"));
    }
    QLineEdit* edit(const QString& name) { return window->findChild<QLineEdit*>(name); }
    QWidget* control(const QString& name) { return window->findChild<QWidget*>(name); }
    void focus(QWidget* w, Qt::FocusReason reason = Qt::OtherFocusReason) {
        w->setFocus(reason);
        QApplication::processEvents();
    }
    QString enterfrom(const QString& name) {
        QWidget* w = control(name);
        w->show();
        focus(w);
        QTest::keyClick(w, Qt::Key_Return);
        QApplication::processEvents();
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    }
    // Checks that note their box and end its pending state, as the window's checks do.
    std::vector<std::string> ran;
    void recordchecks(std::initializer_list<const char*> boxes) {
        for (const char* box : boxes)
            rules->setcheck(box, [this, box] {
                ran.push_back(box);
                rules->clearpending(box);
            });
    }
};

using EntryTyping = EntryPanel;
using EntryEnter = EntryPanel;
using EntryFocus = EntryPanel;

} // namespace

TEST_F(EntryTyping, KeypressConvertsOnlyTheCodesEachBoxRules) {
    EXPECT_EQ(rules->keypress("incall", 'a'), 'A');
    EXPECT_EQ(rules->keypress("incall", '0'), 216);
    EXPECT_EQ(rules->keypress("incall", '"'), 0);
    EXPECT_EQ(rules->keypress("via", 'z'), 'Z');
    EXPECT_EQ(rules->keypress("rsts", ','), 0);
    EXPECT_EQ(rules->keypress("rsts", 'a'), 'a');
    EXPECT_EQ(rules->keypress("gs", 'f'), 'F');
    EXPECT_EQ(rules->keypress("gs", '0'), '0');
    EXPECT_EQ(rules->keypress("comments", '{'), '{');
    EXPECT_EQ(rules->keypress("incall", 13), 13);
    EXPECT_EQ(rules->keypress("bandsel", ','), ',');
}

TEST_F(EntryTyping, CallAndViaTypeInCapitalsWithSlashedZeros) {
    for (const char* name : {"incall", "via"}) {
        focus(edit(name));
        QTest::keyClicks(edit(name), "k0abc");
        EXPECT_EQ(edit(name)->text(), "K" + slashed + "ABC") << name;
    }
    focus(edit("gs"));
    QTest::keyClicks(edit("gs"), "fn10");
    EXPECT_EQ(edit("gs")->text(), "FN10");
}

TEST_F(EntryTyping, QuotesAndCommasNeverReachTheBoxes) {
    focus(edit("rsts"));
    QTest::keyClicks(edit("rsts"), "59,9");
    EXPECT_EQ(edit("rsts")->text(), "599");
    focus(edit("comments"));
    QTest::keyClicks(edit("comments"), "nice \"sig\", 73");
    EXPECT_EQ(edit("comments")->text(), "nice sig 73");
}

TEST_F(EntryTyping, PastedTextObeysTheRulesAndProgramTextIsLeftAlone) {
    QLineEdit* call = edit("incall");
    focus(call);
    QApplication::clipboard()->setText("ab\"c,0");
    call->paste();
    EXPECT_EQ(call->text(), "ABC" + slashed);

    call->setText("w0aw");
    call->setCursorPosition(1);
    QApplication::clipboard()->setText("x0,");
    call->paste();
    EXPECT_EQ(call->text(), "wX" + slashed + "0aw");
    EXPECT_EQ(call->cursorPosition(), 3);
}

TEST_F(EntryTyping, AwardNumbersTakeDigitsOnly) {
    QLineEdit* number = edit("awardnumber2");
    number->show();
    focus(number);
    QTest::keyClicks(number, "12");
    for (const char* junk : {"x", "-", "."}) {
        window->setstatus("");
        QTest::keyClicks(number, junk);
        EXPECT_EQ(number->text(), "12") << junk;
        EXPECT_EQ(window->statustext(), "Numeric Entries Only") << junk;
    }
    QTest::keyClicks(number, "3");
    EXPECT_EQ(number->text(), "123");
    EXPECT_EQ(window->statustext(), "");

    QApplication::clipboard()->setText("4a5");
    number->paste();
    EXPECT_EQ(number->text(), "12345");
    EXPECT_EQ(window->statustext(), "Numeric Entries Only");
    QTest::keyClick(number, Qt::Key_Backspace);
    EXPECT_EQ(window->statustext(), "");
}

TEST_F(EntryEnter, WalksThePanelInItsFixedOrder) {
    const std::vector<QString> cycle = {
        "showdate", "showtime",  "incall", "bandsel",  "modesel", "propsel",   "Power",
        "via",      "rsts",      "rstr",   "qsls",     "qslr",    "dxcccombo", "ituz",
        "cqz",      "continent", "gender", "qthcombo", "gs",      "comments",  "pickaward0"};
    for (std::size_t i = 0; i + 1 < cycle.size(); ++i)
        EXPECT_EQ(enterfrom(cycle[i]), cycle[i + 1]) << cycle[i].toStdString();
    EXPECT_EQ(enterfrom("direction"), "distance");
    EXPECT_EQ(enterfrom("distance"), "via");
}

TEST_F(EntryEnter, GridGoesToTheWabListOnlyWhenItIsLoaded) {
    s->wabloaded = true;
    EXPECT_EQ(enterfrom("gs"), "wabcombo");
    EXPECT_EQ(enterfrom("wabcombo"), "comments");
}

TEST_F(EntryEnter, AwardSlotsLeadToTheNextSlotAndTheLastBackToTheDate) {
    EXPECT_EQ(enterfrom("awardentry1"), "pickaward2");
    EXPECT_EQ(enterfrom("awardnumber0"), "pickaward1");
    EXPECT_EQ(enterfrom("awardnumber4"), "showdate");
    EXPECT_EQ(enterfrom("awardentry4"), "showdate");
    EXPECT_EQ(enterfrom("pickaward2"), "pickaward2");
}

TEST_F(EntryEnter, MovesTheFocusAndInsertsNothing) {
    edit("incall")->setText("K1AB");
    EXPECT_EQ(enterfrom("incall"), "bandsel");
    EXPECT_EQ(edit("incall")->text(), "K1AB");
    auto* modes = window->findChild<QComboBox*>("modesel");
    modes->setEditable(true);
    modes->setEditText("FT8");
    EXPECT_EQ(enterfrom("modesel"), "propsel");
    EXPECT_EQ(modes->count(), 0);
}

TEST_F(EntryFocus, SelectsTheBoxsLengthFromTheStart) {
    edit("gs")->setText("FN42AB");
    focus(edit("gs"), Qt::TabFocusReason);
    EXPECT_EQ(edit("gs")->selectedText(), "FN42");
    edit("showdate")->setText("08/25/2024");
    QTest::mouseClick(edit("showdate"), Qt::LeftButton, {}, QPoint(3, 5));
    QApplication::processEvents();
    EXPECT_TRUE(edit("showdate")->hasFocus());
    EXPECT_EQ(edit("showdate")->selectedText(), "08/25/2024");
}

TEST_F(EntryFocus, LeavingABoxRunsItsCheckOnceButOpeningItsOwnListDoesNot) {
    recordchecks({"showdate", "showtime", "dxcccombo", "gs", "incall", "modesel"});
    rules->flushvalidations();
    EXPECT_TRUE(ran.empty());
    focus(edit("incall"));
    EXPECT_TRUE(rules->pending("incall"));
    focus(edit("rsts"));
    EXPECT_FALSE(rules->pending("rsts"));
    rules->flushvalidations();
    EXPECT_EQ(ran, std::vector<std::string>{"incall"});

    auto* modes = window->findChild<QComboBox*>("modesel");
    modes->addItems({"SSB", "CW"});
    focus(modes);
    modes->showPopup();
    QApplication::processEvents();
    modes->hidePopup();
    QApplication::processEvents();
    EXPECT_EQ(ran, std::vector<std::string>{"incall"});
}

TEST_F(EntryFocus, FlushRunsTheOwedChecksDateBeforeCall) {
    // Without checks, leaving the date box leaves its flag set.
    for (const char* box : {"incall", "showdate"})
        rules->setcheck(box, {});
    focus(edit("showdate"));
    focus(edit("incall"));
    recordchecks({"incall", "showdate"});
    rules->flushvalidations();
    rules->flushvalidations();
    EXPECT_EQ(ran, (std::vector<std::string>{"showdate", "incall"}));
}
