#pragma once
// The shared state of the program: the log, the reference tables, the settings and the
// flags every subsystem reads and writes. One object lives for the run; each test builds
// its own.

#include "awards.h"
#include "dxcc.h"
#include "fixedtext.h"
#include "labelstate.h"
#include "qsorecord.h"
#include "tables.h"

#include <QDateTime>
#include <QFile>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tsl {

inline constexpr int32_t maxqsos = 100000;

// The address of the call looked up last, as the call book gave it.
struct callbookaddress {
    std::string name, street, cityline, country, state, county;
};

struct AppState {
    AppState();

    // The wall clock of this computer, local time. Tests fix it.
    std::function<QDateTime()> localnow;

    // Start-up values
    std::string apptitle;
    int32_t qsocapacity = 0;
    bool editingqso = false;
    int16_t lastpagemargin = 0;
    std::string apppath; // the program's folder, ending in "/"
    int16_t leftalign = 0;
    int16_t rightalign = 0;
    int32_t qsocount = 0;
    int16_t pagerows = 0;
    bool onlastpage = false;
    int32_t pagefirst = 0;    // QSO shown in grid row 1
    int32_t pagelast = 0;     // last QSO of the page; 0 for an empty log
    int32_t pageoffset = 0;   // grid row r shows QSO r + pageoffset
    int16_t gridrowsused = 0; // heading row plus the page's rows: the first free row
    bool nocallbook = false;
    bool nozipfile = false;
    bool keepcallshow = false;
    bool labeltypechosen = false; // a label stock was chosen in this run
    bool dxccisus = false;
    bool dxcciscanada = false;
    bool dxccnumbersinfile = false;
    int16_t ssbmodeindex = 0;
    int16_t cwmodeindex = 0;
    int16_t pskmodeindex = 0;
    int16_t rttymodeindex = 0;
    int16_t fmmodeindex = 0;
    int16_t reportfontsize = 0;
    int16_t dupewindowdays = 0;
    int16_t awardslots = 0;
    bool qrzonline = false;
    bool eqslenabled = false;
    bool qrpflag = false; // the last choice of the power form: QRP only
    // The mode of the award report picker: which report it lists and runs.
    bool dxccneedflag = false;
    bool qsosbydxccflag = false;
    bool numberawardflag = false;
    bool entryawardflag = false;
    std::string chosenfile;  // full path of the file chosen last in a file dialog
    std::string chosentitle; // its name without the folder
    int pendinglabels = 0;   // labels placed on the page and not printed yet
    labelstate labels;       // the page of labels and its stock
    bool wabloaded = false;  // the WAB squares are loaded

    // Station settings
    FixedText<6> mycall;
    float lonsetting = 0;
    FixedText<1> londirsetting;
    float latsetting = 0;
    FixedText<1> latdirsetting;
    float mylon = 0;
    float mylat = 0;
    float gmtoffset = 0;
    int16_t dateformatflag = 0; // 0 month first, else day first
    int16_t unitsflag = 0;      // 0 miles, else kilometres
    std::string labelmessage;
    QDateTime utcnow;

    // Fixed tables
    std::array<monthrecord, 13> monthtable;
    std::array<moderecord, 26> modetable;
    int16_t modecount = 0;
    std::array<bandrecord, 28> bandtable;
    int16_t bandcount = 0;
    int16_t metrebandlimit = 0;
    std::array<proprecord, 13> proptable;
    int16_t propcount = 0;
    std::array<continentrecord, 10> continenttable;
    int16_t continentcount = 0;
    std::array<staterecord, 50> statetable;
    std::array<FixedText<29>, 13> provincetable;
    std::array<provincerecord, 13> provincecodes;
    int16_t propgroupfilter = 0;
    int16_t defaultprop = 0;
    int16_t mobileqthindex = 0;

    // DXCC entities
    std::vector<dxccrecord> dxcctable; // 0..500, 0 is "None"
    int16_t dxcccount = 0;
    prefixtable<4> prefix4table;
    prefixtable<3> prefix3table;
    prefixtable<2> prefix2table;
    prefixtable<1> prefix1table;
    int16_t usacountryindex = 0;
    PrefixIndex prefixindex; // the prefix tables by prefix, built once they are read

    // Awards
    std::vector<awardrecord> awardtable;   // 0..500, 0 is "None"
    std::vector<std::string> awardentries; // 0..26000, 0 unused
    int16_t awardcount = 0;
    int16_t numberedawards = 0;
    int16_t listawards = 0;
    int16_t awardsheadnumber = 0;
    std::string awardsheadtext;
    int16_t ccnaward = 0;
    int16_t qcwaaward = 0;
    int16_t geratolaward = 0;
    int16_t geratoldirectoraward = 0;
    int16_t omissaward = 0;
    int16_t provincesaward = 0;
    int16_t iotaafricaaward = 0;
    int16_t iotaantarcticaaward = 0;
    int16_t iotaasiaaward = 0;
    int16_t iotaeuropeaward = 0;
    int16_t iotanorthamericaaward = 0;
    int16_t iotaoceaniaaward = 0;
    int16_t iotasouthamericaaward = 0;
    int16_t tentenaward = 0;
    int16_t tentenvpaward = 0;
    int16_t uscountiesaward = 0;
    int16_t gbcountiesaward = 0;
    int16_t usislandsaward = 0;
    int16_t canadianislandsaward = 0;
    int16_t spanishislandsaward = 0;
    int16_t greekislandsaward = 0;
    int16_t iotaarcticaward = 0;
    int16_t iotabritishislesaward = 0;
    int16_t iotawestindiesaward = 0;
    int16_t tentenchaptersaward = 0;
    int16_t arlhsnumberaward = 0;
    int16_t arlhsaward = 0;
    int16_t wabbookaward = 0;
    int16_t doksaward = 0;
    int16_t wasaward = 0;
    int16_t statecapitalsaward = 0;
    int16_t hhhaward = 0;
    bool tentenready = false; // the Ten-Ten member list is in use
    bool arlhsready = false;  // the ARLHS member list is in use

    // Member lists and WAB squares
    std::vector<std::string> tentencalls; // entry k is member number k + 1
    std::vector<std::string> arlhscalls;  // the same, each call 6 characters
    std::vector<std::string> wabtable;    // entry 0 is blank
    int32_t callscount = 0;
    int32_t zipcount = 0;
    // The call-book files, open for the whole run.
    std::unique_ptr<QFile> callsfile;
    std::unique_ptr<QFile> zipfile;

    // Edit state of the entry panel
    int32_t editindex = 0;   // the QSO last clicked in the grid or the finder
    int16_t editgridrow = 0; // its grid row
    bool foundbyfind = false;
    std::array<int32_t, 53> findlist{}; // QSO index of each finder row 1..50; 0 for none
    bool netinprogress = false;
    // The net chosen in the net picker: one flag per net (exactly one set while a net is
    // chosen), and the net's band and mode (bandtable and modetable indexes, 0 for none).
    std::array<bool, 9> netflags{};
    int16_t netband = 0;
    int16_t netmode = 0;

    // The last call-book lookup
    bool lookuphit = false;
    bool callbookfound = false; // the lookup found an address
    bool callbookusa = false;
    callbookaddress callbookresult;
    std::string eqslstatus;

    // Call book and eQSL set-up
    int16_t callbooksource = 0;
    std::string callbookpath;
    std::string callbookroot;
    bool nocallsdat = false;
    int16_t qrzdrive = 0;
    bool qrzcdready = false;
    std::string callbooksourcestatus; // the status text of the call-book source form
    std::string hamcalluser;
    std::string hamcallpassword;
    std::string qrzuser;
    std::string qrzpassword;
    std::string eqsluser;
    std::string eqslpassword;
    // The QRZ online session: the key of the last log-in, and whether that log-in gave one.
    std::string qrzkey;
    bool qrzkeyvalid = false;
    // A CD library that failed has been told once in this run.
    bool hamcallcdfailuretold = false;
    bool qrzcdfailuretold = false;

    // The other station's position and locator
    float dxlat = 0; // degrees, south negative
    float dxlon = 0; // degrees, west negative
    bool usecountryposition = false;
    float dxlonwest = 0;  // degrees, west positive, from the call book's zip code
    float dxlatnorth = 0; // degrees, north positive
    FixedText<6> gridsquare;

    // The log: 0..100001, element 0 is swap space and never a QSO.
    std::vector<qsorecord> qsos;
};

// The values start-up gives the shared globals before any file is read.
void setstartvalues(AppState& state, const std::string& apppath, int16_t gridrows);

} // namespace tsl
