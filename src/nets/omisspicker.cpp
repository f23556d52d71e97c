#include "omisspicker.h"

#include "core/state.h"
#include "omiss.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tsl {

namespace {

constexpr std::array<const char*, 15> reportcaptions = {"All QSOs",
                                                        "WAS",
                                                        "1 x 3 WAS",
                                                        "WAS While QRP",
                                                        "WAS, Mobile Stations",
                                                        "WAS While Mobile",
                                                        "Canadian Provinces",
                                                        "Prefixes",
                                                        nullptr,
                                                        "Grid Squares",
                                                        "Military",
                                                        "Spelling Bee",
                                                        "DX",
                                                        "7 X 25",
                                                        "Postal"};

// The report options by column, top to bottom.
constexpr std::array<int, 7> leftreports = {0, 1, 2, 7, 10, 12, 14};
constexpr std::array<int, 7> rightreports = {4, 5, 6, 3, 9, 11, 13};

constexpr int callsbyband = 13;

} // namespace

omisspicker::omisspicker(const AppState& state, StatusLine& status,
                         std::function<void(const Report&)> show, QWidget* parent)
    : reportpicker(state, status, std::move(show), "omisspicker", parent) {
    auto* layout = new QVBoxLayout(this);
    auto* Label1 = new QLabel("OMISS Awards. Select the Band and Report you want, then click on "
                              "Continue. Use the County Hunters report for OMISS Worked All "
                              "Counties.",
                              this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    layout->addWidget(Label1);

    auto* reportframe = new QGroupBox("Report", this);
    reportframe->setObjectName("reportframe");
    auto* reportgrid = new QGridLayout(reportframe);
    for (std::size_t row = 0; row < leftreports.size(); ++row)
        for (int column = 0; column < 2; ++column) {
            const int k = (column == 0 ? leftreports : rightreports)[row];
            report[static_cast<std::size_t>(k)] =
                option(reportframe, "report" + QString::number(k),
                       reportcaptions[static_cast<std::size_t>(k)]);
            reportgrid->addWidget(report[static_cast<std::size_t>(k)], static_cast<int>(row),
                                  column);
        }
    layout->addWidget(reportframe);

    auto* bandframe = new QGroupBox("Band", this);
    bandframe->setObjectName("bandframe");
    auto* bandgrid = new QGridLayout(bandframe);
    band160 = option(bandframe, "band160", "160 Meters");
    band80 = option(bandframe, "band80", "80 / 75 Meters");
    band40 = option(bandframe, "band40", "40 Meters");
    band20 = option(bandframe, "band20", "20 Meters");
    band17 = option(bandframe, "band17", "17 Meters");
    band15 = option(bandframe, "band15", "15 Meters");
    band10 = option(bandframe, "band10", "10 Meters");
    allbands = option(bandframe, "allbands", "All Bands");
    const std::array<QRadioButton*, 8> bands = {band160, band80, band40, band20,
                                                band17,  band15, band10, allbands};
    for (std::size_t k = 0; k < bands.size(); ++k)
        bandgrid->addWidget(bands[k], static_cast<int>(k % 4), static_cast<int>(k / 4));
    layout->addWidget(bandframe);

    addbuttons(
        layout, [this] { omisspicker_goback_Click(); }, [this] { omisspicker_continue_Click(); });
    omisspicker_Form_Load();
}

void omisspicker::omisspicker_Form_Load() {
    showcaption();
    band160->setChecked(true);
    report[0]->setChecked(true);
}

void omisspicker::omisspicker_continue_Click() {
    allbandsflag_ = false;
    int band = 0;
    const std::array<std::pair<QRadioButton*, int>, 7> bands = {{{band160, 2},
                                                                 {band80, 3},
                                                                 {band40, 6},
                                                                 {band20, 8},
                                                                 {band17, 9},
                                                                 {band15, 10},
                                                                 {band10, 12}}};
    for (const auto& [button, index] : bands)
        if (button->isChecked()) band = index;
    if (allbands->isChecked()) allbandsflag_ = true;
    int kind = 0;
    for (std::size_t k = 0; k < report.size(); ++k)
        if (report[k] && report[k]->isChecked()) kind = static_cast<int>(k);
    // Calls Worked by Band always runs over every band.
    if (kind == callsbyband) {
        allbandsflag_ = true;
        allbands->setChecked(true);
    }
    present(buildomissreport(state_, band, kind, allbandsflag_));
}

void omisspicker::omisspicker_goback_Click() {
    close();
}

} // namespace tsl
