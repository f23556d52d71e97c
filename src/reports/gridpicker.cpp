#include "gridpicker.h"

#include "core/state.h"
#include "gridsquares.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/statusline.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tsl {

namespace {

QComboBox* labelledcombo(QWidget* form, QGridLayout* layout, int row, const char* name,
                         const char* label) {
    auto* caption = new QLabel(label, form);
    layout->addWidget(caption, row, 0);
    auto* box = new QComboBox(form);
    box->setObjectName(name);
    labelbox(caption, box);
    layout->addWidget(box, row, 1);
    return box;
}

} // namespace

pickerfilterlists::pickerfilterlists(QWidget* form, QGridLayout* layout, int row)
    : bandcombo(labelledcombo(form, layout, row, "bandcombo", "Band")),
      modecombo(labelledcombo(form, layout, row + 1, "modecombo", "Mode")),
      propcombo(labelledcombo(form, layout, row + 2, "propcombo", "Propagation")),
      powercombo(labelledcombo(form, layout, row + 3, "powercombo", "Power")) {}

void pickerfilterlists::fill(const AppState& s) const {
    for (QComboBox* box : {bandcombo, modecombo, propcombo, powercombo})
        box->clear();
    bandcombo->addItem("All");
    for (int b = 1; b <= s.bandcount; ++b)
        bandcombo->addItem(toqt(s.bandtable[static_cast<std::size_t>(b)].longname));
    modecombo->addItem("All");
    for (int m = 1; m <= s.modecount; ++m)
        modecombo->addItem(toqt(s.modetable[static_cast<std::size_t>(m)].name));
    propcombo->addItem("All");
    for (int p = 1; p <= s.propcount - 1; ++p)
        propcombo->addItem(toqt(s.proptable[static_cast<std::size_t>(p)].name));
    powercombo->addItem("QRO");
    powercombo->addItem("QRP");
    for (QComboBox* box : {bandcombo, modecombo, propcombo, powercombo})
        box->setCurrentIndex(0);
}

QGridLayout* pickergrid(QWidget* form, const char* help) {
    auto* grid = new QGridLayout(form);
    auto* Label1 = new QLabel(help, form);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    grid->addWidget(Label1, 0, 0, 1, 2);
    return grid;
}

std::pair<QPushButton*, QPushButton*> pickerbuttons(QWidget* form, QGridLayout* grid, int row) {
    auto* continuebutton = new QPushButton("Continue", form);
    continuebutton->setObjectName("continue");
    auto* goback = new QPushButton("Return", form);
    goback->setObjectName("goback");
    grid->addWidget(continuebutton, row, 0);
    grid->addWidget(goback, row, 1);
    return {continuebutton, goback};
}

gridpicker::gridpicker(AppState& state, StatusLine& status, reportshower show, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), status_(status), show_(std::move(show)),
      filters_(this,
               pickergrid(this, "Grid Square Reports. Select a Mode, Band, Propagation and "
                                "Power. Then click Continue. 75 Meter Band QSOs are included "
                                "in 80 Meters."),
               1) {
    setObjectName("gridpicker");
    setAttribute(Qt::WA_DeleteOnClose);
    const auto [continuebutton, goback] =
        pickerbuttons(this, static_cast<QGridLayout*>(layout()), 5);
    connect(continuebutton, &QPushButton::clicked, this, &gridpicker::gridpicker_continue_Click);
    connect(goback, &QPushButton::clicked, this, &gridpicker::gridpicker_goback_Click);
    gridpicker_Form_Load();
}

void gridpicker::gridpicker_Form_Load() {
    setWindowTitle(toqt(state_.apptitle + " - " + state_.mycall.str()));
    filters_.fill(state_);
}

void gridpicker::gridpicker_continue_Click() {
    status_.setstatus("Preparing report");
    show_(gridsquarereport(state_, static_cast<int16_t>(filters_.bandcombo->currentIndex()),
                           static_cast<int16_t>(filters_.modecombo->currentIndex()),
                           static_cast<int16_t>(filters_.propcombo->currentIndex()),
                           static_cast<int16_t>(filters_.powercombo->currentIndex())));
}

void gridpicker::gridpicker_goback_Click() {
    close();
}

} // namespace tsl
