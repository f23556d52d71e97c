#include "eqslform.h"

#include "core/state.h"
#include "core/text.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "setupfiles.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tsl {

namespace {

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

eQSLform::eQSLform(AppState& state, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs) {
    setObjectName("eQSLform");
    setWindowTitle("Setup eQSL");
    pw = named(new QLineEdit(this), "pw");
    pw->setEchoMode(QLineEdit::Password);
    un = named(new QLineEdit(this), "un");
    goback = named(new QPushButton("Return", this), "goback");
    Frame1 = named(new QGroupBox("Use eQSL Online Server?", this), "Frame1");
    Option2 = named(new QRadioButton("No", Frame1), "Option2");
    Option1 = named(new QRadioButton("Yes", Frame1), "Option1");
    Label3 = named(new QLabel("Enter your eQSL user name and password. If you use the eQSL "
                              "online server, then every QSO you save will be sent to eQSL.",
                              this),
                   "Label3");
    Label3->setWordWrap(true);
    Label2 = named(new QLabel("eQSL Password:", this), "Label2");
    Label1 = named(new QLabel("eQSL User Name:", this), "Label1");

    auto* choice = new QHBoxLayout(Frame1);
    choice->addWidget(Option1);
    choice->addWidget(Option2);
    auto* boxes = new QFormLayout;
    boxes->addRow(Label1, un);
    boxes->addRow(Label2, pw);
    labelbox(Label1, un);
    labelbox(Label2, pw);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label3);
    layout->addLayout(boxes);
    layout->addWidget(Frame1);
    layout->addWidget(goback);

    connect(goback, &QPushButton::clicked, this, &eQSLform::eQSLform_goback_Click);
    eQSLform_Form_Load();
}

void eQSLform::eQSLform_Form_Load() {
    if (state_.eqslenabled) {
        Option1->setChecked(true);
        un->setText(toqt(state_.eqsluser));
        pw->setText(toqt(state_.eqslpassword));
    } else {
        Option2->setChecked(true);
        un->clear();
        pw->clear();
    }
}

void eQSLform::eQSLform_goback_Click() {
    const std::string path = state_.apppath + "eqsl.ini";
    if (Option1->isChecked()) {
        const std::string user = trimblanks(fromqt(un->text()));
        const std::string password = trimblanks(fromqt(pw->text()));
        for (const auto& [value, box] :
             {std::pair{&user, "eQSL User Name"}, std::pair{&password, "eQSL Password"}}) {
            if (!fitsquoteditem(*value)) {
                dialogs_.msgbox(std::string("The ") + box +
                                    " cannot hold a double quote or a control character. "
                                    "Nothing was stored.",
                                msgbuttons::ok, msgicon::exclamation, state_.apptitle);
                return;
            }
        }
        state_.eqsluser = user;
        state_.eqslpassword = password;
        state_.eqslenabled = true;
        const std::string problem = writelogin(path, user, password);
        if (!problem.empty())
            dialogs_.msgbox("The eQSL log-in could not be stored in eqsl.ini: " + problem +
                                "\r\nThe upload is on until the program ends.",
                            msgbuttons::ok, msgicon::exclamation, state_.apptitle);
    } else {
        state_.eqslenabled = false;
        const std::string problem = removefile(path);
        if (!problem.empty())
            dialogs_.msgbox("eqsl.ini could not be removed: " + problem +
                                "\r\nThe upload is off until the program ends, and on again "
                                "at the next start.",
                            msgbuttons::ok, msgicon::exclamation, state_.apptitle);
    }
    accept();
}

void eQSLform::reject() {
    eQSLform_goback_Click();
}

} // namespace tsl
