#include "tentenpicker.h"

#include "core/state.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "tentenchapters.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tsl {

namespace {

constexpr std::array<const char*, tentenoptions> captions = {
    "Continents",   "10-10 Chapters", "DXCC",     "CW QSOs",    "Great Britain Counties / Regions",
    "While Mobile", "WAS Mobiles",    "Prefixes", "VP Numbers", "VP WAS",
    "WAS",          "10-10 Numbers",
};

// The order the options stand in, top to bottom.
constexpr std::array<int, tentenoptions> shownorder = {1, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 0};

QLabel* namedlabel(QWidget* form, const char* name, const char* text) {
    auto* label = new QLabel(text, form);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

tentenpicker::tentenpicker(const AppState& state, reportshower show, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), show_(std::move(show)) {
    setObjectName("tentenpicker");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(namedlabel(this, "Label1", "Ten - Ten International Reports"));
    auto* Frame1 = new QGroupBox("Select a Report", this);
    Frame1->setObjectName("Frame1");
    auto* options = new QVBoxLayout(Frame1);
    for (std::size_t k = 0; k < report.size(); ++k) {
        report[k] = new QRadioButton(captions[k], Frame1);
        report[k]->setObjectName("report" + QString::number(k));
    }
    for (const int k : shownorder)
        options->addWidget(report[static_cast<std::size_t>(k)]);
    layout->addWidget(Frame1);
    layout->addWidget(namedlabel(this, "Label2", "Select a report and then click on Continue"));
    layout->addWidget(
        namedlabel(this, "Label3", "Use County Hunters Report for Worked All US Counties"));
    auto* buttons = new QHBoxLayout;
    auto* continuebutton = new QPushButton("Continue", this);
    continuebutton->setObjectName("continue");
    auto* returnbutton = new QPushButton("Return", this);
    returnbutton->setObjectName("return");
    buttons->addWidget(continuebutton);
    buttons->addWidget(returnbutton);
    layout->addLayout(buttons);
    connect(continuebutton, &QPushButton::clicked, this,
            &tentenpicker::tentenpicker_continue_Click);
    connect(returnbutton, &QPushButton::clicked, this, &tentenpicker::tentenpicker_return_Click);
    tentenpicker_Form_Load();
}

void tentenpicker::tentenpicker_Form_Load() {
    setWindowTitle(toqt("10-10 Awards " + state_.mycall.str()));
    report[tentencontinents]->setChecked(true);
    // The awards are looked at once, here: an option stays as it is until the next load.
    // The CW report is always offered.
    for (int k = 0; k < tentenoptions; ++k)
        report[static_cast<std::size_t>(k)]->setVisible(k == tentencwqsos ||
                                                        tentenoptionready(state_, k));
}

void tentenpicker::tentenpicker_continue_Click() {
    for (int k = 0; k < tentenoptions; ++k) {
        if (!report[static_cast<std::size_t>(k)]->isChecked()) continue;
        // An award dropped since the load runs nothing rather than award 0.
        if (k == tentenchapterlist) {
            if (tentenoptionready(state_, k)) openchapters();
        } else if (const auto r = tentenreport(state_, k)) {
            show_(*r);
        }
        return;
    }
}

void tentenpicker::tentenpicker_return_Click() {
    close();
}

void tentenpicker::openchapters() {
    // The chapters form belongs to the main window: it stays open when the picker closes.
    QWidget* owner = parentWidget() ? parentWidget() : this;
    auto* form = owner->findChild<tentenchapters*>("tentenchapters", Qt::FindDirectChildrenOnly);
    if (!form) form = new tentenchapters(state_, show_, owner);
    bringforward(form);
}

} // namespace tsl
