// "tsl.ini": what is read sets the clock and the position, the settings form's file of it
// reads again, and the line written from the items reads back to the same items.

#include "check.h"
#include "core/settings.h"
#include "core/state.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto first = readsettingsbytes(bytesof(data, size));
    if (refused(first)) return 0;
    static AppState* s = [] {
        auto* state = new AppState;
        state->localnow = [] { return QDateTime(QDate(2024, 8, 25), QTime(14, 30)); };
        return state;
    }();
    applysettings(*s, *first);
    check(s->utcnow.isValid(), "utcnow is a time");
    check(static_cast<bool>(readsettingsbytes(settingsfiletext(*s))), "the form's file reads");

    const auto again = readsettingsbytes(settingsbytes(*first));
    check(static_cast<bool>(again), "the written line reads");
    check(again->call == aswritten(first->call), "call");
    check(near(again->lon, first->lon) && near(again->lat, first->lat), "position");
    check(again->londir == aswritten(first->londir), "longitude hemisphere");
    check(again->latdir == aswritten(first->latdir), "latitude hemisphere");
    check(near(again->offset, first->offset), "offset");
    check(again->dateorder == first->dateorder && again->units == first->units, "flags");
    check(again->message == aswritten(first->message), "label message");
    return 0;
}
