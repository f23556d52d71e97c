#include "qtdialogs.h"

#include "codepage.h"

#include "printing.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include <functional>
#include <limits>

namespace tsl {

QWidget* QtDialogs::owner() const {
    // A dialog asked for from the report window, a picker or a form comes back to it when it
    // closes, not to the main window.
    QWidget* active = QApplication::activeWindow();
    return active != nullptr && active->isVisible() ? active : parent_;
}

msganswer QtDialogs::msgbox(const std::string& text, msgbuttons buttons, msgicon icon,
                            const std::string& title) {
    QMessageBox box(owner());
    box.setWindowTitle(toqt(title));
    box.setText(toqt(text).replace("\r\n", "\n"));
    switch (icon) {
    case msgicon::none:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case msgicon::critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case msgicon::question:
        box.setIcon(QMessageBox::Question);
        break;
    case msgicon::exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case msgicon::information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case msgbuttons::ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case msgbuttons::okcancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case msgbuttons::yesno:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case msgbuttons::yesnocancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return msganswer::yes;
    case QMessageBox::No:
        return msganswer::no;
    case QMessageBox::Cancel:
        return msganswer::cancel;
    default:
        break;
    }
    // A Yes/No box closed by its title bar answers No.
    return buttons == msgbuttons::yesno ? msganswer::no : msganswer::ok;
}

std::optional<std::string> QtDialogs::choosefile(const std::string& folder,
                                                 const std::string& proposedname, bool forwriting) {
    const QString start = QString::fromLocal8Bit(folder) + toqt(proposedname);
    const QString chosen = forwriting ? QFileDialog::getSaveFileName(owner(), QString(), start)
                                      : QFileDialog::getOpenFileName(owner(), QString(), start);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toLocal8Bit().toStdString();
}

int QtDialogs::showform(QDialog& form) {
    return form.exec();
}

printresult QtDialogs::printwithdialog(QPrinter& printer,
                                       const std::function<bool(QPrinter&)>& print) {
    if (printerchoice_) {
        if (!printerchoice_(printer)) return printresult::cancelled;
    } else {
        QPrintDialog dialog(&printer, owner());
        if (dialog.exec() != QDialog::Accepted) return printresult::cancelled;
    }
    return print(printer) ? printresult::printed : printresult::failed;
}

printresult QtDialogs::printlines(const std::vector<std::string>& lines, int fontsize) {
    QPrinter printer;
    return printwithdialog(printer, [&](QPrinter& p) { return printonto(p, lines, fontsize); });
}

printresult QtDialogs::printpage(const std::vector<std::string>& rows, int fontsize,
                                 papersize paper) {
    QPrinter printer;
    printer.setPageSize(QPageSize(paper == papersize::a4 ? QPageSize::A4 : QPageSize::Letter));
    return printwithdialog(printer, [&](QPrinter& p) { return printpageonto(p, rows, fontsize); });
}

std::optional<std::string> QtDialogs::inputbox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultanswer, inputecho echo) {
    QInputDialog box(owner());
    box.setInputMode(QInputDialog::TextInput);
    box.setTextEchoMode(echo == inputecho::password ? QLineEdit::Password : QLineEdit::Normal);
    box.setWindowTitle(toqt(title));
    box.setLabelText(toqt(prompt));
    // A long default answer comes back whole.
    if (auto* edit = box.findChild<QLineEdit*>())
        edit->setMaxLength(std::numeric_limits<int>::max());
    box.setTextValue(toqt(defaultanswer));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return fromqt(box.textValue());
}

} // namespace tsl
