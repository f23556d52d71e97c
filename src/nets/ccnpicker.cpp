#include "ccnpicker.h"

#include "ccn.h"
#include "core/state.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tsl {

namespace {

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

ccnpicker::ccnpicker(const AppState& state, StatusLine& status,
                     std::function<void(const Report&)> show, QWidget* parent)
    : reportpicker(state, status, std::move(show), "ccnpicker", parent) {
    setFont(QFont("Arial"));
    auto* layout = new QVBoxLayout(this);
    auto* Label1 = new QLabel(
        "Century Club Awards. Select the Band, Mode and Report you want, then click on Continue",
        this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    layout->addWidget(Label1);

    auto* frames = new QHBoxLayout;
    bands = optionframe(this, "bandframe", "Band",
                        {{{"band160", "160 Meters"},
                          {"band80", "80 / 75 Meters"},
                          {"band40", "40 Meters"},
                          {"band20", "20 Meters"}}});
    frames->addWidget(bands[0]->parentWidget());
    modes = optionframe(
        this, "modeframe", "Mode",
        {{{"modecw", "CW"}, {"modessb", "SSB"}, {"modertty", "RTTY"}, {"modepsk", "PSK"}}});
    frames->addWidget(modes[0]->parentWidget());
    layout->addLayout(frames);

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
    layout->addWidget(reportframe);

    addbuttons(
        layout, [this] { ccnpicker_goback_Click(); }, [this] { ccnpicker_continue_Click(); });
    ccnpicker_Form_Load();
}

void ccnpicker::ccnpicker_Form_Load() {
    showcaption();
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
    if (report[pokerplayer]->isChecked()) {
        present(ccnpokerreport(state_, mode, band));
        return;
    }
    int16_t kind = 0;
    for (int16_t k = 0; k < pokerplayer; ++k)
        if (report[static_cast<std::size_t>(k)]->isChecked()) kind = k;
    present(ccnreport(state_, mode, band, kind));
}

void ccnpicker::ccnpicker_goback_Click() {
    close();
}

} // namespace tsl
