#include "dirlists.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStorageInfo>
#include <QVBoxLayout>

#include <algorithm>

namespace tsl {

namespace {

std::string local8(const QString& text) {
    return text.toLocal8Bit().toStdString();
}
QString fromlocal8(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string withslash(std::string root) {
    if (root.empty() || root.back() != '/') root += '/';
    return root;
}

} // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    std::vector<std::string> roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady()) roots.push_back(local8(volume.rootPath()));
    setvolumes(roots);
    connect(this, &QComboBox::activated, this, [this] { emit drivechosen(); });
}

std::string DriveList::drive() const {
    return local8(currentText());
}

bool DriveList::setdrive(const std::string& path) {
    const std::string folder = withslash(path);
    int best = -1;
    std::size_t length = 0;
    for (int i = 0; i < count(); ++i) {
        const std::string root = local8(itemText(i));
        if (folder.compare(0, root.size(), root) == 0 && (best < 0 || root.size() > length)) {
            best = i;
            length = root.size();
        }
    }
    if (best < 0) return false;
    const QSignalBlocker quiet(this);
    setCurrentIndex(best);
    return true;
}

void DriveList::setvolumes(const std::vector<std::string>& roots) {
    std::vector<std::string> sorted;
    for (const std::string& root : roots)
        sorted.push_back(withslash(root));
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    const QSignalBlocker quiet(this);
    clear();
    for (const std::string& root : sorted)
        addItem(fromlocal8(root));
}

DirectoryList::DirectoryList(QWidget* parent)
    : QWidget(parent), box_(new QLineEdit(this)), folders_(new QListWidget(this)) {
    box_->setObjectName("pathbox");
    folders_->setObjectName("folders");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box_);
    layout->addWidget(folders_);
    connect(folders_, &QListWidget::itemActivated, this, &DirectoryList::open);
    folders_->installEventFilter(this);
}

bool DirectoryList::setpath(const std::string& path) {
    if (path.empty()) return false;
    const QFileInfo info(fromlocal8(path));
    if (!info.isDir() || !info.isReadable()) return false;
    const QDir dir(info.absoluteFilePath());
    path_ = local8(QDir::cleanPath(dir.absolutePath()));
    box_->setText(fromlocal8(path_));
    folders_->clear();
    if (!dir.isRoot()) folders_->addItem("..");
    folders_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));
    emit pathchanged();
    return true;
}

bool DirectoryList::typed() const {
    return typedpath() != path_;
}

std::string DirectoryList::typedpath() const {
    return local8(box_->text());
}

void DirectoryList::reverttyped() {
    box_->setText(fromlocal8(path_));
}

void DirectoryList::open(QListWidgetItem* item) {
    setpath(local8(QDir(fromlocal8(path_)).filePath(item->text())));
}

bool DirectoryList::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a folder opens it and goes no further, to the form's default button.
    if (watched == folders_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && folders_->currentItem()) {
            open(folders_->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tsl
