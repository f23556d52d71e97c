#include "howsave.h"

#include "core/state.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tsl {

// The two buttons carry each other's names: "saveasnew" updates and "saveasupdate" adds.
howsave::howsave(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName("howsave");
    setWindowTitle("Update QSO or Save as New QSO");
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("Do you want to add a new QSO or merely save the updated data?", this);
    label->setObjectName("Label1");
    auto* update = new QPushButton("Save the current QSO data as an UPDATE to the QSO", this);
    update->setObjectName("saveasnew");
    update->setToolTip("Clcik here to save the QSO information as an update to the existing QSO");
    auto* asnew = new QPushButton("Save the current QSO data as a NEW QSO", this);
    asnew->setObjectName("saveasupdate");
    asnew->setToolTip("Click here to save the QSO data as a new QSO");
    layout->addWidget(label);
    layout->addWidget(update);
    layout->addWidget(asnew);
    connect(update, &QPushButton::clicked, this, &howsave::howsave_saveasnew_Click);
    connect(asnew, &QPushButton::clicked, this, &howsave::howsave_saveasupdate_Click);
}

void howsave::howsave_saveasnew_Click() {
    accept();
}

void howsave::howsave_saveasupdate_Click() {
    state_.editingqso = false;
    accept();
}

} // namespace tsl
