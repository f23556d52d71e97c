#include "platform/qtdialogs.h"

#include <QApplication>
#include <QDialog>
#include <QMetaObject>
#include <QPrinter>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tsl;

namespace {

// Notes the window each dialog opens over and cancels the dialog once it runs, as the
// operator would.
class DialogWatch : public QObject {
  public:
    std::vector<QWidget*> owners;

    DialogWatch() { qApp->installEventFilter(this); }
    ~DialogWatch() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog != nullptr && dialog->isWindow()) {
            owners.push_back(dialog->parentWidget());
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        }
        return false;
    }
};

void activate(QWidget& w) {
    w.show();
    w.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &w);
}

} // namespace

TEST(QtDialogs, EachDialogBelongsToTheWindowThatAskedForIt) {
    QWidget main;
    QWidget reports;
    QtDialogs dialogs;
    dialogs.setparent(&main);
    activate(main);
    activate(reports);

    DialogWatch watch;
    dialogs.msgbox("No Printer", msgbuttons::ok, msgicon::none, "Tessalog ");
    activate(reports);
    EXPECT_EQ(dialogs.inputbox("Notes", "Tessalog ", "QRP"), std::nullopt);
    activate(reports);
    EXPECT_EQ(dialogs.choosefile("/tmp/", "tslreport.doc", true), std::nullopt);
    activate(reports);
    EXPECT_EQ(dialogs.printlines({"one"}, 10), printresult::cancelled);
    EXPECT_EQ(watch.owners, (std::vector<QWidget*>(4, &reports)));

    // From the main window, or with no window active, the main window owns them.
    watch.owners.clear();
    activate(main);
    dialogs.msgbox("No Call", msgbuttons::ok, msgicon::none, "Tessalog ");
    main.hide();
    reports.hide();
    QCoreApplication::processEvents();
    dialogs.msgbox("No Call", msgbuttons::ok, msgicon::none, "Tessalog ");
    EXPECT_EQ(watch.owners, (std::vector<QWidget*>(2, &main)));
}
