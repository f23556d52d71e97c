#include "abouttsl.h"

#include "core/state.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace tsl {

abouttsl::abouttsl(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName("abouttsl");
    auto* picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    // Until the program carries an icon of its own, the standard information sign stands in.
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    picIcon->setPixmap(icon.pixmap(32, 32));
    lblTitle = new QLabel(this);
    lblTitle->setObjectName("lblTitle");
    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");
    auto* cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(lblTitle, 0, 1);
    layout->addWidget(lblVersion, 1, 1);
    layout->addWidget(cmdOK, 2, 1, Qt::AlignRight);
    // Enter reaches the default button; Esc rejects, which closes the box just the same.
    connect(cmdOK, &QPushButton::clicked, this, &abouttsl::abouttsl_cmdOK_Click);

    abouttsl_Form_Load();
}

void abouttsl::abouttsl_Form_Load() {
    setWindowTitle(toqt(state_.apptitle + state_.mycall.str()));
    lblTitle->setText(toqt(state_.apptitle));
    // The numbers come from the project version, so the box cannot drift from the build.
    lblVersion->setText(QString("Version %1.%2.%3")
                            .arg(TESSALOG_VERSION_MAJOR)
                            .arg(TESSALOG_VERSION_MINOR)
                            .arg(TESSALOG_VERSION_PATCH));
}

void abouttsl::abouttsl_cmdOK_Click() {
    accept();
}

void showabout(AppState& state, Dialogs& dialogs, QWidget* parent) {
    abouttsl box(state, parent);
    dialogs.showform(box);
}

} // namespace tsl
