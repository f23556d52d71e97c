#include "ccnpicker.h"

#include "ccn.h"
#include "core/state.h"
#include "platform/codepage.h"
#include "platform/statusline.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tsl {

namespace {

QRadioButton* option(QWidget* parent, const QString& name, const char* caption) {
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QGroupBox* frame(QWidget* parent, const char* name, const char* caption) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    return f;
}

constexpr std::array<const char*, 15> reportcaptions = {
    "All QSOs",
    "State Capitals",
    "Combos",
    "2 letter Call",
    "DX",
    "YLs",
    "Alphabet",
    "Mobiles",
    "NOMAD",
    "Nite Owl",
    "Worked All Canada",
    "Call Areas",
    "WAS",
    "WAS YL",
    "Poker Player",
};

constexpr int pokerplayer = 14;

} // namespace

ccnpicker::ccnpicker(AppState& state, StatusLine& status,
                     std::function<void(const Report&)> showreport, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), status_(status),
      showreport_(std::move(showreport)) {
    setObjectName("ccnpicker");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont("Arial"));
    auto* layout = new QGridLayout(this);
    auto* Label1 = new QLabel(
        "Century Club Awards. Select the Band, Mode and Report you want, then click on Continue",
        this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    layout->addWidget(Label1, 0, 0, 1, 2);

    QGroupBox* bandframe = frame(this, "bandframe", "Band");
    auto* bands = new QVBoxLayout(bandframe);
    band160 = option(bandframe, "band160", "160 Meters");
    band80 = option(bandframe, "band80", "80 / 75 Meters");
    band40 = option(bandframe, "band40", "40 Meters");
    band20 = option(bandframe, "band20", "20 Meters");
    for (QRadioButton* b : {band160, band80, band40, band20})
        bands->addWidget(b);
    layout->addWidget(bandframe, 1, 0);

    QGroupBox* modeframe = frame(this, "modeframe", "Mode");
    auto* modes = new QVBoxLayout(modeframe);
    modecw = option(modeframe, "modecw", "CW");
    modessb = option(modeframe, "modessb", "SSB");
    modertty = option(modeframe, "modertty", "RTTY");
    modepsk = option(modeframe, "modepsk", "PSK");
    for (QRadioButton* b : {modecw, modessb, modertty, modepsk})
        modes->addWidget(b);
    layout->addWidget(modeframe, 1, 1);

    // Two columns, each button of the right column level with one of the left.
    QGroupBox* reportframe = frame(this, "reportframe", "Report");
    auto* reports = new QGridLayout(reportframe);
    constexpr std::array<int, 8> left = {0, 1, 2, 3, 8, 10, 12, 14};
    constexpr std::array<int, 7> right = {4, 5, 6, 7, 9, 11, 13};
    for (std::size_t k = 0; k < report.size(); ++k)
        report[k] = option(reportframe, "report" + QString::number(k), reportcaptions[k]);
    for (std::size_t row = 0; row < left.size(); ++row)
        reports->addWidget(report[static_cast<std::size_t>(left[row])], static_cast<int>(row), 0);
    for (std::size_t row = 0; row < right.size(); ++row)
        reports->addWidget(report[static_cast<std::size_t>(right[row])], static_cast<int>(row), 1);
    layout->addWidget(reportframe, 2, 0, 1, 2);

    auto* goback = new QPushButton("Return", this);
    goback->setObjectName("goback");
    auto* continuebutton = new QPushButton("Continue", this);
    continuebutton->setObjectName("continue");
    layout->addWidget(goback, 3, 0, Qt::AlignLeft);
    layout->addWidget(continuebutton, 3, 1, Qt::AlignRight);
    connect(goback, &QPushButton::clicked, this, &ccnpicker::ccnpicker_goback_Click);
    connect(continuebutton, &QPushButton::clicked, this, &ccnpicker::ccnpicker_continue_Click);
    ccnpicker_Form_Load();
}

void ccnpicker::ccnpicker_Form_Load() {
    setWindowTitle(toqt(state_.apptitle + " " + state_.mycall.str()));
    band160->setChecked(true);
    modecw->setChecked(true);
    report[0]->setChecked(true);
}

void ccnpicker::ccnpicker_continue_Click() {
    int16_t band = 0;
    int16_t mode = 0;
    const std::array<std::pair<QRadioButton*, int16_t>, 4> bands = {
        {{band160, 2}, {band80, 3}, {band40, 6}, {band20, 8}}};
    for (const auto& [button, index] : bands)
        if (button->isChecked()) band = index;
    const std::array<std::pair<QRadioButton*, int16_t>, 4> modes = {
        {{modecw, state_.cwmodeindex},
         {modessb, state_.ssbmodeindex},
         {modertty, state_.rttymodeindex},
         {modepsk, state_.pskmodeindex}}};
    for (const auto& [button, index] : modes)
        if (button->isChecked()) mode = index;
    status_.setstatus("Preparing report");
    if (report[pokerplayer]->isChecked()) {
        showreport_(ccnpokerreport(state_, mode, band));
        return;
    }
    int16_t kind = 0;
    for (int16_t k = 0; k < pokerplayer; ++k)
        if (report[static_cast<std::size_t>(k)]->isChecked()) kind = k;
    showreport_(ccnreport(state_, mode, band, kind));
}

void ccnpicker::ccnpicker_goback_Click() {
    close();
}

} // namespace tsl
