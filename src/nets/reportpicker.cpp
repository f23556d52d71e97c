#include "reportpicker.h"

#include "core/state.h"
#include "platform/codepage.h"
#include "platform/statusline.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tsl {

QRadioButton* option(QWidget* parent, const QString& name, const char* caption) {
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(name);
    return b;
}

reportpicker::reportpicker(const AppState& state, StatusLine& status,
                           std::function<void(const Report&)> show, const char* name,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), status_(status), show_(std::move(show)) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
}

void reportpicker::addbuttons(QVBoxLayout* layout, std::function<void()> returnclick,
                              std::function<void()> continueclick) {
    auto* buttons = new QHBoxLayout;
    goback = new QPushButton("Return", this);
    goback->setObjectName("goback");
    continuebutton = new QPushButton("Continue", this);
    continuebutton->setObjectName("continue");
    buttons->addWidget(goback);
    buttons->addWidget(continuebutton);
    layout->addLayout(buttons);
    connect(goback, &QPushButton::clicked, this, std::move(returnclick));
    connect(continuebutton, &QPushButton::clicked, this, std::move(continueclick));
}

void reportpicker::showcaption() {
    setWindowTitle(toqt(state_.apptitle + " " + state_.mycall.str()));
}

void reportpicker::present(const Report& report) {
    status_.setstatus("Preparing report");
    show_(report);
}

} // namespace tsl
