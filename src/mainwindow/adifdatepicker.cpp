#include "adifdatepicker.h"

#include "core/state.h"
#include "importexport/exports.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tsl {

adifdatepicker::adifdatepicker(AppState& state, Dialogs& dialogs, StatusLine& status,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), dialogs_(dialogs), status_(status) {
    setObjectName("adifdatepicker");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    auto* intro = new QLabel(
        "You may export all of your QSOs to the ADIF file or just the QSOs between two dates. "
        "To export all of your QSOs, just click on Export All QSOs. To export just some QSOs, "
        "select a begining date and an ending date and then click on Export QSOs Based on Date.",
        this);
    intro->setObjectName("Label1");
    intro->setWordWrap(true);
    auto* begin = new QLabel("Select the Beginning Date", this);
    begin->setObjectName("Label2");
    auto* finish = new QLabel("Select the Ending Date", this);
    finish->setObjectName("Label3");
    startdate = new QCalendarWidget(this);
    startdate->setObjectName("startdate");
    enddate = new QCalendarWidget(this);
    enddate->setObjectName("enddate");
    labelbox(begin, startdate);
    labelbox(finish, enddate);
    auto* doall = new QPushButton("Export All QSOs", this);
    doall->setObjectName("doall");
    auto* dosome = new QPushButton("Export QSOs Based on Date", this);
    dosome->setObjectName("dosome");
    auto* nope = new QPushButton("No Export", this);
    nope->setObjectName("nope");
    ms = new QLabel(this);
    ms->setObjectName("ms");
    grid->addWidget(intro, 0, 0, 1, 3);
    grid->addWidget(begin, 1, 0);
    grid->addWidget(finish, 1, 1);
    grid->addWidget(startdate, 2, 0);
    grid->addWidget(enddate, 2, 1);
    grid->addWidget(doall, 3, 0);
    grid->addWidget(dosome, 3, 1);
    grid->addWidget(nope, 3, 2);
    grid->addWidget(ms, 4, 0, 1, 3);
    setTabOrder(startdate, enddate);
    setTabOrder(enddate, doall);
    setTabOrder(doall, dosome);
    setTabOrder(dosome, nope);
    // The buttons act when clicked: moving the focus onto one exports nothing.
    connect(doall, &QPushButton::clicked, this, &adifdatepicker::doall_Click);
    connect(dosome, &QPushButton::clicked, this, &adifdatepicker::dosome_Click);
    connect(nope, &QPushButton::clicked, this, &adifdatepicker::nope_Click);
    connect(startdate, &QCalendarWidget::clicked, this, &adifdatepicker::datechosen);
    connect(enddate, &QCalendarWidget::clicked, this, &adifdatepicker::datechosen);
    adifdatepicker_Form_Load();
}

QString adifdatepicker::datetext(const QDate& date) const {
    return date.toString(state_.dateformatflag != 0 ? "dd/MM/yyyy" : "MM/dd/yyyy");
}

void adifdatepicker::adifdatepicker_Form_Load() {
    setWindowTitle(toqt(state_.apptitle + state_.mycall.str()));
    const QDate today = state_.localnow().date();
    startdate->setSelectedDate(today);
    enddate->setSelectedDate(today);
    ms->setText("Starting date is: " + datetext(today) + ".  Ending date is: " + datetext(today));
    startdate->setFocus();
}

void adifdatepicker::datechosen() {
    ms->setText("Starting date is: " + datetext(startdate->selectedDate()) +
                " Ending date is: " + datetext(enddate->selectedDate()));
}

void adifdatepicker::doall_Click() {
    close();
    exportadif(state_, status_, dialogs_, false, " ", " ");
}

void adifdatepicker::dosome_Click() {
    const std::string start = startdate->selectedDate().toString("yyyyMMdd").toStdString();
    const std::string end = enddate->selectedDate().toString("yyyyMMdd").toStdString();
    close();
    exportadif(state_, status_, dialogs_, true, start, end);
}

void adifdatepicker::nope_Click() {
    close();
}

QString adifdatepicker::messagestext() const {
    return ms->text();
}

} // namespace tsl
