#pragma once
// The dialogs service on Qt's message boxes.

#include "dialogs.h"

#include <functional>
#include <utility>

class QPrinter;
class QWidget;

namespace tsl {

class QtDialogs : public Dialogs {
  public:
    // Each dialog is modal to the window that is active when it is asked for; the given window
    // stands in when none is (none during start-up).
    void setparent(QWidget* parent) { parent_ = parent; }
    // Stands in for the desktop's print dialog: sets up the printer offered (its paper
    // preset) as the operator would, and says whether to print. Unset, the dialog shows.
    void setprinterchoice(std::function<bool(QPrinter&)> choice) {
        printerchoice_ = std::move(choice);
    }
    msganswer msgbox(const std::string& text, msgbuttons buttons, msgicon icon,
                     const std::string& title) override;
    std::optional<std::string> choosefile(const std::string& folder,
                                          const std::string& proposedname,
                                          bool forwriting) override;
    printresult printlines(const std::vector<std::string>& lines, int fontsize) override;
    int showform(QDialog& form) override;
    printresult printpage(const std::vector<std::string>& rows, int fontsize,
                          papersize paper) override;
    std::optional<std::string> inputbox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultanswer,
                                        inputecho echo = inputecho::normal) override;

    // The window the next dialog belongs to.
    QWidget* owner() const;

  private:
    printresult printwithdialog(QPrinter& printer, const std::function<bool(QPrinter&)>& print);

    QWidget* parent_ = nullptr;
    std::function<bool(QPrinter&)> printerchoice_;
};

} // namespace tsl
