#include "callbook/eqslform.h"
#include "callbook/setlabel.h"
#include "importexport/ccnquarnimport.h"
#include "importexport/customimport.h"
#include "mainwindow/adifdatepicker.h"
#include "mainwindow/finder.h"
#include "mainwindow/flash.h"
#include "mainwindow/powerpicker.h"
#include "mainwindow/windowtest.h"
#include "nets/netlogger.h"
#include "nets/netpicker.h"
#include "reports/awardpicker.h"
#include "reports/countyhunters.h"
#include "reports/gridpicker.h"
#include "reports/wabpicker.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace tsl;
using namespace tsl::test;

namespace {

using captions = std::vector<std::pair<const char*, const char*>>;

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// What a tool reading the accessibility tree finds a box by: a text box by its name, a list
// (whose name is its current entry) by the label tied to it.
QString captionof(QWidget* box) {
    if (qobject_cast<QLineEdit*>(box) != nullptr) return accessible(box)->text(QAccessible::Name);
    const auto labels = accessible(box)->relations(QAccessible::Label);
    return labels.size() == 1 ? labels[0].first->text(QAccessible::Name) : QString();
}

void expectcaptions(QWidget* form, const captions& boxes) {
    for (const auto& [name, caption] : boxes) {
        auto* box = form->findChild<QWidget*>(name);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(captionof(box), caption) << form->objectName().toStdString() << " " << name;
    }
}

struct Accessibility : WindowTest {};

} // namespace

TEST_F(Accessibility, EveryBoxOfTheEntryPanelIsKnownByItsLabel) {
    begin(1);
    expectcaptions(window.get(), {{"showdate", "Date"},    {"showtime", "Time"},
                                  {"incall", "Call"},      {"bandsel", "Band"},
                                  {"modesel", "Mode"},     {"propsel", "Propagn"},
                                  {"Power", "Power"},      {"via", "QSL Via"},
                                  {"rsts", "RST Sent"},    {"rstr", "RST Recvd"},
                                  {"qsls", "QSL Sent"},    {"qslr", "QSL Recvd"},
                                  {"dxcccombo", "DXCC"},   {"ituz", "ITU Zone"},
                                  {"cqz", "CQ Zone"},      {"continent", "Continent"},
                                  {"gender", "Gender"},    {"qthcombo", "QTH"},
                                  {"gs", "Grid"},          {"wabcombo", "WAB"},
                                  {"comments", "Notes"},   {"distance", "Distance"},
                                  {"direction", "Heading"}});
    // A slot's boxes stand under the column headings, in the row of the slot's number.
    expectcaptions(window.get(), {{"pickaward0", "1"}, {"pickaward4", "5"}});
    EXPECT_EQ(combo("pickaward2")->accessibleName(), "Award 3");
    EXPECT_EQ(accessible(edit("awardnumber2"))->text(QAccessible::Name), "Award Entry 3");
    EXPECT_EQ(combo("awardentry2")->accessibleName(), "Award Entry 3");
    // The captions themselves are unchanged.
    EXPECT_EQ(window->findChild<QLabel*>("label_Propagn")->text(), "Propagn");
}

TEST_F(Accessibility, TheBoxesOfEveryFormAreKnownByTheirLabels) {
    begin(1);
    eQSLform eqsl(*s, dialogs);
    expectcaptions(&eqsl, {{"un", "eQSL User Name:"}, {"pw", "eQSL Password:"}});
    setlabel stock(*s, dialogs);
    expectcaptions(&stock,
                   {{"startlbl", "Start at label: "}, {"remain", "Labels remaining on page:"}});
    powerpicker power(*s);
    expectcaptions(&power, {{"powercombo", "Power"}});
    adifdatepicker dates(*s, dialogs, *window, nullptr);
    expectcaptions(&dates, {{"startdate", "Select the Beginning Date"},
                            {"enddate", "Select the Ending Date"}});
    customimport custom(
        *s, dialogs, *window, [] {}, nullptr);
    expectcaptions(&custom, {{"numfields", "Number of fields in your records"},
                             {"dateformatcombo", "Date Format"},
                             {"Defaultmode", "Default Mode"},
                             {"defaultpower", "Default power"},
                             {"myfield0", "1"},
                             {"myfield20", "21"}});
    EXPECT_EQ(custom.findChild<QWidget*>("myfield8")->accessibleName(), "Field Contents 9");
    ccnquarnimport quarnlog(
        *s, dialogs, *window, [] {}, nullptr);
    expectcaptions(&quarnlog,
                   {{"bandmode", "Select the band and mode for the QSOs you have exported from "
                                 "QUARNLOG."},
                    {"powercombo", "Select the power for all QSOs"},
                    {"qthcombo", "Select the QTH for all QSOs"}});

    netlogger logger(*s, dialogs, {});
    expectcaptions(&logger, {{"seq", "Number"}, {"thiscall", "Call"}, {"notes", "Notes"}});
    netpicker nets(
        *s, [] {}, [] { return false; });
    expectcaptions(&nets, {{"bandsel", "Band"}, {"modesel", "Mode"}});
    awardpicker awards(*s, {}, nullptr);
    expectcaptions(&awards, {{"bandcombo", "Band"},
                             {"modecombo", "Mode"},
                             {"propcombo", "Propagation"},
                             {"powercombo", "Power"}});
    gridpicker grids(*s, *window, {}, nullptr);
    expectcaptions(&grids, {{"bandcombo", "Band"},
                            {"modecombo", "Mode"},
                            {"propcombo", "Propagation"},
                            {"powercombo", "Power"}});
    wabpicker wab(*s, *window, {}, nullptr);
    expectcaptions(&wab, {{"reportcombo", "Report"}, {"bandcombo", "Band"}});
    countyhunters counties(*s, {});
    expectcaptions(&counties, {{"powercombo", "Power"}});
}

TEST_F(Accessibility, SecondaryWindowsAreWindowsNotParts) {
    begin(2);
    trigger("goallqsos");
    edit("incall")->setText("Q1");
    trigger("gofindcall");
    trigger("godxccneed");
    flash splash("Tessalog ");
    const std::vector<QWidget*> windows = {window->reportwindow(), window->findwindow(),
                                           window->awardpickerwindow(), &splash};
    for (QWidget* w : windows) {
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(accessible(w)->role(), QAccessible::Window) << w->objectName().toStdString();
        EXPECT_EQ(accessible(w)->text(QAccessible::Name), w->windowTitle());
    }
    EXPECT_EQ(accessible(window.get())->role(), QAccessible::Window);
    // The panels inside the main window are no windows.
    EXPECT_NE(accessible(window->findChild<QWidget*>("entrypanel"))->role(), QAccessible::Window);
}
