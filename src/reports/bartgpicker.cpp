#include "bartgpicker.h"

#include "core/state.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tsl {

namespace {

constexpr std::array<const char*, bartgawards> awardcaptions = {
    "Quarter Century Award, All Bands, RTTY / PSK31",
    "PSK31 Award - All Bands",
    "Africa Award",
    "Europe Award",
    "North America Award",
    "South America Award",
    "Quarter Century Award, One Band, RTTY",
    "Quarter Century Award, One Band, PSK31",
};

constexpr std::array<const char*, bartgbands.size() + 1> bandcaptions = {
    "160 Mtrs", "80 Mtrs", "40 Mtrs", "30 Mtrs", "20 Mtrs",
    "17 Mtrs",  "15 Mtrs", "12 Mtrs", "10 Mtrs", "All Bands, 160-10 Mtrs",
};

// The continents of the continent awards 2 to 5: Africa, Europe, North and South America.
constexpr std::array<int, 4> awardcontinents = {1, 4, 5, 7};

// The options of a frame, one under the other, named after the array and its index.
template <std::size_t N>
QGroupBox* optionframe(QWidget* form, const char* title, const char* name,
                       const std::array<const char*, N>& captions,
                       std::array<QRadioButton*, N>& options) {
    auto* frame = new QGroupBox(title, form);
    auto* layout = new QVBoxLayout(frame);
    for (std::size_t k = 0; k < N; ++k) {
        options[k] = new QRadioButton(captions[k], frame);
        options[k]->setObjectName(name + QString::number(k));
        layout->addWidget(options[k]);
    }
    return frame;
}

// The index of the chosen option, -1 when none is chosen.
template <std::size_t N> int chosen(const std::array<QRadioButton*, N>& options) {
    for (std::size_t k = 0; k < N; ++k)
        if (options[k]->isChecked()) return static_cast<int>(k);
    return -1;
}

} // namespace

BARTGpicker::BARTGpicker(const AppState& state, Dialogs& dialogs, reportshower show,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), dialogs_(dialogs), show_(std::move(show)) {
    setObjectName("BARTGpicker");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    grid->addWidget(optionframe(this, "Select Award", "award", awardcaptions, award), 0, 0);
    grid->addWidget(optionframe(this, "Select Band", "bands", bandcaptions, bands), 0, 1);
    auto* Label1 = new QLabel("Select an award. For the QCA award you may select a band. For the "
                              "Continent awards you also need to select a band, or all bands",
                              this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    grid->addWidget(Label1, 1, 0, 1, 2);
    auto* doreport = new QPushButton("Do Report", this);
    doreport->setObjectName("doreport");
    auto* goback = new QPushButton("Return", this);
    goback->setObjectName("goback");
    grid->addWidget(doreport, 2, 0);
    grid->addWidget(goback, 2, 1);
    for (std::size_t k = 0; k < award.size(); ++k)
        connect(award[k], &QRadioButton::clicked, this,
                [this, k] { BARTGpicker_award_Click(static_cast<int>(k)); });
    connect(doreport, &QPushButton::clicked, this, &BARTGpicker::BARTGpicker_doreport_Click);
    connect(goback, &QPushButton::clicked, this, &BARTGpicker::BARTGpicker_goback_Click);
    BARTGpicker_Form_Load();
}

void BARTGpicker::BARTGpicker_Form_Load() {
    setWindowTitle(toqt("BARTG Award Reports - " + state_.mycall.str()));
    award[0]->setChecked(true);
    BARTGpicker_award_Click(0);
}

void BARTGpicker::BARTGpicker_award_Click(int index) {
    const bool withoutbands = index == 0 || index == 1;
    if (withoutbands) bands[allbandsoption]->setChecked(true);
    for (int k = 0; k < allbandsoption; ++k)
        bands[static_cast<std::size_t>(k)]->setEnabled(!withoutbands);
}

void BARTGpicker::BARTGpicker_doreport_Click() {
    const int chosenaward = chosen(award);
    if (chosenaward < 0) return;
    int bandoption = chosen(bands);
    if (bandoption < 0) bandoption = allbandsoption;
    const bool allbands = bandoption == allbandsoption;
    const bool onebandaward = chosenaward == 6 || chosenaward == 7;
    if (onebandaward && allbands) {
        dialogs_.msgbox("Please select a band", msgbuttons::ok, msgicon::none, "BARTG Reports");
        return;
    }
    const bool continentaward = chosenaward >= 2 && chosenaward <= 5;
    const int continent =
        continentaward ? awardcontinents[static_cast<std::size_t>(chosenaward - 2)] : 0;
    if (continentaward && allbands)
        show_(bartgreport(state_, chosenaward, 2, continent, true));
    else
        show_(bartgreport(state_, chosenaward,
                          allbands ? 0 : bartgbands[static_cast<std::size_t>(bandoption)],
                          continent, false));
}

void BARTGpicker::BARTGpicker_goback_Click() {
    close();
}

} // namespace tsl
