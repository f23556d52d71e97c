#include "platform/codepage.h"
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
