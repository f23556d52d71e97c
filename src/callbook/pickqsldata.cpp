#include "pickqsldata.h"

#include "core/state.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/dirlists.h"
#include "qrzcd.h"
#include "qrzonline.h"
#include "setupfiles.h"

#include <QFocusEvent>
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

constexpr std::array<const char*, 6> captions = {
    "No Call Book Info", "Orvex na.dat and zip.dat files", "Buckmaster Ham Call CD", "QRZ CD",
    "QRZ Online Server", "Buckmaster Online Server",
};

// A folder's name for a message: the file-system bytes as the program's code page shows them.
std::string shownpath(const std::string& path) {
    return fromqt(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
}

} // namespace

pickqsldata::pickqsldata(AppState& state, Dialogs& dialogs, InternetAccess& internet,
                         QrzCdLibrary& qrzcd, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs), internet_(internet), qrzcd_(qrzcd) {
    setObjectName("pickqsldata");
    setWindowTitle("Select Source of Call Book Info");
    // Made in the form's design order, which is also the order of the Tab key.
    ms = named(new QLabel(this), "ms");
    usedrive = named(new DriveList(this), "usedrive");
    usedrive->setToolTip("Select drive for call book info.");
    usepath = named(new DirectoryList(this), "usepath");
    usepath->setToolTip("Select path to call book info");
    goback = named(new QPushButton("Return", this), "goback");
    goback->setToolTip("Click here when you have made your selection");
    goback->setDefault(true);
    Frame1 = named(new QGroupBox("Select Source of Call Book Info", this), "Frame1");
    auto* choices = new QVBoxLayout(Frame1);
    for (int k = 5; k >= 0; --k) {
        const auto n = static_cast<std::size_t>(k);
        source[n] = new QRadioButton(captions[n], Frame1);
        source[n]->setObjectName("source" + QString::number(k));
        connect(source[n], &QRadioButton::clicked, this,
                [this, k] { pickqsldata_source_Click(k); });
    }
    for (std::size_t k = 0; k < source.size(); ++k)
        choices->addWidget(source[k]);
    Label1 = named(new QLabel("Select the source of your Call Book Info. If you choose the "
                              "Buckmaster Ham Call CD then you need to select the directory "
                              "for the CD.",
                              this),
                   "Label1");
    Label1->setWordWrap(true);
    nowselect = named(new QLabel("If you selected the Ham Call CD then specify the path to the CD "
                                 "data below. This is most likely the letter of your cd "
                                 "drive:\\Ham0. Example:   D:\\Ham0 ",
                                 this),
                      "nowselect");
    nowselect->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Frame1);
    layout->addWidget(nowselect);
    layout->addWidget(usedrive);
    layout->addWidget(usepath);
    layout->addWidget(goback);
    layout->addWidget(ms);

    connect(usedrive, &DriveList::drivechosen, this, &pickqsldata::pickqsldata_usedrive_Change);
    connect(usepath, &DirectoryList::pathchanged, this, &pickqsldata::pickqsldata_usepath_Change);
    connect(goback, &QPushButton::clicked, this, &pickqsldata::pickqsldata_goback_Click);
    usepath->pathbox()->installEventFilter(this);
    pickqsldata_Form_Load();
}

void pickqsldata::say(const std::string& text) {
    dialogs_.msgbox(text, msgbuttons::ok, msgicon::none, state_.apptitle);
}

void pickqsldata::pickqsldata_Form_Load() {
    formloading = true;
    ms->setText(toqt(state_.callbooksourcestatus));
    // A source number the form has no option for means none.
    const int chosen =
        state_.callbooksource >= 0 && state_.callbooksource <= 5 ? state_.callbooksource : 0;
    source[static_cast<std::size_t>(chosen)]->setChecked(true);
    if (state_.nocallsdat) source[1]->hide();
    if (source[2]->isChecked()) {
        ms->setText(toqt(state_.callbookpath));
        if (!usedrive->setdrive(state_.callbookpath) || !usepath->setpath(state_.callbookpath)) {
            say("The CD Drive for your HamCall CD is not available.\r\n"
                "You probably need to put the CD in the drive.");
            state_.callbooksource = 0;
            state_.nocallbook = true;
            source[0]->setChecked(true);
        }
    }
    // The other sources start from the stored folder, or from the program's own.
    if (usepath->path().empty() && !usepath->setpath(state_.callbookpath))
        usepath->setpath(state_.apppath);
    usedrive->setdrive(usepath->path());
    if (source[3]->isChecked()) runqrzcdcheck();
    formloading = false;
}

void pickqsldata::runqrzcdcheck() {
    // A library that is absent or fails has found no databases.
    if (!qrzcdcheck(state_, dialogs_, qrzcd_)) {
        state_.qrzcdready = false;
        say("The QRZ Databases could not be found.");
    }
    if (state_.qrzcdready) ms->setText(toqt(state_.callbooksourcestatus));
}

bool pickqsldata::asklogin(const char* service, const std::string& file, std::string& user,
                           std::string& password) {
    // Cancel keeps the value the box showed.
    const std::string newuser =
        dialogs_.inputbox(std::string("Enter user name for ") + service, state_.apptitle, user)
            .value_or(user);
    const std::string newpassword = dialogs_
                                        .inputbox(std::string("Enter password for ") + service,
                                                  state_.apptitle, password, inputecho::password)
                                        .value_or(password);
    for (const auto& [value, what] :
         {std::pair{&newuser, "user name"}, std::pair{&newpassword, "password"}})
        if (!fitsquoteditem(*value)) {
            say(std::string("The ") + what + " for " + service +
                " cannot hold a double quote or a control character. Nothing was stored.");
            return false;
        }
    user = newuser;
    password = newpassword;
    const std::string problem = writelogin(state_.apppath + file, user, password);
    if (!problem.empty())
        say("The log-in could not be stored in " + file + ": " + problem +
            "\r\nIt is used until the program ends.");
    return true;
}

void pickqsldata::pickqsldata_source_Click(int index) {
    if (formloading) return;
    switch (index) {
    case 3:
        runqrzcdcheck();
        break;
    case 4:
        if (asklogin("QRZ Online", "qrz.ini", state_.qrzuser, state_.qrzpassword) &&
            !qrzlogin(state_, internet_, state_.qrzuser, state_.qrzpassword))
            showqrzfailure(state_, dialogs_);
        break;
    case 5:
        asklogin("Buckmaster Online", "hamcall.ini", state_.hamcalluser, state_.hamcallpassword);
        break;
    default:
        break;
    }
}

void pickqsldata::pickqsldata_usepath_Change() {
    ms->setText("Selected path:" + toqt(shownpath(usepath->path())));
}

void pickqsldata::pickqsldata_usedrive_Change() {
    ms->setText("Selected path:" + toqt(shownpath(usepath->path())));
    if (!usepath->setpath(usedrive->drive())) {
        say("Drive not ready or not available.");
        usedrive->setdrive(usepath->path());
    }
}

bool pickqsldata::applytypedpath() {
    if (!usepath->typed()) return true;
    const std::string typed = usepath->typedpath();
    if (usepath->setpath(typed)) {
        usedrive->setdrive(usepath->path());
        return true;
    }
    say("The folder " + shownpath(typed) + " is not there or cannot be read.");
    usepath->reverttyped();
    return false;
}

void pickqsldata::pickqsldata_goback_Click() {
    if (!applytypedpath()) return;
    const std::string path = usepath->path();
    if (!fitsquoteditem(path)) {
        say("The name of the folder " + shownpath(path) +
            " cannot hold a double quote or a control character. Choose another folder.");
        return;
    }
    for (int k = 0; k <= 5; ++k)
        if (source[static_cast<std::size_t>(k)]->isChecked())
            state_.callbooksource = static_cast<int16_t>(k);
    state_.nocallbook = state_.callbooksource <= 0;
    state_.callbookpath = path;
    state_.callbookroot = path.substr(0, 3);
    const std::string problem =
        writeqsldata(state_.apppath + "qsldata.ini", state_.callbooksource, path);
    if (!problem.empty())
        say("The call-book source could not be stored in qsldata.ini: " + problem +
            "\r\nIt is used until the program ends.");
    closing_ = true;
    accept();
}

void pickqsldata::reject() {
    pickqsldata_goback_Click();
}

bool pickqsldata::eventFilter(QObject* watched, QEvent* event) {
    if (watched == usepath->pathbox() && event->type() == QEvent::FocusOut && !closing_) {
        // Leaving the box within the form shows the folder typed; another window taking
        // the focus does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            applytypedpath();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tsl
