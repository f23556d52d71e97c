#include "wabpicker.h"

#include "core/state.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/statusline.h"
#include "wab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tsl {

namespace {

QComboBox* reportlist(QWidget* form, QGridLayout* grid) {
    auto* caption = new QLabel("Report", form);
    grid->addWidget(caption, 1, 0);
    auto* box = new QComboBox(form);
    box->setObjectName("reportcombo");
    labelbox(caption, box);
    grid->addWidget(box, 1, 1);
    return box;
}

} // namespace

wabpicker::wabpicker(AppState& state, StatusLine& status, reportshower show, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), status_(status), show_(std::move(show)),
      reportcombo(reportlist(
          this, pickergrid(this, "WAB, Worked All Britain Reports. Select a Report, Mode, Band, "
                                 "Propagation and Power. Then click Continue. 75 Meter Band "
                                 "QSOs are included in 80 Meters."))),
      filters_(this, static_cast<QGridLayout*>(layout()), 2) {
    setObjectName("wabpicker");
    setAttribute(Qt::WA_DeleteOnClose);
    const auto [continuebutton, goback] =
        pickerbuttons(this, static_cast<QGridLayout*>(layout()), 6);
    connect(continuebutton, &QPushButton::clicked, this, &wabpicker::wabpicker_continue_Click);
    connect(goback, &QPushButton::clicked, this, &wabpicker::wabpicker_goback_Click);
    wabpicker_Form_Load();
}

void wabpicker::wabpicker_Form_Load() {
    setWindowTitle(toqt(state_.apptitle + " - " + state_.mycall.str()));
    reportcombo->clear();
    for (const char* part : {"All Worked All Britain Squares", "English", "Irish", "Scottish",
                             "Welsh", "Isle of Man", "Channel Islands"})
        reportcombo->addItem(part);
    reportcombo->setCurrentIndex(0);
    filters_.fill(state_);
}

void wabpicker::wabpicker_continue_Click() {
    status_.setstatus("Preparing report");
    show_(wabreport(state_, static_cast<int16_t>(reportcombo->currentIndex()),
                    static_cast<int16_t>(filters_.bandcombo->currentIndex()),
                    static_cast<int16_t>(filters_.modecombo->currentIndex()),
                    static_cast<int16_t>(filters_.propcombo->currentIndex()),
                    static_cast<int16_t>(filters_.powercombo->currentIndex())));
}

void wabpicker::wabpicker_goback_Click() {
    close();
}

} // namespace tsl
