#include "setupform.h"

#include "core/numbers.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/text.h"
#include "logbook.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tsl {

namespace {

QLineEdit* makeedit(QWidget* parent, const char* name, const char* tip) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    if (tip) e->setToolTip(tip);
    return e;
}

QComboBox* makecombo(QWidget* parent, const char* name, const QStringList& items) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->addItems(items);
    return c;
}

float number(const QLineEdit* box) {
    return static_cast<float>(leadingnumber(fromqt(box->text())));
}

} // namespace

setup::setup(AppState& state, Dialogs& dialogs, logbook& window)
    : QDialog(&window), state_(state), dialogs_(dialogs), window_(window) {
    setObjectName("setup");
    auto* form = new QFormLayout(this);
    yourcall = makeedit(this, "yourcall", nullptr);
    inlat = makeedit(this, "inlat", "Enter latitude as a decimal");
    Latdir = makecombo(this, "Latdir", {"N", "S"});
    inlon = makeedit(this, "inlon", "Enter Longitude as a decimal");
    londir = makecombo(this, "londir", {"E", "W"});
    gmtdif = makeedit(this, "gmtdif", "Time difference from GMT, +/- hours.decimal hours");
    datecombo = makecombo(this, "datecombo", {"MM/DD/YYYY", "DD/MM/YYYY"});
    umpick = makecombo(this, "umpick", {"Miles", "Kilometers"});
    qsoms = makeedit(this, "qsoms", nullptr);
    auto* back = new QPushButton("Return", this);
    back->setObjectName("return");
    ms = new QLabel(this);
    ms->setObjectName("ms");
    form->addRow("Call", yourcall);
    form->addRow("Latitude", inlat);
    form->addRow("", Latdir);
    form->addRow("Longitude", inlon);
    form->addRow("", londir);
    form->addRow("GMT Offset", gmtdif);
    form->addRow("Date Display", datecombo);
    form->addRow("Distances", umpick);
    form->addRow("QSO Label Message:", qsoms);
    form->addRow(back);
    form->addRow(ms);

    setup_Form_Load();

    // Double quotes and commas are dropped as they are typed and when pasted: a quote would
    // break the settings file's line.
    for (QLineEdit* e : {yourcall, inlat, inlon, gmtdif, qsoms}) {
        e->installEventFilter(this);
        connect(e, &QLineEdit::textEdited, this, [e](const QString& text) {
            QString clean = text;
            clean.remove('"').remove(',');
            if (clean != text) e->setText(clean);
        });
    }
    connect(inlat, &QLineEdit::textChanged, this, &setup::setup_inlat_Change);
    connect(Latdir, &QComboBox::currentIndexChanged, this, &setup::setup_Latdir_Click);
    connect(londir, &QComboBox::currentIndexChanged, this, &setup::setup_londir_Click);
    connect(datecombo, &QComboBox::currentIndexChanged, this, &setup::setup_datecombo_Click);
    connect(umpick, &QComboBox::currentIndexChanged, this, &setup::setup_umpick_Click);
    connect(back, &QPushButton::clicked, this, &setup::setup_return_Click);
}

void setup::setup_Form_Load() {
    setWindowTitle(toqt(state_.apptitle));
    yourcall->setText(toqt(state_.mycall.str()));
    inlon->setText(toqt(singletext(state_.lonsetting)));
    inlat->setText(toqt(singletext(state_.latsetting)));
    londir->setCurrentIndex(londir->findText(toqt(state_.londirsetting.str())));
    Latdir->setCurrentIndex(Latdir->findText(toqt(state_.latdirsetting.str())));
    gmtdif->setText(toqt(singletext(state_.gmtoffset)));
    datecombo->setCurrentIndex(state_.dateformatflag != 0 ? 1 : 0);
    umpick->setCurrentIndex(state_.unitsflag != 0 ? 1 : 0);
    qsoms->setText(toqt(state_.labelmessage));
}

void setup::setup_yourcall_LostFocus() {
    state_.mycall = uppercased(fromqt(yourcall->text()));
}

void setup::setup_inlat_Change() {
    state_.latsetting = number(inlat);
}
void setup::setup_inlon_LostFocus() {
    state_.lonsetting = number(inlon);
}
void setup::setup_gmtdif_LostFocus() {
    if (offsetrefused()) return;
    state_.gmtoffset = number(gmtdif);
}

bool setup::offsetrefused() {
    // The box reads as a double here: a float would turn 1e39 into an infinity.
    if (validutcoffset(leadingnumber(fromqt(gmtdif->text())))) return false;
    dialogs_.msgbox("GMT Offset: the time difference from GMT must lie between -24 and +24 "
                    "hours. The offset stays " +
                        singletext(state_.gmtoffset) + ".",
                    msgbuttons::ok, msgicon::exclamation, state_.apptitle);
    gmtdif->setText(toqt(singletext(state_.gmtoffset)));
    return true;
}

void setup::setup_Latdir_Click() {
    if (Latdir->currentIndex() >= 0) state_.latdirsetting = Latdir->currentIndex() == 0 ? "N" : "S";
}

void setup::setup_londir_Click() {
    if (londir->currentIndex() >= 0) state_.londirsetting = londir->currentIndex() == 0 ? "E" : "W";
}

void setup::setup_datecombo_Click() {
    if (datecombo->currentIndex() < 0) return;
    const bool wasdayfirst = state_.dateformatflag != 0;
    state_.dateformatflag = static_cast<int16_t>(datecombo->currentIndex());
    if (wasdayfirst != (state_.dateformatflag != 0)) window_.showdateorder(wasdayfirst);
}

void setup::setup_umpick_Click() {
    if (umpick->currentIndex() >= 0)
        state_.unitsflag = static_cast<int16_t>(umpick->currentIndex());
}

void setup::setup_return_Click() {
    leave(false);
}

void setup::reject() {
    leave(true);
}

void setup::leave(bool evenunwritten) {
    // Enter presses Return without leaving the box: its value is taken first, as leaving it
    // would take it.
    takefocusedbox();
    if (offsetrefused()) return;
    state_.mylat = Latdir->currentText() == "S" ? -number(inlat) : number(inlat);
    state_.mylon = londir->currentText() == "W" ? -number(inlon) : number(inlon);
    window_.showdistanceunit();
    state_.labelmessage = fromqt(qsoms->text());
    const std::string problem = writesettingsfile(state_);
    if (!problem.empty()) {
        dialogs_.msgbox("The settings could not be written to tsl.ini: " + problem +
                            "\r\nThe old settings file is unchanged.",
                        msgbuttons::ok, msgicon::critical, state_.apptitle);
        // Return stays to let the operator try again; Escape and the frame still close,
        // so that a folder that cannot be written does not hold the form open for good.
        if (!evenunwritten) return;
    }
    accept();
}

void setup::takefocusedbox() {
    const QWidget* box = focusWidget();
    if (box == yourcall) setup_yourcall_LostFocus();
    if (box == inlon) setup_inlon_LostFocus();
    if (box == gmtdif) setup_gmtdif_LostFocus();
}

bool setup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text == "\"" || text == ",") return true;
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == yourcall) setup_yourcall_LostFocus();
        if (watched == inlon) setup_inlon_LostFocus();
        if (watched == gmtdif) setup_gmtdif_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tsl
