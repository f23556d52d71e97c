#include "netpicker.h"

#include "core/state.h"
#include "netsummary.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tsl {

namespace {

constexpr std::array<const char*, netcount> netoptions = {
    "Century Club Net", "GERATOL", "OMISS", "Worked All Britain",
    "General",          "TenTen",  "QCWA",  "DOKs",
    "HHH Net"};

// The options from the top of the frame down, by net index.
constexpr std::array<int, netcount> framedorder = {0, 7, 4, 1, 2, 5, 6, 3, 8};

QLabel* label(QWidget* parent, const char* name, const char* caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

netpicker::netpicker(AppState& state, std::function<void()> opennetlogger,
                     std::function<bool()> netloggerloaded, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), opennetlogger_(std::move(opennetlogger)),
      netloggerloaded_(std::move(netloggerloaded)) {
    setObjectName("netpicker");
    setWindowTitle("Net Selector");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = new QGroupBox("Select Net", this);
    frame->setObjectName("Frame1");
    auto* options = new QVBoxLayout(frame);
    for (std::size_t k = 0; k < whichnet.size(); ++k) {
        whichnet[k] = new QRadioButton(netoptions[k], frame);
        whichnet[k]->setObjectName("whichnet" + QString::number(k));
        connect(whichnet[k], &QRadioButton::clicked, this,
                [this, k] { netpicker_whichnet_Click(static_cast<int>(k)); });
    }
    for (int k : framedorder)
        options->addWidget(whichnet[static_cast<std::size_t>(k)]);

    bandsel = new QComboBox(this);
    bandsel->setObjectName("bandsel");
    modesel = new QComboBox(this);
    modesel->setObjectName("modesel");
    // Only a row chosen from a list counts, not a list set by the program.
    connect(bandsel, &QComboBox::activated, this, &netpicker::netpicker_bandsel_Click);
    connect(modesel, &QComboBox::activated, this, &netpicker::netpicker_modesel_Click);
    auto* donet = new QPushButton("Do Net", this);
    donet->setObjectName("donet");
    auto* goback = new QPushButton("Return", this);
    goback->setObjectName("goback");
    connect(donet, &QPushButton::clicked, this, &netpicker::netpicker_donet_Click);
    connect(goback, &QPushButton::clicked, this, &netpicker::netpicker_goback_Click);
    ms = label(this, "ms", "");
    ms->setFrameShape(QFrame::Panel);
    ms->setFrameShadow(QFrame::Sunken);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label(this, "Label1", "Select Net, Band and Mode. Then click on Do Net"), 0, 0,
                    1, 3);
    grid->addWidget(frame, 1, 0, 5, 1);
    auto* Label2 = label(this, "Label2", "Band");
    auto* Label3 = label(this, "Label3", "Mode");
    labelbox(Label2, bandsel);
    labelbox(Label3, modesel);
    grid->addWidget(Label2, 1, 1, 1, 2);
    grid->addWidget(bandsel, 2, 1, 1, 2);
    grid->addWidget(Label3, 3, 1, 1, 2);
    grid->addWidget(modesel, 4, 1, 1, 2);
    grid->addWidget(donet, 5, 1, Qt::AlignBottom);
    grid->addWidget(goback, 5, 2, Qt::AlignBottom);
    grid->addWidget(ms, 6, 0, 1, 3);
    netpicker_Form_Load();
}

void netpicker::netpicker_Form_Load() {
    // During a net the picker shows it and changes it only through "Do Net". Otherwise it
    // starts at the Century Club Net, band and mode kept from the last net.
    midnet_ = netloggerloaded_();
    net_ = midnet_ ? chosennet(state_) : centuryclubnet;
    band_ = state_.netband;
    mode_ = state_.netmode;
    whichnet[static_cast<std::size_t>(net_)]->setChecked(true);
    bandsel->clear();
    for (int i = 0; i <= state_.bandcount; ++i)
        bandsel->addItem(toqt(state_.bandtable[static_cast<std::size_t>(i)].longname));
    bandsel->setCurrentIndex(midnet_ ? band_ : -1);
    modesel->clear();
    for (int i = 0; i <= state_.modecount; ++i)
        modesel->addItem(toqt(state_.modetable[static_cast<std::size_t>(i)].name));
    modesel->setCurrentIndex(midnet_ ? mode_ : -1);
    chosen();
}

void netpicker::netpicker_whichnet_Click(int index) {
    if (index < 0 || index >= netcount) return;
    net_ = index;
    const netdescription& net = nettable()[static_cast<std::size_t>(index)];
    if (net.band != 0) {
        band_ = net.band;
        mode_ = net.mode;
        bandsel->setCurrentIndex(net.band);
        modesel->setCurrentIndex(net.mode);
        ms->clear();
    }
    chosen();
}

void netpicker::netpicker_bandsel_Click() {
    if (bandsel->currentIndex() < 0) bandsel->setCurrentIndex(0);
    band_ = static_cast<int16_t>(bandsel->currentIndex());
    if (band_ > 0) ms->clear();
    chosen();
}

void netpicker::netpicker_modesel_Click() {
    if (modesel->currentIndex() < 0) modesel->setCurrentIndex(0);
    mode_ = static_cast<int16_t>(modesel->currentIndex());
    if (mode_ > 0) ms->clear();
    chosen();
}

void netpicker::chosen() {
    if (!midnet_) takechoice();
}

void netpicker::takechoice() {
    state_.netflags.fill(false);
    state_.netflags[static_cast<std::size_t>(net_)] = true;
    state_.netband = band_;
    state_.netmode = mode_;
}

void netpicker::netpicker_donet_Click() {
    if (mode_ < 1 || band_ < 1) {
        ms->setText("No Band or Mode selected");
        return;
    }
    takechoice();
    state_.netinprogress = true;
    handedover_ = true;
    close();
    opennetlogger_();
}

void netpicker::netpicker_goback_Click() {
    close();
}

void netpicker::closeEvent(QCloseEvent* event) {
    // A net whose logger is open goes on: the picker was only opened to change its values.
    if (!handedover_ && !netloggerloaded_()) state_.netinprogress = false;
    emit unloaded();
    event->accept();
}

} // namespace tsl
