#include "state.h"

namespace tsl {

AppState::AppState()
    : localnow([] { return QDateTime::currentDateTime(); }), dxcctable(maxdxccentities + 1),
      awardtable(maxawards + 1), awardentries(maxawardentries + 1), qsos(maxqsos + 2) {
    dxcctable[0].country = "None";
    awardtable[0].name = "None";
}

void setstartvalues(AppState& state, const std::string& apppath, int16_t gridrows) {
    state.qsocapacity = maxqsos + 1;
    state.editingqso = false;
    state.lastpagemargin = 13;
    state.apppath = apppath;
    state.leftalign = 1;
    state.rightalign = 7;
    state.qsocount = 0;
    state.pagerows = gridrows;
    state.onlastpage = false;
    state.nocallbook = true;
    state.nozipfile = true;
    state.keepcallshow = true;
    state.labeltypechosen = false;
    state.dxccisus = false;
    state.dxcciscanada = false;
    state.dxccnumbersinfile = false;
    state.ssbmodeindex = 2;
    state.cwmodeindex = 1;
    state.pskmodeindex = 10;
    state.rttymodeindex = 5;
    state.fmmodeindex = 4;
    state.reportfontsize = 12;
    state.dupewindowdays = 2;
    state.awardslots = 4;
    state.qrzonline = false;
    state.eqslenabled = false;
}

} // namespace tsl
