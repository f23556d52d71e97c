#include "customimport.h"

#include "core/numbers.h"
#include "core/state.h"
#include "core/tables.h"
#include "csvimport.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tsl {

namespace {

// The widget under its program name, with its tip where it has one.
template <class Widget>
Widget* named(Widget* widget, const QString& name, const char* tip = nullptr) {
    widget->setObjectName(name);
    if (tip) widget->setToolTip(tip);
    return widget;
}

const QStringList fieldchoices = {
    "Ignore",    "Call",        "Date",         "Time",     "Band",         "Mode",     "Power",
    "QSL Via",   "QSL Sent",    "QSL Received", "RST Sent", "RST Received", "ITU Zone", "CQ Zone",
    "Continent", "Grid Square", "IOTA",         "10 -10 #", "WAB",          "State",    "Comment"};

} // namespace

customimport::customimport(AppState& state, Dialogs& dialogs, StatusLine& status,
                           std::function<void()> redraw, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs), status_(status),
      redraw_(std::move(redraw)) {
    setObjectName("customimport");
    auto* grid = new QGridLayout(this);
    auto* intro = named(new QLabel("Please read the information about using this screen under "
                                   "Help / Data Imports / User Defined before attempting to "
                                   "import a file.",
                                   this),
                        "Label1");
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 6);

    // Three columns of seven fields, each under its pair of headings.
    for (int column = 0; column < 3; ++column) {
        const QString n = QString::number(column);
        grid->addWidget(named(new QLabel("Field #", this), "fieldheading" + n), 1, column * 2);
        grid->addWidget(named(new QLabel("Field Contents", this), "contentsheading" + n), 1,
                        column * 2 + 1);
    }
    for (int k = 0; k < fieldcombos; ++k) {
        const QString n = QString::number(k);
        myfield[static_cast<std::size_t>(k)] =
            named(new QComboBox(this), "myfield" + n, "Select how this filed is to be treated");
        auto* number = named(new QLabel(QString::number(k + 1), this), "fieldnumber" + n);
        number->setBuddy(myfield[static_cast<std::size_t>(k)]);
        namebox(myfield[static_cast<std::size_t>(k)], "Field Contents " + number->text());
        grid->addWidget(number, 2 + k % 7, (k / 7) * 2);
        grid->addWidget(myfield[static_cast<std::size_t>(k)], 2 + k % 7, (k / 7) * 2 + 1);
    }

    numfields = named(new QLineEdit(this), "numfields",
                      "Enter the number of fields in each record. Mus be 1 to 21");
    dateformatcombo = named(new QComboBox(this), "dateformatcombo", "Select the date format");
    timecombo = named(new QComboBox(this), "timecombo", "Select the time format");
    bandcombo = named(new QComboBox(this), "bandcombo", "Select the band format");
    defaultqth = named(new QComboBox(this), "defaultqth", "Select the default QTH");
    defaultprop = named(new QComboBox(this), "defaultprop", "select the default propagation");
    Defaultmode = named(new QComboBox(this), "Defaultmode", "Select thedefault mode");
    defaultpower =
        named(new QLineEdit(this), "defaultpower", "Enter the default power for each QSO");
    const std::pair<const char*, QWidget*> settings[] = {
        {"Number of fields in your records", numfields},
        {"Date Format", dateformatcombo},
        {"Time Format", timecombo},
        {"Band Format", bandcombo},
        {"Default QTH", defaultqth},
        {"Default Propagation", defaultprop},
        {"Default Mode", Defaultmode},
        {"Default power", defaultpower},
    };
    int row = 9;
    for (const auto& [caption, control] : settings) {
        auto* label = named(new QLabel(caption, this), "label" + control->objectName());
        labelbox(label, control);
        grid->addWidget(label, row, 0, 1, 2);
        grid->addWidget(control, row++, 2, 1, 2);
    }
    auto* doit = named(new QPushButton("Import File", this), "doit", "Click here to import file");
    auto* goback = named(new QPushButton("Return", this), "goback", "Click here to return");
    grid->addWidget(doit, row, 0, 1, 2);
    grid->addWidget(goback, row++, 2, 1, 2);
    ms = named(new QLabel(this), "ms");
    grid->addWidget(ms, row, 0, 1, 6);
    connect(doit, &QPushButton::clicked, this, &customimport::customimport_doit_Click);
    connect(goback, &QPushButton::clicked, this, &customimport::customimport_goback_Click);

    customimport_Form_Load();
}

void customimport::customimport_Form_Load() {
    setWindowTitle(toqt("User defined data import " + state_.mycall.str()));
    for (QComboBox* box : myfield) {
        box->clear();
        box->addItems(fieldchoices);
    }
    dateformatcombo->clear();
    dateformatcombo->addItems({"YYYYMMDD", "MMDDYYYY", "MM-DD-YYYY", "DD-MM-YYYY", "MMM-DD-YYYY",
                               "DD-MMM-YYYY", "DD-MMM-YY", "MM-DD-YY"});
    timecombo->clear();
    timecombo->addItems({"HH:MM", "HHMM"});
    bandcombo->clear();
    bandcombo->addItems({"Use Frequency", "Use Meters"});
    defaultqth->clear();
    for (const char* qth : qthnames)
        defaultqth->addItem(qth);
    // The list positions are the table indexes the QSO stores.
    defaultprop->clear();
    for (int p = 0; p < state_.propcount; ++p)
        defaultprop->addItem(toqt(state_.proptable[static_cast<std::size_t>(p)].name));
    defaultprop->setCurrentIndex(1);
    Defaultmode->clear();
    for (int m = 0; m <= state_.modecount; ++m)
        Defaultmode->addItem(toqt(state_.modetable[static_cast<std::size_t>(m)].name));
    Defaultmode->setCurrentIndex(1);
    defaultpower->setText("100");
    numfields->clear();
    fieldcount_ = 0;
    importfailed_ = false;
}

csvlayout customimport::layout() const {
    csvlayout l;
    l.fieldcount = fieldcount_;
    for (std::size_t k = 0; k < myfield.size(); ++k)
        l.fields[k] = myfield[k]->currentIndex();
    l.dateformat = dateformatcombo->currentIndex();
    l.hhmm = timecombo->currentIndex() == 1;
    l.metres = bandcombo->currentIndex() == 1;
    l.qth = static_cast<int16_t>(defaultqth->currentIndex());
    l.prop = static_cast<int16_t>(defaultprop->currentIndex());
    l.mode = static_cast<int16_t>(Defaultmode->currentIndex());
    l.defaultpower = fromqt(defaultpower->text());
    l.currentyear = state_.localnow().date().year();
    return l;
}

void customimport::customimport_doit_Click() {
    const double count = roundhalfeven(numberoftext(fromqt(numfields->text())));
    if (count < 1) {
        ms->setText("Error: must have  at least 1 fields in your records");
        return;
    }
    if (count > 32767) {
        ms->setText("Error: must have at most 32767 fields in your records");
        return;
    }
    fieldcount_ = static_cast<int16_t>(count);
    const auto file = dialogs_.choosefile(state_.apppath, "", false);
    if (!file || file->empty()) return;
    const std::string title = file->substr(file->find_last_of('/') + 1);
    ms->setText(
        toqt("Importing CSV type file " + title + ". This may take a while, please be patient."));
    state_.chosenfile = *file;
    importfailed_ = false;
    const csvresult result = importcsv(state_, status_, layout());
    importfailed_ = !result.error.empty();
    // The complete records of a file that ends inside a record are in the log: show them.
    if (result.opened) redraw_();
    if (importfailed_)
        ms->setText(toqt(result.error));
    else
        accept();
}

void customimport::customimport_goback_Click() {
    reject();
}

QString customimport::statustext() const {
    return ms->text();
}

} // namespace tsl
