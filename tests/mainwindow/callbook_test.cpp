#include "platform/codepage.h"
#include "platform/flexgrid.h"
#include "support/callbookfiles.h"
#include "support/startedlog.h"

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
    QString slot(int k) const {
        return combo(qPrintable("awardentry" + QString::number(k)))->currentText();
    }
    int award(int k) const {
        return combo(qPrintable("pickaward" + QString::number(k)))->currentIndex();
    }
};

} // namespace

TEST_F(CallBook, AUsCallShowsItsAddressLocatorStateAndCounty) {
    start();
    ASSERT_NE(window, nullptr);
    window->show();
    window->activateWindow();
    combo("bandsel")->setFocus();
    QApplication::processEvents();
    leavecall("W1AW");
    QApplication::processEvents();
    const QStringList shown = lines();
    ASSERT_GE(shown.size(), 4);
    EXPECT_EQ(shown.mid(0, 4),
              (QStringList{"Hiram Maxim Memorial Station, Club", "225 Main St",
                           "Newington, CT 06111", "HARTFORD,  FN31  ,  72.73W  41.69N"}));
    EXPECT_EQ(edit("gs")->text(), "FN31  ");
    EXPECT_EQ(award(0), s->wasaward);
    EXPECT_EQ(slot(0), "CT Connecticut");
    EXPECT_EQ(award(1), s->uscountiesaward + 6);
    EXPECT_EQ(slot(1), "Hartford");
    EXPECT_EQ(QApplication::focusWidget(), combo("bandsel"));
    EXPECT_FALSE(edit("distance")->text().isEmpty());
}

TEST_F(CallBook, ACanadianCallPicksItsProvince) {
    start();
    ASSERT_NE(window, nullptr);
    leavecall("VE3ABC");
    EXPECT_EQ(lines().first(), "Jean Tremblay, Advanced");
    EXPECT_EQ(award(0), s->provincesaward);
    EXPECT_EQ(slot(0), "ON Ontario");
    EXPECT_EQ(award(1), -1);
}

TEST_F(CallBook, ADxCallAfterAUsCallTakesItsDistanceFromItsEntity) {
    start();
    ASSERT_NE(window, nullptr);
    leavecall("W1AW");
    leavecall("G4ABC");
    EXPECT_FALSE(lines().contains("225 Main St"));
    EXPECT_NE(window->statustext(), "No Longitude or latitude for Call");
    EXPECT_FALSE(edit("distance")->text().isEmpty());
    EXPECT_EQ(award(0), -1);
}

TEST_F(CallBook, AStoredQsoKeepsItsOwnSlotsAndSquare) {
    qsorecord q = qso("W1AW");
    q.grid = "FN42";
    append(q);
    start();
    ASSERT_NE(window, nullptr);
    s->qsos[1].awards[0] = s->tentenaward;
    s->qsos[1].entries[0] = 77;
    auto* grid = window->findChild<FlexGrid*>("showem");
    grid->setCurrentIndex(grid->model()->index(0, 0));
    emit grid->clicked(grid->model()->index(0, 0));
    EXPECT_TRUE(s->editingqso);
    EXPECT_TRUE(lines().contains("225 Main St"));
    EXPECT_EQ(edit("gs")->text(), "FN42  ");
    EXPECT_EQ(award(0), s->tentenaward);
    EXPECT_EQ(award(1), 0); // the QSO's own: none
}

TEST_F(CallBook, WithoutZipDatTheLocalCallBookShowsNothing) {
    QFile::remove(QString::fromStdString(folder.path() + "zip.dat"));
    start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(s->callbooksource, 1);
    leavecall("W1AW");
    EXPECT_FALSE(lines().contains("225 Main St"));
    EXPECT_FALSE(s->callbookfound);
    EXPECT_EQ(edit("gs")->text(), "");
}
