#include "quicklabels.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace tsl {

quicklabels::quicklabels(std::function<void()> requestqsolabel,
                         std::function<void()> requestaddresslabel, QWidget* parent)
    : QDialog(parent), requestqsolabel_(std::move(requestqsolabel)),
      requestaddresslabel_(std::move(requestaddresslabel)) {
    setObjectName("quicklabels");
    setWindowTitle("Print Labels");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto button = [&](const char* name, const char* caption, void (quicklabels::*handler)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, handler);
    };
    button("justqso", "QSO Label", &quicklabels::quicklabels_justqso_Click);
    button("justaddress", "Address Label", &quicklabels::quicklabels_justaddress_Click);
    button("both", "Both Labels", &quicklabels::quicklabels_both_Click);
    button("ignore", "Ignore", &quicklabels::quicklabels_ignore_Click);
}

void quicklabels::quicklabels_justqso_Click() {
    requestqsolabel_();
    close();
}

void quicklabels::quicklabels_justaddress_Click() {
    requestaddresslabel_();
    close();
}

void quicklabels::quicklabels_both_Click() {
    // The QSO label takes the next place, the address label the one after.
    requestqsolabel_();
    requestaddresslabel_();
    close();
}

void quicklabels::quicklabels_ignore_Click() {
    close();
}

} // namespace tsl
