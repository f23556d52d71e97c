#pragma once
// The splash window shown while start-up reads the settings and data files.

#include <QWidget>

namespace tsl {

class flash : public QWidget {
    Q_OBJECT
  public:
    explicit flash(const QString& title, QWidget* parent = nullptr);
    // Shows the window at once and lets it paint before the long loads go on.
    void flash_Form_Load();
};

} // namespace tsl
