#include "netlogger.h"

#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "netsummary.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace tsl {

namespace {

constexpr int16_t enterkey = 13;

int16_t callkey(int16_t code) {
    if (code >= 'a' && code <= 'z') code = static_cast<int16_t>(code - 32);
    if (code == '0') code = static_cast<unsigned char>(slashedzero);
    if (code == '"' || code == ',') return 0;
    return code;
}

int16_t noteskey(int16_t code) {
    return code == '"' || code == ',' ? 0 : code;
}

// The code-page byte of one character, or -1 when the code page has none for it.
int16_t codeof(QChar c) {
    const std::string byte = fromqt(QString(c));
    if (byte.size() != 1 || toqt(byte) != QString(c)) return -1;
    return static_cast<unsigned char>(byte[0]);
}

QString charof(int16_t code) {
    return toqt(std::string(1, static_cast<char>(code)));
}

QLineEdit* entrybox(QWidget* parent, const char* name, const char* tip, int maxlength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setToolTip(tip);
    e->setMaxLength(maxlength);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* tip) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    return b;
}

// A box with its caption above it.
QVBoxLayout* labelled(QWidget* parent, const char* caption, QWidget* box) {
    auto* column = new QVBoxLayout;
    auto* label = new QLabel(caption, parent);
    labelbox(label, box);
    column->addWidget(label);
    column->addWidget(box);
    return column;
}

} // namespace

netlogger::netlogger(AppState& state, Dialogs& dialogs, handover takecall, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), dialogs_(dialogs),
      takecall_(std::move(takecall)) {
    setObjectName("netlogger");
    setAttribute(Qt::WA_DeleteOnClose);

    seq = entrybox(this, "seq", "Enter List Number", 3);
    thiscall = entrybox(this, "thiscall", "Enter Call", 12);
    notes = entrybox(this, "notes", "Enter Notes", std::numeric_limits<int>::max());
    auto* Putingrid = button(this, "Putingrid", "Put In List",
                             "Puts information you just entered in th the grid.");
    showem = new FlexGrid(listrows + 1, 4, this);
    showem->setObjectName("showem");
    showem->setToolTip("Click on Call to record QSO. Click on Comment to edit the Comment.");
    ms = new QLineEdit(this);
    ms->setObjectName("ms");
    ms->setReadOnly(true);
    auto* todisk =
        button(this, "todisk", "Write to Disk", "Click here to write list to netlist.dat");
    auto* endofnet = button(this, "endofnet", "End of Net",
                            "Click here only when you are finished with the net.");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Enter Number, Call and Notes. Then click on Put in Grid. "
                                 "Click on a Call in the Grid to log a QSO.",
                                 this));
    auto* entries = new QHBoxLayout;
    entries->addLayout(labelled(this, "Number", seq));
    entries->addLayout(labelled(this, "Call", thiscall));
    entries->addLayout(labelled(this, "Notes", notes), 1);
    entries->addWidget(Putingrid, 0, Qt::AlignBottom);
    layout->addLayout(entries);
    layout->addWidget(showem, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ms, 1);
    bottom->addWidget(todisk);
    bottom->addWidget(endofnet);
    layout->addLayout(bottom);
    seq->setFixedWidth(seq->fontMetrics().horizontalAdvance("0000") + 12);
    thiscall->setFixedWidth(thiscall->fontMetrics().horizontalAdvance(QString(14, 'W')));
    resize(760, 600);

    for (QLineEdit* box : {seq, thiscall, notes}) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this, box] { filteredit(box); });
    }
    connect(Putingrid, &QPushButton::clicked, this, &netlogger::netlogger_Putingrid_Click);
    connect(showem, &FlexGrid::cellclicked, this, &netlogger::gridcellclick);
    connect(todisk, &QPushButton::clicked, this, &netlogger::netlogger_todisk_Click);
    connect(endofnet, &QPushButton::clicked, this, &netlogger::netlogger_endofnet_Click);
    netlogger_Form_Load();
}

void netlogger::netlogger_Form_Load() {
    netcaption_ = tsl::netcaption(state_);
    setWindowTitle(toqt(netcaption_));
    seq->setText("1");
    const std::array<const char*, 4> headers = {"#", "Call", "Notes", "Prior QSOs"};
    const std::array<int, 4> widths = {450, 1600, 2000, 6000};
    for (int c = 0; c < 4; ++c) {
        showem->settext(0, c, headers[static_cast<std::size_t>(c)]);
        showem->setcolwidth(c, widths[static_cast<std::size_t>(c)]);
    }
    showem->setcolalignment(2, FlexGrid::alignleftcenter);
    for (int r = 1; r <= listrows; ++r) {
        showem->settext(r, 0, QString::number(r));
        showem->setrowheight(r, 225);
    }
}

void netlogger::netlogger_Putingrid_Click() {
    ms->clear();
    const double n = leadingnumber(fromqt(seq->text()));
    if (!(n >= 1 && n <= listrows)) {
        ms->setText("Number must be from 1 to 200");
        thiscall->setFocus();
        return;
    }
    const int row = static_cast<int>(roundhalfeven(n));
    showem->settext(row, 1, thiscall->text());
    showem->settext(row, 2, notes->text());
    notes->clear();
    priorqsosummary();
    thiscall->clear();
    showem->settext(row, 3, toqt(netsummary_));
    seq->setText(QString::number(n + 1, 'g', 15));
    thiscall->setFocus();
}

void netlogger::priorqsosummary() {
    netsummary_ = tsl::priorqsosummary(state_, fromqt(thiscall->text()));
}

void netlogger::gridcellclick() {
    const int row = showem->currentrow();
    if (row < 1 || row > listrows) return;
    switch (showem->currentcol()) {
    case 1:
        takecall_(fromqt(showem->text(row, 1)), state_.netband, state_.netmode);
        break;
    case 2: {
        // A blank answer, like Cancel, keeps the note.
        const auto answer =
            dialogs_.inputbox("Enter / Edit Info on Call", state_.apptitle + state_.mycall.str(),
                              fromqt(showem->text(row, 2)));
        if (answer && !trimblanks(*answer).empty()) showem->settext(row, 2, toqt(*answer));
        break;
    }
    default:
        break;
    }
}

int16_t netlogger::netlogger_seq_KeyPress(int16_t keyascii) {
    if (keyascii != enterkey) return keyascii;
    thiscall->setFocus();
    return 0;
}

int16_t netlogger::netlogger_thiscall_KeyPress(int16_t keyascii) {
    if (keyascii != enterkey) return callkey(keyascii);
    notes->setFocus();
    return 0;
}

int16_t netlogger::netlogger_notes_KeyPress(int16_t keyascii) {
    if (keyascii != enterkey) return noteskey(keyascii);
    seq->setFocus();
    return 0;
}

int16_t netlogger::keypress(QLineEdit* box, int16_t keyascii) {
    if (box == seq) return netlogger_seq_KeyPress(keyascii);
    if (box == thiscall) return netlogger_thiscall_KeyPress(keyascii);
    return netlogger_notes_KeyPress(keyascii);
}

void netlogger::filteredit(QLineEdit* box) {
    int16_t (*filter)(int16_t) = box == thiscall ? callkey : box == notes ? noteskey : nullptr;
    if (filter == nullptr) return;
    const QString text = box->text();
    QString fixed;
    int cursor = box->cursorPosition();
    int newcursor = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int16_t code = codeof(text[i]);
        const int16_t result = code < 0 ? code : filter(code);
        if (result != 0) fixed += result == code ? QString(text[i]) : charof(result);
        if (i + 1 == cursor) newcursor = static_cast<int>(fixed.size());
    }
    if (fixed == text) return;
    box->setText(fixed);
    box->setCursorPosition(cursor == 0 ? 0 : newcursor);
}

bool netlogger::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        keypress(box, enterkey);
        return true;
    }
    // Shortcuts are not typed characters; a paste is filtered as an edit.
    const auto mods = key->modifiers();
    if ((mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier))
        return false;
    const QString text = key->text();
    if (text.size() != 1 || text[0].unicode() < 32) return false;
    const int16_t code = codeof(text[0]);
    if (code < 0) return false;
    const int16_t result = keypress(box, code);
    if (result == code) return false;
    if (result != 0) box->insert(charof(result));
    return true;
}

void netlogger::netlogger_todisk_Click() {
    std::vector<netrow> rows;
    for (int r = 1; r <= listrows; ++r)
        rows.push_back({fromqt(showem->text(r, 1)), fromqt(showem->text(r, 2))});
    ms->setText(toqt(writenetlist(state_, netcaption_, rows)));
}

void netlogger::netlogger_endofnet_Click() {
    close();
}

void netlogger::closeEvent(QCloseEvent* event) {
    state_.netinprogress = false;
    emit unloaded();
    event->accept();
}

} // namespace tsl
