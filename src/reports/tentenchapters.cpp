#include "tentenchapters.h"

#include "core/state.h"
#include "platform/codepage.h"
#include "tenten.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tsl {

tentenchapters::tentenchapters(const AppState& state, reportshower show, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), show_(std::move(show)) {
    setObjectName("tentenchapters");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* Label1 =
        new QLabel("Click on a 10-10 Chapter for the list of QSOs with that chapter.", this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    showem = new QListWidget(this);
    showem->setObjectName("showem");
    auto* goback = new QPushButton("Return", this);
    goback->setObjectName("goback");
    layout->addWidget(Label1);
    layout->addWidget(showem, 1);
    layout->addWidget(goback);
    connect(showem, &QListWidget::itemClicked, this, &tentenchapters::tentenchapters_showem_Click);
    connect(goback, &QPushButton::clicked, this, &tentenchapters::tentenchapters_goback_Click);
    tentenchapters_Form_Load();
}

void tentenchapters::tentenchapters_Form_Load() {
    setWindowTitle(toqt("Select a 10-10 Chapter " + state_.mycall.str()));
    showem->clear();
    for (const std::string& name : tentenchapternames(state_))
        showem->addItem(toqt(name));
}

void tentenchapters::tentenchapters_showem_Click() {
    // A current row without a selection (as focus alone gives) chooses no chapter.
    const QList<QListWidgetItem*> selected = showem->selectedItems();
    if (selected.isEmpty()) return;
    if (const auto r = tentenchapterreport(state_, showem->row(selected.front()))) show_(*r);
}

void tentenchapters::tentenchapters_goback_Click() {
    close();
}

} // namespace tsl
