// The main window's menu bar and its command handlers.

#include "abouttsl.h"
#include "core/state.h"
#include "logbook.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tsl {

namespace {

QMenu* addmenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

template <class Handler>
QAction* additem(QMenu* menu, const char* name, const char* caption, logbook* window,
                 Handler handler) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    QObject::connect(a, &QAction::triggered, window, [window, handler] { (window->*handler)(); });
    return a;
}

} // namespace

void logbook::buildmenu() {
    QMenuBar* bar = menuBar();
    QAction* save = bar->addAction("&Save QSO");
    save->setObjectName("saveqso");
    connect(save, &QAction::triggered, this, &logbook::saveqso_Click);

    QMenu* exportdata = addmenu(bar, "dummy", "E&xport Data");
    additem(exportdata, "gowritedescfile", "Write qsodata.dat File", this,
            &logbook::logbook_gowritedescfile_Click);

    QMenu* page = addmenu(bar, "dummypage", "&Page Up / Down");
    additem(page, "Pagebeginning", "&First 1,000 QSOs", this,
            &logbook::logbook_Pagebeginning_Click);
    additem(page, "pgup", "&Prior 1,000 QSOs", this, &logbook::logbook_pgup_Click);
    additem(page, "pgdn", "&Next 1,000 QSOs", this, &logbook::logbook_pgdn_Click);
    additem(page, "pageend", "&Last 1,000 QSOs", this, &logbook::logbook_pageend_Click);

    QMenu* help = addmenu(bar, "dummyhelp", "&Help");
    additem(help, "goabouttsl", "&About", this, &logbook::goabouttsl_Click);
}

void logbook::goabouttsl_Click() {
    modalformopen = true;
    showabout(state_, this);
    modalformopen = false;
}

} // namespace tsl
