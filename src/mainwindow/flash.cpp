#include "flash.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace tsl {

flash::flash(const QString& title, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("flash");
    // A window with its title bar, which takes no focus: the main window keeps it once shown.
    setWindowTitle(title);
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(this);
    auto* big = new QLabel(title, this);
    big->setObjectName("Label1");
    QFont font = big->font();
    font.setPointSize(28);
    font.setBold(true);
    big->setFont(font);
    big->setAlignment(Qt::AlignCenter);
    auto* loading = new QLabel("Program loading ...", this);
    loading->setObjectName("Label4");
    loading->setAlignment(Qt::AlignCenter);
    layout->addWidget(big);
    layout->addWidget(loading);
    resize(420, 200);
}

void flash::flash_Form_Load() {
    show();
    QCoreApplication::processEvents();
}

} // namespace tsl
