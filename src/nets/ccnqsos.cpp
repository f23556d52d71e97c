#include "ccnqsos.h"

#include "core/recordtext.h"
#include "core/state.h"
#include "netqso.h"
#include "reports/reportfilter.h"

namespace tsl {

bool isccnqso(const AppState& s, const qsorecord& q, int16_t band, int16_t mode) {
    return counts(q) && q.band == band && q.mode == mode && slotvalue(s, q, s.ccnaward).has_value();
}

std::string ccntitle(const AppState& s, const std::string& literal, int16_t band, int16_t mode) {
    return literal + bandname(s, band).value_or("") + " " + modename(s, mode).value_or("") + " - " +
           s.mycall.str();
}

} // namespace tsl
