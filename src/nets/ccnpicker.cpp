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

// A frame of four option buttons, top to bottom: each button's name and caption.
std::array<QRadioButton*, 4> optionframe(QWidget* parent, const char* name, const char* caption,
                                         const std::array<std::array<const char*, 2>, 4>& options) {
    QGroupBox* f = frame(parent, name, caption);
    auto* column = new QVBoxLayout(f);
    std::array<QRadioButton*, 4> buttons{};
    for (std::size_t k = 0; k < options.size(); ++k) {
        buttons[k] = option(f, options[k][0], options[k][1]);
        column->addWidget(buttons[k]);
    }
    return buttons;
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

    bands = optionframe(this, "bandframe", "Band",
                        {{{"band160", "160 Meters"},
                          {"band80", "80 / 75 Meters"},
                          {"band40", "40 Meters"},
                          {"band20", "20 Meters"}}});
    layout->addWidget(bands[0]->parentWidget(), 1, 0);
    modes = optionframe(
        this, "modeframe", "Mode",
        {{{"modecw", "CW"}, {"modessb", "SSB"}, {"modertty", "RTTY"}, {"modepsk", "PSK"}}});
    layout->addWidget(modes[0]->parentWidget(), 1, 1);

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
    bands[0]->setChecked(true);
    modes[0]->setChecked(true);
    report[0]->setChecked(true);
}

void ccnpicker::ccnpicker_continue_Click() {
    // 160, 80 (band 3 alone), 40 and 20 m; CW, SSB, RTTY and PSK.
    const std::array<int16_t, 4> bandindex = {2, 3, 6, 8};
    const std::array<int16_t, 4> modeindex = {state_.cwmodeindex, state_.ssbmodeindex,
                                              state_.rttymodeindex, state_.pskmodeindex};
    int16_t band = 0;
    int16_t mode = 0;
    for (std::size_t k = 0; k < bands.size(); ++k) {
        if (bands[k]->isChecked()) band = bandindex[k];
        if (modes[k]->isChecked()) mode = modeindex[k];
    }
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
