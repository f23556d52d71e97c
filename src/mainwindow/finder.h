#pragma once
// The finder: the QSOs found by call, by the beginning of the call or by DXCC entity, at
// most 50 at a time, each opened for editing with a click.

#include <QWidget>

#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;

namespace tsl {

struct AppState;
class FlexGrid;
class logbook;

class finder : public QWidget {
    Q_OBJECT
  public:
    static constexpr int shownrows = 50;

    finder(AppState& state, logbook& window);

    void finder_Form_Load();
    void setupfindergrid();
    // Lists the matches of a search under the caption "Prior QSOs: " & what.
    void showfound(const QString& what, const std::function<bool(const struct qsorecord&)>& match);
    void finder_showem_Click();
    void finder_showem_KeyPress(int16_t& keyascii);
    void finder_goback_Click();
    // Writes the listed QSOs' dates again, in the date order now set.
    void showdates();

    FlexGrid* grid() const { return showem; }
    QString messagestext() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    AppState& state_;
    logbook& window_;
    FlexGrid* showem;
    QLabel* messages;
    QPushButton* goback;
};

} // namespace tsl
