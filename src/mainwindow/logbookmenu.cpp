// The main window's menu bar and its command handlers.

#include "abouttsl.h"
#include "adifdatepicker.h"
#include "awardsform.h"
#include "callbook/eqslform.h"
#include "core/findthings.h"
#include "core/state.h"
#include "finder.h"
#include "importexport/adifimport.h"
#include "importexport/exports.h"
#include "logbook.h"
#include "platform/accesskeymenubar.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "powerpicker.h"
#include "reports/dxccsummary.h"
#include "reports/showreports.h"
#include "setupform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <array>

namespace tsl {

namespace {

QMenu* submenu(QMenu* parent, QMenuBar* bar, const char* name, const char* caption) {
    QMenu* m = parent ? parent->addMenu(caption) : bar->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

// An item whose command is not in the program yet stands in the menu, disabled.
QAction* item(QWidget* menu, const QString& name, const QString& caption) {
    auto* a = new QAction(caption, menu);
    a->setObjectName(name);
    a->setEnabled(false);
    menu->addAction(a);
    return a;
}

template <class Handler>
QAction* item(QWidget* menu, const QString& name, const QString& caption, logbook* window,
              Handler handler) {
    QAction* a = item(menu, name, caption);
    a->setEnabled(true);
    QObject::connect(a, &QAction::triggered, window, [window, handler] { (window->*handler)(); });
    return a;
}

constexpr std::array<const char*, 36> gercaptions = {
    "Unbelievable Operating Achievement Award",
    "#1, 1 x 2 K + KH7 + KL7",
    "#2, 1 x 2 N, 48 states",
    "#3, 1 x 2 W, 48 states",
    "#4, Operator Initials",
    "#5, State Abbreviations",
    "#6, Double letter Suffix",
    "#7, WAS 2 x 1",
    "#8, WAS and Geratol Number",
    "#9, Single Letter Suffix A - Z twice",
    "#10, WAS 1 x 3 +KH6 + KL7",
    "#11, WAS 2 x 1 AA",
    "#12, WAS 2 x 1 K",
    "#13, WAS YL",
    "#14, WAS 2 x 1 N",
    "#15, WAS 2 x 1 W",
    "#16, 48 States Double Letter Prefix, 2 x 1, 2 x 2",
    "#17, WAS 2 x 3",
    "#18, WAS State Capitals, 2 x 1, 1 x 2, AAx2",
    "#19, WAS + QCWA Number",
    "#20, WAS + Geratol #, 1 x 2",
    "#21, WAS + Geratol #, 2 x 1",
    "#22, WAS 5 times, 1 x2, 2 x 1, AA x 2",
    "#23, Century DX",
    "#24, WAS 2 x 2 K",
    "#25, WAS Mobile Stations",
    "#26, Canadian Provinces with Operator's Initials",
    "#27, 10 Call Districts, 260 QSOs",
    "#28, WAS AA x 2",
    "#29, 500 Prefixes",
    "#30, 500 Prefixes + Geratol #",
    "#31,WAS With QRP Stations",
    "#32, WAS Both Stations QRP",
    "#33, 48 States While Mobile",
    "#34, WAS AA x2 + Geratol #",
    "#35, WAS While Operating QRP",
};

} // namespace

void logbook::buildmenu() {
    // "&Ignore QSO" and "&Import Data" share Alt+I: the bar selects them in turn.
    auto* bar = new AccessKeyMenuBar(this);
    setMenuBar(bar);
    using L = logbook;

    QMenu* setupmenu = submenu(nullptr, bar, "gosetup1", "Se&tup");
    item(setupmenu, "gosetup", "Setup", this, &L::gosetup_Click);
    item(setupmenu, "goqsldata", "Select Source of Call Book Info", this,
         &L::logbook_goqsldata_Click);
    item(setupmenu, "goawardstotrack", "Select Awards To Track", this, &L::goawardstotrack_Click);
    item(setupmenu, "gosetupeQSL", "Setup eQSL", this, &L::logbook_gosetupeQSL_Click);

    item(bar, "gonets", "&Nets", this, &L::logbook_gonets_Click);

    QMenu* reports = submenu(nullptr, bar, "reportshere", "&Reports");
    item(reports, "goallqsos", "All QSOs", this, &L::goallqsos_Click);
    item(reports, "godxccneed", "DXCC - &Have / Need", this, &L::godxccneed_Click);
    item(reports, "godxccsummary", "DXCC &Summary", this, &L::godxccsummary_Click);
    item(reports, "godxccneededcountries", "DXCC &Needed Countries", this,
         &L::godxccneededcountries_Click);
    item(reports, "godxccdetail", "DXCC Detail", this, &L::godxccdetail_Click);
    item(reports, "goqsosbydxcc", "All QSOs by DXCC", this, &L::goqsosbydxcc_Click);
    item(reports, "goprefixes", "&Countries - Prefixes", this, &L::goprefixes_Click);
    item(reports, "gonumawards", "N&umber Awards", this, &L::gonumawards_Click);
    item(reports, "goentawards", "&Entry Awards", this, &L::goentawards_Click);
    item(reports, "gobartg", "BARTG Awards", this, &L::gobartg_Click);
    item(reports, "gowap", "Worked All &Prefixes", this, &L::gowap_Click);
    item(reports, "gowac", "Worked All C&ontinents", this, &L::gowac_Click);
    item(reports, "gocq", "Worked All C&Q Zones", this, &L::gocq_Click);
    item(reports, "goitu", "Worked All &ITU Zones", this, &L::goitu_Click);
    item(reports, "goislandsummary", "Island Summary", this, &L::goislandsummary_Click);
    item(reports, "gowasi", "WAS - Islands", this, &L::gowasi_Click);
    item(reports, "goarlhs", "ARLHS", this, &L::goarlhs_Click);
    item(reports, "gogrids", "&Grid Squares", this, &L::gogrids_Click);
    item(reports, "gowab", "WAB - Worked All Britain", this, &L::gowab_Click);
    item(reports, "gocounties", "&US Counties", this, &L::gocounties_Click);
    item(reports, "goqsoaudit", "QSO &Audit", this, &L::goqsoaudit_Click);
    item(reports, "gomissing", "Missing &QSL Cards", this, &L::gomissing_Click);
    item(reports, "gototenten", "Ten - Ten", this, &L::gototenten_Click);
    QMenu* geratol = submenu(reports, bar, "dummygeratol", "&Geratol Net Endorsements");
    item(geratol, "goallgeratolqsos", "All Geratol QSOs", this, &L::logbook_goallgeratolqsos_Click);
    for (std::size_t i = 0; i < gercaptions.size(); ++i) {
        QAction* a = item(geratol, "goger" + QString::number(i), gercaptions[i]);
        a->setEnabled(true);
        connect(a, &QAction::triggered, this,
                [this, i] { logbook_goger_Click(static_cast<int>(i)); });
    }
    item(reports, "goccn1", "Century Club &Net Awards", this, &L::logbook_goccn1_Click);
    item(reports, "goomiss", "&OMISS Reports", this, &L::logbook_goomiss_Click);
    item(reports, "gohhhnet", "HHH Net", this, &L::logbook_gohhhnet_Click);

    QMenu* labels = submenu(nullptr, bar, "bothlabels", "&Labels");
    item(labels, "qsolabel", "&QSO Label", this, &L::logbook_qsolabel_Click);
    item(labels, "addresslabel", "&Address Label", this, &L::logbook_addresslabel_Click);
    item(labels, "goprintlabels", "&Print Current Labels", this, &L::logbook_goprintlabels_Click);
    item(labels, "gosetlabel", "&Set Label Type", this, &L::logbook_gosetlabel_Click);

    item(bar, "ignore", "&Ignore QSO", this, &L::logbook_ignore_Click);
    item(bar, "saveqso", "&Save QSO", this, &L::saveqso_Click);
    item(bar, "delqso", "&Delete QSO", this, &L::delqso_Click);

    QMenu* exportdata = submenu(nullptr, bar, "dummy", "E&xport Data");
    item(exportdata, "goexportadif", "Export &ADIF File", this, &L::goexportadif_Click);
    item(exportdata, "goexportiota", "Export IOTA Award File", this, &L::goexportiota_Click);
    item(exportdata, "gowritedescfile", "Write qsodata.dat File", this,
         &L::logbook_gowritedescfile_Click);

    QMenu* imports = submenu(nullptr, bar, "importdata", "&Import Data");
    item(imports, "goadif", "Import &ADIF File", this, &L::goadif_Click);
    QMenu* cabrillo = submenu(imports, bar, "cambimport", "Import &Cabrillo File");
    const char* contests[] = {"&Sweepstakes",
                              "&ARRL VHF and UHF",
                              "&Other ARRL and CQ Contests",
                              "&DARC Worked All Europe",
                              "&NAQP and NA Sprint",
                              "&RSGB IOTA",
                              "&BARTG RTTY"};
    for (int i = 0; i < 7; ++i) {
        QAction* a = item(cabrillo, "gocabrillo" + QString::number(i), contests[i]);
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, [this, i] { gocabrillo_Click(i); });
    }
    item(imports, "pubdodigipan", "&Import from DigiPan", this, &L::pubdodigipan_Click);
    QMenu* dxlog = submenu(imports, bar, "dximport", "Import from D&XLog");
    const char* dxlogformats[] = {"DXLog Format 1", "DXLog Format 2"};
    for (int i = 0; i < 2; ++i) {
        QAction* a = item(dxlog, "pubdodxlog" + QString::number(i), dxlogformats[i]);
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, [this, i] { pubdodxlog_Click(i); });
    }
    item(imports, "publogeqf", "Import from &Win-EQF/ Log-EQF", this, &L::publogeqf_Click);
    item(imports, "gonetlogger", "Import from &NetLogger", this, &L::gonetlogger_Click);
    item(imports, "gobrisca", "Import from &Brisca", this, &L::gobrisca_Click);
    item(imports, "govaltro", "Import from Valtro", this, &L::govaltro_Click);
    item(imports, "gomyimport", "Import - User Defined", this, &L::gomyimport_Click);
    item(imports, "win1010", "Import from WIN 1010", this, &L::win1010_Click);
    item(imports, "godxtreme", "Import from DXtreme", this, &L::godxtreme_Click);
    item(imports, "goccnbml", "Import from CCN QUARNLOG", this, &L::goccnbml_Click);

    QMenu* page = submenu(nullptr, bar, "dummypage", "&Page Up / Down");
    item(page, "Pagebeginning", "&First 1,000 QSOs", this, &L::logbook_Pagebeginning_Click);
    item(page, "pgup", "&Prior 1,000 QSOs", this, &L::logbook_pgup_Click);
    item(page, "pgdn", "&Next 1,000 QSOs", this, &L::logbook_pgdn_Click);
    item(page, "pageend", "&Last 1,000 QSOs", this, &L::logbook_pageend_Click);

    QMenu* sorts = submenu(nullptr, bar, "sortqsos", "Sort &QSOs");
    item(sorts, "gosortdate", "Sort by &Date / Time", this, &L::gosortdate_Click);
    item(sorts, "gosortcall", "Sort by &Call", this, &L::gosortcall_Click);
    item(sorts, "gosortdxcc", "Sort by D&XCC", this, &L::gosortdxcc_Click);
    item(sorts, "gosortvia", "Sort by QSL Via", this, &L::gosortvia_Click);
    item(sorts, "gosortband", "Sort by Band", this, &L::gosortband_Click);
    item(sorts, "gosortmode", "Sort by Mode", this, &L::gosortmode_Click);
    item(sorts, "gosortprop", "Sort by Propagation", this, &L::gosortprop_Click);
    item(sorts, "gosortcomment", "Sort by Comment", this, &L::gosortcomment_Click);
    item(sorts, "gosortitu", "Sort by ITU Zone", this, &L::gosortitu_Click);
    item(sorts, "gosortcq", "Sort by CQ Zone", this, &L::gosortcq_Click);
    item(sorts, "gosortgrid", "Sort by Grid Square", this, &L::gosortgrid_Click);
    item(sorts, "gosortwab", "Sort by WAB", this, &L::gosortwab_Click);
    item(sorts, "gosortcont", "Sort by Continent", this, &L::gosortcont_Click);
    item(sorts, "gosortfirstaward", "Sort by First Award", this, &L::gosortfirstaward_Click);
    item(sorts, "gosortqth", "Sort by QTH", this, &L::gosortqth_Click);
    item(sorts, "gosortsex", "Sort by Gender", this, &L::gosortsex_Click);

    QMenu* find = submenu(nullptr, bar, "gofinder", "&Find");
    item(find, "gofindcall", "Find &Call", this, &L::gofindcall_Click);
    item(find, "gofindprefix", "Find &Prefix", this, &L::gofindprefix_Click);
    item(find, "gofinddxcc", "Find D&XCC Country", this, &L::gofinddxcc_Click);

    QMenu* help = submenu(nullptr, bar, "dummyhelp", "&Help");
    item(help, "showhelp", "&Help", this, &L::showhelp_Click);
    item(help, "goabouttsl", "&About", this, &L::goabouttsl_Click);

    item(bar, "quit", "Q&uit", this, &L::quit_Click);
}

void logbook::hideuntrackedawarditems() {
    const std::array<std::pair<const char*, int16_t>, 8> items = {{
        {"gototenten", state_.tentenaward},
        {"dummygeratol", state_.geratolaward},
        {"goccn1", state_.ccnaward},
        {"goomiss", state_.omissaward},
        {"gocounties", state_.uscountiesaward},
        {"gowasi", state_.usislandsaward},
        {"gohhhnet", state_.hhhaward},
        {"goarlhs", state_.arlhsaward},
    }};
    // Only ever hidden: an award added later does not bring its item back in this run.
    for (const auto& [name, award] : items)
        if (award == 0)
            if (QAction* a = findChild<QAction*>(name)) a->setVisible(false);
}

void logbook::goabouttsl_Click() {
    modalformopen = true;
    showabout(state_, dialogs_, this);
    modalformopen = false;
}

void logbook::showreport(const Report& report) {
    // The report sets its size before the window loads, so a fresh window takes it.
    showreports::takereportsize(state_, report);
    // The window empties the status line as it loads and again as it takes each report;
    // a line already empty is left alone.
    if (!reports_)
        reports_ = new showreports(
            state_, dialogs_,
            [this] {
                if (!statustext().empty()) setstatus("");
            },
            this);
    reports_->addreport(report);
}

showreports* logbook::reportwindow() const {
    return reports_;
}

void logbook::godxccsummary_Click() {
    choosepower(state_, dialogs_, this);
    showreport(dxccsummary(state_, 0, state_.qrpflag));
}

void logbook::importcommand(const std::string& kind, const std::string& hint,
                            const std::function<void()>& import) {
    // A hint, where the format has one, says how to make the file in the other program.
    if (!hint.empty() &&
        dialogs_.msgbox(hint, msgbuttons::okcancel, msgicon::none, "Import Files") != msganswer::ok)
        return;
    const auto file = dialogs_.choosefile(state_.apppath, "", false);
    if (!file || file->empty()) return;
    const std::string title = file->substr(file->find_last_of('/') + 1);
    setstatus("Importing " + kind + " file " + title +
              ". This may take a while, please be patient.");
    state_.chosenfile = *file;
    import();
    showqsopage();
    showqsorows();
}

void logbook::goadif_Click() {
    importcommand("ADIF", "", [this] { importadif(state_, *this, dialogs_); });
}

bool logbook::chooseexportfile() {
    const auto file = dialogs_.choosefile(state_.apppath, "", true);
    if (!file || file->empty()) return false;
    state_.chosenfile = *file;
    state_.chosentitle = file->substr(file->find_last_of('/') + 1);
    return true;
}

void logbook::goexportadif_Click() {
    if (!chooseexportfile()) return;
    if (!datepicker_) datepicker_ = new adifdatepicker(state_, dialogs_, *this, this);
    bringforward(datepicker_);
}

adifdatepicker* logbook::datepicker() const {
    return datepicker_;
}

void logbook::goexportiota_Click() {
    if (chooseexportfile()) exportiota(state_, *this, dialogs_);
}

void logbook::gosetup_Click() {
    modalformopen = true;
    setup form(state_, dialogs_, *this);
    dialogs_.showform(form);
    modalformopen = false;
}

void logbook::goawardstotrack_Click() {
    modalformopen = true;
    awardsform form(state_, dialogs_, *this);
    dialogs_.showform(form);
    modalformopen = false;
    // An award file that no longer loads has been reported; the program cannot go on.
    if (form.programmustend()) {
        quitting_ = true;
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    }
}

void logbook::logbook_gosetupeQSL_Click() {
    modalformopen = true;
    eQSLform form(state_, dialogs_, this);
    dialogs_.showform(form);
    modalformopen = false;
}

void logbook::showhelp_Click() {
    const std::string path = state_.apppath + "tsl.hlp";
    switch (openhelpfile(path)) {
    case helpresult::opened:
        break;
    case helpresult::nofile:
        dialogs_.msgbox("No help file was found: " + path, msgbuttons::ok, msgicon::information,
                        state_.apptitle);
        break;
    case helpresult::noviewer:
        dialogs_.msgbox("There is no program on this computer that opens the help file " + path,
                        msgbuttons::ok, msgicon::information, state_.apptitle);
        break;
    }
}

void logbook::gofindcall_Click() {
    flushvalidations();
    if (incall->text().isEmpty()) {
        dialogs_.msgbox("Enter a call to find", msgbuttons::ok, msgicon::none, state_.apptitle);
        return;
    }
    findbycall();
}

void logbook::gofindprefix_Click() {
    flushvalidations();
    if (incall->text().isEmpty()) {
        dialogs_.msgbox("Enter a prefix to find", msgbuttons::ok, msgicon::none, state_.apptitle);
        return;
    }
    findbyprefix();
}

void logbook::gofinddxcc_Click() {
    flushvalidations();
    if (dxcccombo->currentIndex() < 0) {
        dialogs_.msgbox("Select a DXCC Country to find", msgbuttons::ok, msgicon::none,
                        state_.apptitle);
        return;
    }
    findbydxcc(static_cast<int16_t>(dxcccombo->currentIndex()));
}

finder& logbook::openfinder() {
    if (!finder_) finder_ = new finder(state_, *this);
    return *finder_;
}

finder* logbook::findwindow() const {
    return finder_;
}

void logbook::findbycall() {
    openfinder().showfound(incall->text(), matchcall(fromqt(incall->text())));
}

void logbook::findbyprefix() {
    openfinder().showfound(incall->text(), matchprefix(fromqt(incall->text())));
}

void logbook::findbydxcc(int16_t entity) {
    openfinder().showfound(dxcccombo->currentText(), matchdxcc(entity));
}

} // namespace tsl
