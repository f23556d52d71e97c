#include "flash.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace tsl {

flash::flash(const QString& title, QWidget* parent) : QWidget(parent, Qt::SplashScreen) {
    setObjectName("flash");
    setWindowTitle(title);
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
