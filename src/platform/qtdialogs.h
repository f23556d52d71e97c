#pragma once
// The dialogs service on Qt's message boxes.

#include "dialogs.h"

class QWidget;

namespace tsl {

class QtDialogs : public Dialogs {
  public:
    // Message boxes are modal to the given window (none during start-up).
    void setparent(QWidget* parent) { parent_ = parent; }
    msganswer msgbox(const std::string& text, msgbuttons buttons, msgicon icon,
                     const std::string& title) override;
    std::optional<std::string> choosefile(const std::string& folder,
                                          const std::string& proposedname,
                                          bool forwriting) override;
    printresult printlines(const std::vector<std::string>& lines, int fontsize) override;
    int showform(QDialog& form) override;
    printresult printpage(const std::vector<std::string>& rows, int fontsize) override;
    std::optional<std::string> inputbox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultanswer,
                                        inputecho echo = inputecho::normal) override;

  private:
    QWidget* parent_ = nullptr;
};

} // namespace tsl
