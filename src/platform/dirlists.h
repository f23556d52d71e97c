#pragma once
// The drive list and the directory list of the set-up forms, as this system has them: the
// drives are the mounted volumes, named by their root folders; the directory list shows one
// folder in a box the operator may also type into, and the folders within it, one of which
// a double click (or Enter) opens.

#include <QComboBox>
#include <QWidget>

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace tsl {

class DriveList : public QComboBox {
    Q_OBJECT
  public:
    explicit DriveList(QWidget* parent = nullptr);

    // The root folder of the volume chosen, ending in "/".
    std::string drive() const;
    // Chooses the volume that holds the path, the one with the longest root that begins
    // it; false, with the choice unchanged, when none does.
    bool setdrive(const std::string& path);
    // The volumes listed, in place of the mounted ones.
    void setvolumes(const std::vector<std::string>& roots);

  signals:
    // The operator chose another volume.
    void drivechosen();
};

class DirectoryList : public QWidget {
    Q_OBJECT
  public:
    explicit DirectoryList(QWidget* parent = nullptr);

    // The folder shown, without a trailing "/" (except the root's own).
    std::string path() const { return path_; }
    // Shows the folder; false, with nothing changed, when it is not there or cannot be read.
    bool setpath(const std::string& path);
    // The folder typed into the box, when it differs from the one shown.
    bool typed() const;
    std::string typedpath() const;
    // The box shows the folder shown again.
    void reverttyped();

    QLineEdit* pathbox() const { return box_; }

  signals:
    // The folder shown changed.
    void pathchanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void open(QListWidgetItem* item);

    std::string path_;
    QLineEdit* box_;
    QListWidget* folders_;
};

} // namespace tsl
