#include "awardsform.h"

#include "core/awardsfile.h"
#include "core/qsofile.h"
#include "core/state.h"
#include "logbook.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tsl {

awardsform::awardsform(AppState& state, Dialogs& dialogs, logbook& window, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs), window_(window) {
    setObjectName("awardsform");
    setWindowTitle("Select Awards To Track");
    showem = new QListWidget(this);
    showem->setObjectName("showem");
    showem->setToolTip("Click on awards you wish to track.");
    auto* quit = new QPushButton("Implement Changes", this);
    quit->setObjectName("quit");
    quit->setToolTip("Implement changes");
    auto* ignore = new QPushButton("Ignore Changes", this);
    ignore->setObjectName("ignore");
    ignore->setToolTip("Ignore changes");
    Label1 = new QLabel("Select the awards you wish to track by putting a check mark in the box "
                        "for each award. Please be careful. QSO data for awards that you do not "
                        "select will be lost.",
                        this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    ms = new QLabel(this);
    ms->setObjectName("ms");
    ms->setFrameShape(QFrame::StyledPanel);

    // No default button: Enter in the list must not drop the unticked awards' data.
    for (QPushButton* b : {quit, ignore})
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(quit);
    buttons->addWidget(ignore);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(showem, 1);
    layout->addLayout(buttons);
    layout->addWidget(ms);
    resize(420, 520);

    connect(showem, &QListWidget::itemChanged, this, [this] { awardsform_showem_Click(); });
    connect(quit, &QPushButton::clicked, this, &awardsform::awardsform_quit_Click);
    connect(ignore, &QPushButton::clicked, this, &awardsform::awardsform_ignore_Click);

    awardsform_Form_Load();
}

void awardsform::setstatus(const std::string& text) {
    ms->setText(toqt(text));
}

void awardsform::showcount() {
    setstatus(std::to_string(state_.awardcount) + " Awards and " +
              std::to_string(chosencount(chosen_)) + " Selected");
}

void awardsform::awardsform_Form_Load() {
    const QSignalBlocker quiet(showem);
    showem->clear();
    chosen_.assign(static_cast<std::size_t>(std::max<int>(0, state_.awardcount)), true);
    for (int a = 1; a <= state_.awardcount; ++a) {
        auto* item =
            new QListWidgetItem(toqt(state_.awardtable[static_cast<std::size_t>(a)].name), showem);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    state_.listawards = static_cast<int16_t>(state_.awardcount - state_.numberedawards);
    showcount();
}

void awardsform::awardsform_showem_Click() {
    // The items whose checks differ from the last known choice are the ones just clicked;
    // all are found before any is applied, since a county item moves its whole group.
    const std::vector<bool> before = chosen_;
    for (int k = 0; k < showem->count() && k < static_cast<int>(before.size()); ++k) {
        const bool checked = showem->item(k)->checkState() == Qt::Checked;
        if (checked != before[static_cast<std::size_t>(k)]) setchoice(chosen_, state_, k, checked);
    }
    const QSignalBlocker quiet(showem);
    for (int k = 0; k < showem->count() && k < static_cast<int>(chosen_.size()); ++k)
        showem->item(k)->setCheckState(chosen_[static_cast<std::size_t>(k)] ? Qt::Checked
                                                                            : Qt::Unchecked);
    showcount();
}

bool awardsform::writeawardsfile() {
    const std::string path = state_.apppath + "awards.dat";
    const std::string bytes = awardsfilebytes(state_, chosen_);
    auto fail = [&](const std::string& reason) {
        dialogs_.msgbox("The awards file, awards.dat, was not changed: " + reason +
                            "\r\nThe awards you track are the same as before.",
                        msgbuttons::ok, msgicon::critical, state_.apptitle);
        return false;
    };
    if (!readsbackaschosen(state_, chosen_, bytes))
        return fail("the new file would not read back as the awards you chose.");
    if (fileexists(path)) {
        const std::string problem = copyfile(path, state_.apppath + "awards.bak");
        if (!problem.empty()) return fail("its copy awards.bak could not be written: " + problem);
    }
    const std::string problem = writefilesafely(path, bytes);
    if (!problem.empty()) return fail(problem);
    return true;
}

void awardsform::awardsform_quit_Click() {
    const int32_t lost = lostslots(state_, chosen_);
    if (lost > 0 &&
        dialogs_.msgbox(std::to_string(lost) +
                            " QSO award slots hold awards you are no longer tracking. They "
                            "will be lost.\r\nImplement the changes?",
                        msgbuttons::yesno, msgicon::question, state_.apptitle) != msganswer::yes)
        return;

    // The QSO being edited moves up past the deleted QSOs the write leaves out.
    const int32_t count = state_.qsocount;
    const bool editinlog = state_.editindex >= 1 && state_.editindex <= count;
    const int32_t editafter = indexafterrewrite(state_, state_.editindex);

    setstatus("Writing " + std::to_string(count) + " QSOs to qsodata.dat.");
    const writeresult written = writeqsofile(state_, *this, dialogs_);
    if (written == writeresult::failed) return;

    setstatus("Writing new awards file, awards.dat");
    if (!writeawardsfile()) return;

    setstatus("Reading awards file, awards.dat");
    if (!loadawards(state_, dialogs_)) {
        programmustend_ = true;
        accept();
        return;
    }
    window_.fillawardlists();

    // An empty log wrote no file: there is nothing to read back.
    if (written == writeresult::written) {
        setstatus("Reading " + std::to_string(count) + " QSOs from qsodata.dat.");
        const bool read = window_.readlog();
        if (editinlog) {
            state_.editindex = read ? editafter : 0;
            if (state_.editindex == 0) state_.editingqso = false;
            state_.editgridrow = gridrowof(state_, state_.editindex);
        }
    }
    accept();
}

void awardsform::awardsform_ignore_Click() {
    reject();
}

} // namespace tsl
