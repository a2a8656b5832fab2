#include "measure/ui/end_detect_check.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "base/event_sounds.h"
#include "device/device_protocol.h"
#include "measure/check_readouts.h"
#include "measure/ui/level_meter.h"

namespace klv {

CEndDetectCheck::CEndDetectCheck(CDeviceProtocol& protocol, CEventSounds& sounds, const char* name,
                                 const char* caption, bool withMeter, QWidget* parent)
    : CCheckDialog(protocol, sounds, name, caption, parent), m_withMeter(withMeter) {
    m_power = MakePowerBox([this](bool on) { TogglePower(on); });
    TakePolling();
}

QWidget* CEndDetectCheck::MakeReadouts() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto readout = [&](int row, const char* caption, const char* name) {
        grid->addWidget(new QLabel(QString::fromLatin1(caption), box), row, 0);
        auto* value = new QLabel(QString::fromStdString(FormatMv(0)), box);
        value->setObjectName(QString::fromLatin1(name));
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        value->setMinimumWidth(80);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(value, row, 1);
        return value;
    };
    m_levelMv = readout(0, "Electric potential for level indication", "levelMv");
    m_graphMv = readout(1, "Electric potential for graph indication", "graphMv");
    m_detected = new QLabel(QStringLiteral("Detect the end of plating"), box);
    m_detected->setObjectName(QStringLiteral("detected"));
    m_detected->setEnabled(false);
    m_reset = new QPushButton(QStringLiteral("Reset"), box);
    m_reset->setObjectName(QStringLiteral("reset"));
    m_reset->setAutoDefault(false);
    m_reset->setEnabled(false);
    connect(m_reset, &QPushButton::clicked, this, &CEndDetectCheck::Rearm);
    grid->addWidget(m_detected, 2, 0);
    grid->addWidget(m_reset, 2, 1);
    if (m_withMeter) {
        m_meter = new CLevelMeter(box);
        m_meter->setObjectName(QStringLiteral("levelMeter"));
        grid->addWidget(m_meter, 0, 2, 4, 1);
        // The meter is taller than the readouts: they keep their height, the room goes below.
        grid->setRowStretch(3, 1);
    }
    return box;
}

int CEndDetectCheck::StartTestElectrolysis() {
    return Protocol().StartElectrolysis(kTestCountPeriodMs, 0, 0, 0, kTestStartFlags, true);
}

void CEndDetectCheck::TogglePower(bool on) {
    if (on) {
        if (!SwitchOn())
            m_power->setChecked(false);
        return;
    }
    Protocol().StopMeasurement(false);
    SwitchedOff();
}

void CEndDetectCheck::OnPollingNotify(const PollingData& poll) {
    m_levelMv->setText(QString::fromStdString(FormatMv(LevelIndicationMv(poll.status.bAdc0804()))));
    m_graphMv->setText(QString::fromStdString(FormatMv(GraphIndicationMv(poll.status.sAd976()))));
    if (poll.status.IsEndDetected() && m_power->isChecked() && !m_detected->isEnabled()) {
        m_detected->setEnabled(true);
        m_reset->setEnabled(true);
        Sounds().PlayEventSound(kSoundMeasEnd);
    }
    if (m_meter != nullptr) {
        // The meter shows the potential as during a run, without the jump's latch.
        PollingData running = poll;
        running.status.SetFlags(static_cast<std::uint16_t>((poll.status.wFlags() | kStatusRunning) &
                                                           ~kStatusEndDetected));
        m_meter->Update(running);
    }
}

void CEndDetectCheck::Rearm() {
    Send([this] {
        return Protocol().ClearEndDetect(true) == 1 &&
               Protocol().WritePorts(0x00, 0x00, kPortBTripArmed, 0x00, true) == 1;
    });
    m_detected->setEnabled(false);
    m_reset->setEnabled(false);
}

void CEndDetectCheck::BeforeClose() {
    Protocol().StopMeasurement(false);
    if (m_meter != nullptr)
        m_meter->Reset();
}

}  // namespace klv
