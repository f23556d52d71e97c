#include "ccnquarnimport.h"

#include "core/state.h"
#include "core/tables.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/dialogs.h"
#include "platform/statusline.h"
#include "quarnlog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tsl {

namespace {

QLabel* label(QWidget* parent, const char* name, const char* text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

QComboBox* list(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    return box;
}

} // namespace

ccnquarnimport::ccnquarnimport(AppState& state, Dialogs& dialogs, StatusLine& status,
                               std::function<void()> redraw, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), dialogs_(dialogs), status_(status),
      redraw_(std::move(redraw)) {
    setObjectName("ccnquarnimport");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont("Arial"));
    bandmode = list(this, "bandmode");
    powercombo = list(this, "powercombo");
    qthcombo = list(this, "qthcombo");
    auto* doit = new QPushButton("Import File", this);
    doit->setObjectName("doit");
    doit->setToolTip("Click here to import the file");
    auto* dont = new QPushButton("Return", this);
    dont->setObjectName("dont");
    auto* grid = new QGridLayout(this);
    grid->addWidget(label(this, "Label2",
                          "This import is made for the export files of the QUARNLOG logging "
                          "program."),
                    0, 0, 1, 3);
    grid->addWidget(label(this, "Label3",
                          "The first time you use this import routine, you should transfer all "
                          "of your QSOs from QUARNLOG for each net. You need to do a separate "
                          "export from QUARNLOG and a separate import to Tessalog for each Band "
                          "/ Mode combination. Export the QSOs from QUARNLOG to a file called "
                          "export.inf."),
                    1, 0, 1, 3);
    grid->addWidget(label(this, "Label4",
                          "Subsequently, you only want to import new QSOs for each net into "
                          "Tessalog. Otherwise you will have duplicate QSOs. Export your QSOs "
                          "from QUARNLOG to the file export.inf."),
                    2, 0, 1, 3);
    const std::pair<QWidget*, QLabel*> lists[] = {
        {bandmode, label(this, "Label1",
                         "Select the band and mode for the QSOs you have exported from "
                         "QUARNLOG.")},
        {powercombo, label(this, "Label5", "Select the power for all QSOs")},
        {qthcombo, label(this, "Label6", "Select the QTH for all QSOs")},
    };
    for (int column = 0; column < 3; ++column) {
        const auto& [box, caption] = lists[column];
        labelbox(caption, box);
        grid->addWidget(caption, 3, column);
    }
    grid->addWidget(bandmode, 4, 0);
    grid->addWidget(powercombo, 4, 1);
    grid->addWidget(qthcombo, 4, 2);
    grid->addWidget(doit, 5, 0);
    grid->addWidget(dont, 5, 2);
    connect(doit, &QPushButton::clicked, this, &ccnquarnimport::ccnquarnimport_doit_Click);
    connect(dont, &QPushButton::clicked, this, &ccnquarnimport::ccnquarnimport_dont_Click);
    ccnquarnimport_Form_Load();
}

void ccnquarnimport::ccnquarnimport_Form_Load() {
    setWindowTitle(
        toqt(state_.apptitle + "Century Club Net QUARNLOG Import " + state_.mycall.str()));
    for (const char* text : quarnbandmodes)
        bandmode->addItem(text);
    powercombo->addItems({"QRO", "QRP"});
    for (const char* text : qthnames)
        qthcombo->addItem(text);
    bandmode->setCurrentIndex(0);
    powercombo->setCurrentIndex(0);
    qthcombo->setCurrentIndex(0);
}

void ccnquarnimport::ccnquarnimport_doit_Click() {
    bandmodechoice = bandmode->currentIndex();
    qthchoice = qthcombo->currentIndex();
    powerchoice = powercombo->currentIndex();
    if (bandmodechoice < 0) return;
    pickquarnfile();
    close();
    redraw_();
}

void ccnquarnimport::ccnquarnimport_dont_Click() {
    close();
}

void ccnquarnimport::pickquarnfile() {
    const auto file = dialogs_.choosefile(state_.apppath, "export.inf", false);
    if (!file || file->empty()) return;
    const std::string title = file->substr(file->find_last_of('/') + 1);
    status_.setstatus("CCN / QUARNLOG import " + title +
                      ". This may take a while, please be patient.");
    state_.chosenfile = *file;
    quarnchoice choice;
    choice.bandmode = bandmodechoice;
    choice.power = powerchoice;
    choice.qth = std::max(qthchoice, 0);
    choice.currentyear = state_.localnow().date().year();
    importquarn(state_, status_, dialogs_, choice);
}

} // namespace tsl
