#include "arlhsform.h"

#include "arlhs.h"
#include "core/state.h"
#include "platform/codepage.h"
#include "platform/statusline.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tsl {

namespace {

constexpr std::array<const char*, arlhsreports> captions = {
    "All Lighthouses Worked", "Worked All States",         "10 US Call Areas",
    "Worked All Continents",  "Africa Lighthouses",        "Antarctica Lighthouses",
    "Asia Lighthouses",       "Europe Lighthouses",        "North American Lighthouses",
    "Oceania Lighthouses",    "South America Lighthouses", "DXCC",
    "Lighthouses by Country",
};

} // namespace

arlhsform::arlhsform(AppState& state, StatusLine& status, reportshower show, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), status_(status), show_(std::move(show)) {
    setObjectName("arlhsform");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    auto* Frame1 = new QGroupBox("Choose Report", this);
    Frame1->setObjectName("Frame1");
    auto* options = new QVBoxLayout(Frame1);
    for (std::size_t k = 0; k < repno.size(); ++k) {
        repno[k] = new QRadioButton(captions[k], Frame1);
        repno[k]->setObjectName("repno" + QString::number(k));
        options->addWidget(repno[k]);
    }
    dxcclist = new QListWidget(this);
    dxcclist->setObjectName("dxcclist");
    auto* Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    auto* doit = new QPushButton("Do Report", this);
    doit->setObjectName("doit");
    auto* goback = new QPushButton("Return", this);
    goback->setObjectName("goback");
    grid->addWidget(Frame1, 0, 0);
    grid->addWidget(dxcclist, 0, 1);
    grid->addWidget(Label1, 1, 0, 1, 2);
    grid->addWidget(doit, 2, 0);
    grid->addWidget(goback, 2, 1);
    connect(dxcclist, &QListWidget::currentRowChanged, this, &arlhsform::arlhsform_dxcclist_Click);
    connect(doit, &QPushButton::clicked, this, &arlhsform::arlhsform_doit_Click);
    connect(goback, &QPushButton::clicked, this, &arlhsform::arlhsform_goback_Click);
    arlhsform_Form_Load();
}

void arlhsform::arlhsform_Form_Load() {
    setWindowTitle(toqt(state_.apptitle + " " + state_.mycall.str()));
    repno[0]->setChecked(true);
    findChild<QLabel*>("Label1")->setText(
        "Use the Number Awards / ARLHS # report for a list of ARLHS #s you have worked. Use "
        "the Entry Awards / ARLHS for a list of ALL light houses, worked or not. Select a "
        "Country from the list for the Lighthouses by Country report");
    // Deleted countries stay in the list, so that a position + 1 is the table index.
    const QSignalBlocker quiet(dxcclist);
    dxcclist->clear();
    for (int d = 1; d <= state_.dxcccount; ++d)
        dxcclist->addItem(toqt(state_.dxcctable[static_cast<std::size_t>(d)].country));
}

void arlhsform::arlhsform_dxcclist_Click() {
    if (dxcclist->currentRow() >= 0)
        chosencountry = static_cast<int16_t>(dxcclist->currentRow() + 1);
}

void arlhsform::arlhsform_doit_Click() {
    for (std::size_t k = 0; k < repno.size(); ++k)
        if (repno[k]->isChecked()) chosenreport = static_cast<int16_t>(k);
    // Before any country is clicked the first one of the list is meant.
    if (chosencountry < 1) chosencountry = 1;
    status_.setstatus("Preparing report");
    show_(arlhsreport(state_, chosenreport, chosencountry));
}

void arlhsform::arlhsform_goback_Click() {
    close();
}

} // namespace tsl
