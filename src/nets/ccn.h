#pragma once
// The Century Club Net reports: fourteen reports of the net's QSOs on one band and mode
// (call lists, Combos, states, provinces, letters, NOMAD and call areas), and the Poker
// Player award, which plays the net's calls as cards.

#include "reports/report.h"

#include <cstdint>

namespace tsl {

struct AppState;

// The report kinds, numbered as the picker's report buttons.
enum ccnkind : int16_t {
    ccnallqsos = 0,
    ccncapitals = 1,
    ccncombos = 2,
    ccntwoletter = 3,
    ccndx = 4,
    ccnyls = 5,
    ccnalphabet = 6,
    ccnmobiles = 7,
    ccnnomad = 8,
    ccniteowl = 9,
    ccncanada = 10,
    ccncallareas = 11,
    ccnwas = 12,
    ccnwasyl = 13,
};

// The report of kind 0 to 13 (any other kind gives no lines) for the net's QSOs on the band
// and mode, both table indexes; 80 m is band 3 alone.
Report ccnreport(const AppState& state, int16_t mode, int16_t band, int16_t kind);

// The Poker Player award for the net's QSOs on the band and mode.
Report ccnpokerreport(const AppState& state, int16_t mode, int16_t band);

} // namespace tsl
