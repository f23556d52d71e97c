#pragma once
// A menu bar whose access keys behave as the desktop's do when two of its items share one:
// each press of the key selects the next of them and runs none; Enter runs or opens the
// selected item, Escape leaves the menu bar with nothing run, and a click anywhere leaves
// it too. The focus stays in its box meanwhile, so nothing typed there is checked or lost.
// A key of one item only runs or opens that item at once, as before.

#include <QKeySequence>
#include <QMenuBar>
#include <QPointer>

namespace tsl {

class AccessKeyMenuBar : public QMenuBar {
    Q_OBJECT
  public:
    explicit AccessKeyMenuBar(QWidget* parent = nullptr);

    // The item a shared access key has selected; null while none is.
    QAction* selecteditem() const { return selected_; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    friend class SelectedItemKeys;

    // The visible, enabled items whose access key is key (an Alt+ sequence).
    QList<QAction*> itemswithkey(const QKeySequence& key) const;
    // Selects the next item of a shared key; false when no two items share it.
    bool selectnext(const QKeySequence& key);
    // A key pressed while an item is selected; every key is the menu bar's then.
    void selectedkey(const QKeyEvent& key);
    void leave();
    void run(QAction* item);

    QPointer<QAction> selected_;
    QObject* keys_; // takes the application's keys while an item is selected
};

} // namespace tsl
