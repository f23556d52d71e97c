// "Import - User Defined": the import form, which picks and imports the file itself.

#include "importexport/customimport.h"
#include "logbook.h"
#include "platform/dialogs.h"

namespace tsl {

void logbook::gomyimport_Click() {
    modalformopen = true;
    customimport form(
        state_, dialogs_, *this,
        [this] {
            showqsopage();
            showqsorows();
        },
        this);
    dialogs_.showform(form);
    modalformopen = false;
}

} // namespace tsl
