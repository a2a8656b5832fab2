#include "device/ui/simulation_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "base/ui/window_settings.h"

namespace klv {

namespace {
constexpr const char* kSection = "SimulationDlg";
constexpr int kTickMs = 10;

QLabel* Indicator(const char* text, int id, QLabel* l = new QLabel) {
    l->setText(text);
    l->setObjectName(QString("ctl%1").arg(id));
    l->setFrameShape(QFrame::Panel);
    l->setAlignment(Qt::AlignCenter);
    // Room between the text and the frame, so that a lit name does not touch its box.
    l->setMargin(2);
    return l;
}
}  // namespace

CSimulation::CSimulation(CSimulatorState& state, ProfileFile* profile, QWidget* parent)
    : QDialog(parent), m_state(state), m_profile(profile) {
    setObjectName("CSimulation");
    setWindowTitle("Simulation");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                   Qt::CustomizeWindowHint);
    auto* grid = new QGridLayout;
    // The hexadecimal readings are full-width, which few fonts have.
    m_ad976 = Indicator("", 1802, new CFullWidthLabel);
    m_adc0804 = Indicator("", 1807, new CFullWidthLabel);
    m_pump = Indicator("", 1810);
    m_dac = Indicator("", 1811);
    grid->addWidget(new QLabel("AD976"), 0, 0);
    grid->addWidget(m_ad976, 0, 1);
    auto* adSteps = new QHBoxLayout;
    const int adIds[4] = {1803, 1804, 1805, 1806};
    const int adSteps4[4] = {1, 16, 256, 4096};
    for (int i = 3; i >= 0; --i)
        adSteps->addWidget(MakeUpDown(adIds[i], adSteps4[i], true));
    grid->addLayout(adSteps, 0, 2);
    grid->addWidget(new QLabel("ADC0804"), 1, 0);
    grid->addWidget(m_adc0804, 1, 1);
    auto* adcSteps = new QHBoxLayout;
    adcSteps->addWidget(MakeUpDown(1809, 16, false));
    adcSteps->addWidget(MakeUpDown(1808, 1, false));
    grid->addLayout(adcSteps, 1, 2);
    grid->addWidget(new QLabel("Pump"), 2, 0);
    grid->addWidget(m_pump, 2, 1);
    grid->addWidget(new QLabel("DAC"), 3, 0);
    grid->addWidget(m_dac, 3, 1);

    static const char* const kPortA[4] = {"Sensitivity A", "Sensitivity B", "Sensitivity C",
                                          "Pump"};
    static const char* const kPortB[7] = {"Current 1", "Current 2", "Current 3", "Probe",
                                          "Reverse",   "W-Ni",      "Balance"};
    auto* ports = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        m_portA[i] = Indicator(kPortA[i], 1812 + i);
        ports->addWidget(m_portA[i], 0, i);
    }
    for (int i = 0; i < 7; ++i) {
        m_portB[i] = Indicator(kPortB[i], 1816 + i);
        ports->addWidget(m_portB[i], 1 + i / 4, i % 4);
    }
    m_trip = new QPushButton("Trip");
    m_trip->setObjectName("ctl1800");
    m_trip->setAutoDefault(false);
    m_probe = new QCheckBox("Probe");
    m_probe->setObjectName("ctl1801");
    connect(m_trip, &QPushButton::clicked, this, [this] {
        m_state.Trip();
        Refresh();
    });
    connect(m_probe, &QCheckBox::toggled, this, [this](bool on) {
        m_state.SetProbe(on);
        Refresh();
    });
    auto* actions = new QHBoxLayout;
    actions->addWidget(m_trip);
    actions->addWidget(m_probe);
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(ports);
    main->addLayout(actions);
    connect(&m_timer, &QTimer::timeout, this, &CSimulation::Tick);
    m_timer.start(kTickMs);
    Refresh();
}

CSimulation::~CSimulation() {
    Shutdown();
}

QWidget* CSimulation::MakeUpDown(int id, int step, bool ad976) {
    auto* box = new QWidget;
    box->setObjectName(QString("ctl%1").arg(id));
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    auto* up = new QToolButton;
    up->setObjectName("up");
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton;
    down->setObjectName("down");
    down->setArrowType(Qt::DownArrow);
    v->addWidget(up);
    v->addWidget(down);
    // A vertical up-down reports −1 for its upper arrow.
    auto apply = [this, step, ad976](int delta) {
        if (ad976)
            m_state.StepAd976(delta, step);
        else
            m_state.StepAdc0804(delta, step);
        Refresh();
    };
    connect(up, &QToolButton::clicked, this, [apply] { apply(-1); });
    connect(down, &QToolButton::clicked, this, [apply] { apply(1); });
    return box;
}

void CSimulation::Tick() {
    m_state.RunTimers();
    if (m_state.Revision() != m_shownRevision)
        Refresh();
}

void CSimulation::Refresh() {
    m_shownRevision = m_state.Revision();
    DeviceStatus s = m_state.Status();
    char text[32];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(s.sAd976()) & 0xFFFFu);
    m_ad976->setText(ToFullWidth(text));
    std::snprintf(text, sizeof text, "%02X", s.bAdc0804());
    m_adc0804->setText(ToFullWidth(text));
    m_pump->setText(QString::number(s.wPumpPeriod()));
    std::snprintf(text, sizeof text, "%.0fmV", s.wAd5541() * 0.038147554);
    m_dac->setText(text);
    const int bitsA[4] = {3, 4, 5, 7};
    for (int i = 0; i < 4; ++i)
        m_portA[i]->setEnabled(s.bPortA() & (1 << bitsA[i]));
    for (int i = 0; i < 7; ++i)
        m_portB[i]->setEnabled(!(s.bPortB() & (1 << i)));
    m_trip->setEnabled(s.bPortB() & kPortBTripArmed);
    QSignalBlocker block(m_probe);
    m_probe->setChecked(s.IsProbeConnected());
}

bool CSimulation::IsPlaced(const ProfileFile& profile) {
    return HasStoredPlacement(profile, kSection);
}

void CSimulation::Open() {
    if (m_profile)
        RestoreWindowPlacement(*this, *m_profile, kSection, false, false);
    m_initialising = false;
    showMinimized();
}

void CSimulation::Shutdown() {
    if (m_closing)
        return;
    m_closing = true;
    m_timer.stop();
    if (!m_initialising && m_profile)
        SaveWindowPlacement(*this, *m_profile, kSection, false, false);
    close();
}

void CSimulation::closeEvent(QCloseEvent* event) {
    if (!m_closing)
        event->ignore();
}

void CSimulation::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

}  // namespace klv
