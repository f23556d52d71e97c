#include "platform/desktopforms.h"
#include "support/keyboard.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// A window of two buttons and a box, counting the presses of each button.
template <class Window> struct TwoButtons {
    Window window;
    QLineEdit* box = new QLineEdit(&window);
    QPushButton* first = new QPushButton("First", &window);
    QPushButton* second = new QPushButton("Second", &window);
    int firstpresses = 0;
    int secondpresses = 0;

    TwoButtons() {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w : {static_cast<QWidget*>(box), static_cast<QWidget*>(first),
                           static_cast<QWidget*>(second)})
            layout->addWidget(w);
        QObject::connect(first, &QPushButton::clicked, [this] { ++firstpresses; });
        QObject::connect(second, &QPushButton::clicked, [this] { ++secondpresses; });
    }
};

QAccessible::Role roleof(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->role();
}

} // namespace

TEST(DesktopForms, EnterPressesTheFocusedButtonOfAPlainWindow) {
    usedesktopforms();
    usedesktopforms(); // a second call changes nothing: one press is one click
    TwoButtons<QWidget> form;
    form.window.show();
    focuson(form.second);
    typekey(Qt::Key_Return);
    EXPECT_EQ(form.secondpresses, 1);
    typekey(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form.secondpresses, 2);
    typekey(Qt::Key_Space);
    EXPECT_EQ(form.secondpresses, 3);
    // Enter with Ctrl, Alt or Shift held is another key.
    typekey(Qt::Key_Return, Qt::ShiftModifier);
    typekey(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(form.secondpresses, 3);
    EXPECT_EQ(form.firstpresses, 0);

    // Enter in a box presses no button.
    focuson(form.box);
    typekey(Qt::Key_Return);
    EXPECT_EQ(form.firstpresses, 0);
    EXPECT_EQ(form.secondpresses, 3);
}

TEST(DesktopForms, EnterInADialogWithoutADefaultPressesOnlyTheFocusedButton) {
    usedesktopforms();
    TwoButtons<QDialog> form;
    for (QPushButton* b : {form.first, form.second})
        b->setAutoDefault(false);
    form.window.show();
    focuson(form.box);
    typekey(Qt::Key_Return);
    EXPECT_EQ(form.firstpresses + form.secondpresses, 0);
    EXPECT_TRUE(form.window.isVisible());
    focuson(form.second);
    typekey(Qt::Key_Return);
    EXPECT_EQ(form.firstpresses, 0);
    EXPECT_EQ(form.secondpresses, 1);
}

TEST(DesktopForms, PlainTopLevelWindowsAreWindowsToAssistiveTools) {
    usedesktopforms();
    QWidget owner;
    owner.setWindowTitle("Report");
    auto* inner = new QWidget(&owner);
    auto* secondary = new QWidget(&owner, Qt::Window);
    QDialog dialog;
    EXPECT_EQ(roleof(&owner), QAccessible::Window);
    EXPECT_EQ(roleof(secondary), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&owner)->text(QAccessible::Name), "Report");
    // A plain widget inside a window stays a part of it; a dialog stays a dialog.
    EXPECT_NE(roleof(inner), QAccessible::Window);
    EXPECT_EQ(roleof(&dialog), QAccessible::Dialog);
}

TEST(DesktopForms, ALabelledBoxIsKnownByItsCaption) {
    QWidget form;
    auto* caption = new QLabel("Call", &form);
    auto* call = new QLineEdit(&form);
    auto* bandcaption = new QLabel("Band", &form);
    auto* band = new QComboBox(&form);
    band->addItem("20 Mtrs");
    labelbox(caption, call);
    labelbox(bandcaption, band);
    EXPECT_EQ(caption->text(), "Call"); // the visible text stays
    EXPECT_EQ(QAccessible::queryAccessibleInterface(call)->text(QAccessible::Name), "Call");
    // A list's name is its current entry; its label is told apart as the label relation.
    const auto labels = QAccessible::queryAccessibleInterface(band)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), "Band");
    EXPECT_EQ(band->accessibleName(), "Band");
}
