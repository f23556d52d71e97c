#pragma once
// "Print Labels": the labels of the QSO double-clicked in the main window's grid. Each
// button asks for its labels and closes the form, whatever the requests answered.

#include <QDialog>

#include <functional>

namespace tsl {

class quicklabels : public QDialog {
    Q_OBJECT
  public:
    // The main window's two label requests.
    quicklabels(std::function<void()> requestqsolabel, std::function<void()> requestaddresslabel,
                QWidget* parent = nullptr);

    void quicklabels_justqso_Click();
    void quicklabels_justaddress_Click();
    void quicklabels_both_Click();
    void quicklabels_ignore_Click();

  private:
    std::function<void()> requestqsolabel_;
    std::function<void()> requestaddresslabel_;
};

} // namespace tsl
