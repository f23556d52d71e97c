#include "showreports.h"

#include "core/state.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace tsl {

namespace {
QFont reportfont(int size) {
    QFont font("Courier New");
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(size > 0 ? size : 12);
    return font;
}
} // namespace

showreports::showreports(AppState& state, Dialogs& dialogs, std::function<void()> clearstatus,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), dialogs_(dialogs),
      clearstatus_(std::move(clearstatus)) {
    setObjectName("showreports");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    // A model-based list: a listing of hundreds of thousands of lines stays quick.
    model_ = new QStringListModel(this);
    showem = new QListView(this);
    showem->setObjectName("showem");
    showem->setModel(model_);
    showem->setUniformItemSizes(true);
    showem->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(showem, 1);
    auto* row = new QHBoxLayout;
    todisk = new QPushButton("Write to Disk", this);
    todisk->setObjectName("todisk");
    todisk->setToolTip("Disk file will be report.doc");
    printit = new QPushButton("Print Report", this);
    printit->setObjectName("printit");
    goback = new QPushButton("Return", this);
    goback->setObjectName("goback");
    for (QPushButton* b : {todisk, printit, goback})
        row->addWidget(b, 1);
    layout->addLayout(row);
    setTabOrder(printit, goback);
    setTabOrder(goback, showem);
    setTabOrder(showem, todisk);
    connect(todisk, &QPushButton::clicked, this, &showreports::todisk_Click);
    connect(printit, &QPushButton::clicked, this, &showreports::printit_Click);
    connect(goback, &QPushButton::clicked, this, &showreports::goback_Click);
    resize(900, 640);
    Form_Load();
}

void showreports::Form_Load() {
    setWindowTitle(toqt(state_.apptitle + " " + state_.mycall.str()));
    showem->setFont(reportfont(state_.reportfontsize));
    if (clearstatus_) clearstatus_();
}

void showreports::takereportsize(AppState& state, const Report& report) {
    if (report.setsreportsize) state.reportfontsize = static_cast<int16_t>(report.fontsize);
}

void showreports::addreport(const Report& report) {
    takereportsize(state_, report);
    if (report.setslistfont) showem->setFont(reportfont(report.fontsize));
    QStringList lines = report.clearsfirst ? QStringList() : model_->stringList();
    lines.reserve(lines.size() + static_cast<qsizetype>(report.lines.size()));
    for (const std::string& line : report.lines)
        lines.append(toqt(line));
    model_->setStringList(lines);
    // An open window is not loaded again: the progress text goes with every report put in.
    if (clearstatus_) clearstatus_();
    // The operator turns to the report at once, wherever the command came from.
    bringforward(this);
}

void showreports::goback_Click() {
    close();
}

std::vector<std::string> showreports::lines() const {
    std::vector<std::string> out;
    const QStringList list = model_->stringList();
    out.reserve(static_cast<std::size_t>(list.size()));
    for (const QString& line : list)
        out.push_back(fromqt(line));
    return out;
}

int showreports::listfontsize() const {
    return showem->font().pointSize();
}

void showreports::printit_Click() {
    // Cancel in the printer dialog prints nothing and says nothing.
    if (dialogs_.printlines(lines(), state_.reportfontsize) == printresult::failed)
        dialogs_.msgbox("No Printer", msgbuttons::ok, msgicon::none, state_.apptitle);
}

void showreports::todisk_Click() {
    const auto file = dialogs_.choosefile(state_.apppath, "tslreport.doc", true);
    if (!file || file->empty()) return;
    state_.chosenfile = *file;
    std::string bytes;
    for (const std::string& line : lines())
        bytes += line + "\r\n";
    const std::string problem = writefilesafely(*file, bytes);
    if (!problem.empty())
        dialogs_.msgbox("The report could not be written to " + *file + ": " + problem,
                        msgbuttons::ok, msgicon::critical, state_.apptitle);
}

} // namespace tsl
