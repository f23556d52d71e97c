#include "hhhpicker.h"

#include "core/state.h"
#include "hhh.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tsl {

namespace {

constexpr std::array<const char*, 11> captions = {
    "All QSOs", "WAS",        "WAS YLs", "WAS 1x2, 2x1 Calls", "Capitals", "Mobiles", "DX",
    "Prefixes", "Continents", "IOTA",    "While QRP"};

// The options by column, top to bottom.
constexpr std::array<int, 6> leftcolumn = {0, 1, 2, 3, 4, 10};
constexpr std::array<int, 5> rightcolumn = {5, 6, 7, 8, 9};

} // namespace

hhhpicker::hhhpicker(const AppState& state, StatusLine& status,
                     std::function<void(const Report&)> show, QWidget* parent)
    : reportpicker(state, status, std::move(show), "hhhpicker", parent) {
    setFont(QFont("Arial"));
    auto* layout = new QVBoxLayout(this);
    auto* Label1 =
        new QLabel("HHH Net Awards. Select the report you want, then click on Continue", this);
    Label1->setObjectName("Label1");
    layout->addWidget(Label1);

    auto* reports = new QGroupBox("Reports", this);
    reports->setObjectName("reports");
    auto* grid = new QGridLayout(reports);
    auto place = [&](int k, int row, int column) {
        auto* b = new QRadioButton(captions[static_cast<std::size_t>(k)], reports);
        b->setObjectName("repno" + QString::number(k));
        repno[static_cast<std::size_t>(k)] = b;
        grid->addWidget(b, row, column);
    };
    for (std::size_t row = 0; row < leftcolumn.size(); ++row)
        place(leftcolumn[row], static_cast<int>(row), 0);
    for (std::size_t row = 0; row < rightcolumn.size(); ++row)
        place(rightcolumn[row], static_cast<int>(row), 1);
    layout->addWidget(reports);

    addbuttons(
        layout, [this] { hhhpicker_goback_Click(); }, [this] { hhhpicker_continue_Click(); });
    hhhpicker_Form_Load();
}

void hhhpicker::hhhpicker_Form_Load() {
    showcaption();
    repno[0]->setChecked(true);
}

void hhhpicker::hhhpicker_continue_Click() {
    int kind = 0;
    for (std::size_t k = 0; k < repno.size(); ++k)
        if (repno[k]->isChecked()) kind = static_cast<int>(k);
    present(buildhhhreport(state_, kind));
}

void hhhpicker::hhhpicker_goback_Click() {
    close();
}

} // namespace tsl
