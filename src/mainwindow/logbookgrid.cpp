// The main window's QSO grid: columns, rows and the page commands.

#include "core/gridrow.h"
#include "core/paging.h"
#include "core/qsofile.h"
#include "core/state.h"
#include "logbook.h"
#include "platform/codepage.h"
#include "platform/flexgrid.h"

#include <QPalette>

namespace tsl {

bool logbook::readlog() {
    if (!readqsofile(state_, *this, dialogs_)) return false;
    showqsopage();
    showqsorows();
    if (state_.qsocount > 0) loadlastqsodefaults();
    return true;
}

void logbook::gridheaders() {
    const auto columns = gridcolumnlayout(state_);
    for (int c = 0; c < gridcolumns; ++c) {
        const gridcolumn& col = columns[static_cast<std::size_t>(c)];
        if (col.alignment >= 0) showem->setcolalignment(c, col.alignment);
        showem->setcolwidth(c, col.width);
        showem->settext(0, c, col.heading);
    }
}

void logbook::setupgrid() {
    gridheaders();
    for (int r = 1; r < showem->rows(); ++r)
        showem->setrowheight(r, 225);
    // Odd rows are shaded, once for the run: the shading belongs to row positions.
    const QColor shade = palette().color(QPalette::Midlight);
    for (int r = 1; r < showem->rows(); r += 2)
        for (int c = 0; c < showem->cols(); ++c)
            showem->setcellbackcolor(r, c, shade);
}

void logbook::showqsorow(int32_t qso, int row) {
    if (qso < 1 || qso > maxqsos + 1) return;
    const auto cells = qsorowtexts(state_, state_.qsos[static_cast<std::size_t>(qso)]);
    for (int c = 0; c < gridcolumns; ++c)
        showem->settext(row, c, toqt(cells[static_cast<std::size_t>(c)]));
}

void logbook::cleargridrow(int row) {
    for (int c = 0; c < showem->cols(); ++c)
        showem->settext(row, c, QString());
}

void logbook::showqsorows() {
    int row = 1;
    for (int32_t q = state_.pagefirst; q <= state_.pagelast; ++q)
        showqsorow(q, row++);
    for (; row < showem->rows(); ++row)
        cleargridrow(row);
}

void logbook::settoprow(int32_t row) {
    showem->settoprow(static_cast<int>(row));
}

void logbook::showqsopage() {
    settoprow(frameendoflog(state_));
}

void logbook::pagetop() {
    settoprow(framepagetop(state_));
    showqsorows();
}

void logbook::pageup(int32_t step) {
    settoprow(framepageup(state_, step));
    showqsorows();
}

void logbook::pagedown(int32_t step) {
    settoprow(framepagedown(state_, step));
    showqsorows();
}

void logbook::pagebottom() {
    settoprow(framepagebottom(state_));
    showqsorows();
}

void logbook::logbook_Pagebeginning_Click() {
    pagetop();
}
void logbook::logbook_pgup_Click() {
    pageup(state_.pagerows - 1);
}
void logbook::logbook_pgdn_Click() {
    pagedown(state_.pagerows - 1);
}
void logbook::logbook_pageend_Click() {
    pagebottom();
}

void logbook::logbook_gowritedescfile_Click() {
    writeqsofile(state_, *this, dialogs_);
}

} // namespace tsl
