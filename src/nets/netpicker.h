#pragma once
// The net picker: which net is about to be logged, on which band and in which mode; "Do
// Net" hands over to the net logger.

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QComboBox;
class QLabel;
class QRadioButton;

namespace tsl {

struct AppState;

class netpicker : public QWidget {
    Q_OBJECT
  public:
    // opennetlogger loads (when needed) and shows the net logger; netloggerloaded tells
    // whether it is loaded.
    netpicker(AppState& state, std::function<void()> opennetlogger,
              std::function<bool()> netloggerloaded, QWidget* parent = nullptr);

    void netpicker_Form_Load();
    void netpicker_whichnet_Click(int index);
    void netpicker_bandsel_Click();
    void netpicker_modesel_Click();
    // Starts the net on the band and mode chosen, or says that one of them is missing.
    void netpicker_donet_Click();
    // Closes the picker; the net is no longer in progress unless its logger is loaded, and
    // a running net stays as it was.
    void netpicker_goback_Click();

  signals:
    // The window is closing and is about to be deleted.
    void unloaded();

  protected:
    // The close box acts as "Return".
    void closeEvent(QCloseEvent* event) override;

  private:
    // A choice made outside a net is the net's at once; during a net only "Do Net" takes it.
    void chosen();
    void takechoice();

    AppState& state_;
    std::function<void()> opennetlogger_;
    std::function<bool()> netloggerloaded_;
    bool handedover_ = false;
    bool midnet_ = false; // opened while the logger of a net is loaded
    // The net, band and mode chosen here.
    int net_ = 0;
    int16_t band_ = 0;
    int16_t mode_ = 0;
    std::array<QRadioButton*, 9> whichnet{};
    QComboBox* bandsel;
    QComboBox* modesel;
    QLabel* ms;
};

} // namespace tsl
