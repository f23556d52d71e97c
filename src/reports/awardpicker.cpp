#include "awardpicker.h"

#include "core/state.h"
#include "entryaward.h"
#include "haveneed.h"
#include "numberaward.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <optional>

namespace tsl {

namespace {

// The widget under its program name, with its tip where it has one.
template <class Widget> Widget* named(Widget* widget, const char* name, const char* tip = nullptr) {
    widget->setObjectName(name);
    if (tip) widget->setToolTip(tip);
    return widget;
}

} // namespace

awardpicker::awardpicker(AppState& state, std::function<void(const Report&)> show, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), show_(std::move(show)) {
    setObjectName("awardpicker");
    setAttribute(Qt::WA_DeleteOnClose);
    powercombo = named(new QComboBox(this), "powercombo");
    auto* doreport = named(new QPushButton("Report", this), "doreport", "Click here for report");
    propcombo = named(new QComboBox(this), "propcombo", "Select Propagation");
    bandcombo = named(new QComboBox(this), "bandcombo", "Select Band");
    modecombo = named(new QComboBox(this), "modecombo", "Select Mode");
    showem = named(new QListWidget(this), "showem", "Select Report");
    auto* goback = named(new QPushButton("Return", this), "goback");
    blurb = named(new QLabel(this), "blurb");
    blurb->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(blurb, 0, 0, 1, 2);
    grid->addWidget(showem, 1, 0, 5, 1);
    auto* Label2 = named(new QLabel("Band", this), "Label2");
    auto* Label1 = named(new QLabel("Mode", this), "Label1");
    auto* Label3 = named(new QLabel("Propagation", this), "Label3");
    auto* Label4 = named(new QLabel("Power", this), "Label4");
    labelbox(Label2, bandcombo);
    labelbox(Label1, modecombo);
    labelbox(Label3, propcombo);
    labelbox(Label4, powercombo);
    grid->addWidget(Label2, 1, 1);
    grid->addWidget(bandcombo, 2, 1);
    grid->addWidget(Label1, 3, 1);
    grid->addWidget(modecombo, 4, 1);
    auto* right = new QGridLayout;
    right->addWidget(Label3, 0, 0);
    right->addWidget(propcombo, 1, 0);
    right->addWidget(Label4, 2, 0);
    right->addWidget(powercombo, 3, 0);
    grid->addLayout(right, 5, 1);
    grid->addWidget(doreport, 6, 0);
    grid->addWidget(goback, 6, 1);
    connect(doreport, &QPushButton::clicked, this, &awardpicker::doreport_Click);
    connect(goback, &QPushButton::clicked, this, &awardpicker::goback_Click);
    resize(520, 480);
    Form_Load();
}

void awardpicker::Form_Load() {
    setWindowTitle(toqt(state_.apptitle + state_.mycall.str()));
    filllist();
    // Index 0 of each combo is no filter; the others are the table indexes themselves.
    powercombo->clear();
    powercombo->addItems({"QRO", "QRP"});
    propcombo->clear();
    propcombo->addItem("All");
    for (int p = 1; p <= state_.propcount - 1; ++p)
        propcombo->addItem(toqt(state_.proptable[static_cast<std::size_t>(p)].name));
    bandcombo->clear();
    bandcombo->addItem("All");
    for (int b = 1; b <= state_.bandcount; ++b)
        bandcombo->addItem(toqt(state_.bandtable[static_cast<std::size_t>(b)].longname));
    modecombo->clear();
    modecombo->addItem("All");
    for (int m = 1; m <= state_.modecount; ++m)
        modecombo->addItem(toqt(state_.modetable[static_cast<std::size_t>(m)].name));
    for (QComboBox* box : {powercombo, propcombo, bandcombo, modecombo})
        box->setCurrentIndex(0);
}

void awardpicker::filllist() {
    showem->clear();
    blurb->clear();
    const AppState& s = state_;
    if (s.dxccneedflag || s.qsosbydxccflag) {
        if (s.dxccneedflag) showem->addItem("ALL");
        for (int c = 1; c <= s.dxcccount; ++c)
            showem->addItem(toqt(s.dxcctable[static_cast<std::size_t>(c)].country));
        showem->setCurrentRow(0);
        blurb->setText(s.dxccneedflag
                           ? "Click on a DXCC Country for the DXCC Have / Need Report"
                           : "Click on a DXCC Country for all QSOs with that DXCC Report");
    }
    if (s.numberawardflag && s.numberedawards >= 1) {
        for (int a = 1; a <= s.numberedawards; ++a)
            showem->addItem(toqt(s.awardtable[static_cast<std::size_t>(a)].name));
        blurb->setText("Click on a Number Award for report.");
        showem->setCurrentRow(0);
    }
    if (s.entryawardflag && s.listawards >= 1) {
        for (int a = s.numberedawards + 1; a <= s.awardcount; ++a)
            showem->addItem(toqt(s.awardtable[static_cast<std::size_t>(a)].name));
        blurb->setText("Click on a Entry Award for report.");
        showem->setCurrentRow(0);
    }
}

void awardpicker::doreport_Click() {
    AppState& s = state_;
    const int row = showem->currentRow();
    const int band = bandcombo->currentIndex();
    const int mode = modecombo->currentIndex();
    const int prop = propcombo->currentIndex();
    const bool qrp = powercombo->currentIndex() == 1;
    auto show = [this](const std::optional<Report>& report) {
        if (report) show_(*report);
    };
    if (s.dxccneedflag) {
        if (row == 0)
            show(dxcchaveneedall(s, band, mode, prop, qrp));
        else
            show(dxcchaveneedone(s, row, qrp));
    }
    if (row < 0) return;
    if (s.qsosbydxccflag) show(countryqsolist(s, row + 1, 0, band, mode, prop, qrp));
    if (s.numberawardflag) show(numberedawardreport(s, row + 1, 0, band, mode, prop, qrp));
    if (s.entryawardflag)
        show(entryawardreport(s, row + 1 + s.numberedawards, 0, band, mode, prop, qrp));
}

void awardpicker::goback_Click() {
    state_.qsosbydxccflag = false;
    state_.dxccneedflag = false;
    state_.numberawardflag = false;
    state_.entryawardflag = false;
    close();
}

} // namespace tsl
