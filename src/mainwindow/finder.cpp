#include "finder.h"

#include "core/awardsfile.h"
#include "core/findthings.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "logbook.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/flexgrid.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tsl {

finder::finder(AppState& state, logbook& window)
    : QWidget(&window, Qt::Window), state_(state), window_(window) {
    setObjectName("finder");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    goback = new QPushButton("Close", this);
    goback->setObjectName("goback");
    showem = new FlexGrid(shownrows + 1, 8, this);
    showem->setObjectName("showem");
    showem->setToolTip("Click on QSO to edit QSO");
    showem->installEventFilter(this);
    messages = new QLabel(this);
    messages->setObjectName("messages");
    layout->addWidget(goback);
    layout->addWidget(showem, 1);
    layout->addWidget(messages);
    connect(goback, &QPushButton::clicked, this, &finder::finder_goback_Click);
    connect(showem, &FlexGrid::rowclicked, this, &finder::finder_showem_Click);
    resize(760, 520);
    finder_Form_Load();
}

void finder::finder_Form_Load() {
    setupfindergrid();
}

void finder::setupfindergrid() {
    struct column {
        const char* heading;
        int width;
        int alignment;
    };
    const column columns[8] = {{"Call", 1400, -1},
                               {"Date", 1200, -1},
                               {"Time", 600, -1},
                               {"Band", 900, FlexGrid::alignlefttop},
                               {"Mode", 700, FlexGrid::aligngeneral},
                               {"qsl-s", 550, state_.rightalign},
                               {"qsl-r", 550, state_.rightalign},
                               {"Comments", 3000, state_.leftalign}};
    for (int c = 0; c < 8; ++c) {
        showem->settext(0, c, columns[c].heading);
        showem->setcolwidth(c, columns[c].width);
        if (columns[c].alignment >= 0) showem->setcolalignment(c, columns[c].alignment);
    }
    showem->settoprow(1);
    for (int r = 1; r <= shownrows; ++r) {
        showem->setrowheight(r, 225);
        state_.findlist[static_cast<std::size_t>(r)] = 0;
    }
}

void finder::showfound(const QString& what, const std::function<bool(const qsorecord&)>& match) {
    state_.foundbyfind = true;
    setWindowTitle("Prior QSOs: " + what);
    showem->clear();
    setupfindergrid();
    const findresult found = findqsos(state_, match, shownrows);
    int row = 1;
    for (int32_t i : found.listed) {
        const qsorecord& q = state_.qsos[static_cast<std::size_t>(i)];
        state_.findlist[static_cast<std::size_t>(row)] = i;
        const std::string cells[8] = {q.call.str(),
                                      griddatetext(state_, q.date.str()),
                                      q.time.str(),
                                      bandname(state_, q.band).value_or(""),
                                      modename(state_, q.mode).value_or(""),
                                      q.qsls != 0 ? "YES" : "NO",
                                      q.qslr != 0 ? "YES" : "NO",
                                      q.comments.str()};
        for (int c = 0; c < 8; ++c)
            showem->settext(row, c, toqt(cells[c]));
        ++row;
    }
    showem->settoprow(1);
    messages->setText(toqt(findcounttext(found.count, shownrows)));
    bringforward(this);
}

void finder::showdates() {
    for (int r = 1; r <= shownrows; ++r)
        if (const int32_t i = state_.findlist[static_cast<std::size_t>(r)]; i > 0)
            showem->settext(
                r, 1,
                toqt(griddatetext(state_, state_.qsos[static_cast<std::size_t>(i)].date.str())));
}

void finder::finder_showem_Click() {
    const int r = showem->currentrow();
    if (r < 1 || r > shownrows) return;
    const int32_t i = state_.findlist[static_cast<std::size_t>(r)];
    if (i == 0) return;
    state_.editindex = i;
    if (!window_.opensqso(i)) return;
    // The main grid row of this QSO, when the page shows it: the only row a save may redraw.
    window_.loadqso(i, showem->text(r, 1), showem->text(r, 2), gridrowof(state_, i));
    state_.foundbyfind = true;
}

void finder::finder_showem_KeyPress(int16_t& keyascii) {
    if (keyascii == 13) finder_goback_Click();
}

void finder::finder_goback_Click() {
    close();
}

QString finder::messagestext() const {
    return messages->text();
}

void finder::closeEvent(QCloseEvent* event) {
    state_.foundbyfind = false;
    event->accept();
}

bool finder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == showem && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            int16_t code = 13;
            finder_showem_KeyPress(code);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tsl
