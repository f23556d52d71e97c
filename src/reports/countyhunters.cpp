#include "countyhunters.h"

#include "core/state.h"
#include "counties.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tsl {

namespace {

// The index of the chosen option, 0 when none is chosen.
template <std::size_t N> int chosen(const std::array<QRadioButton*, N>& options) {
    for (std::size_t k = 0; k < N; ++k)
        if (options[k]->isChecked()) return static_cast<int>(k);
    return 0;
}

} // namespace

countyhunters::countyhunters(const AppState& state, std::function<void(const Report&)> show,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), show_(std::move(show)) {
    setObjectName("countyhunters");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* types = new QGroupBox("Type of Report", this);
    auto* typelayout = new QVBoxLayout(types);
    const char* typecaptions[] = {"ALL - Need, Worked and Confirmed", "Need - Unworked Counties",
                                  "Worked and Confirmed Counties"};
    for (std::size_t k = 0; k < reporttype.size(); ++k) {
        reporttype[k] = new QRadioButton(typecaptions[k], types);
        reporttype[k]->setObjectName("reporttype" + QString::number(k));
        typelayout->addWidget(reporttype[k]);
    }

    auto* limits = new QGroupBox("Limit QSOs to", this);
    auto* limitlayout = new QVBoxLayout(limits);
    const char* limitcaptions[] = {"10-10 Only", "Century Club Net Only", "Geratol Net Only",
                                   "OMISS Net Only", "All QSOs"};
    for (std::size_t k = 0; k < limit.size(); ++k) {
        limit[k] = new QRadioButton(limitcaptions[k], limits);
        limit[k]->setObjectName("limit" + QString::number(k));
    }
    // All QSOs stands first, the nets below it.
    for (std::size_t k : {4, 0, 1, 2, 3})
        limitlayout->addWidget(limit[k]);

    auto* Label2 = new QLabel("Power", this);
    Label2->setObjectName("Label2");
    powercombo = new QComboBox(this);
    powercombo->setObjectName("powercombo");
    labelbox(Label2, powercombo);
    auto* Label1 = new QLabel("Use the reports for Entry Awards to see counties worked for just "
                              "one State. These reports are for all 50 States.",
                              this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    auto* doreport = new QPushButton("Do Report", this);
    doreport->setObjectName("doreport");
    auto* returnbutton = new QPushButton("Return", this);
    returnbutton->setObjectName("return");

    auto* grid = new QGridLayout(this);
    grid->addWidget(types, 0, 0, 2, 1);
    grid->addWidget(limits, 0, 1, 2, 1);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(powercombo, 1, 2, Qt::AlignTop);
    grid->addWidget(Label1, 2, 0, 1, 3);
    grid->addWidget(doreport, 3, 0);
    grid->addWidget(returnbutton, 3, 2);
    connect(doreport, &QPushButton::clicked, this, &countyhunters::doreport_Click);
    connect(returnbutton, &QPushButton::clicked, this, &countyhunters::return_Click);
    countyhunters_Form_Load();
}

void countyhunters::countyhunters_Form_Load() {
    setWindowTitle(toqt("Country Hunters Reports " + state_.mycall.str()));
    limit[4]->setChecked(true);
    // The nets whose awards are not tracked are not offered.
    limit[1]->setVisible(state_.ccnaward != 0);
    limit[0]->setVisible(state_.tentenaward != 0);
    limit[2]->setVisible(state_.geratolaward != 0);
    limit[3]->setVisible(state_.omissaward != 0);
    reporttype[0]->setChecked(true);
    powercombo->clear();
    powercombo->addItem("QRO");
    powercombo->addItem("QRP");
    powercombo->setCurrentIndex(0);
}

void countyhunters::doreport_Click() {
    show_(
        countiesreport(state_, chosen(limit), chosen(reporttype), powercombo->currentIndex() == 1));
}

void countyhunters::return_Click() {
    close();
}

} // namespace tsl
