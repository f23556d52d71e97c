#pragma once
// The main window: the QSO entry panel, the QSO grid, the call-book list, the status bar
// and the command buttons. Controls carry their program names as object names.

#include "platform/statusline.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tsl {

struct AppState;
struct qsorecord;
class Dialogs;
class FlexGrid;
class HamCallCdLibrary;
class InternetAccess;
class QrzCdLibrary;

class EntryRules;
struct labelpanel;

class logbook : public QMainWindow, public StatusLine {
    Q_OBJECT
  public:
    static constexpr int gridrows = 1000;
    static constexpr int gridcols = 31;
    static constexpr int slotcount = 5;

    logbook(AppState& state, Dialogs& dialogs, InternetAccess& internet, QWidget* parent = nullptr);
    ~logbook() override;

    // Runs once, when start-up first names the window.
    void logbook_Form_Load();

    // The CD libraries of the call-book lookups; until they are set, both are absent.
    void setcdlibraries(QrzCdLibrary& qrzcd, HamCallCdLibrary& hamcallcd);

    // What start-up applies once the settings and the tables are loaded.
    void applysettings();
    // The distance unit's label, from the settings.
    void showdistanceunit();
    void filltablelists();
    void fillawardlists();
    void filldxcclist();

    // Panel 1 of the status bar.
    void setstatus(const std::string& text) override;
    std::string statustext() const;

    // Reads "qsodata.dat" and, when it was read, shows the end of the log and presets the
    // entry panel from the newest QSO.
    bool readlog();

    // The QSO grid and its pages.
    void setupgrid();
    void gridheaders();
    void showqsorow(int32_t qso, int row);
    void cleargridrow(int row);
    void showqsorows();
    void showqsopage();
    void pagetop();
    void pageup(int32_t step);
    void pagedown(int32_t step);
    void pagebottom();

    // The entry panel between QSOs.
    void resetqsoentry();
    void loadlastqsodefaults();

    // The checks that run when a box loses the focus, and again before a save or a find
    // for a box that still holds a pending check.
    void showdate_LostFocus();
    // The date order has changed: the date box's date, the grid's rows and the finder's
    // are written again in the new order, so that what they show is read as the same day.
    void showdateorder(bool wasdayfirst);
    void showtime_LostFocus();
    void dxcccombo_LostFocus();
    void gs_LostFocus();
    void incall_LostFocus();
    void modesel_LostFocus();
    void flushvalidations();
    // Clicks on the date and time boxes put the current UTC date or time into them.
    void logbook_showdate_Click();
    void logbook_showtime_Click();

    // Looks the call's DXCC entity up and shows it in the entry panel: entity, continent,
    // zones, and the explanatory lines in the call-book list.
    void dxcclookup(const std::string& call);

    // Saving the QSO of the entry panel: as a new QSO, or over the one loaded for editing.
    void saveqso_Click();
    void logbook_qsosaver_Click();

    // The call whose QSO was loaded for editing, as it stood in the call box then: leaving
    // the call box with that call unchanged keeps the QSO's own slots, square and WAB.
    void rememberloadedcall();

    // Fills the WAB list from the squares read, or hides it when there are none.
    void fillwablist();

    // An award chosen in slot index: its entry list or its number box takes the row.
    void logbook_pickaward_Click(int index);
    EntryRules& entryrules() { return *rules_; }

    // Menu commands.
    void logbook_gowritedescfile_Click();
    void logbook_Pagebeginning_Click();
    void logbook_pgup_Click();
    void logbook_pgdn_Click();
    void logbook_pageend_Click();
    void goabouttsl_Click();
    void gosetup_Click();
    void godxccsummary_Click();
    // DXCC detail, country prefixes, worked prefixes, continents and zones reports.
    void godxccdetail_Click();
    void goprefixes_Click();
    void gowap_Click();
    void gowac_Click();
    void gocq_Click();
    void goitu_Click();
    void goadif_Click();
    void goexportadif_Click();
    void goexportiota_Click();
    class adifdatepicker* datepicker() const;
    // The shared steps of the import items: the format's hint, the file, the progress text,
    // the import, and the end of the log shown.
    void importcommand(const std::string& kind, const std::string& hint,
                       const std::function<void()>& import);

    // Cabrillo contest logs, one item per contest kind (0 to 6), and the user-defined CSV
    // import form, shown modally.
    void gocabrillo_Click(int index);
    void gomyimport_Click();
    // The NetLogger, DigiPan, WIN 1010 and DXtreme imports, and the CCN QUARNLOG import
    // form, shown without waiting.
    void gonetlogger_Click();
    void pubdodigipan_Click();
    void win1010_Click();
    void godxtreme_Click();
    void goccnbml_Click();
    // The record files of DXLog (index 0 "DXLog Format 1", 1 "DXLog Format 2"), Log-EQF,
    // Brisca and Valtro.
    void pubdodxlog_Click(int index);
    void publogeqf_Click();
    void gobrisca_Click();
    void govaltro_Click();

    // Shows a report in the report window, which opens on the first report.
    void showreport(const struct Report& report);
    class showreports* reportwindow() const;
    void goawardstotrack_Click();
    void logbook_gosetupeQSL_Click();
    // The call-book source form, shown modally; the main window shows again after it.
    void logbook_goqsldata_Click();
    void showhelp_Click();
    // The find commands: the finder lists the QSOs of the call, of calls beginning with the
    // call box's text, or of the entity chosen; each refuses an empty question.
    void gofindcall_Click();
    void gofindprefix_Click();
    void gofinddxcc_Click();
    void findbycall();
    void findbyprefix();
    void findbydxcc(int16_t entity);
    // The finder window while it is open.
    class finder* findwindow() const;

    // False, with the deleted message where it applies, when index names no live QSO.
    bool opensqso(int32_t index);
    // Loads record index into the panel for editing; gridrow is its row in the main grid
    // (0 when the page does not show it).
    void loadqso(int32_t index, const QString& date, const QString& time, int gridrow);
    // Loading a QSO from the grid for editing; the double click also offers labels.
    void logbook_showem_Click();
    void logbook_showem_DblClick();
    // Delete, Ignore and Quit, and the buttons that repeat them.
    void delqso_Click();
    void logbook_deleteqso_Click();
    void logbook_ignore_Click();
    void logbook_ignorechanges_Click();
    void quit_Click();
    void logbook_quiter_Click();
    // True once Quit has ended the program's work.
    bool quitting() const { return quitting_; }
    // The sort commands: each sorts the whole log and shows its end.
    void gosortdate_Click();
    void gosortcall_Click();
    void gosortdxcc_Click();
    void gosortvia_Click();
    void gosortband_Click();
    void gosortmode_Click();
    void gosortprop_Click();
    void gosortcomment_Click();
    void gosortitu_Click();
    void gosortcq_Click();
    void gosortgrid_Click();
    void gosortwab_Click();
    void gosortcont_Click();
    void gosortfirstaward_Click();
    void gosortqth_Click();
    void gosortsex_Click();

    // Century Club Net reports: the picker, one open at a time.
    void logbook_goccn1_Click();
    class ccnpicker* ccnwindow() const;

    // Hides the report items of awards that are not tracked.
    void hideuntrackedawarditems();

    // QSO audit, missing QSL cards, the full listing, the US counties form and the islands.
    void goqsoaudit_Click();
    void gomissing_Click();
    void goallqsos_Click();
    void gocounties_Click();
    class countyhunters* countywindow() const; // the counties form while it is open
    void goislandsummary_Click();
    void gowasi_Click();

    // The award picker (DXCC have/need, QSOs by DXCC, number and entry awards) and the
    // needed-countries report.
    void godxccneed_Click();
    void goqsosbydxcc_Click();
    void gonumawards_Click();
    void goentawards_Click();
    void godxccneededcountries_Click();
    // Sets the picker's kind, clearing the other three, and shows it, refilled when open.
    void openawardpicker(bool AppState::*kind);
    class awardpicker* awardpickerwindow() const;
    // Grid squares, Worked All Britain and ARLHS: each item opens its report form.
    void gogrids_Click();
    void gowab_Click();
    void goarlhs_Click();

    // Geratol, OMISS and HHH Net reports; the pickers stay open until their Return.
    void logbook_goallgeratolqsos_Click();
    void logbook_goger_Click(int index);
    void logbook_goomiss_Click();
    void logbook_gohhhnet_Click();
    class omisspicker* omisswindow() const;
    class hhhpicker* hhhwindow() const;

    // Nets: the net picker, the net logger, and the call the logger hands over.
    void logbook_gonets_Click();
    // While a net is in progress, shows the net logger (loading it first when needed).
    void shownetlogger();
    // Puts the call, band and mode into the entry panel without running their checks: the
    // call's check stays owed, as for a typed call, with the focus in the call box.
    void takenetcall(const std::string& call, int16_t band, int16_t mode);
    class netpicker* netpickerwindow() const;
    class netlogger* netloggerwindow() const;

    // Ten-Ten and BARTG reports: each item opens its picker, or brings the open one forward.
    void gototenten_Click();
    void gobartg_Click();

    // Labels: the two requests (the panel's owed checks first, as for Save), the page
    // printed, the label stock set-up, and the form a double click on a QSO opens.
    void requestqsolabel();
    void requestaddresslabel();
    void logbook_qsolabel_Click();
    void logbook_addresslabel_Click();
    void logbook_goprintlabels_Click();
    void logbook_gosetlabel_Click();
    class quicklabels* quicklabelswindow() const;

  signals:
    // Every text written to panel 1 of the status bar, as it is written.
    void statuswritten(const QString& text);

  public:
    // True while a menu command shows another window modally.
    bool modalformopen = false;

    FlexGrid* grid() const { return showem; }

  private:
    void buildentrypanel(QWidget* panel);
    void buildbuttons(QWidget* panel);
    void buildmenu();
    void settoprow(int32_t row);
    void applydxccmatch(int16_t entity);
    void clearawardslots();
    // Shows a stored award slot: the award chosen, then its entry or its number.
    void showslot(int slot, int award, int32_t value);
    // Chooses list position index, or nothing when the list has no such position.
    static void selectindex(QComboBox* box, int index);
    void showdistance(const char* nopositionmessage);
    // Looks the call up when a call-book source is usable and shows what was found: its
    // lines, the locator and the award slots it picks.
    void lookupcallbook(const std::string& call);
    // What the call-book sources use: the dialogs, the internet layer and the CD libraries.
    struct callbookservices lookupservices();
    void priorqsoinfo(bool keepslots);
    void dupecheck();
    void putmemberaward(int16_t award, int32_t number);
    // The record the panel is stored into, or why it cannot be.
    std::optional<std::string> checkslots() const;
    void storepanel(qsorecord& q) const;
    void showzones(int16_t entity);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Loads record editindex into the panel; false for a blank row or a deleted QSO.
    bool loadclickedqso();
    void sortlog(const char* what, void (*sort)(AppState&, int32_t, int32_t));
    void requestlabel(bool (*request)(AppState&, const labelpanel&, Dialogs&, StatusLine&));
    void openquicklabels();
    // Quit's print of the labels still pending; false when the program is to stay.
    bool printpendinglabels();

    AppState& state_;
    Dialogs& dialogs_;
    InternetAccess& internet_;
    QrzCdLibrary* qrzcd_ = nullptr;
    HamCallCdLibrary* hamcallcd_ = nullptr;
    std::unique_ptr<EntryRules> rules_;
    std::optional<std::string> loadedcall_;
    // True while the program itself fills the award slots: the focus stays where it is.
    bool fillingslots_ = false;
    bool quitting_ = false;
    QPointer<class finder> finder_;
    QPointer<class showreports> reports_;
    QPointer<class adifdatepicker> datepicker_;
    QPointer<class netpicker> netpicker_;
    QPointer<class netlogger> netlogger_;
    QPointer<class quicklabels> quicklabels_;
    // The export file chosen (chosenfile and chosentitle set); false when cancelled.
    bool chooseexportfile();
    class finder& openfinder();

    QLineEdit* showdate;
    QLineEdit* showtime;
    QLineEdit* incall;
    QComboBox* bandsel;
    QComboBox* modesel;
    QComboBox* propsel;
    QLineEdit* Power;
    QLineEdit* via;
    QLineEdit* rsts;
    QLineEdit* rstr;
    QComboBox* qsls;
    QComboBox* qslr;
    QComboBox* dxcccombo;
    QLineEdit* ituz;
    QLineEdit* cqz;
    QComboBox* continent;
    QComboBox* gender;
    QComboBox* qthcombo;
    QLineEdit* gs;
    QComboBox* wabcombo;
    QLineEdit* comments;
    std::array<QComboBox*, slotcount> pickaward{};
    std::array<QLineEdit*, slotcount> awardnumber{};
    std::array<QComboBox*, slotcount> awardentry{};
    QLineEdit* distance;
    QLineEdit* direction;
    QLabel* Distancemeasure;
    QListWidget* callshow;
    FlexGrid* showem;
    QLabel* ms;
    QPushButton* qsosaver;
    QPushButton* deleteqso;
    QPushButton* ignorechanges;
    QPushButton* quiter;
    QPushButton* gohelp;
};

} // namespace tsl
