#include "dupecheck.h"

#include "state.h"
#include "text.h"

namespace tsl {

bool isdupe(const AppState& state, const std::string& call, int band, int mode,
            const QDate& today) {
    const std::string wanted = trimblanks(call);
    for (int32_t i = state.qsocount; i >= 1; --i) {
        const qsorecord& q = state.qsos[static_cast<std::size_t>(i)];
        const QDate date =
            QDate::fromString(QString::fromLatin1(q.date.view().data(), 8), "yyyyMMdd");
        if (!date.isValid() || date.daysTo(today) > state.dupewindowdays) return false;
        if (trimblanks(q.call.view()) == wanted && q.band == band && q.mode == mode) return true;
    }
    return false;
}

} // namespace tsl
