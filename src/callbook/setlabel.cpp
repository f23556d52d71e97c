#include "setlabel.h"

#include "core/state.h"
#include "labels.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/dialogs.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace tsl {

namespace {

constexpr std::array<const char*, 5> captions = {
    "1 x 2 5/8 inches, 3 columns, 30 labels per page, Avery 5160 / 8160 ",
    "1 x 4 inches, 2 columns, 20 labels per page, Avery 5161 / 8161",
    "1 1/3 x 4 inches, 2 columns, 14 labels per page, Avery 5162 / 8162",
    "2 x 4 inches, 2 columns, 10 labels per page, Avery 5163 / 8163",
    "70 x 25.4 mm, 3 columns, 33 labels per page HERMES #4455  A4",
};

QLabel* makelabel(QWidget* parent, const char* name, const char* text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

} // namespace

setlabel::setlabel(AppState& state, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs), before_(state.labels) {
    setObjectName("setlabel");
    // Made in the form's design order, which is also the order of the Tab key.
    std::array<QPushButton*, 5> type{};
    type[4] = new QPushButton(captions[4], this);
    startlbl = new QLineEdit(this);
    startlbl->setObjectName("startlbl");
    remain = new QLineEdit(this);
    remain->setObjectName("remain");
    messages = makelabel(this, "messages", "");
    for (std::size_t k = 0; k < 4; ++k)
        type[k] = new QPushButton(captions[k], this);
    auto* goback = new QPushButton("Done", this);
    goback->setObjectName("goback");
    auto* Label4 = makelabel(this, "Label4", "Let me know what other label sizes you need");
    auto* Label2 = makelabel(
        this, "Label2",
        "Select the type of labels you are printing and then enter which label to start "
        "printing at. The  first label on a page is number one and the remaining lables are "
        "numbered accross the first row, then the second row, etc.");
    // The captions beside the two boxes stand on one line each.
    auto* Label1 = makelabel(this, "Label1", "Start at label: ");
    auto* Label3 = makelabel(this, "Label3", "Labels remaining on page:");
    Label1->setWordWrap(false);
    Label3->setWordWrap(false);
    labelbox(Label1, startlbl);
    labelbox(Label3, remain);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    for (std::size_t k = 0; k < type.size(); ++k) {
        type[k]->setObjectName("type" + QString::number(k + 1));
        type[k]->setAutoDefault(false);
        layout->addWidget(type[k]);
        connect(type[k], &QPushButton::clicked, this,
                [this, k] { stockclicked(static_cast<int>(k) + 1); });
    }
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(Label1);
    numbers->addWidget(startlbl);
    numbers->addWidget(Label3);
    numbers->addWidget(remain);
    layout->addLayout(numbers);
    layout->addWidget(Label4);
    layout->addWidget(goback);
    layout->addWidget(messages);
    connect(goback, &QPushButton::clicked, this, &setlabel::setlabel_goback_Click);

    startlbl->installEventFilter(this);
    // Pasted text keeps its digits.
    connect(startlbl, &QLineEdit::textEdited, this, [this](const QString& text) {
        QString digits;
        for (QChar c : text)
            if (c >= '0' && c <= '9') digits += c;
        if (digits != text) startlbl->setText(digits);
    });
    setlabel_Form_Load();
}

void setlabel::setlabel_Form_Load() {
    setWindowTitle(toqt(state_.apptitle + " " + state_.mycall.str()));
    messages->setText("Select a label type");
    startlbl->setText("1");
    state_.labels.startinglabel = 1;
}

int16_t setlabel::setlabel_startlbl_KeyPress(int16_t keyascii) {
    return keyascii >= '0' && keyascii <= '9' ? keyascii : int16_t{0};
}

void setlabel::setlabel_startlbl_LostFocus() {
    startlabelok_ = false;
    messages->clear();
    const auto refusal = checkstartinglabel(state_, fromqt(startlbl->text()));
    startlabelmessage_ = refusal.value_or("");
    if (refusal) {
        messages->setText(toqt(*refusal));
        remain->setText("0");
        return;
    }
    remain->setText(QString::number(state_.labels.labelsleft));
    startlabelok_ = true;
}

void setlabel::setlabel_goback_Click() {
    setlabel_startlbl_LostFocus();
    if (stockchosen_ && startlabelok_) {
        state_.pendinglabels = 0;
        accept();
        return;
    }
    if (!startlabelok_) messages->setText("You must enter a starting label number.");
    if (!stockchosen_) messages->setText("You must select a label type.");
}

void setlabel::reject() {
    if (stockchosen_) {
        setlabel_goback_Click();
        return;
    }
    state_.labels = before_;
    QDialog::reject();
}

void setlabel::done(int result) {
    closing_ = true;
    QDialog::done(result);
}

void setlabel::stockclicked(int stock) {
    if (state_.pendinglabels > 0 &&
        dialogs_.msgbox("The page holds labels that have not been printed. Print them now on "
                        "the labels in the printer, before the label type changes? No drops "
                        "them.",
                        msgbuttons::yesno, msgicon::question, state_.apptitle) == msganswer::yes &&
        printlabelpage(state_, dialogs_) != printresult::printed)
        return; // not printed: they stay pending on the old stock
    chooselabelstock(state_, stock);
    messages->setText(toqt(state_.labels.labelstocktext));
    stockchosen_ = true;
}

bool setlabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == startlbl && event->type() == QEvent::KeyPress) {
        // Typed characters and Backspace are judged; editing keys and shortcuts pass.
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1 && (text[0].unicode() >= 32 || text[0].unicode() == 8) &&
            setlabel_startlbl_KeyPress(static_cast<int16_t>(text[0].unicode())) == 0)
            return true;
    }
    if (watched == startlbl && event->type() == QEvent::FocusOut && !closing_) {
        // Leaving the box within the form checks it; another window taking the focus does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            setlabel_startlbl_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tsl
