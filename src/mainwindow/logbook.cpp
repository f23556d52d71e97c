#include "logbook.h"

#include "entryrules.h"

#include "core/settings.h"
#include "core/state.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tsl {

namespace {

QLineEdit* makeedit(QWidget* parent, const char* name, const char* tip, int maxlength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setToolTip(tip);
    if (maxlength > 0) e->setMaxLength(maxlength);
    // Short boxes are as wide as the text they take, with a little room to spare.
    const int chars = maxlength > 0 && maxlength <= 12 ? maxlength : 8;
    if (maxlength <= 12)
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QString(chars + 2, '0')) + 8);
    return e;
}

QComboBox* makecombo(QWidget* parent, const char* name, const char* tip) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setToolTip(tip);
    return c;
}

QLabel* makelabel(QWidget* parent, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName("label_" + caption);
    return l;
}

// One labelled field of the panel: the caption above the control, which names it.
QLabel* place(QGridLayout* grid, int row, int col, QWidget* control, const QString& caption,
              int span = 1) {
    QLabel* label = makelabel(control->parentWidget(), caption);
    labelbox(label, control);
    grid->addWidget(label, row, col, 1, span);
    grid->addWidget(control, row + 1, col, 1, span);
    return label;
}

QPushButton* makebutton(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

logbook::logbook(AppState& state, Dialogs& dialogs, InternetAccess& internet, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs), internet_(internet) {
    setObjectName("logbook");
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    auto* panel = new QWidget(central);
    panel->setObjectName("entrypanel");
    buildentrypanel(panel);
    top->addWidget(panel, 3);

    callshow = new QListWidget(central);
    callshow->setObjectName("callshow");
    callshow->setToolTip(
        "Name and Address for North American calls is shown here and DXCC information");
    top->addWidget(callshow, 1);
    layout->addLayout(top);

    showem = new FlexGrid(gridrows, gridcols, central);
    showem->setObjectName("showem");
    showem->setToolTip(
        "Click on QSO to edit the QSO, Double Click to print a QSO or address label");
    showem->setFont(QFont("Arial"));
    connect(showem, &FlexGrid::rowclicked, this, &logbook::logbook_showem_Click);
    connect(showem, &FlexGrid::rowdoubleclicked, this, &logbook::logbook_showem_DblClick);
    layout->addWidget(showem, 1);

    auto* buttons = new QWidget(central);
    buildbuttons(buttons);
    layout->addWidget(buttons);
    setCentralWidget(central);

    ms = new QLabel(this);
    ms->setObjectName("ms");
    ms->setToolTip("Various messages are displayed here");
    statusBar()->addWidget(ms, 1);
    buildmenu();
    resize(1200, 800);

    rules_ = std::make_unique<EntryRules>(
        this, [this](const std::string& text) { setstatus(text); },
        [this] { return state_.wabloaded; }, slotcount - 1);
    rules_->setcheck("showdate", [this] { showdate_LostFocus(); });
    rules_->setcheck("showtime", [this] { showtime_LostFocus(); });
    rules_->setcheck("dxcccombo", [this] { dxcccombo_LostFocus(); });
    rules_->setcheck("gs", [this] { gs_LostFocus(); });
    rules_->setcheck("incall", [this] { incall_LostFocus(); });
    rules_->setcheck("modesel", [this] { modesel_LostFocus(); });
    showdate->installEventFilter(this);
    showtime->installEventFilter(this);
    for (int i = 0; i < slotcount; ++i)
        connect(pickaward[static_cast<std::size_t>(i)], &QComboBox::currentIndexChanged, this,
                [this, i] { logbook_pickaward_Click(i); });
}

logbook::~logbook() = default;

void logbook::flushvalidations() {
    rules_->flushvalidations();
}

void logbook::buildentrypanel(QWidget* panel) {
    auto* g = new QGridLayout(panel);
    g->setVerticalSpacing(1);

    showdate = makeedit(panel, "showdate",
                        "Enter mm/dd/ccyy, mm/dd/yy, mmddyy, dd/mm/ccyy, dd/mm/yy or ddmmyy", 10);
    showtime = makeedit(panel, "showtime", "Enter time with a colon, hh:mm", 5);
    incall = makeedit(panel, "incall", "Enter call", 12);
    bandsel = makecombo(panel, "bandsel", "Choose Band");
    modesel = makecombo(panel, "modesel", "Choose Mode");
    propsel = makecombo(panel, "propsel", "Choose Propagation Method");
    Power = makeedit(panel, "Power", "Power in Watts", 10);
    via = makeedit(panel, "via", "Enter QSL via", 12);
    rsts = makeedit(panel, "rsts", "Enter RST sent", 3);
    rstr = makeedit(panel, "rstr", "Enter RST received", 3);
    place(g, 0, 0, showdate, "Date");
    place(g, 0, 1, showtime, "Time");
    place(g, 0, 2, incall, "Call");
    place(g, 0, 3, bandsel, "Band");
    place(g, 0, 4, modesel, "Mode");
    place(g, 0, 5, propsel, "Propagn");
    place(g, 0, 6, Power, "Power");
    g->addWidget(makelabel(panel, "Watts"), 1, 7);
    place(g, 0, 8, via, "QSL Via");
    place(g, 0, 9, rsts, "RST Sent");
    place(g, 0, 10, rstr, "RST Recvd");

    qsls = makecombo(panel, "qsls", "Did yu send a card?");
    qslr = makecombo(panel, "qslr", "Get the card yet?");
    dxcccombo = makecombo(panel, "dxcccombo",
                          "This is the reulting DXCC, but you may select a different one");
    ituz = makeedit(panel, "ituz", "Enter ITU Zone", 2);
    cqz = makeedit(panel, "cqz", "Enter CQ Zone", 2);
    continent = makecombo(panel, "continent", "Enter Continent");
    gender = makecombo(panel, "gender", "Select Gender");
    qthcombo = makecombo(panel, "qthcombo", "Select QTH");
    gs = makeedit(panel, "gs", "Enter Grid Square XX99xx", 6);
    wabcombo = makecombo(panel, "wabcombo", "Select Worked All Britain Square from list");
    // A QSO may carry a square that is not in the list: the box keeps any text.
    wabcombo->setEditable(true);
    place(g, 2, 0, qsls, "QSL Sent");
    place(g, 2, 1, qslr, "QSL Recvd");
    place(g, 2, 2, dxcccombo, "DXCC", 3);
    place(g, 2, 5, ituz, "ITU Zone");
    place(g, 2, 6, cqz, "CQ Zone");
    place(g, 2, 7, continent, "Continent");
    place(g, 2, 8, gender, "Gender");
    place(g, 2, 9, qthcombo, "QTH");
    place(g, 2, 10, gs, "Grid");
    place(g, 2, 11, wabcombo, "WAB")->setObjectName("Label30");

    comments = makeedit(panel, "comments", "Enter Comments - 60 characters", 60);
    distance = makeedit(panel, "distance", "Distance will be calculated", 0);
    direction = makeedit(panel, "direction", "Heading will be calculated ", 0);
    Distancemeasure = new QLabel("Miles", panel);
    Distancemeasure->setObjectName("Distancemeasure");
    place(g, 4, 0, comments, "Notes", 5);
    place(g, 4, 5, distance, "Distance");
    g->addWidget(Distancemeasure, 5, 6);
    place(g, 4, 7, direction, "Heading");
    g->addWidget(makelabel(panel, "Degrees"), 5, 8);

    g->addWidget(makelabel(panel, "Award"), 6, 1, 1, 3);
    g->addWidget(makelabel(panel, "Award Entry"), 6, 4, 1, 5);
    for (int i = 0; i < slotcount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        const QByteArray suffix = QByteArray::number(i);
        QLabel* slot = makelabel(panel, QString::number(i + 1));
        g->addWidget(slot, 7 + i, 0);
        pickaward[n] = makecombo(panel, "pickaward" + suffix, "Select Award");
        awardnumber[n] = makeedit(panel, "awardnumber" + suffix, "Enter number for award", 9);
        awardentry[n] = makecombo(panel, "awardentry" + suffix, "Select award entry");
        // A slot's boxes are named by their column's heading and the slot's number.
        slot->setBuddy(pickaward[n]);
        namebox(pickaward[n], "Award " + slot->text());
        namebox(awardnumber[n], "Award Entry " + slot->text());
        namebox(awardentry[n], "Award Entry " + slot->text());
        g->addWidget(pickaward[n], 7 + i, 1, 1, 3);
        // The number box takes the entry list's place when it is shown.
        g->addWidget(awardentry[n], 7 + i, 4, 1, 5);
        g->addWidget(awardnumber[n], 7 + i, 4, 1, 2);
        awardnumber[n]->hide();
    }
}

void logbook::buildbuttons(QWidget* panel) {
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    qsosaver = makebutton(panel, "qsosaver", "Save QSO");
    deleteqso = makebutton(panel, "deleteqso", "Delete QSO");
    ignorechanges = makebutton(panel, "ignorechanges", "Ignore QSO");
    quiter = makebutton(panel, "quiter", "Quit");
    gohelp = makebutton(panel, "gohelp", "Help");
    for (QPushButton* b : {qsosaver, deleteqso, ignorechanges, quiter, gohelp})
        row->addWidget(b);
    row->addStretch(1);
    // Each button runs its menu command's handler.
    connect(qsosaver, &QPushButton::clicked, this, &logbook::logbook_qsosaver_Click);
    connect(deleteqso, &QPushButton::clicked, this, &logbook::logbook_deleteqso_Click);
    connect(ignorechanges, &QPushButton::clicked, this, &logbook::logbook_ignorechanges_Click);
    connect(quiter, &QPushButton::clicked, this, &logbook::logbook_quiter_Click);
    connect(gohelp, &QPushButton::clicked, this, &logbook::showhelp_Click);
}

void logbook::logbook_Form_Load() {
    computeutcnow(state_);
    showdate->setText(toqt(utcdatetext(state_)));
    showtime->setText(toqt(utctimetext(state_)));
    for (QComboBox* box : {qsls, qslr}) {
        box->addItem("NO");
        box->addItem("YES");
    }
    for (int i = 0; i <= state_.awardslots && i < slotcount; ++i)
        awardnumber[static_cast<std::size_t>(i)]->hide();
}

void logbook::applysettings() {
    showdate->setText(toqt(utcdatetext(state_)));
    showtime->setText(toqt(utctimetext(state_)));
    Distancemeasure->setText(toqt(distanceunittext(state_)));
    setWindowTitle(toqt(logbookcaption(state_)));
}

void logbook::filltablelists() {
    for (int i = 0; i <= state_.modecount; ++i)
        modesel->addItem(toqt(state_.modetable[static_cast<std::size_t>(i)].name));
    for (int i = 0; i <= state_.bandcount; ++i)
        bandsel->addItem(toqt(state_.bandtable[static_cast<std::size_t>(i)].longname));
    for (int i = 0; i < state_.propcount; ++i)
        propsel->addItem(toqt(state_.proptable[static_cast<std::size_t>(i)].name));
    for (int i = 0; i < state_.continentcount; ++i)
        continent->addItem(toqt(state_.continenttable[static_cast<std::size_t>(i)].code.str()));
    for (const char* g : gendernames)
        gender->addItem(g);
    for (const char* q : qthnames)
        qthcombo->addItem(q);
}

void logbook::fillawardlists() {
    hideuntrackedawarditems();
    for (int i = 0; i <= state_.awardslots && i < slotcount; ++i)
        pickaward[static_cast<std::size_t>(i)]->clear();
    QStringList names;
    names.reserve(state_.awardcount + 1);
    for (int a = 0; a <= state_.awardcount; ++a)
        names.append(toqt(state_.awardtable[static_cast<std::size_t>(a)].name));
    // Filling a list chooses no award: every slot keeps showing its empty entry list.
    for (QComboBox* box : pickaward) {
        const QSignalBlocker quiet(box);
        box->addItems(names);
        box->setCurrentIndex(-1);
    }
}

void logbook::showdistanceunit() {
    Distancemeasure->setText(toqt(distanceunittext(state_)));
}

void logbook::fillwablist() {
    auto* label = findChild<QLabel*>("Label30");
    wabcombo->clear();
    if (!state_.wabloaded) {
        wabcombo->hide();
        label->hide();
        return;
    }
    QStringList squares;
    for (const std::string& square : state_.wabtable)
        squares.append(toqt(square));
    wabcombo->addItems(squares);
    wabcombo->setCurrentIndex(-1);
    wabcombo->show();
    label->show();
}

void logbook::filldxcclist() {
    QStringList names;
    names.reserve(state_.dxcccount + 1);
    for (int i = 0; i <= state_.dxcccount; ++i)
        names.append(toqt(state_.dxcctable[static_cast<std::size_t>(i)].country));
    dxcccombo->addItems(names);
}

void logbook::setstatus(const std::string& text) {
    ms->setText(toqt(text));
    emit statuswritten(ms->text());
}

std::string logbook::statustext() const {
    return fromqt(ms->text());
}

} // namespace tsl
