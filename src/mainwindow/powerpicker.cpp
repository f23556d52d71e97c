#include "powerpicker.h"

#include "core/state.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tsl {

powerpicker::powerpicker(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName("powerpicker");
    auto* doit = new QPushButton("Continue", this);
    doit->setObjectName("doit");
    auto* Label1 = new QLabel("Select QRO or QRP. QRP is defined as five watts or less for CW "
                              "and ten watts or less for all other modes.",
                              this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    auto* Label2 = new QLabel("Power", this);
    Label2->setObjectName("Label2");
    powercombo = new QComboBox(this);
    powercombo->setObjectName("powercombo");
    labelbox(Label2, powercombo);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 3);
    layout->addWidget(Label2, 1, 0);
    layout->addWidget(powercombo, 1, 1);
    layout->addWidget(doit, 2, 2);
    connect(doit, &QPushButton::clicked, this, &powerpicker::powerpicker_doit_Click);

    powerpicker_Form_Load();
}

void powerpicker::powerpicker_Form_Load() {
    // The call keeps its full field width, blanks and all, as the title always showed it.
    setWindowTitle("Power Selector " + toqt(state_.mycall.str()));
    powercombo->clear();
    powercombo->addItem("QRO");
    powercombo->addItem("QRP");
    powercombo->setCurrentIndex(0);
}

void powerpicker::powerpicker_doit_Click() {
    state_.qrpflag = powercombo->currentIndex() != 0;
    accept();
}

void choosepower(AppState& state, Dialogs& dialogs, QWidget* parent) {
    // A new window each time, so every report starts from QRO.
    powerpicker form(state, parent);
    dialogs.showform(form);
}

} // namespace tsl
