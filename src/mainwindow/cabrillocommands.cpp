// The seven items of "Import Cabrillo File", one per contest kind.

#include "core/state.h"
#include "importexport/cabrillo.h"
#include "logbook.h"

namespace tsl {

void logbook::gocabrillo_Click(int index) {
    importcommand("Cabrillo", "",
                  [this, index] { importcabrillo(state_, *this, dialogs_, index); });
}

} // namespace tsl
